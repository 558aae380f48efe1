#include "support/CrashRunner.h"

#include "core/store/BinaryFile.h"
#include "core/store/FolderLock.h"

#include <fstream>
#include <iterator>
#include <memory>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif
#include <cstdlib>

namespace tavolim::test {

std::string diskText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

FolderSnapshot snapshotOf(const std::filesystem::path& folder)
{
    FolderSnapshot out;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name != core::kLockFile) {
            out[name] = diskText(entry.path());
        }
    }
    return out;
}

int countFaultPoints(const std::function<void()>& run)
{
    auto count = std::make_shared<int>(0);
    core::binaryfile::setFaultHook([count](const std::filesystem::path&) {
        ++*count;
        return 0;
    });
    run();
    core::binaryfile::setFaultHook({});
    return *count;
}

void failAt(int k, int error)
{
    auto left = std::make_shared<int>(k);
    core::binaryfile::setFaultHook(
        [left, error](const std::filesystem::path&) { return --*left == 0 ? error : 0; });
}

void killSelf()
{
#ifndef _WIN32
    ::kill(::getpid(), SIGKILL);
#endif
    std::_Exit(9);
}

bool runInChild(const std::function<void()>& run)
{
#ifdef _WIN32
    (void)run;
    return false;
#else
    const pid_t pid = ::fork();
    if (pid == 0) {
        run();
        std::_Exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return pid > 0;
#endif
}

bool runKilledAt(int k, const std::function<void()>& run)
{
    return runInChild([&] {
        auto left = std::make_shared<int>(k);
        core::binaryfile::setFaultHook([left](const std::filesystem::path&) {
            if (--*left == 0) {
                killSelf();
            }
            return 0;
        });
        run();
    });
}

} // namespace tavolim::test

#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace tavolim::test {

// Every file of a folder by name, as the disk holds it (the lock file left out): what "exactly
// as before" and "exactly as after" compare.
using FolderSnapshot = std::map<std::string, std::string>;
FolderSnapshot snapshotOf(const std::filesystem::path& folder);
// A file's bytes straight from the disk, past any open transaction.
std::string diskText(const std::filesystem::path& path);

// How many physical write steps `run` takes (the file layer's fault hook counts them).
int countFaultPoints(const std::function<void()>& run);
// Makes the k-th physical write step from now fail with `error`, once.
void failAt(int k, int error);
// Runs `run` in a child process that is killed at its k-th physical write step, as a power
// cut or a kill -9 would; waits for it. False where processes cannot be forked.
bool runKilledAt(int k, const std::function<void()>& run);
// Runs `run` in a child process and waits for it; false where processes cannot be forked.
bool runInChild(const std::function<void()>& run);
// Ends the calling process at once, as a kill would.
[[noreturn]] void killSelf();

} // namespace tavolim::test

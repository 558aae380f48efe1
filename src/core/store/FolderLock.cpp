#include "core/store/FolderLock.h"

#include <cerrno>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tavolim::core {

#ifdef _WIN32

FolderLock::FolderLock(const std::filesystem::path& folder)
{
    // Opened without sharing: a second opener gets a sharing violation until this process
    // closes the handle or ends.
    const auto path = (folder / kLockFile).wstring();
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        m_state = code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION ? State::Busy
                                                                                  : State::Failed;
        m_error = code == ERROR_ACCESS_DENIED ? EACCES : EIO;
        return;
    }
    m_handle = h;
    m_state = State::Held;
}

FolderLock::~FolderLock()
{
    if (m_handle) {
        CloseHandle(static_cast<HANDLE>(m_handle));
    }
}

#else

FolderLock::FolderLock(const std::filesystem::path& folder)
{
    const auto path = folder / kLockFile;
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        m_error = errno;
        // A read-only folder may still hold a lock file left by an earlier run.
        m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0) {
            return;
        }
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        m_state = State::Held;
        m_error = 0;
        return;
    }
    m_state = errno == EWOULDBLOCK ? State::Busy : State::Failed;
    m_error = errno;
    ::close(m_fd);
    m_fd = -1;
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0) {
        ::close(m_fd); // closing lets the lock go
    }
}

#endif

std::string folderBusyMessage(const std::filesystem::path& folder)
{
    return "A pasta de dados '" + folder.string() +
           "' já está sendo usada por outro programa Tavolim (talvez em outra janela ou por "
           "outro usuário).\nFeche o outro programa antes de abrir este.";
}

} // namespace tavolim::core

#pragma once

#include <filesystem>
#include <string>

namespace tavolim::core {

// One program per data folder: an operating-system lock on "tavolim.lck" in the folder, held
// for the life of the object and let go by the system when the process ends, however it ends.
// The program takes it at start and the tool's writing commands take it before writing.
class FolderLock {
public:
    enum class State {
        Held,   // this process has the folder
        Busy,   // another process holds it
        Failed, // the lock file could not be opened (a read-only folder, say)
    };

    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State state() const { return m_state; }
    bool held() const { return m_state == State::Held; }
    // The system's error number when Failed.
    int error() const { return m_error; }

private:
    State m_state = State::Failed;
    int m_error = 0;
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

inline constexpr const char* kLockFile = "tavolim.lck";

// "A pasta de dados … já está sendo usada por outro programa Tavolim…"
std::string folderBusyMessage(const std::filesystem::path& folder);

} // namespace tavolim::core

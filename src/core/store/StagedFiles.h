#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavolim::core {

// A file operation that failed: the file and why, in the operator's words.
struct FileFailure {
    std::filesystem::path file;
    std::string cause;

    // "Não foi possível gravar o arquivo DadosFit.tvl (disco cheio)."
    std::string message() const;
};

// The cause of a failed write as the operator reads it, from the C library's error number.
std::string writeFailureCause(int errorNumber);

// Several files replaced as one step. Each new content goes first to a temporary beside its
// file, named with the extension ".tmp" ("DadosFit.tmp"); only when every temporary is
// complete are they renamed over their files, in the order staged. A temporary that cannot be
// written removes every temporary, so the files all stay as they were: never half a file, and
// never one file of the set rewritten without the others.
class StagedFiles {
public:
    StagedFiles() = default;
    ~StagedFiles() { discard(); }
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    static std::filesystem::path temporaryFor(const std::filesystem::path& file);

    // Writes the temporary of `file`. False, with failure() set, when it could not be written:
    // every temporary is then removed and commit() does nothing.
    bool stage(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
    // Renames every temporary over its file. False, with failure() set, when a rename failed:
    // the files before it are in place, the rest keep their temporaries for a look.
    bool commit();
    // Removes the temporaries not yet committed.
    void discard();

    bool empty() const { return m_staged.empty(); }
    const std::optional<FileFailure>& failure() const { return m_failure; }

private:
    std::vector<std::filesystem::path> m_staged;
    std::optional<FileFailure> m_failure;
};

} // namespace tavolim::core

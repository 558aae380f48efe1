#pragma once

#include "core/store/BinaryFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavolim::core {

// Several files replaced as one step. Each new content goes first to a temporary beside its
// file, named with the extension ".tmp" ("DadosFit.tmp"), and is made to reach the disk; only
// when every temporary is complete are they renamed over their files, in the order staged. A
// temporary that cannot be written removes every temporary, so the files all stay as they
// were: never half a file, and never one file of the set rewritten without the others.
//
// Whole files are written, so this is for rewrites outside a FileTransaction, which refuses
// renames.
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
    // the files before it are in place, the rest keep their temporaries.
    bool commit();
    // Removes the temporaries not yet committed.
    void discard();

    bool empty() const { return m_staged.empty(); }
    const std::optional<binaryfile::Failure>& failure() const { return m_failure; }
    // "Não foi possível gravar o arquivo 'DadosFit.tvl' (disco cheio)."; empty when nothing
    // failed.
    std::string failureMessage() const;

private:
    void fail(const std::filesystem::path& file);

    std::vector<std::filesystem::path> m_staged;
    std::optional<binaryfile::Failure> m_failure;
};

} // namespace tavolim::core

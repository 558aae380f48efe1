#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tavolim::core {

// Byte-level file access for the record files: the one place every byte of the data folder
// passes. Every call opens, works and closes, so the file is complete on disk when it returns.
// Failures are returned, never thrown, and the cause of the last one is kept for the message.
//
// While a FileTransaction is open on the thread, writes to the files of its folder are held in
// memory and served back to reads until the transaction commits (see FileTransaction.h).
namespace binaryfile {

// Why the last failed file operation of this thread failed.
struct Failure {
    std::filesystem::path path;
    int error = 0; // the system's error number; 0 = nothing failed
};
const Failure& lastFailure();
void clearFailure();
void setFailure(const std::filesystem::path& path, int error);
// The cause in the operator's words: "disco cheio", "sem permissão de gravação", ...
std::string causeText(int error);
// "Não foi possível gravar o arquivo 'DadosCli.tvl' (disco cheio)."
std::string failureMessage(const Failure& failure);

// Test seam: asked before every physical change to a file (write, truncate, sync, rename,
// remove); a non-zero answer fails that step with that error number. The hook may also end the
// process there, as a crash or a power cut would. Unset in the program.
using FaultHook = std::function<int(const std::filesystem::path&)>;
void setFaultHook(FaultHook hook);

// Length in bytes; 0 for a missing file.
std::uint64_t size(const std::filesystem::path& path);

// Reads `length` bytes at `offset`; bytes past the end of the file (or of a missing file)
// read as 0. `got`, when given, receives how many bytes came from the file.
std::vector<std::uint8_t> readAt(const std::filesystem::path& path, std::uint64_t offset,
                                 std::size_t length, std::size_t* got = nullptr);

// Writes at `offset`, creating the file when missing; a gap before offset fills with zeros.
bool writeAt(const std::filesystem::path& path, std::uint64_t offset,
             std::span<const std::uint8_t> bytes);

// Reads `length` bytes from `offset` in blocks of at most `blockLength`, through one open
// file and one buffer, calling f(bytes) per block; a short file ends early. The way to walk a
// whole file without a buffer per block.
void readBlocks(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t length,
                std::size_t blockLength,
                const std::function<void(std::span<const std::uint8_t>)>& f);

std::vector<std::uint8_t> readAll(const std::filesystem::path& path);
// Writes the whole file through a temporary beside it, renamed over the target only when
// complete, so a crash leaves either the old file or the new one.
bool writeAllAtomic(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Creates the file anew (truncating an old one) holding exactly `bytes`.
bool writeNew(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

bool exists(const std::filesystem::path& path);
// Removes the file if it is there; a missing file is not an error.
bool remove(const std::filesystem::path& path);

// Replaces `target` by `source` (rename); the target is removed first where needed.
bool replace(const std::filesystem::path& source, const std::filesystem::path& target);

// Makes what was written to the file reach the disk.
bool sync(const std::filesystem::path& path);

} // namespace binaryfile
} // namespace tavolim::core

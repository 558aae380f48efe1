#pragma once

// Internal to the file layer: what an open FileTransaction holds, and the physical steps its
// commit and the start-up recovery take. Nothing outside BinaryFile.cpp and
// FileTransaction.cpp includes this.

#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <vector>

namespace tavolim::core::binaryfile::detail {

struct PendingWrite {
    std::uint64_t offset = 0;
    std::vector<std::uint8_t> bytes;
};

// One file's writes while a transaction is open.
struct PendingFile {
    bool existed = false;       // the file was on disk when first touched
    std::uint64_t baseSize = 0; // its size then
    bool replaced = false;      // its old content goes: the writes are all there is
    std::uint64_t size = 0;     // its size with the writes
    std::vector<PendingWrite> writes;
};

struct Pending {
    std::filesystem::path folder;
    std::map<std::filesystem::path, PendingFile> files;
};

// The transaction open on this thread, or null.
Pending*& active();
// The transaction's entry for `path` when the path lies in its folder, else null.
PendingFile* pendingFor(const std::filesystem::path& path, bool create);

// Physical steps, each asking the fault hook first and recording a failure.
std::vector<std::uint8_t> physicalRead(const std::filesystem::path& path, std::uint64_t offset,
                                       std::size_t length, std::size_t* got);
bool physicalWrite(const std::filesystem::path& path, std::uint64_t offset,
                   std::span<const std::uint8_t> bytes);
// Many writes to one file through one open, each asking the fault hook first; stops at the
// first that fails.
bool physicalWrites(const std::filesystem::path& path, std::span<const PendingWrite> writes);
// The bytes now at the offset and length of each write, through one open (undo images).
std::vector<PendingWrite> physicalReadsUnder(const std::filesystem::path& path,
                                             std::span<const PendingWrite> writes,
                                             std::uint64_t fileSize);
bool physicalTruncate(const std::filesystem::path& path, std::uint64_t size);
bool physicalSync(const std::filesystem::path& path);
// Makes every file written in the folder reach the disk: one call where the system has one
// for a whole file system, else a sync of each of `files`.
bool physicalSyncAll(const std::filesystem::path& folder,
                     const std::vector<std::filesystem::path>& files);
bool physicalRemove(const std::filesystem::path& path);
bool physicalExists(const std::filesystem::path& path);
std::uint64_t physicalSize(const std::filesystem::path& path);

} // namespace tavolim::core::binaryfile::detail

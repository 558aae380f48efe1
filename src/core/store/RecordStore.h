#pragma once

#include "core/store/CurrentRecords.h"
#include "core/store/FileKind.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavolim::core {

// The record file layer: the current record of each kind 1-10, whole-record reads and
// writes by number, new record numbers, deletion by mark with reuse through the deleted
// lists, and undeletion. Every call opens, works and closes its files.
//
// Error policy: a record number outside 1..32767 or an unknown kind does nothing; reading
// past the end of a file gives a blank record (Codigo 0, empty name), which callers treat
// as a missing record; a failed write returns false and leaves what was written.
class RecordStore {
public:
    static constexpr std::int32_t MaxRecords = 32767;

    explicit RecordStore(std::filesystem::path dataFolder);

    const std::filesystem::path& dataFolder() const { return m_folder; }
    std::filesystem::path filePath(FileKind kind) const;

    CurrentRecords& current() { return m_current; }
    const CurrentRecords& current() const { return m_current; }
    ClientRecord& client() { return m_current.client; }
    DependentRecord& dependent() { return m_current.dependent; }
    TapeRecord& tape() { return m_current.tape; }
    DistributorRecord& distributor() { return m_current.distributor; }
    LabelRecord& label() { return m_current.label; }
    MediaRecord& media() { return m_current.media; }
    ActorRecord& actor() { return m_current.actor; }
    GeneralRulesRecord& rules() { return m_current.rules; }
    const GeneralRulesRecord& rules() const { return m_current.rules; }
    StoreRecord& store() { return m_current.store; }
    const StoreRecord& store() const { return m_current.store; }
    ProductRecord& product() { return m_current.product; }

    // Number of the client record most recently read from the file.
    std::int16_t lastClientRead() const { return m_lastClientRead; }
    // Reads of current records that went to a file (the cache test counts them).
    std::uint64_t fileReads() const { return m_fileReads; }

    // A record by value, straight from its file: the way core logic reads. The current
    // records are not touched. Kinds 8 and 9 always read record 1; a number outside 1..32767
    // or past the end gives a blank record (Codigo 0); the torn last record of a file cut short
    // reads as far as it goes, the rest as 0.
    template <class R>
    R load(std::int32_t number) const
    {
        R record;
        constexpr FileKind kind = kindOf<R>();
        if (const auto n = recordNumber(kind, number)) {
            record.decode(recordBytes(kind, *n));
        }
        return record;
    }

    // Writes a record by value: the way core logic writes. A number past the end appends, with
    // Codigo set to it. Bytes no field covers keep what the file holds there. When the current
    // record of the kind holds the same record it takes the saved value, so the two never
    // disagree. False when nothing was written.
    template <class R>
    bool save(std::int32_t number, R record)
    {
        constexpr FileKind kind = kindOf<R>();
        const auto n = recordNumber(kind, number);
        if (!n) {
            return false;
        }
        if constexpr (requires { record.Codigo; }) {
            if (*n > recordCount(kind)) {
                record.Codigo = static_cast<std::int16_t>(*n);
            }
        }
        auto bytes = recordBytes(kind, *n);
        record.encode(bytes);
        if (!writeRecordBytes(kind, *n, bytes)) {
            return false;
        }
        withCurrent(m_current, kind, [&](auto& current) {
            if constexpr (std::is_same_v<std::decay_t<decltype(current)>, R>) {
                if constexpr (requires { current.Codigo; }) {
                    if (current.Codigo != *n) {
                        return;
                    }
                }
                current = record;
            }
        });
        return true;
    }

    // Kinds 1-7 and 10: without force, a current record already holding `number` is taken
    // as it is, unsaved edits included. Kinds 8 and 9 always read record 1.
    void readRecord(FileKind kind, int number, bool force);
    // Kinds 8 and 9 write record 1. A number past the end appends, with Codigo set to it.
    bool writeRecord(FileKind kind, int number);

    // Whole records in the file (length div record length).
    std::int32_t recordCount(FileKind kind) const;
    // The number for a new record: reused from the deleted list, else appended. Kinds 1, 3,
    // 4 and 10 leave the number listed until the register saves (removeDeleted); nullopt
    // for labels, general rules and store data.
    std::optional<std::int32_t> nextRecordNumber(FileKind kind);

    void addDeleted(FileKind kind, std::int32_t number);
    // Oldest deletion first; stale entries (records no longer marked) are dropped on the
    // way. 0 when none.
    std::int32_t takeFreeNumber(FileKind kind, bool remove);
    void removeDeleted(FileKind kind, std::int32_t number);
    std::vector<std::int32_t> deletedNumbers(FileKind kind) const;

    // Marks the current record deleted and lists it. `which` is the record number, except
    // for dependents, where it is the 1-based position in the current client's Dep list.
    // Returns the number of the record deleted, or nullopt when nothing was deleted. The
    // clean-up of tapes and histories that name the record is the caller's next step.
    std::optional<std::int32_t> deleteRecord(FileKind kind, int which);

    struct DeletedEntry {
        std::int32_t number;
        std::string name; // without the "#"
    };
    // The records on the kind's deleted list that are still marked, newest first.
    std::vector<DeletedEntry> listDeleted(FileKind kind);
    // Reads the record (forced), drops the "#", writes it and takes it off the list.
    // Returns the restored name, or nullopt when the record was not deleted.
    std::optional<std::string> restoreRecord(FileKind kind, std::int32_t number);

    // True when the stored record's name field starts with "#".
    bool isDeletedOnDisk(FileKind kind, std::int32_t number) const;

    // Calls f(number, bytes) for every whole record in order, reading the file in large
    // blocks: the way to walk a full file quickly.
    void scanRaw(FileKind kind,
                 const std::function<void(std::int32_t, std::span<const std::uint8_t>)>& f) const;

    template <class R, class F>
    void scan(FileKind kind, F&& f) const
    {
        R record;
        scanRaw(kind, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
            record.decode(bytes);
            f(n, record);
        });
    }

private:
    std::filesystem::path deletedListPath(FileKind kind) const;
    // The number a read or write goes to (1 for kinds 8 and 9); nullopt outside 1..32767.
    static std::optional<std::int32_t> recordNumber(FileKind kind, std::int32_t number);
    // A record's stored bytes; past the end they read as 0.
    std::vector<std::uint8_t> recordBytes(FileKind kind, std::int32_t number) const;
    bool writeRecordBytes(FileKind kind, std::int32_t number, std::span<const std::uint8_t> bytes);

    std::filesystem::path m_folder;
    CurrentRecords m_current;
    std::int16_t m_lastClientRead = 0;
    std::uint64_t m_fileReads = 0;
};

// The name field with "#" put in front, cut to the field width, and back. Names are UTF-8;
// widths count code-page bytes. `tail` receives the byte the mark pushed out, if any; given
// back, it goes at the end of the field, after any spaces the stored name lost when trimmed.
std::string markDeletedName(const std::string& name, std::size_t width, std::optional<char>* tail);
std::string unmarkDeletedName(const std::string& name, std::optional<char> tail, std::size_t width);
bool isDeletedName(const std::string& name);

} // namespace tavolim::core

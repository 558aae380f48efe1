#include "core/store/RecordStore.h"

#include "core/store/BinaryFile.h"
#include "core/store/Cp1252.h"
#include "core/store/DeletedList.h"
#include "core/store/DeletedNameTails.h"

#include <algorithm>

namespace tavolim::core {
namespace {

bool hasCode(FileKind kind)
{
    return kind != FileKind::GeneralRules && kind != FileKind::Store;
}

bool isSingleRecord(FileKind kind)
{
    return kind == FileKind::GeneralRules || kind == FileKind::Store;
}

template <class R>
std::int16_t codeOf(const R& r)
{
    if constexpr (requires { r.Codigo; }) {
        return r.Codigo;
    } else {
        return 0;
    }
}

template <class R>
void setCode(R& r, std::int32_t n)
{
    if constexpr (requires { r.Codigo; }) {
        r.Codigo = static_cast<std::int16_t>(n);
    }
}

template <class R>
std::string* nameOf(R& r)
{
    if constexpr (requires { r.name(); }) {
        return &r.name();
    } else {
        return nullptr;
    }
}

} // namespace

std::string markDeletedName(const std::string& name, std::size_t width, std::optional<char>* tail)
{
    std::string bytes = toCp1252(name);
    while (!bytes.empty() && bytes.back() == ' ') {
        bytes.pop_back();
    }
    if (tail) {
        *tail = std::nullopt;
    }
    if (width > 0 && bytes.size() >= width) {
        if (tail) {
            *tail = bytes[width - 1];
        }
        bytes.resize(width - 1);
    }
    return fromCp1252("#" + bytes);
}

std::string unmarkDeletedName(const std::string& name, std::optional<char> tail, std::size_t width)
{
    std::string bytes = toCp1252(name);
    if (!bytes.empty() && bytes.front() == '#') {
        bytes.erase(0, 1);
    }
    if (tail) {
        // The name filled its field: spaces before its last byte were trimmed off the stored
        // "#" form ("PARTE 2" kept as "#PARTE"), so the tail goes back at the field's end.
        if (width > 1 && bytes.size() < width - 1) {
            bytes.resize(width - 1, ' ');
        }
        bytes += *tail;
    }
    return fromCp1252(bytes);
}

bool isDeletedName(const std::string& name)
{
    return !name.empty() && name.front() == '#';
}

RecordStore::RecordStore(std::filesystem::path dataFolder) : m_folder(std::move(dataFolder)) {}

std::filesystem::path RecordStore::filePath(FileKind kind) const
{
    return m_folder / std::string(fileKindInfo(kind).fileName);
}

std::filesystem::path RecordStore::deletedListPath(FileKind kind) const
{
    return m_folder / std::string(fileKindInfo(kind).deletedList);
}

std::optional<std::int32_t> RecordStore::recordNumber(FileKind kind, std::int32_t number)
{
    if (isSingleRecord(kind)) {
        return 1;
    }
    if (number < 1 || number > MaxRecords) {
        return std::nullopt;
    }
    return number;
}

std::vector<std::uint8_t> RecordStore::recordBytes(FileKind kind, std::int32_t number) const
{
    const auto& info = fileKindInfo(kind);
    return binaryfile::readAt(filePath(kind),
                              static_cast<std::uint64_t>(number - 1) * info.recordLength,
                              info.recordLength);
}

bool RecordStore::writeRecordBytes(FileKind kind, std::int32_t number,
                                   std::span<const std::uint8_t> bytes)
{
    const auto& info = fileKindInfo(kind);
    return binaryfile::writeAt(filePath(kind),
                               static_cast<std::uint64_t>(number - 1) * info.recordLength, bytes);
}

void RecordStore::readRecord(FileKind kind, int number, bool force)
{
    const auto n = recordNumber(kind, number);
    if (!n) {
        return;
    }
    withCurrent(m_current, kind, [&](auto& record) {
        if (!force && !isSingleRecord(kind) && codeOf(record) == *n) {
            return;
        }
        record.decode(recordBytes(kind, *n));
        ++m_fileReads;
        if (kind == FileKind::Clients) {
            m_lastClientRead = static_cast<std::int16_t>(*n);
        }
    });
}

bool RecordStore::writeRecord(FileKind kind, int number)
{
    const auto n = recordNumber(kind, number);
    if (!n) {
        return false;
    }
    bool ok = false;
    withCurrent(m_current, kind, [&](auto& record) {
        if (hasCode(kind) && *n > recordCount(kind)) {
            setCode(record, *n);
        }
        // Bytes no field covers keep what the file holds there.
        auto bytes = recordBytes(kind, *n);
        record.encode(bytes);
        ok = writeRecordBytes(kind, *n, bytes);
    });
    return ok;
}

std::int32_t RecordStore::recordCount(FileKind kind) const
{
    const auto n = binaryfile::size(filePath(kind)) / fileKindInfo(kind).recordLength;
    return static_cast<std::int32_t>(std::min<std::uint64_t>(n, 0x7FFFFFFF));
}

std::optional<std::int32_t> RecordStore::nextRecordNumber(FileKind kind)
{
    std::int32_t taken = 0;
    switch (kind) {
    case FileKind::Labels:
    case FileKind::GeneralRules:
    case FileKind::Store:
        return std::nullopt;
    case FileKind::Media:
    case FileKind::Actors:
        break;
    case FileKind::Clients:
    case FileKind::Tapes:
    case FileKind::Distributors:
    case FileKind::Products:
        taken = takeFreeNumber(kind, false);
        break;
    case FileKind::Dependents:
    case FileKind::TapeHistory:
    case FileKind::ProductHistory:
        taken = takeFreeNumber(kind, true);
        break;
    }
    if (taken >= 1) {
        return taken;
    }
    return recordCount(kind) + 1;
}

void RecordStore::addDeleted(FileKind kind, std::int32_t number)
{
    if (fileKindInfo(kind).deletedList.empty()) {
        return;
    }
    DeletedList(deletedListPath(kind)).add(number);
}

void RecordStore::removeDeleted(FileKind kind, std::int32_t number)
{
    if (fileKindInfo(kind).deletedList.empty()) {
        return;
    }
    DeletedList(deletedListPath(kind)).remove(number);
}

std::vector<std::int32_t> RecordStore::deletedNumbers(FileKind kind) const
{
    if (fileKindInfo(kind).deletedList.empty()) {
        return {};
    }
    return DeletedList(deletedListPath(kind)).entries();
}

bool RecordStore::isDeletedOnDisk(FileKind kind, std::int32_t number) const
{
    const auto& info = fileKindInfo(kind);
    if (info.nameWidth == 0 || number < 1 || number > recordCount(kind)) {
        return false;
    }
    const auto byte = binaryfile::readAt(
        filePath(kind),
        static_cast<std::uint64_t>(number - 1) * info.recordLength + info.nameOffset, 1);
    return byte[0] == '#';
}

std::int32_t RecordStore::takeFreeNumber(FileKind kind, bool remove)
{
    if (fileKindInfo(kind).deletedList.empty()) {
        return 0;
    }
    const bool histories = kind == FileKind::TapeHistory || kind == FileKind::ProductHistory;
    // History records carry no mark: a listed number in range is taken as free, and the
    // history layer clears the record before its first use.
    return DeletedList(deletedListPath(kind))
        .takeOldest(
            [&](std::int32_t number) {
                return histories ? number >= 1 && number <= MaxRecords
                                 : isDeletedOnDisk(kind, number);
            },
            remove);
}

std::optional<std::int32_t> RecordStore::deleteRecord(FileKind kind, int which)
{
    if (!isMarkDeletable(kind)) {
        return std::nullopt;
    }
    std::int32_t number = which;
    if (kind == FileKind::Dependents) {
        auto& holder = m_current.client;
        const int count = holder.depCount();
        if (which < 1 || which > count) {
            return std::nullopt;
        }
        number = holder.Dep[static_cast<std::size_t>(which - 1)];
    }
    if (number < 1 || number > MaxRecords) {
        return std::nullopt;
    }
    std::optional<char> tail;
    withCurrent(m_current, kind, [&](auto& record) {
        if (std::string* name = nameOf(record); name && !isDeletedName(*name)) {
            *name = markDeletedName(*name, fileKindInfo(kind).nameWidth, &tail);
        }
        if constexpr (requires { record.RegHistFita; }) {
            if (record.RegHistFita > 0) {
                addDeleted(FileKind::TapeHistory, record.RegHistFita);
            }
            if (record.RegHistProd > 0) {
                addDeleted(FileKind::ProductHistory, record.RegHistProd);
            }
            record.RegHistFita = 0;
            record.RegHistProd = 0;
        }
    });
    if (tail) {
        DeletedNameTails(m_folder).keep(kind, number, *tail);
    } else {
        // A tail kept for an earlier record under this number (deleted, then reused without an
        // undeletion) belongs to no name now.
        DeletedNameTails(m_folder).take(kind, number);
    }
    writeRecord(kind, number);

    if (kind == FileKind::Dependents) {
        auto& holder = m_current.client;
        const int count = holder.depCount();
        // The last listed dependent takes the freed place.
        holder.Dep[static_cast<std::size_t>(which - 1)] =
            holder.Dep[static_cast<std::size_t>(count - 1)];
        holder.Dep[static_cast<std::size_t>(count - 1)] = 0;
        holder.NumDep = static_cast<std::int16_t>(count - 1);
        writeRecord(FileKind::Clients, m_current.dependent.Titular);
    }
    addDeleted(kind, number);
    return number;
}

std::vector<RecordStore::DeletedEntry> RecordStore::listDeleted(FileKind kind)
{
    std::vector<DeletedEntry> out;
    if (!isMarkDeletable(kind)) {
        return out;
    }
    const auto& info = fileKindInfo(kind);
    const auto count = recordCount(kind);
    for (const auto number : deletedNumbers(kind)) {
        if (number < 1 || number > count) {
            continue;
        }
        const auto raw = binaryfile::readAt(
            filePath(kind),
            static_cast<std::uint64_t>(number - 1) * info.recordLength + info.nameOffset,
            info.nameWidth);
        const std::string name =
            decodeField(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()));
        if (isDeletedName(name)) {
            out.push_back({number, name.substr(1)});
        }
    }
    return out;
}

std::optional<std::string> RecordStore::restoreRecord(FileKind kind, std::int32_t number)
{
    if (!isMarkDeletable(kind) || !isDeletedOnDisk(kind, number)) {
        return std::nullopt;
    }
    readRecord(kind, number, true);
    std::optional<std::string> restored;
    withCurrent(m_current, kind, [&](auto& record) {
        if (std::string* name = nameOf(record)) {
            *name = unmarkDeletedName(*name, DeletedNameTails(m_folder).take(kind, number),
                                      fileKindInfo(kind).nameWidth);
            restored = *name;
        }
    });
    writeRecord(kind, number);
    removeDeleted(kind, number);
    return restored;
}

void RecordStore::scanRaw(
    FileKind kind, const std::function<void(std::int32_t, std::span<const std::uint8_t>)>& f) const
{
    const std::size_t length = fileKindInfo(kind).recordLength;
    const std::int32_t total = std::min(recordCount(kind), MaxRecords);
    // About 256 KB a block, in one reused buffer: few reads, no allocation per block.
    const std::size_t perBlock = std::max<std::size_t>(1, 262144 / length);
    std::int32_t number = 1;
    binaryfile::readBlocks(filePath(kind), 0, static_cast<std::uint64_t>(total) * length,
                           perBlock * length, [&](std::span<const std::uint8_t> block) {
                               for (std::size_t at = 0; at + length <= block.size(); at += length) {
                                   f(number++, block.subspan(at, length));
                               }
                           });
}

} // namespace tavolim::core

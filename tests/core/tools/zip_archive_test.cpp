#include "core/store/BinaryFile.h"
#include "core/tools/ZipArchive.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Entry {
    std::string name;
    Bytes bytes;
};

Bytes pattern(std::size_t size)
{
    Bytes out(size);
    std::uint32_t x = 12345;
    for (auto& b : out) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    return out;
}

// An empty entry, one past the writer's 1 MiB block (its header leaves before its CRC is
// known) and one named with accents.
std::vector<Entry> sample()
{
    return {{"Tavolim.txt", {}},
            {"DadosFit.tvl", pattern((3u << 19) + 7)},
            {"Conteúdo ç.txt", pattern(10)}};
}

bool writeArchive(const std::filesystem::path& file, const std::vector<Entry>& entries)
{
    ZipWriter zip(file, 1);
    for (const auto& e : entries) {
        if (!zip.beginEntry(e.name, e.bytes.size(), 1764950400) ||
            (!e.bytes.empty() && !zip.write(e.bytes))) {
            return false;
        }
    }
    return zip.close();
}

// Every entry read back, or nullopt when the reader found damage.
std::optional<std::vector<Entry>> readArchive(const std::filesystem::path& file)
{
    ZipReader zip(file);
    std::vector<Entry> out;
    while (const auto entry = zip.next()) {
        Entry e{entry->name, {}};
        const bool whole = zip.read([&](std::span<const std::uint8_t> block) {
            e.bytes.insert(e.bytes.end(), block.begin(), block.end());
            return true;
        });
        if (!whole || entry->size != e.bytes.size()) {
            return std::nullopt;
        }
        out.push_back(std::move(e));
    }
    if (zip.failed()) {
        return std::nullopt;
    }
    return out;
}

TEST(ZipArchive, EntriesComeBackWholeAndDamageIsCaught)
{
    test::TempDataFolder folder;
    const auto file = folder.file("copia.zip");
    ASSERT_TRUE(writeArchive(file, sample()));

    const auto read = readArchive(file);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), sample().size());
    for (std::size_t i = 0; i < read->size(); ++i) {
        EXPECT_EQ((*read)[i].name, sample()[i].name);
        EXPECT_TRUE((*read)[i].bytes == sample()[i].bytes) << sample()[i].name;
    }

    // A byte changed in the large entry's data, and the archive cut short.
    const std::uint64_t size = binaryfile::size(file);
    const auto middle = binaryfile::readAt(file, size / 2, 1);
    ASSERT_TRUE(binaryfile::writeAt(file, size / 2, Bytes{static_cast<std::uint8_t>(~middle[0])}));
    EXPECT_FALSE(readArchive(file).has_value()) << "a changed byte";

    ASSERT_TRUE(writeArchive(file, sample()));
    const auto whole = binaryfile::readAll(file);
    ASSERT_TRUE(binaryfile::writeNew(file, std::span(whole).first(whole.size() - 100)));
    EXPECT_FALSE(readArchive(file).has_value()) << "a torn archive";
}

} // namespace
} // namespace tavolim::core

#include "core/store/BinaryFile.h"
#include "core/store/FileTransaction.h"
#include "core/store/FolderLock.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Stores live in folders the owner named: accents, spaces and punctuation must reach the system
// as they are, on every file operation; on Windows also letters outside the code page (Ł).
TEST(FolderNames, EveryFileOperationWorksInFoldersNamedWithAccents)
{
    const std::u8string names[] = {u8"Loja", u8"Locadora São João", u8"Vídeo & Cia (2)",
                                   u8"Ação-Ñandú çãõ", u8"Locadora Łódź"};
    test::TempDataFolder root;
    for (const auto& name : names) {
        const std::string shown(name.begin(), name.end());
        SCOPED_TRACE(shown);
        const std::filesystem::path folder = root.path() / std::filesystem::path(name);
        std::filesystem::create_directory(folder);
        const auto file = folder / std::filesystem::path(u8"Dadosç.tvl");
        const auto moved = folder / "DadosFit.tvl";

        {
            const FolderLock lock(folder);
            EXPECT_TRUE(lock.held());
            EXPECT_EQ(FolderLock(folder).state(), FolderLock::State::Busy);
        }

        ASSERT_TRUE(binaryfile::writeNew(file, Bytes{1, 2, 3}));
        ASSERT_TRUE(binaryfile::writeAt(file, 5, Bytes{9}));
        EXPECT_EQ(binaryfile::size(file), 6u);
        EXPECT_EQ(binaryfile::readAll(file), (Bytes{1, 2, 3, 0, 0, 9}));
        EXPECT_TRUE(binaryfile::sync(file));
        // The journal names the store's files, whose names are plain ASCII.
        const auto records = folder / "DadosCli.tvl";
        ASSERT_TRUE(binaryfile::writeNew(records, Bytes{1, 2, 3}));
        {
            FileTransaction tx(folder);
            ASSERT_TRUE(binaryfile::writeAt(records, 0, Bytes{7}));
            EXPECT_TRUE(tx.commit()) << binaryfile::failureMessage(binaryfile::lastFailure());
        }
        EXPECT_EQ(binaryfile::readAll(records), (Bytes{7, 2, 3}));

        std::vector<std::filesystem::path> listed;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            listed.push_back(entry.path().filename());
        }
        EXPECT_NE(std::find(listed.begin(), listed.end(), file.filename()), listed.end())
            << "the file keeps its name on disk";

        ASSERT_TRUE(binaryfile::replace(file, moved));
        EXPECT_FALSE(binaryfile::exists(file));
        EXPECT_EQ(binaryfile::size(moved), 6u);
        EXPECT_TRUE(binaryfile::remove(moved));
        EXPECT_FALSE(binaryfile::exists(moved));
    }
}

} // namespace
} // namespace tavolim::core

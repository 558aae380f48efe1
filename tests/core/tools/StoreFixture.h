#pragma once

#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/tools/SampleStore.h"
#include "support/CrashRunner.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tavolim::test {

// The names of the files two snapshots hold differently (or only one holds): a short
// failure message where comparing whole snapshots would print every byte.
inline std::vector<std::string> differences(const FolderSnapshot& a, const FolderSnapshot& b)
{
    std::vector<std::string> names;
    for (const auto& [name, bytes] : a) {
        const auto it = b.find(name);
        if (it == b.end() || it->second != bytes) {
            names.push_back(name);
        }
    }
    for (const auto& [name, bytes] : b) {
        if (!a.count(name)) {
            names.push_back(name);
        }
    }
    return names;
}

// A small sample store (clients with dependents, tapes with their cast, products) in a new
// installation, the state loaded over it, its business day today.
struct SampleStore : InstalledStore {
    SampleStore()
    {
        auto memos = state.memos();
        auto synopses = state.synopses();
        EXPECT_TRUE(
            core::fillSampleStore(state.records(), memos, synopses, {12, 30, 6}, clock.date));
        EXPECT_TRUE(state.saveRules());
        state.loadOptions();
        state.DataDia = clock.date;
    }
};

// The sample store, and a second folder for copies and archives.
class SampleStoreFixture : public ::testing::Test, protected SampleStore {
protected:
    std::filesystem::path data() const { return folder.path(); }
    std::filesystem::path backups() const { return other.path() / "Pendrive"; }

public:
    static void put(const std::filesystem::path& file, const std::string& text)
    {
        ASSERT_TRUE(core::binaryfile::writeNew(
            file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())));
    }

protected:
    TempDataFolder other;
};

} // namespace tavolim::test

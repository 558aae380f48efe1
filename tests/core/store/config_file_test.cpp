#include "core/store/ConfigFile.h"

#include "core/store/BinaryFile.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

class ConfigFileTest : public ::testing::Test {
protected:
    std::string fileText() const
    {
        const auto bytes = binaryfile::readAll(config.path());
        return std::string(bytes.begin(), bytes.end());
    }

    void putRaw(const std::string& bytes)
    {
        binaryfile::writeAt(config.path(), 0,
                            std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    }

    test::TempDataFolder folder;
    ConfigFile config{folder.path()};
};

TEST_F(ConfigFileTest, KeysAndValuesAreCutToSixteenCodePageBytes)
{
    struct Case {
        const char* what;
        std::string writtenKey;
        std::string writtenValue;
        std::string readKey;
        std::string expected;
        std::string onDisk;
    };
    const std::vector<Case> cases = {
        {"long key found under its first 16", "ABCDEFGHIJKLMNOPQRST", "1", "ABCDEFGHIJKLMNOP", "1",
         "ABCDEFGHIJKLMNOP1               "},
        {"long value cut", "Valor", "12345678901234567890", "Valor", "1234567890123456",
         "Valor           1234567890123456"},
        {"blanks trimmed", "  Chave  ", "  x y  ", "Chave", "x y",
         "Chave           x y             "},
        {"accented key cut by code-page bytes", "çççççççççççççççççççç", "ok", "çççççççççççççççç",
         "ok", std::string(16, '\xE7') + "ok              "},
        {"accented value in the code page", "Dia", "Sábado", "Dia", "Sábado",
         "Dia             S\xE1"
         "bado          "},
    };

    for (const auto& c : cases) {
        test::TempDataFolder own;
        ConfigFile file(own.path());

        ASSERT_TRUE(file.writeConfig(c.writtenKey, c.writtenValue)) << c.what;

        EXPECT_EQ(file.readConfig(c.readKey, "none"), c.expected) << c.what;
        const auto bytes = binaryfile::readAll(file.path());
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.onDisk) << c.what;
    }
}

TEST_F(ConfigFileTest, ReadFallsBackToTheDefault)
{
    putRaw(std::string("CodPrim         True            ") + "Vazio                           " +
           std::string(32, '\0') + "Cortado         Fal");

    struct Case {
        const char* key;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"CodPrim", "True"}, {"codprim", "dflt"}, {" CodPrim ", "True"}, {"Vazio", "dflt"},
        {"Ausente", "dflt"}, {"", "dflt"},        {"Cortado", "dflt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(config.readConfig(c.key, "dflt"), c.expected) << c.key;
    }
}

TEST_F(ConfigFileTest, MissingFileReadsEmptyAndIsCreatedByTheFirstWriteOfARealKey)
{
    EXPECT_EQ(config.readConfig("ProcEsp", "False"), "False");
    EXPECT_FALSE(config.writeConfig("   ", "x"));
    EXPECT_FALSE(std::filesystem::exists(config.path()));

    ASSERT_TRUE(config.writeConfig("ProcEsp", "True"));

    EXPECT_EQ(binaryfile::size(config.path()), 32u);
    EXPECT_EQ(config.readConfig("ProcEsp", "False"), "True");
}

TEST_F(ConfigFileTest, AWriteLandsOnTheFirstRecordOfItsKeyOrAfterTheLastWholeRecord)
{
    struct Case {
        const char* what;
        std::string before;
        const char* key;
        const char* value;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"key again", "A               1               B               2               ", "A",
         "second", "A               second          B               2               "},
        {"repeated key", "Dup             one             Dup             two             ", "Dup",
         "three", "Dup             three           Dup             two             "},
        {"torn tail", "Old             1               Torn", "New", "2",
         "Old             1               New             2               "},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(config.path());
        putRaw(c.before);

        config.writeConfig(c.key, c.value);

        EXPECT_EQ(fileText(), c.after);
        EXPECT_EQ(config.readConfig(c.key, ""), c.value);
    }
}

} // namespace
} // namespace tavolim::core

#include "core/state/Options.h"

#include "core/store/BinaryFile.h"
#include "core/store/ConfigFile.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

class OptionsTest : public ::testing::Test {
protected:
    void putRegistry(const std::string& key, const std::string& value)
    {
        settings.write("Tavolim", "Opções", key, value);
    }

    std::set<std::string> configKeysOnDisk() const
    {
        const auto bytes = binaryfile::readAll(config.path());
        std::set<std::string> keys;
        for (std::size_t at = 0; at + 32 <= bytes.size(); at += 32) {
            std::string key(bytes.begin() + at, bytes.begin() + at + 16);
            keys.insert(key.substr(0, key.find(' ')));
        }
        return keys;
    }

    test::TempDataFolder folder;
    test::MemorySettings settings;
    ConfigFile config{folder.path()};
};

// Every setting away from its default.
// clang-format off
Options everythingChanged()
{
    return Options{
        .ImpNotaLoc = 1, .ImpNotaDev = 1, .ImpNotaPag = 1, .ImpNotaCred = 1, .ImpNotaDeb = 1,
        .ImpNotaVda = 1, .ImpNotaVdaCli = 1, .Cabecalho = "Locadora Estrela\r\nRua das Flores, 10",
        .ObsLoc = "Rebobine a fita", .ObsDev = "Obrigado", .ObsPag = "Volte sempre",
        .ObsCred = "Crédito lançado", .NCol = 45, .FonteImp = "Courier New",
        .CmdImpAntes = ",27,64,", .CmdImpDepois = "12", .Imagem = "/home/loja/fundo.bmp",
        .Tipo = "LadoALado", .PortaImp = "/dev/usb/lp0", .cmdBytesAntes = {27, 64},
        .cmdBytesDepois = {12}, .IsDebugging = true, .CabAuto = true, .TamFonte = 10,
        .ImpDireto = true, .Desacent = true, .NumViasRec = 2, .MostraHorasRec = true,
        .GravHistFita = true, .VerifHist = true, .GravHistProd = true, .VerifNomeECod = true,
        .TipoPrazo = 2, .UnicaConta = true, .ProcEsp = true, .CodPrim = true,
        .CodPrimProc = true, .ConfirmOp = true, .MostraUltReg = true, .AcaoQdoSaiForm = 2,
        .AskForBackUp = true, .FlagsAskBak = 38, .UltDiaFezBak = "05/12/2026", .NumBackUps = 7,
        .TipoCobraAtraso = 1, .CobrarMulta = true, .BrindeAuto = true,
        .ContaBrindeDiaria = true, .ContaBrindePrazo = true, .ContaBrindeMsg = true,
        .CorFundoPrinc = 0xFF8080, .MostrarLeg = true, .CorFundo = 0xC0C0C0,
        .CorJan = static_cast<std::int32_t>(0x8000000F), .CorBot = 0xFFFF};
}
// clang-format on

TEST_F(OptionsTest, EmptyStoresGiveTheDefaults)
{
    const Options o = loadOptions(settings, config);

    EXPECT_EQ(o, Options{});
    EXPECT_EQ(o.NCol, 40);
    EXPECT_FALSE(std::filesystem::exists(config.path()));
}

TEST_F(OptionsTest, EverySettingSurvivesSaveAndLoad)
{
    const Options saved = everythingChanged();

    saveRegistryOptions(saved, settings);
    saveConfigOptions(saved, config);
    const Options loaded = loadOptions(settings, config);

    EXPECT_EQ(loaded, saved);
}

TEST_F(OptionsTest, StoresHoldTheKnownKeyNames)
{
    saveRegistryOptions(everythingChanged(), settings);
    saveConfigOptions(everythingChanged(), config);

    std::set<std::string> registryKeys;
    for (const auto& [where, value] : settings.values) {
        EXPECT_EQ(std::get<0>(where), "Tavolim");
        EXPECT_EQ(std::get<1>(where), "Opções");
        registryKeys.insert(std::get<2>(where));
    }
    const std::set<std::string> expectedRegistry = {
        "ImpNotaLoc",   "ImpNotaDev",    "ImpNotaPag", "ImpNotaCred", "ImpNotaDeb",
        "ImpNotaVda",   "ImpNotaVdaCli", "Cabeçalho",  "ObsLoc",      "ObsDev",
        "ObsPag",       "ObsCred",       "NCol",       "FonteImp",    "CmdImpAntes",
        "CmdImpDepois", "Imagem",        "Tipo",       "PortaImp",
    };
    EXPECT_EQ(registryKeys, expectedRegistry);
    // Keys longer than 16 characters are stored cut.
    const std::set<std::string> expectedConfig = {
        "IsDebugging",      "CabAuto",          "TamFonte",        "ImpDireto",      "Desacent",
        "NumViasRec",       "MostraHorasRec",   "GravHistFita",    "VerifHist",      "GravHistProd",
        "VerifNomeECod",    "TipoPrazo",        "UnicaConta",      "ProcEsp",        "CodPrim",
        "CodPrimProc",      "ConfirmOp",        "MostraUltReg",    "AcaoQdoSaiForm", "AskForBackUp",
        "FlagsAskBak",      "UltDiaFezBak",     "TipoCobraAtraso", "CobrarMulta",    "BrindeAuto",
        "ContaBrindeDiari", "ContaBrindePrazo", "ContaBrindeMsg",  "CorFundoPrinc",  "MostrarLeg",
        "CorFundo",         "CorJan",           "CorBot",          "NumBackUps",
    };
    EXPECT_EQ(configKeysOnDisk(), expectedConfig);
}

TEST_F(OptionsTest, StoredTextsConvertOrKeepTheDefault)
{
    struct Case {
        const char* what;
        bool registry;
        const char* key;
        const char* stored;
        std::function<bool(const Options&)> check;
    };
    const std::vector<Case> cases = {
        {"NCol 44 is 40", true, "NCol", "44", [](auto& o) { return o.NCol == 40; }},
        {"NCol text is 40", true, "NCol", "largo", [](auto& o) { return o.NCol == 40; }},
        {"ImpNota number", true, "ImpNotaVdaCli", " 1 ",
         [](auto& o) { return o.ImpNotaVdaCli == 1; }},
        {"ImpNota text", true, "ImpNotaLoc", "sim", [](auto& o) { return o.ImpNotaLoc == 0; }},
        {"ImpNota past 16 bits", true, "ImpNotaDev", "70000",
         [](auto& o) { return o.ImpNotaDev == 0; }},
        {"bool any case", false, "CabAuto", "tRUE", [](auto& o) { return o.CabAuto; }},
        {"bool Portuguese", false, "ProcEsp", "Verdadeiro", [](auto& o) { return o.ProcEsp; }},
        {"bool number", false, "ConfirmOp", "-1", [](auto& o) { return o.ConfirmOp; }},
        {"bool text", false, "Desacent", "talvez", [](auto& o) { return !o.Desacent; }},
        {"int out of its range", false, "TamFonte", "-2", [](auto& o) { return o.TamFonte == 0; }},
        {"int text", false, "TamFonte", "doze", [](auto& o) { return o.TamFonte == 0; }},
        {"int decimal point", false, "TipoPrazo", "1.5", [](auto& o) { return o.TipoPrazo == 0; }},
        {"int past 16 bits", false, "FlagsAskBak", "32768",
         [](auto& o) { return o.FlagsAskBak == 0; }},
        {"colour hex", false, "CorFundoPrinc", "&HFF8080",
         [](auto& o) { return o.CorFundoPrinc == 0xFF8080; }},
        {"colour short hex is unsigned", false, "CorFundoPrinc", "&hffff&",
         [](auto& o) { return o.CorFundoPrinc == 0xFFFF; }},
        {"colour decimal", false, "CorFundoPrinc", "12632256",
         [](auto& o) { return o.CorFundoPrinc == 12632256; }},
        {"colour bad hex", false, "CorFundoPrinc", "&HXYZ",
         [](auto& o) { return o.CorFundoPrinc == 0; }},
        {"scheme colour bad", false, "CorBot", "azul",
         [](auto& o) { return !o.CorBot.has_value(); }},
    };

    for (const auto& c : cases) {
        test::TempDataFolder own;
        test::MemorySettings store;
        ConfigFile file(own.path());
        if (c.registry) {
            store.write("Tavolim", "Opções", c.key, c.stored);
        } else {
            file.writeConfig(c.key, c.stored);
        }

        const Options o = loadOptions(store, file);

        EXPECT_TRUE(c.check(o)) << c.what;
    }
}

// What the start tells the operator about Config.ini: a missing file, a value it cannot read,
// and a missing value that decides what is charged; other absent keys are its usual state.
TEST_F(OptionsTest, ConfigProblemsAreNamedWithTheValueUsed)
{
    struct Case {
        std::vector<std::pair<const char*, const char*>> written; // none: no file at all
        std::set<std::string> warnings;
    };
    const std::vector<Case> cases = {
        {{},
         {"O arquivo Config.ini não foi encontrado na pasta de dados; todas as suas opções usam "
          "o valor padrão (atraso sem cobrança, prazo geral)."}},
        {{{"TipoPrazo", "1"}, {"TipoCobraAtraso", "2"}}, {}},
        {{{"TipoPrazo", "1"}, {"TipoCobraAtraso", "9"}, {"CabAuto", "talvez"}},
         {"TipoCobraAtraso: \"9\" inválido; usado 0.",
          "CabAuto: \"talvez\" inválido; usado False."}},
        {{{"CabAuto", "True"}},
         {"TipoPrazo: ausente; usado 0.", "TipoCobraAtraso: ausente; usado 0."}},
    };
    for (const auto& c : cases) {
        test::TempDataFolder own;
        ConfigFile file(own.path());
        for (const auto& [key, value] : c.written) {
            ASSERT_TRUE(file.writeConfig(key, value));
        }
        std::vector<std::string> problems;

        loadOptions(settings, file, &problems);

        EXPECT_EQ(std::set<std::string>(problems.begin(), problems.end()), c.warnings);
        EXPECT_EQ(problems.size(), c.warnings.size());
    }
}

TEST_F(OptionsTest, HistoryCheckIsSavedOffWithoutHistory)
{
    Options o;
    o.GravHistFita = false;
    o.VerifHist = true;

    saveConfigOptions(o, config);

    EXPECT_EQ(config.readConfig("VerifHist", ""), "False");
    EXPECT_EQ(config.readConfig("GravHistFita", ""), "False");
    EXPECT_FALSE(loadOptions(settings, config).VerifHist);
}

TEST_F(OptionsTest, BooleansAndColoursAreWrittenAsTheFileExpects)
{
    Options o;
    o.CodPrim = true;
    o.CorFundoPrinc = 0x00C0FF;

    saveConfigOptions(o, config);

    const auto bytes = binaryfile::readAll(config.path());
    const std::string all(bytes.begin(), bytes.end());
    EXPECT_NE(all.find("CodPrim         True            "), std::string::npos);
    EXPECT_NE(all.find("CodPrimProc     False           "), std::string::npos);
    EXPECT_NE(all.find("CorFundoPrinc   &HC0FF          "), std::string::npos);
    EXPECT_EQ(config.readConfig("CorFundo", "none"), "none");
}

TEST(OptionsText, CommandBytes)
{
    struct Case {
        const char* text;
        std::vector<std::uint8_t> expected;
    };
    const std::vector<Case> cases = {
        {",27,64,", {27, 64}},
        {"", {}},
        {" , 27 , 13 , ", {27, 13}},
        {"27,,64", {27, 64}},
        {"0,255", {0, 255}},
        {"27,256,64", {27}},
        {"27,x,64", {27}},
        {"1b,27", {}},
        {"27;64", {}},
    };

    for (const auto& c : cases) {
        EXPECT_EQ(parseCommandBytes(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(OptionsBackup, FlagsEncodeAndDecode)
{
    struct Case {
        int flags;
        BackupSchedule schedule;
        int value;
    };
    const std::vector<Case> cases = {
        {0, BackupSchedule::EveryDay, 0},    {19, BackupSchedule::EveryNDays, 3},
        {17, BackupSchedule::EveryNDays, 1}, {31, BackupSchedule::EveryNDays, 15},
        {38, BackupSchedule::Weekday, 6},    {39, BackupSchedule::Weekday, 7},
        {16, BackupSchedule::EveryDay, 0},   {32, BackupSchedule::EveryDay, 0},
        {40, BackupSchedule::EveryDay, 0},   {-5, BackupSchedule::EveryDay, 0},
    };
    for (const auto& c : cases) {
        const BackupFlags decoded = decodeBackupFlags(c.flags);
        EXPECT_EQ(decoded.schedule, c.schedule) << c.flags;
        EXPECT_EQ(decoded.value, c.value) << c.flags;
    }
}

} // namespace
} // namespace tavolim::core

#include "core/printing/ReceiptSettingsForm.h"

#include "PrintingFixture.h"
#include "core/store/ConfigFile.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

using msg::Answer;

class ReceiptSettingsFormTest : public ::testing::Test, public test::PrintingFixture {
protected:
    static bool anyFont(const std::string&) { return true; }
    std::string registry(const char* key)
    {
        return settings.read("Tavolim", "Opções", key, "<none>");
    }
};

TEST_F(ReceiptSettingsFormTest, LinesWiderThanTheReceiptAreRefused)
{
    ReceiptSettingsForm form(state);
    struct Case {
        int width;
        std::string text;
        bool accepted;
    };
    const Case cases[] = {
        {40, "curta\r\n" + std::string(41, 'x'), false},
        {40, std::string(38, 'x') + "çã", true},
        {45, std::string(45, 'x') + "\r\nok", true},
        {45, std::string(46, 'x'), false},
    };
    for (const Case& c : cases) {
        form.values.NCol = c.width;
        dialogs.messages.clear();

        EXPECT_EQ(form.acceptText(c.text), c.accepted) << c.text;

        EXPECT_EQ(dialogs.shownTexts(),
                  std::vector<std::string>(c.accepted ? 0 : 1,
                                           "O número máximo de caracteres por linha é " +
                                               std::to_string(c.width) + "."));
    }
}

TEST_F(ReceiptSettingsFormTest, UnknownFontIsRefusedAndNothingSaved)
{
    ReceiptSettingsForm form(state);
    form.values.FonteImp = "Fonte Que Não Há";
    form.values.MargemEsq = 3;

    EXPECT_FALSE(form.save([](const std::string& f) { return f == "Courier New"; }));

    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"A fonte selecionada não existe."});
    EXPECT_EQ(rulesOnDisk().MargemEsq, 0);
    EXPECT_TRUE(form.changed());
}

TEST_F(ReceiptSettingsFormTest, SavingWritesEverySettingWhereItLives)
{
    ReceiptSettingsForm form(state);
    ReceiptSettings& v = form.values;
    v.CabAuto = true;
    v.Cabecalho = "LOJA\r\nRua 1";
    v.mensagens = {"loc", "dev", "pag", "cred"};
    v.Desacent = true;
    v.NumViasRec = 2;
    v.MostraHorasRec = true;
    v.MargemEsq = 3;
    v.LinhasAcima = 4;
    v.LinhasAbaixo = 5;
    v.FonteImp = " Courier New ";
    v.TamFonte = 10;
    v.NCol = 45;
    v.CmdImpAntes = ",27,64,";
    v.CmdImpDepois = "29,86,0";
    v.ImpDireto = true;
    v.PortaImp = "/dev/ttyS0";

    ASSERT_TRUE(form.save(anyFont));

    // Margins in the rules record, texts in the registry, switches in the config file.
    const auto rules = rulesOnDisk();
    EXPECT_EQ(rules.MargemEsq, 3);
    EXPECT_EQ(rules.LinhasAbaixo, 5);
    EXPECT_EQ(registry("ObsCred"), "cred");
    EXPECT_EQ(registry("FonteImp"), "Courier New");
    ConfigFile config(folder.path());
    EXPECT_EQ(config.readConfig("NumViasRec", ""), "2");
    EXPECT_EQ(config.readConfig("MostraHorasRec", ""), "True");
    EXPECT_EQ(state.options().cmdBytesDepois, (std::vector<std::uint8_t>{29, 86, 0}));
    EXPECT_FALSE(form.changed());

    // What was saved is what the next start loads.
    state.loadOptions();
    EXPECT_EQ(ReceiptSettingsForm(state).values, form.values);
}

TEST_F(ReceiptSettingsFormTest, ClosingWithChangesAsksToSave)
{
    struct Case {
        bool changed;
        std::optional<Answer> answer;
        bool closes;
        std::int16_t margin; // on disk afterwards
    };
    const Case cases[] = {
        {false, std::nullopt, true, 0},
        {true, Answer::Cancel, false, 0},
        {true, Answer::Yes, true, 6},
    };
    for (const Case& c : cases) {
        ReceiptSettingsForm form(state);
        if (c.changed) {
            form.values.MargemEsq = 6;
        }
        dialogs.messages.clear();
        if (c.answer) {
            dialogs.answers.push_back(*c.answer);
        }

        EXPECT_EQ(form.mayClose(anyFont), c.closes);

        EXPECT_EQ(dialogs.messages.size(), c.changed ? 1u : 0u);
        EXPECT_EQ(rulesOnDisk().MargemEsq, c.margin);
    }
}

} // namespace
} // namespace tavolim::core

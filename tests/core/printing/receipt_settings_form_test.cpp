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
        {40, std::string(40, 'x'), true},
        {40, "curta\r\n" + std::string(41, 'x'), false},
        {40, std::string(38, 'x') + "çã", true},
        {45, std::string(45, 'x') + "\r\nok", true},
        {45, std::string(46, 'x'), false},
    };
    for (const Case& c : cases) {
        form.values.NCol = c.width;
        dialogs.messages.clear();

        EXPECT_EQ(form.acceptText(c.text), c.accepted) << c.text;

        if (!c.accepted) {
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_EQ(dialogs.messages[0].text,
                      "O número máximo de caracteres por linha é " + std::to_string(c.width) +
                          ".");
        } else {
            EXPECT_TRUE(dialogs.messages.empty());
        }
    }
}

TEST_F(ReceiptSettingsFormTest, FiscalTypeAdvisesReviewingTheMessages)
{
    ReceiptSettingsForm form(state);
    form.values.NCol = 45;

    form.chooseFiscal();

    EXPECT_EQ(form.values.NCol, 40);
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"É aconselhável rever o tamanho das mensagens dos "
                                       "recibos assim como o alinhamento."});
}

TEST_F(ReceiptSettingsFormTest, UnknownFontIsRefusedAndNothingSaved)
{
    ReceiptSettingsForm form(state);
    form.values.FonteImp = "Fonte Que Não Há";
    form.values.MargemEsq = 3;

    EXPECT_FALSE(form.save([](const std::string& f) { return f == "Courier New"; }));

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "A fonte selecionada não existe.");
    EXPECT_EQ(dialogs.messages[0].title, "Erro");
    EXPECT_EQ(dialogs.messages[0].flags, msg::Critical);
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

    const auto rules = rulesOnDisk();
    EXPECT_EQ(rules.MargemEsq, 3);
    EXPECT_EQ(rules.LinhasAcima, 4);
    EXPECT_EQ(rules.LinhasAbaixo, 5);
    EXPECT_EQ(registry("Cabeçalho"), "LOJA\r\nRua 1");
    EXPECT_EQ(registry("ObsCred"), "cred");
    EXPECT_EQ(registry("NCol"), "45");
    EXPECT_EQ(registry("FonteImp"), "Courier New");
    EXPECT_EQ(registry("CmdImpAntes"), ",27,64,");
    EXPECT_EQ(registry("PortaImp"), "/dev/ttyS0");
    ConfigFile config(folder.path());
    EXPECT_EQ(config.readConfig("CabAuto", ""), "True");
    EXPECT_EQ(config.readConfig("NumViasRec", ""), "2");
    EXPECT_EQ(config.readConfig("TamFonte", ""), "10");
    EXPECT_EQ(config.readConfig("ImpDireto", ""), "True");
    EXPECT_EQ(config.readConfig("Desacent", ""), "True");
    EXPECT_EQ(config.readConfig("MostraHorasRec", ""), "True");
    EXPECT_EQ(state.options().cmdBytesAntes, (std::vector<std::uint8_t>{27, 64}));
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
        {true, Answer::No, true, 0},
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
        if (c.changed) {
            EXPECT_EQ(dialogs.messages[0].text, "Deseja salvar as alterações ?");
            EXPECT_EQ(dialogs.messages[0].flags, msg::Question + msg::YesNoCancel);
        }
        EXPECT_EQ(rulesOnDisk().MargemEsq, c.margin);
    }
}

} // namespace
} // namespace tavolim::core

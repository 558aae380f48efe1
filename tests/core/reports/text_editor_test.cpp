#include "core/reports/TextEditor.h"

#include "core/reports/DocumentText.h"
#include "core/reports/RtfWriter.h"
#include "core/reports/TextFile.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using test::describe;

class TextEditorTest : public ::testing::Test, protected test::FakeStore {
protected:
    std::filesystem::path put(const std::string& name, const std::string& bytes)
    {
        const auto path = folder.path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string bytesOf(const std::filesystem::path& path)
    {
        return readFileUpTo(path, 1'000'000).bytes;
    }

    std::string recent(int n)
    {
        return settings.read("EdTexto", "Arquivos Recentes", "Arquivo" + std::to_string(n), "-");
    }

    TextEditor editor{state.ports()};
};

TEST_F(TextEditorTest, OpensUpTo65000BytesAndRefusesOneMore)
{
    struct Case {
        const char* name;
        std::string bytes;
        bool opens;
    };
    const std::string rtfHead = "{\\rtf1 ";
    const std::vector<Case> cases = {
        {"exato.txt", std::string(65000, 'a'), true},
        {"grande.txt", std::string(65001, 'a'), false},
        {"exato.rtf", rtfHead + std::string(65000 - rtfHead.size() - 1, 'b') + "}", true},
        {"grande.rtf", rtfHead + std::string(65001 - rtfHead.size() - 1, 'b') + "}", false},
    };

    for (const Case& c : cases) {
        const auto path = put(c.name, c.bytes);
        editor.newDocument();
        dialogs.messages.clear();

        const auto document = editor.open(path);

        EXPECT_EQ(document.has_value(), c.opens) << c.name;
        EXPECT_EQ(editor.fileName(), c.opens ? path : std::filesystem::path()) << c.name;
        EXPECT_EQ(dialogs.shownTexts(),
                  c.opens ? std::vector<std::string>{}
                          : std::vector<std::string>{"O arquivo é muito grande para ser aberto "
                                                     "por este editor de texto."})
            << c.name;
        if (document) {
            EXPECT_EQ(plainText(*document).size(), 65000 - (c.bytes[0] == '{' ? 8u : 0u)) << c.name;
        }
    }
    EXPECT_EQ(editor.recentFiles().names().size(), 2u) << "only the opened files";
}

TEST_F(TextEditorTest, ReadsRichTextByTheNameAndPlainTextInTheEditorFont)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::string expected;
        std::string font;
    };
    const std::string rich = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b Negrito\\b0  normal\\par}";
    const std::vector<Case> cases = {
        {"nota.rtf", rich, "[Negrito:b] normal", "Arial"},
        {"NOTA.RTF", rich, "[Negrito:b] normal", "Arial"},
        {"semrtf", rich, "[Negrito:b] normal", "Arial"},
        {"nota.txt", rich, rich, "Courier New"},
        {"falsa.rtf", "linha 1\r\nlinha 2", "linha 1 | linha 2", "Courier New"},
        {"antiga.txt",
         "Caf\xE9\r\nA\xE7\xFA"
         "car\n\nfim",
         "Café | Açúcar |  | fim", "Courier New"},
        {"nova.txt",
         "\xEF\xBB\xBF"
         "Café – ok\rfim",
         "Café – ok | fim", "Courier New"},
    };

    for (const Case& c : cases) {
        const auto document = editor.open(put(c.name, c.bytes));

        ASSERT_TRUE(document) << c.name;
        EXPECT_EQ(describe(*document), c.expected) << c.name;
        EXPECT_EQ(document->paragraphs[0].runs[0].format.font, c.font) << c.name;
    }
}

TEST_F(TextEditorTest, SavesByTheNameInTheCodePageWhenItCan)
{
    struct Case {
        const char* name;
        std::string text;
        std::string onDisk;
    };
    const std::vector<Case> cases = {
        {"a.txt", "Café\r\nfim", "Caf\xE9\r\nfim"},
        {"b.txt", "preço 5€ – 中", "\xEF\xBB\xBFpreço 5€ – 中"},
        {"c.rtf", "Café", ""},
    };

    for (const Case& c : cases) {
        const RichDocument document = documentFromPlainText(c.text, editor.plainFormat());
        const auto path = folder.path() / c.name;
        editor.setChanged(true);

        ASSERT_TRUE(editor.save(document, path)) << c.name;

        const std::string bytes = bytesOf(path);
        EXPECT_EQ(bytes, c.onDisk.empty() ? writeRtf(document) : c.onDisk) << c.name;
        EXPECT_FALSE(editor.isChanged()) << c.name;
        EXPECT_EQ(editor.caption(), "EdTexto - " + path.string()) << c.name;
        EXPECT_EQ(describe(*editor.open(path)), describe(document)) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "a.txt.tmp~"));
}

TEST_F(TextEditorTest, AFailedSaveOrOpenNamesTheFileAndTheCause)
{
    const auto missing = folder.path() / "sem pasta" / "texto.txt";
    const auto document = editor.newDocument();
    editor.setChanged(true);

    EXPECT_FALSE(editor.save(document, missing));
    EXPECT_FALSE(editor.open(missing));
    EXPECT_FALSE(editor.open(folder.path()));

    EXPECT_EQ(dialogs.shownTexts(), (std::vector<std::string>{
                                        "Não foi possível gravar o arquivo " + missing.string() +
                                            ": arquivo ou pasta não encontrado.",
                                        "Não foi possível abrir o arquivo " + missing.string() +
                                            ": arquivo ou pasta não encontrado.",
                                        "Não foi possível abrir o arquivo " +
                                            folder.path().string() + ": o nome é de uma pasta.",
                                    }));
    EXPECT_TRUE(editor.isChanged());
    EXPECT_FALSE(editor.hasFileName());
    EXPECT_EQ(editor.caption(), "EdTexto - Sem Título");
    EXPECT_TRUE(editor.recentFiles().names().empty());
}

TEST_F(TextEditorTest, RecentFilesKeepFourMostRecentFirstWithoutRepeats)
{
    std::vector<std::string> paths;
    for (const char* name : {"1.txt", "2.txt", "3.txt", "4.txt", "5.txt"}) {
        paths.push_back(put(name, name).string());
    }

    editor.open(paths[0]);
    editor.open(paths[0]);
    EXPECT_EQ(editor.recentFiles().names(), std::vector<std::string>{paths[0]})
        << "the same file twice is one entry";

    for (int i = 1; i < 5; ++i) {
        editor.open(paths[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(editor.recentFiles().names(),
              (std::vector<std::string>{paths[4], paths[3], paths[2], paths[1]}))
        << "the fifth file pushes the first out";

    editor.open(paths[2]);
    const std::vector<std::string> expected = {paths[2], paths[4], paths[3], paths[1]};
    EXPECT_EQ(editor.recentFiles().names(), expected) << "a listed file moves to the top";
    EXPECT_EQ((std::vector<std::string>{recent(1), recent(2), recent(3), recent(4)}), expected);

    TextEditor other(state.ports());
    EXPECT_EQ(other.recentFiles().names(), expected) << "read back from the settings";
}

TEST_F(TextEditorTest, AChangedTextIsDroppedOnlyAsTheOperatorSays)
{
    struct Case {
        const char* what;
        bool changed;
        std::optional<msg::Answer> answer;
        bool saveWorks;
        bool mayGo;
        int saves;
    };
    const std::vector<Case> cases = {
        {"unchanged: no question", false, std::nullopt, true, true, 0},
        {"Yes saves", true, msg::Answer::Yes, true, true, 1},
        {"Yes but the save fails", true, msg::Answer::Yes, false, false, 1},
        {"No discards", true, msg::Answer::No, true, true, 0},
        {"Cancel keeps the window", true, msg::Answer::Cancel, true, false, 0},
    };

    for (const Case& c : cases) {
        dialogs.messages.clear();
        editor.setChanged(c.changed);
        if (c.answer) {
            dialogs.answers.push_back(*c.answer);
        }
        int saves = 0;

        const bool mayGo = editor.mayDiscard([&] {
            ++saves;
            return c.saveWorks;
        });

        EXPECT_EQ(mayGo, c.mayGo) << c.what;
        EXPECT_EQ(saves, c.saves) << c.what;
        ASSERT_EQ(dialogs.messages.size(), c.changed ? 1u : 0u) << c.what;
        if (c.changed) {
            EXPECT_EQ(dialogs.messages[0].text,
                      "O texto em [Sem Título] foi alterado.\nDeseja salvar as alterações ?");
            EXPECT_EQ(dialogs.messages[0].flags, 35);
        }
    }
}

TEST_F(TextEditorTest, FindsInBothDirectionsWithAndWithoutCase)
{
    const std::u16string text = u"Ação ação AÇÃO ação";
    struct Case {
        std::u16string what;
        std::size_t selectionStart;
        std::size_t selectionEnd;
        SearchDirection direction;
        bool matchCase;
        std::optional<TextSpan> expected;
    };
    using enum SearchDirection;
    const std::vector<Case> cases = {
        {u"ação", 0, 0, Down, false, TextSpan{0, 4}},
        {u"ação", 0, 4, Down, false, TextSpan{5, 9}},
        {u"ação", 0, 4, Down, true, TextSpan{5, 9}},
        {u"AÇÃO", 0, 0, Down, true, TextSpan{10, 14}},
        {u"ação", 15, 19, Down, false, std::nullopt},
        {u"ação", 19, 19, Up, false, TextSpan{15, 19}},
        {u"ação", 15, 19, Up, false, TextSpan{10, 14}},
        {u"ação", 15, 19, Up, true, TextSpan{5, 9}},
        {u"Ação", 5, 9, Up, true, TextSpan{0, 4}},
        {u"Ação", 0, 4, Up, false, std::nullopt},
        {u"ÇÃ", 0, 0, Down, false, TextSpan{1, 3}},
        {u"", 0, 0, Down, false, std::nullopt},
        {u"ação ação ação ação ação", 0, 0, Down, false, std::nullopt},
        {u"ação", 99, 99, Up, false, TextSpan{15, 19}},
    };

    std::size_t notFound = 0;
    for (const Case& c : cases) {
        editor.setFindRequest({c.what, c.matchCase, c.direction});

        const auto found = editor.findNext(text, c.selectionStart, c.selectionEnd);

        EXPECT_EQ(found, c.expected) << c.selectionStart << " " << c.matchCase;
        notFound += c.expected ? 0 : 1;
        EXPECT_EQ(dialogs.messages.size(), notFound) << "a message for each miss";
    }
    EXPECT_EQ(dialogs.messages.front().text, "Não encontrado: 'ação'");
    EXPECT_EQ(dialogs.messages.front().flags, msg::Information);
}

TEST_F(TextEditorTest, FontDateAndPrintingFollowTheSettingsAndTheOperator)
{
    EXPECT_EQ(editor.font().name, "Courier New");
    EXPECT_EQ(editor.font().size, 10);
    editor.setFont({"Liberation Mono", 12});
    editor.saveFont();
    settings.write("EdTexto", "Fonte", "Tam", "doze");
    EXPECT_EQ(TextEditor(state.ports()).font().name, "Liberation Mono");
    EXPECT_EQ(TextEditor(state.ports()).font().size, 10) << "a size that is no number";

    clock.now = std::chrono::hours{9} + std::chrono::minutes{5};
    EXPECT_EQ(editor.dateTimeText(), "05/12/2026 09:05");

    const RichDocument printout = editor.printoutDocument("RECIBO\r\n  Total  3,50\r\n");
    EXPECT_EQ(describe(printout), "RECIBO |   Total  3,50 | ");
    EXPECT_EQ(printout.paragraphs[0].runs[0].format.halfPoints, 24);

    dialogs.answers = {msg::Answer::No, msg::Answer::Yes};
    EXPECT_FALSE(editor.askPrintWithFonts());
    EXPECT_TRUE(editor.askPrintWithFonts());
    EXPECT_TRUE(editor.printPlain(printout));
    printer.fail = true;
    EXPECT_FALSE(editor.printPlain(printout));

    EXPECT_EQ(printer.printed, std::vector<std::string>{"RECIBO\r\n  Total  3,50\r\n"});
    EXPECT_EQ(printer.fonts[0], (std::pair<std::string, int>{"Liberation Mono", 12}));
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{"Deseja imprimir o texto usando as fontes ?",
                                        "Deseja imprimir o texto usando as fontes ?",
                                        "Não se esqueça de retirar impressão!",
                                        "Não foi possível imprimir."}));
    EXPECT_EQ(dialogs.messages[0].title, "Imprimir");
}

} // namespace
} // namespace tavolim::core

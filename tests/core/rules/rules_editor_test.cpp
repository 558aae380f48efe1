#include "core/rules/RulesEditor.h"

#include "core/ports/Dialogs.h"
#include "core/rules/RulesEditorFixture.h"
#include "core/state/AppState.h"
#include "core/store/GeneralRulesRecord.h"
#include "support/RecordFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using Item = RulesProblem::Item;
using test::RulesEditorTest;

TEST_F(RulesEditorTest, OkChecksInTheDocumentedOrderAndWritesNothingWhenRefused)
{
    // Every row breaks the checks from its own on; the first of them is the one reported.
    const std::vector<std::function<void(RulesEditor&)>> faults = {
        [](RulesEditor& e) { e.renameSection(2, " "); },
        [](RulesEditor& e) { e.renameLabel(3, ""); },
        [](RulesEditor& e) { e.setMaxDays(1, "0"); },
        [](RulesEditor& e) { e.renameMedia(2, ""); },
        [](RulesEditor& e) {
            e.setCobrarMulta(true);
            e.setFineTime(0, "2");
            e.setFineValue(0, "0");
        },
    };
    const struct {
        const char* message;
        RulesProblem problem;
    } expected[] = {
        {"A seção não pode ficar em branco.", {RulesTab::Geral, Item::Section, 2}},
        {"O nome do selo não pode ficar em branco.", {RulesTab::Geral, Item::LabelName, 3}},
        {"O número máximo de dias não deve possuir valor nulo.",
         {RulesTab::Geral, Item::LabelMaxDays, 1}},
        {"O nome da mídia não pode ficar em branco.", {RulesTab::Geral, Item::Media, 2}},
        {"O valor da multa não pode ser nulo.", {RulesTab::Atrasos, Item::Fine, 0}},
    };
    const auto before = std::vector{bytesOf("tavolim.ini"), bytesOf("FitaSelo.tvl"),
                                    bytesOf("DadosMid.tvl"), bytesOf("Config.ini")};
    for (std::size_t first = 0; first < faults.size(); ++first) {
        RulesEditor editor(state);
        for (std::size_t f = first; f < faults.size(); ++f) {
            faults[f](editor);
        }
        dialogs.messages.clear();

        EXPECT_FALSE(editor.save());

        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{expected[first].message});
        EXPECT_EQ(editor.problem(), expected[first].problem);
        EXPECT_EQ((std::vector{bytesOf("tavolim.ini"), bytesOf("FitaSelo.tvl"),
                               bytesOf("DadosMid.tvl"), bytesOf("Config.ini")}),
                  before);
    }
}

TEST_F(RulesEditorTest, DeletingRecordsRepointsEveryTapeAndRewritesTheRuleFiles)
{
    // (Secao, Selo, Midia) of five tapes; the kind deleted is 2 of 4 with replacement 3.
    writeTapes({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {0, 0, 0}});
    const auto tapesBefore = bytesOf("DadosFit.tvl");
    const struct {
        const char* kind;
        std::size_t tapeOffset;
        std::vector<std::optional<std::string>> typed;
        std::function<bool(RulesEditor&)> remove;
        const char* status;
    } cases[] = {
        {"selo",
         62,
         {"3"},
         [](RulesEditor& e) { return e.deleteLabel(1); },
         "Atualizando as fitas ligadas a este selo..."},
        {"mídia",
         64,
         {" MÍDIA 3 "},
         [](RulesEditor& e) { return e.deleteMedia(1); },
         "Atualizando as fitas ligadas a esta mídia..."},
        {"seção",
         60,
         {"comédia"},
         [](RulesEditor& e) { return e.deleteSection(1); },
         "Atualizando as fitas ligadas a esta seção..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        writeTapes({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {0, 0, 0}});
        const auto labelsBefore = bytesOf("FitaSelo.tvl");
        const auto mediaBefore = bytesOf("DadosMid.tvl");
        const auto rulesBefore = bytesOf("tavolim.ini");
        progress.captions.clear();
        RulesEditor editor(state);
        dialogs.texts.assign(c.typed.begin(), c.typed.end());
        dialogs.answers = {msg::Answer::Yes};

        ASSERT_TRUE(c.remove(editor));
        EXPECT_EQ(bytesOf("DadosFit.tvl"), tapesBefore) << "nothing is written before OK";
        ASSERT_TRUE(editor.save());

        // Only the deleted kind's code moved: 2 and 3 to 2, 4 to 3, 1 and 0 as they were.
        auto expectedTapes = tapesBefore;
        const std::int16_t moved[] = {1, 2, 2, 3, 0};
        for (std::size_t i = 0; i < 5; ++i) {
            test::writeLe(expectedTapes, i * TapeRecord::Size + c.tapeOffset, moved[i], 2);
        }
        EXPECT_EQ(bytesOf("DadosFit.tvl"), expectedTapes);
        EXPECT_EQ(progress.captions, std::vector<std::string>{c.status});
        EXPECT_TRUE(leftoverTemporaries().empty());
        if (c.tapeOffset == 60) {
            const auto rules = test::readRecords<GeneralRulesRecord>(folder.file("tavolim.ini"));
            EXPECT_EQ(rules[0].NumSecoes, 7);
            EXPECT_EQ(rules[0].Secoes[1], "Comédia");
            EXPECT_EQ(rules[0].Secoes[7], "");
            EXPECT_EQ(state.records().rules().NumSecoes, 7);
            continue;
        }
        // The record file is the others copied in order, each Codigo its new number.
        const auto& before = c.tapeOffset == 62 ? labelsBefore : mediaBefore;
        const std::size_t size = c.tapeOffset == 62 ? LabelRecord::Size : MediaRecord::Size;
        std::vector<std::uint8_t> expectedFile(before.begin(), before.begin() + size);
        expectedFile.insert(expectedFile.end(), before.begin() + 2 * size, before.end());
        test::writeLe(expectedFile, size, 2, 2);
        test::writeLe(expectedFile, 2 * size, 3, 2);
        EXPECT_EQ(bytesOf(c.tapeOffset == 62 ? "FitaSelo.tvl" : "DadosMid.tvl"), expectedFile);
        EXPECT_EQ(bytesOf("tavolim.ini"), rulesBefore);
    }
}

TEST_F(RulesEditorTest, AFileThatCannotBeWrittenStopsOkAndLeavesEveryFileAsItWas)
{
    writeTapes({{1, 2, 1}, {2, 3, 2}});
    const char* files[] = {"DadosFit.tvl", "FitaSelo.tvl", "DadosMid.tvl", "tavolim.ini",
                           "Config.ini"};
    std::vector<std::vector<std::uint8_t>> before;
    for (const char* f : files) {
        before.push_back(bytesOf(f));
    }
    const struct {
        const char* failing;
        const char* named;
    } cases[] = {
        {"DadosFit.tmp", "DadosFit.tvl"}, {"FitaSelo.tmp", "FitaSelo.tvl"},
        {"DadosMid.tmp", "DadosMid.tvl"}, {"tavolim.tmp", "tavolim.ini"},
        {"Config.ini", "Config.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        RulesEditor editor(state);
        dialogs.texts = {"1"};
        ASSERT_TRUE(editor.deleteLabel(1));
        editor.renameMedia(0, "DVD");
        ASSERT_TRUE(editor.addSection());
        editor.setTipoPrazo(3);
        binaryfile::setFaultHook(
            [&](const std::filesystem::path& p) { return p.filename() == c.failing ? ENOSPC : 0; });
        dialogs.messages.clear();

        const bool saved = editor.save();
        binaryfile::setFaultHook({});

        EXPECT_FALSE(saved);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(
            dialogs.messages[0].text.rfind(std::string("Não foi possível gravar o arquivo '") +
                                               c.named + "' (disco cheio).",
                                           0),
            0u)
            << dialogs.messages[0].text;
        for (std::size_t i = 0; i < std::size(files); ++i) {
            EXPECT_EQ(bytesOf(files[i]), before[i]) << files[i];
        }
        EXPECT_TRUE(leftoverTemporaries().empty());
        EXPECT_EQ(state.records().rules().NumSecoes, 8);
        EXPECT_EQ(state.options().TipoPrazo, 1);
        EXPECT_TRUE(editor.isDirty());
    }
    // The editor keeps what was typed: once the disk takes it, OK writes it.
    RulesEditor editor(state);
    dialogs.texts = {"1"};
    ASSERT_TRUE(editor.deleteLabel(1));
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(test::readRecords<TapeRecord>(folder.file("DadosFit.tvl"))[1].Selo, 2);
}

TEST_F(RulesEditorTest, FreebiesThatGrantADeletedLabelFollowItsTapes)
{
    RulesEditor editor(state);
    ASSERT_TRUE(
        editor.addFreebieRule(1, {FreebieKind::AnyTape, -1, "2", "", "1", FreebieKind::Label, 3}));
    ASSERT_TRUE(
        editor.addFreebieRule(1, {FreebieKind::Label, 0, "3", "", "2", FreebieKind::Label, 1}));
    dialogs.texts = {"1"};

    ASSERT_TRUE(editor.deleteLabel(1));
    ASSERT_TRUE(editor.save());

    // Label 4 became 3; label 2, deleted, sends its freebies to label 1.
    const auto rules = state.records().rules();
    EXPECT_EQ(FreebieCode::decode(rules.BrindesGerais[classByCountIndex(1, 2)]),
              (FreebieCode{1, 3, FreebieKind::Label}));
    EXPECT_EQ(state.records().load<LabelRecord>(1).Brindes[classByCountIndex(1, 3)],
              (FreebieCode{2, 1, FreebieKind::Label}.encode()));
}

TEST_F(RulesEditorTest, LimitsAndTheLastRecordAreRefusedWithTheirMessages)
{
    const auto keepOne = [this](const char* file, std::size_t size) {
        const auto bytes = bytesOf(file);
        ASSERT_TRUE(binaryfile::writeNew(folder.file(file), std::span(bytes).first(size)));
    };
    const struct {
        const char* what;
        std::function<void()> arrange;
        std::function<bool(RulesEditor&)> act;
        const char* refusal;
    } cases[] = {
        {"51st media", [] {},
         [](RulesEditor& e) {
             while (e.mediaCount() < 50 && e.addMedia()) {
             }
             return e.addMedia();
         },
         "O limite de mídias é igual a 50."},
        {"26th section", [] {},
         [](RulesEditor& e) {
             while (e.sectionCount() < 25 && e.addSection()) {
             }
             return e.addSection();
         },
         "O limite de seções é igual a 25."},
        {"last label", [&] { keepOne("FitaSelo.tvl", LabelRecord::Size); },
         [](RulesEditor& e) { return e.deleteLabel(0); },
         "Não é possível excluir todos os selos.\nDica: Você pode simplesmente renomeá-lo."},
        {"last media", [&] { keepOne("DadosMid.tvl", MediaRecord::Size); },
         [](RulesEditor& e) { return e.deleteMedia(0); },
         "Não é possível excluir todas as mídias.\nDica: Você pode simplesmente renomeá-la."},
        {"last section", [this] { state.records().rules().NumSecoes = 1; },
         [](RulesEditor& e) { return e.deleteSection(0); },
         "Não é possível excluir todas as seções.\nDica: Você pode simplesmente renomeá-la."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.arrange();
        RulesEditor editor(state);
        dialogs.messages.clear();

        EXPECT_FALSE(c.act(editor));

        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{c.refusal});
        EXPECT_TRUE(dialogs.prompts.empty());
    }
}

TEST_F(RulesEditorTest, NewMediaSectionsAndLabelsAreWrittenOnOk)
{
    RulesEditor editor(state);
    while (editor.mediaCount() < 50) {
        ASSERT_TRUE(editor.addMedia());
    }
    ASSERT_TRUE(editor.addSection());
    ASSERT_TRUE(editor.addLabel());

    ASSERT_TRUE(editor.save());

    const auto media = test::readRecords<MediaRecord>(folder.file("DadosMid.tvl"));
    ASSERT_EQ(media.size(), 50u);
    EXPECT_EQ(media[49].Codigo, 50);
    EXPECT_EQ(media[49].Nome, "Nova Mídia");
    RuleTable ones;
    ones.fill(1);
    EXPECT_EQ(media[49].Prazos, ones);
    const auto labels = test::readRecords<LabelRecord>(folder.file("FitaSelo.tvl"));
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_EQ(labels[4].Codigo, 5);
    EXPECT_EQ(labels[4].Nome, "Novo Selo");
    EXPECT_EQ(labels[4].Diarias, labels[3].Diarias);
    EXPECT_EQ(state.records().rules().Secoes[8], "Nova Seção");
    EXPECT_EQ(test::readRecords<GeneralRulesRecord>(folder.file("tavolim.ini"))[0].NumSecoes, 9);
}

TEST_F(RulesEditorTest, ADeletionPromptRefusesWhatNamesNoOtherRecord)
{
    const struct {
        const char* what;
        std::function<bool(RulesEditor&)> act;
        std::optional<std::string> typed;
        const char* refusal;
    } cases[] = {
        {"label, nothing typed", [](RulesEditor& e) { return e.deleteLabel(1); }, "",
         "A exclusão foi cancelada."},
        {"label, prompt cancelled", [](RulesEditor& e) { return e.deleteLabel(1); }, std::nullopt,
         "A exclusão foi cancelada."},
        {"label 9 of 4", [](RulesEditor& e) { return e.deleteLabel(1); }, "9",
         "Este selo não existe."},
        {"label typed in words", [](RulesEditor& e) { return e.deleteLabel(1); }, "três",
         "Este selo não existe."},
        {"the label itself", [](RulesEditor& e) { return e.deleteLabel(1); }, "2",
         "Erro: Este é o selo que será deletado."},
        {"media not there", [](RulesEditor& e) { return e.deleteMedia(0); }, "DVD",
         "A mídia não foi encontrada."},
        {"the media itself", [](RulesEditor& e) { return e.deleteMedia(0); }, "mídia 1",
         "Erro: Esta é a mídia que será deletada."},
        {"section not there", [](RulesEditor& e) { return e.deleteSection(0); }, "Faroeste",
         "A seção não foi encontrada."},
        {"the section itself", [](RulesEditor& e) { return e.deleteSection(0); }, "AÇÃO",
         "Erro: Esta é a seção que será deletada."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RulesEditor editor(state);
        dialogs.messages.clear();
        dialogs.texts = {c.typed};
        dialogs.answers = {msg::Answer::Yes};

        EXPECT_FALSE(c.act(editor));

        EXPECT_EQ(dialogs.shownTexts().back(), c.refusal);
        EXPECT_EQ(editor.labelCount(), 4);
        EXPECT_EQ(editor.mediaCount(), 4);
        EXPECT_EQ(editor.sectionCount(), 8);
        EXPECT_FALSE(editor.isDirty());
    }
}

TEST_F(RulesEditorTest, MediaAndSectionsAreDeletedOnlyWhenTheQuestionIsAnsweredYes)
{
    RulesEditor editor(state);
    dialogs.answers = {msg::Answer::No, msg::Answer::No};

    EXPECT_FALSE(editor.deleteMedia(1));
    EXPECT_FALSE(editor.deleteSection(1));

    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{"Tem certeza que deseja excluir a mídia Mídia 2 ?",
                                        "Tem certeza que deseja excluir a seção Aventura ?"}));
    EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(RulesEditorTest, ADamagedRulesFileOpensWithWhatCanBeReadAndAWarning)
{
    // Label 4 cut short, a section count out of range, a general rules record cut short.
    const auto labels = bytesOf("FitaSelo.tvl");
    ASSERT_TRUE(binaryfile::writeNew(folder.file("FitaSelo.tvl"),
                                     std::span(labels).first(3 * LabelRecord::Size + 100)));
    const auto rules = bytesOf("tavolim.ini");
    ASSERT_TRUE(binaryfile::writeNew(folder.file("tavolim.ini"), std::span(rules).first(1000)));
    state.records().rules().NumSecoes = 40;

    RulesEditor editor(state);
    editor.warnAboutDamage();

    EXPECT_EQ(editor.labelCount(), 3);
    EXPECT_EQ(editor.sectionCount(), 25);
    EXPECT_EQ(editor.damage().size(), 3u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].flags, msg::Exclamation);
    EXPECT_NE(dialogs.messages[0].text.find("FitaSelo.tvl"), std::string::npos);
    EXPECT_NE(dialogs.messages[0].text.find("tavolim.ini"), std::string::npos);
    // Names of the 17 sections past the count are blank: OK asks for them.
    for (int i = 8; i < 25; ++i) {
        editor.renameSection(i, "Seção " + std::to_string(i + 1));
    }
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(bytesOf("FitaSelo.tvl").size(), 3 * LabelRecord::Size);
    EXPECT_EQ(bytesOf("tavolim.ini").size(), GeneralRulesRecord::Size);
}

TEST_F(RulesEditorTest, ClosingAfterAChangeAsksWhetherToSave)
{
    const struct {
        msg::Answer answer;
        bool closes;
        std::int32_t written;
    } cases[] = {
        {msg::Answer::Yes, true, 77},
        {msg::Answer::No, true, 0},
        {msg::Answer::Cancel, false, 0},
    };
    for (const auto& c : cases) {
        RulesEditor untouched(state);
        EXPECT_TRUE(untouched.close());
        RulesEditor editor(state);
        ASSERT_TRUE(editor.setNumRecibo("77"));
        dialogs.messages.clear();
        dialogs.answers = {c.answer};

        EXPECT_EQ(editor.close(), c.closes);

        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"Deseja salvar as alterações ?"});
        EXPECT_EQ(test::readRecords<GeneralRulesRecord>(folder.file("tavolim.ini"))[0].NumeroRecibo,
                  c.written);
        state.records().rules().NumeroRecibo = 0;
        ASSERT_TRUE(
            binaryfile::writeNew(folder.file("tavolim.ini"), state.records().rules().encoded()));
    }
}

} // namespace
} // namespace tavolim::core

#include "core/shell/OptionsForm.h"

#include "core/store/ConfigFile.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

class OptionsFormTest : public ::testing::Test {
protected:
    bool save(const OptionsForm& form) { return form.save(target, settings, config, dialogs); }

    test::TempDataFolder folder;
    test::ScriptedDialogs dialogs;
    test::MemorySettings settings;
    ConfigFile config{folder.path()};
    Options target;
};

TEST_F(OptionsFormTest, BuildsFlagsAskBakFromTheBackupControls)
{
    struct Case {
        int stored;
        BackupSchedule schedule;
        std::string days;
        int weekday;
        int expected;
    };
    const Case cases[] = {
        {0, BackupSchedule::EveryNDays, "3", 1, 19}, {0, BackupSchedule::Weekday, "", 6, 38},
        {19, BackupSchedule::EveryDay, "3", 1, 0},   {38, BackupSchedule::EveryNDays, "15", 6, 31},
        {48, BackupSchedule::EveryDay, "", 1, 48}, // untouched controls keep "never"
    };

    for (const Case& c : cases) {
        Options loaded;
        loaded.FlagsAskBak = static_cast<std::int16_t>(c.stored);
        OptionsForm form(loaded);
        form.backupSchedule = c.schedule;
        form.backupDays = c.days;
        form.backupWeekday = c.weekday;

        ASSERT_TRUE(save(form)) << c.stored;

        EXPECT_EQ(target.FlagsAskBak, c.expected) << c.stored;
        EXPECT_EQ(config.readConfig("FlagsAskBak", ""), std::to_string(c.expected));
    }
}

TEST_F(OptionsFormTest, RefusesBackupDaysOutsideOneToFifteen)
{
    struct Case {
        std::string days;
        bool accepted;
        std::string message;
    };
    const Case cases[] = {
        {"0", false, "O número de dias não pode ser nulo."},
        {"", false, "O número de dias não pode ser nulo."},
        {"16", false, "O máximo de dias é 15."},
        {"000000016", false, "O máximo de dias é 15."},
        {"15", true, ""},
        {"01", true, ""},
    };

    for (const Case& c : cases) {
        dialogs.messages.clear();
        OptionsForm form(Options{});
        form.backupSchedule = BackupSchedule::EveryNDays;
        form.backupDays = c.days;

        EXPECT_EQ(save(form), c.accepted) << c.days;

        EXPECT_EQ(dialogs.messages.empty(), c.accepted) << c.days;
        if (!c.accepted) {
            EXPECT_EQ(dialogs.messages.back().text, c.message);
        }
    }
    EXPECT_FALSE(OptionsForm::acceptsBackupDaysChar('a'));
    EXPECT_TRUE(OptionsForm::acceptsBackupDaysChar('7'));
}

TEST_F(OptionsFormTest, SavingWritesOnlyTheWindowsOptionsAndClearsTheHistoryCheck)
{
    Options loaded;
    loaded.GravHistFita = true;
    loaded.VerifHist = true;
    target = loaded;
    target.ImpNotaLoc = 1; // changed by a rental while the window was open
    OptionsForm form(loaded);
    form.values().Tipo = pictureChoiceText(PictureChoice::Tiled);
    form.values().CorBot = 0x00FF00;

    form.keepTapeHistory(false);
    ASSERT_TRUE(save(form));

    EXPECT_FALSE(target.VerifHist);
    EXPECT_EQ(target.ImpNotaLoc, 1);
    EXPECT_EQ(config.readConfig("VerifHist", ""), "False");
    EXPECT_EQ(config.readConfig("CorBot", ""), "&HFF00");
    EXPECT_EQ(settings.read("Tavolim", "Opções", "Tipo", ""), "LadoALado");
    EXPECT_EQ(settings.read("Tavolim", "Opções", "ImpNotaLoc", "-"), "-");
}

TEST_F(OptionsFormTest, ClosingWithChangesAsksWhetherToSave)
{
    struct Case {
        bool change;
        std::optional<msg::Answer> answer;
        bool closes;
        bool saved;
    };
    const Case cases[] = {
        {false, std::nullopt, true, false},
        {true, msg::Answer::Yes, true, true},
        {true, msg::Answer::No, true, false},
        {true, msg::Answer::Cancel, false, false},
    };

    for (const Case& c : cases) {
        dialogs.messages.clear();
        target = Options{};
        OptionsForm form(target);
        if (c.change) {
            form.values().MostrarLeg = true;
        }
        if (c.answer) {
            dialogs.answers.push_back(*c.answer);
        }

        const bool closes = form.confirmClose(target, settings, config, dialogs);

        EXPECT_EQ(closes, c.closes);
        EXPECT_EQ(target.MostrarLeg, c.saved);
        ASSERT_EQ(dialogs.messages.size(), c.change ? 1u : 0u);
        if (c.change) {
            EXPECT_EQ(dialogs.messages[0].text, "Deseja salvar as alterações ?");
            EXPECT_EQ(dialogs.messages[0].flags, 32 + 3);
        }
    }
}

TEST_F(OptionsFormTest, SingleAccountWarnsWhenChosen)
{
    OptionsForm form(Options{});

    form.setUnicaConta(true, dialogs);
    form.setUnicaConta(true, dialogs);
    form.setUnicaConta(false, dialogs);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kSingleAccountWarning);
    EXPECT_TRUE(form.dirty() == false);
}

} // namespace
} // namespace tavolim::core

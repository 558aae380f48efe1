#include "core/shell/ExitSequence.h"

#include "ShellFixture.h"
#include "core/ports/Backup.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

using namespace std::chrono;

class FakeBackup final : public Backup {
public:
    bool available() const override { return present; }
    bool backup(const std::string&) override { return false; }
    bool backupOnExit(const std::string& last) override
    {
        calls.push_back(last);
        return succeeds;
    }
    bool restore() override { return false; }

    bool present = true;
    bool succeeds = true;
    std::vector<std::string> calls;
};

constexpr year_month_day kMonday = year{2026} / December / 7;

TEST(ExitSequence, BackupScheduleByFlags)
{
    struct Case {
        int flags;
        year_month_day today;
        std::optional<year_month_day> last;
        bool offered;
    };
    const sys_days monday{kMonday};
    const Case cases[] = {
        {0, kMonday, kMonday, false},
        {0, kMonday, year_month_day{monday - days{1}}, true},
        {0, kMonday, std::nullopt, true},
        {16 + 3, kMonday, year_month_day{monday - days{2}}, false},
        {16 + 3, kMonday, year_month_day{monday - days{3}}, true},
        {16 + 3, kMonday, std::nullopt, true},
        {32 + 2, kMonday, year_month_day{monday - days{7}}, true},
        {32 + 2, kMonday, kMonday, false},
        {32 + 2, year_month_day{monday + days{1}}, year_month_day{monday - days{7}}, false},
        {32 + 2, year_month_day{monday - days{1}}, std::nullopt, false},
        {48, kMonday, year_month_day{monday - days{30}}, false},
        {48 + 3, kMonday, std::nullopt, false},
    };

    for (const Case& c : cases) {
        EXPECT_EQ(backupDueToday(c.flags, c.today, c.last), c.offered)
            << c.flags << " " << static_cast<int>(unsigned(c.today.day()));
    }
}

class ExitSequenceTest : public test::ShellFixture {
protected:
    void SetUp() override
    {
        clock.date = kMonday;
        setOperators({{"Ana", "", 1}, {"Bia", "", 3}});
        rules().NivelAcesso[0] = 2;
        state.OperadorAtual = 1;
        state.options().AskForBackUp = true;
        state.options().FlagsAskBak = 0;
        state.options().UltDiaFezBak = "01/12/2026";
    }

    FakeBackup backup;
};

TEST_F(ExitSequenceTest, OfferAnswersDecideWhetherTheExitGoesOn)
{
    const std::string offer = "Deseja fazer o BakcUp (cópias de seguranca) agora ?";
    const std::string disk =
        "Insira o disquete e clique em 'OK' para iniciar a cópia dos arquivos.";
    using A = msg::Answer;
    struct Case {
        std::vector<A> answers;
        bool exits;
        std::vector<std::string> texts;
        bool backedUp;
    };
    const std::vector<Case> cases = {
        {{A::No}, true, {offer}, false},
        {{A::Cancel}, false, {offer}, false},
        {{A::Yes, A::Cancel}, false, {offer, disk}, false},
        {{A::Yes, A::Ok}, true, {offer, disk}, true},
    };

    for (const Case& c : cases) {
        dialogs.messages.clear();
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        backup.calls.clear();
        state.options().UltDiaFezBak = "01/12/2026";

        EXPECT_EQ(queryExit(state, backup), c.exits);

        EXPECT_EQ(dialogs.shownTexts(), c.texts);
        EXPECT_EQ(dialogs.messages[0].flags, msg::Question + msg::YesNoCancel);
        EXPECT_EQ(dialogs.messages[0].title, "Dia de BackUp");
        EXPECT_EQ(backup.calls.size(), c.backedUp ? 1u : 0u);
        const std::string last = c.backedUp ? "07/12/2026" : "01/12/2026";
        EXPECT_EQ(state.options().UltDiaFezBak, last);
        EXPECT_EQ(state.config().readConfig("UltDiaFezBak", "01/12/2026"), last);
    }
    EXPECT_EQ(backup.calls, std::vector<std::string>{"01/12/2026"});
}

TEST_F(ExitSequenceTest, NoOfferWithoutRightOptionOrComponent)
{
    struct Case {
        int operatorIndex;
        bool ask;
        bool present;
        bool offered;
    };
    const Case cases[] = {
        {1, true, true, true},  {2, true, true, false}, // level 3 above the row's 2
        {0, true, true, false}, {1, false, true, false}, {1, true, false, false},
    };

    for (const Case& c : cases) {
        state.OperadorAtual = c.operatorIndex;
        state.options().AskForBackUp = c.ask;
        backup.present = c.present;
        dialogs.messages.clear();
        dialogs.answers = {msg::Answer::No};

        EXPECT_TRUE(queryExit(state, backup));

        EXPECT_EQ(dialogs.messages.size(), c.offered ? 1u : 0u) << c.operatorIndex;
    }
}

TEST_F(ExitSequenceTest, FinishWritesRulesPrintChoicesAndTotals)
{
    state.options().ImpNotaLoc = 1;
    state.options().ImpNotaVdaCli = 1;
    rules().NumeroRecibo = 4321;

    finishExit(state);

    rules().NumeroRecibo = 0;
    state.records().readRecord(FileKind::GeneralRules, 1, true);
    EXPECT_EQ(rules().NumeroRecibo, 4321);
    for (const auto& [key, value] : {std::pair{"ImpNotaLoc", "1"}, std::pair{"ImpNotaDev", "0"},
                                     std::pair{"ImpNotaVdaCli", "1"}}) {
        EXPECT_EQ(settings.read("Tavolim", "Opções", key, "?"), value) << key;
    }
}

} // namespace
} // namespace tavolim::core

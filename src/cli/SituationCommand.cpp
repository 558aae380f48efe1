#include "cli/SituationCommand.h"

#include "core/counter/Situation.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Launcher.h"
#include "core/ports/Printer.h"
#include "core/ports/Progress.h"
#include "core/ports/SettingsStore.h"
#include "core/rules/StoreCalendar.h"
#include "core/shell/AppState.h"
#include "core/shell/NewInstallation.h"

#include <ctime>

namespace tavolim::cli {
namespace {

using namespace core;

// The tool has nobody to ask: boxes are written to the error stream and answered OK,
// prompts cancelled; settings kept outside the data folder stay at their defaults.
class ToolPorts final : public Dialogs,
                        public Clock,
                        public SettingsStore,
                        public Printer,
                        public Progress,
                        public Launcher {
public:
    ToolPorts(std::ostream& err, std::chrono::year_month_day today, std::chrono::minutes now)
        : m_err(err), m_today(today), m_now(now)
    {
    }
    Ports ports() { return Ports{*this, *this, *this, *this, *this, *this}; }

    msg::Answer message(const std::string& text, int, const std::string&) override
    {
        m_err << text << "\n";
        return msg::Answer::Ok;
    }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> askValue(const std::string&, const std::string&,
                                        const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::chrono::year_month_day>
    askDate(const std::string&, const std::string&,
            std::optional<std::chrono::year_month_day>) override
    {
        return std::nullopt;
    }
    int choose(const std::string&, const std::string&, const std::string&, const std::string&,
               const std::string&) override
    {
        return 0;
    }
    std::chrono::year_month_day today() const override { return m_today; }
    std::chrono::minutes timeOfDay() const override { return m_now; }
    std::string read(const std::string&, const std::string&, const std::string&,
                     const std::string& defaultValue) const override
    {
        return defaultValue;
    }
    void write(const std::string&, const std::string&, const std::string&,
               const std::string&) override
    {
    }
    bool printText(const std::string&, const std::string&, int) override { return false; }
    bool writeRaw(const std::string&, std::span<const std::uint8_t>) override { return false; }
    void showWait(const std::string&) override {}
    void hideWait() override {}
    void begin(const std::string&, int, int) override {}
    void step(int) override {}
    void end() override {}
    bool openDocument(const std::string&) override { return false; }
    bool openUrl(const std::string&) override { return false; }
    bool openHelp(const std::string&) override { return false; }

private:
    std::ostream& m_err;
    std::chrono::year_month_day m_today;
    std::chrono::minutes m_now;
};

std::tm localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

int printSituation(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (needsNewInstallation(line.folder)) {
        err << "A pasta " << line.folder.string() << " não tem uma instalação do Tavolim.\n";
        return 1;
    }
    const std::tm local = localNow();
    const auto today = line.today.value_or(
        std::chrono::year{local.tm_year + 1900} /
        std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
        std::chrono::day{static_cast<unsigned>(local.tm_mday)});
    const auto now = line.now.value_or(std::chrono::hours{local.tm_hour} +
                                       std::chrono::minutes{local.tm_min});
    ToolPorts ports(err, today, now);
    AppState state(line.folder, ports.ports());
    state.loadOptions();
    state.DataDia = today;
    state.PrazoMinimo = minimumTerm(state.records().rules(), workingDay(state));

    const PersonRef person{line.person, line.titular};
    const FileKind kind = person.titular ? FileKind::Clients : FileKind::Dependents;
    if (line.person > state.records().recordCount(kind)) {
        err << (person.titular ? "O cliente " : "O dependente ") << line.person
            << " não existe.\n";
        return 1;
    }

    const Situation s = showSituation(state, person);
    out << s.txtNome << "\n";
    for (const SituationLine& l : s.lines) {
        // A total line has only its label and amount; amounts read as on the grid.
        if (l[0].empty()) {
            out << l[1] << "\t" << l[6] << "\n";
            continue;
        }
        for (std::size_t i = 0; i < l.size(); ++i) {
            out << (i == 0 ? "" : "\t") << l[i];
        }
        out << "\n";
    }
    return 0;
}

} // namespace tavolim::cli

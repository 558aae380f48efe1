#include "cli/SituationCommand.h"

#include "cli/LocalTime.h"
#include "core/counter/Situation.h"
#include "core/rules/StoreCalendar.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/tools/QuietPorts.h"

#include <ctime>

namespace tavolim::cli {
namespace {

using namespace core;

} // namespace

int printSituation(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (needsNewInstallation(line.folder)) {
        err << "A pasta " << line.folder.string() << " não tem uma instalação do Tavolim.\n";
        return 1;
    }
    const std::tm local = localTime();
    const auto today =
        line.today.value_or(std::chrono::year{local.tm_year + 1900} /
                            std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
                            std::chrono::day{static_cast<unsigned>(local.tm_mday)});
    const auto now =
        line.now.value_or(std::chrono::hours{local.tm_hour} + std::chrono::minutes{local.tm_min});
    // Nobody to ask: boxes go to the error stream; settings kept outside the data folder
    // stay at their defaults.
    QuietPorts ports(today, now, &err);
    AppState state(line.folder, ports.ports());
    state.loadOptions();
    state.DataDia = today;
    state.PrazoMinimo = minimumTerm(state.records().rules(), workingDay(state));

    const PersonRef person{line.person, line.titular};
    const FileKind kind = person.titular ? FileKind::Clients : FileKind::Dependents;
    if (line.person > state.records().recordCount(kind)) {
        err << (person.titular ? "O cliente " : "O dependente ") << line.person << " não existe.\n";
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

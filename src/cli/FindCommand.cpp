#include "cli/FindCommand.h"

#include "cli/LocalTime.h"
#include "core/reports/ListExport.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/tools/DataTool.h"
#include "core/tools/QuietPorts.h"

#include <ctime>

namespace tavolim::cli {
int findCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (core::needsNewInstallation(line.folder)) {
        err << "A pasta " << line.folder.string() << " não tem uma instalação do Tavolim.\n";
        return 1;
    }
    // The find's own messages ("Nenhum…", a wrong range) go to `err`.
    core::QuietPorts ports(localToday(), std::chrono::hours{15}, &err);
    core::AppState state(line.folder, ports.ports());
    state.loadOptions();

    const core::DataKind kind = core::dataKindByToolName(line.what)->kind;
    const core::FieldInfo* field = core::dataFieldByName(kind, line.field);
    const auto value = core::valueFromText(state.records(), *field, line.argument);
    if (!value) {
        err << "O campo " << field->name << " não tem a opção \"" << line.argument << "\".\n";
        return 1;
    }
    core::DataTool tool(state);
    tool.form.cboTipo = kind;
    tool.form.lstCampo = static_cast<int>(field - core::dataFields(kind).data());
    tool.form.conteudo = *value;
    tool.form.chkPalavraSo = line.wholeWords;
    tool.form.chkCoincMM = line.matchCase;
    tool.form.optTodos = !line.firstRecord;
    if (line.firstRecord) {
        tool.form.txtDe = std::to_string(*line.firstRecord);
        tool.form.txtAte = std::to_string(*line.lastRecord);
    }
    const auto list = tool.find();
    if (!list) {
        return 1;
    }
    out << core::listTabbed(list->kind, list->rows);
    return 0;
}

} // namespace tavolim::cli

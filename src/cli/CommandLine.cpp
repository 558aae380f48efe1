#include "cli/CommandLine.h"

#include "cli/BookDump.h"
#include "cli/Dump.h"
#include "cli/ReportCommands.h"
#include "cli/Utf8Path.h"
#include "core/reports/RecordLists.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"
#include "core/tools/DataFields.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace tavolim::cli {
namespace {

// A whole decimal integer, sign allowed. A number too large for int64 is still a number:
// it saturates, so the command can say it is out of range rather than misused.
std::optional<std::int64_t> parseNumber(const std::string& text)
{
    std::int64_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ptr != last || text.empty()) {
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range) {
        return text.front() == '-' ? std::numeric_limits<std::int64_t>::min()
                                   : std::numeric_limits<std::int64_t>::max();
    }
    if (ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

int clampCount(std::int64_t n)
{
    return static_cast<int>(std::clamp<std::int64_t>(n, 0, core::RecordStore::MaxRecords));
}

CommandLine fail(CommandLine line, std::string problem)
{
    line.problem = std::move(problem);
    return line;
}

// lista NAME [ARG], listagem NAME [ARG], ficha KIND N.
CommandLine parseReportWords(CommandLine line, const std::vector<std::string>& words)
{
    const std::string& command = words.front();
    if (words.size() < 2) {
        return fail(line, command == "ficha" ? "ficha pede o tipo e o código."
                                             : command + " pede o nome da lista.");
    }
    line.what = words[1];
    if (line.command == Command::Sheet) {
        if (!isSheetKindName(line.what)) {
            return fail(line, "tipo de ficha desconhecido: " + line.what + ".");
        }
        if (words.size() < 3) {
            return fail(line, "ficha " + line.what + " pede um código.");
        }
        line.number = parseNumber(words[2]);
        if (!line.number || *line.number < 1 || *line.number > core::RecordStore::MaxRecords) {
            return fail(line,
                        "o código deve ser um número de 1 a 32767, não \"" + words[2] + "\".");
        }
        if (words.size() > 3) {
            return fail(line, "argumento a mais: " + words[3] + ".");
        }
        return line;
    }
    const core::ListInfo* list = core::listByToolName(line.what);
    if (!list) {
        return fail(line, "lista desconhecida: " + line.what + ".");
    }
    const bool takesArgument = list->argument != core::ListArgument::None;
    if (takesArgument && words.size() < 3) {
        return fail(line, "a lista " + line.what + " pede um argumento.");
    }
    const std::size_t expected = takesArgument ? 3 : 2;
    if (words.size() > expected) {
        return fail(line, "argumento a mais: " + words[expected] + ".");
    }
    if (takesArgument) {
        line.argument = words[2];
    }
    return line;
}

// `historico --produtos` is a switch, while `exemplo --produtos N` takes a count: which one
// is meant depends on the command, wherever it stands among the options.
bool asksForHistory(const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "historico" && (i == 0 || args[i - 1] != "--dados")) {
            return true;
        }
    }
    return false;
}

// `localizar --de N --ate M` takes record numbers where the book commands take dates.
bool asksToFind(const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "localizar" && (i == 0 || args[i - 1] != "--dados")) {
            return true;
        }
    }
    return false;
}

// localizar KIND FIELD VALUE.
CommandLine parseFindWords(CommandLine line, const std::vector<std::string>& words)
{
    if (words.size() < 4) {
        return fail(line, "localizar pede o tipo, o campo e o valor procurado.");
    }
    if (words.size() > 4) {
        return fail(line, "argumento a mais: " + words[4] + ".");
    }
    const core::DataKindInfo* kind = core::dataKindByToolName(words[1]);
    if (!kind) {
        return fail(line, "tipo desconhecido: " + words[1] +
                              " (clientes, fitas, produtos ou distribuidores).");
    }
    if (!core::dataFieldByName(kind->kind, words[2])) {
        std::string names;
        for (const core::FieldInfo& field : core::dataFields(kind->kind)) {
            names += (names.empty() ? "" : ", ") + std::string(field.name);
        }
        return fail(line,
                    "campo desconhecido em " + words[1] + ": " + words[2] + " (" + names + ").");
    }
    if (line.firstRecord.has_value() != line.lastRecord.has_value()) {
        return fail(line, "--de e --ate vão juntos.");
    }
    line.what = words[1];
    line.field = words[2];
    line.argument = words[3];
    return line;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args)
{
    CommandLine line;
    std::optional<std::filesystem::path> folder;
    std::vector<std::string> words;
    bool sizeGiven = false;
    const bool history = asksForHistory(args);
    const bool find = asksToFind(args);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--ajuda" || arg == "-h") {
            line.command = Command::Help;
            return line;
        }
        if (arg == "--csv") {
            line.csv = true;
            continue;
        }
        if (arg == "--reparar" || arg == "--codigos") {
            (arg == "--reparar" ? line.repair : line.codes) = true;
            continue;
        }
        if (arg == "--para") {
            if (i + 1 >= args.size()) {
                return fail(line, "falta o valor de --para.");
            }
            line.destination = utf8Path(args[++i]);
            if (line.destination.empty()) {
                return fail(line, "--para pede uma pasta.");
            }
            continue;
        }
        if (arg == "--devolucoes" || (arg == "--produtos" && history)) {
            (arg == "--devolucoes" ? line.returns : line.products) = true;
            continue;
        }
        if (arg == "--palavra-inteira" || arg == "--maiusculas") {
            (arg == "--palavra-inteira" ? line.wholeWords : line.matchCase) = true;
            continue;
        }
        if ((arg == "--de" || arg == "--ate") && find) {
            if (i + 1 >= args.size()) {
                return fail(line, "falta o valor de " + arg + ".");
            }
            const std::string& value = args[++i];
            const auto n = parseNumber(value);
            if (!n) {
                return fail(line, arg + " pede um número de registro, não \"" + value + "\".");
            }
            (arg == "--de" ? line.firstRecord : line.lastRecord) = n;
            continue;
        }
        if (arg == "--de" || arg == "--ate") {
            if (i + 1 >= args.size()) {
                return fail(line, "falta o valor de " + arg + ".");
            }
            const std::string& value = args[++i];
            const auto day = core::toYmd(core::textToDate(value));
            if (!day) {
                return fail(line, arg + " pede uma data dd/mm/aaaa, não \"" + value + "\".");
            }
            (arg == "--de" ? line.from : line.to) = day;
            continue;
        }
        const bool sizeOption = arg == "--clientes" || arg == "--fitas" || arg == "--produtos";
        const bool clockOption = arg == "--hoje" || arg == "--agora";
        const bool personOption = arg == "--cliente" || arg == "--dependente";
        if (clockOption || personOption) {
            if (i + 1 >= args.size()) {
                return fail(line, "falta o valor de " + arg + ".");
            }
            const std::string& value = args[++i];
            if (arg == "--hoje") {
                line.today = core::toYmd(core::textToDate(value));
                if (!line.today) {
                    return fail(line, "--hoje pede uma data dd/mm/aaaa, não \"" + value + "\".");
                }
            } else if (arg == "--agora") {
                const std::int16_t hhmm = core::textToTime(value);
                if (hhmm == 0 && value.find_first_not_of("0:") != std::string::npos) {
                    return fail(line, "--agora pede uma hora hh:mm, não \"" + value + "\".");
                }
                line.now = std::chrono::hours{hhmm / 100} + std::chrono::minutes{hhmm % 100};
            } else {
                const auto n = parseNumber(value);
                if (!n || *n < 1 || *n > core::RecordStore::MaxRecords) {
                    return fail(line, arg + " pede um código de 1 a 32767, não \"" + value + "\".");
                }
                if (line.person != 0) {
                    return fail(line, "use só um de --cliente e --dependente.");
                }
                line.person = static_cast<std::int16_t>(*n);
                line.titular = arg == "--cliente";
            }
            continue;
        }
        if (arg == "--dados" || sizeOption) {
            if (i + 1 >= args.size()) {
                return fail(line, "falta o valor de " + arg + ".");
            }
            const std::string& value = args[++i];
            if (arg == "--dados") {
                folder = utf8Path(value);
                continue;
            }
            const auto n = parseNumber(value);
            if (!n) {
                return fail(line, arg + " pede um número, não \"" + value + "\".");
            }
            sizeGiven = true;
            int& target = arg == "--clientes" ? line.size.clientes
                          : arg == "--fitas"  ? line.size.fitas
                                              : line.size.produtos;
            target = clampCount(*n);
            continue;
        }
        const bool negative = arg.size() > 1 && arg[0] == '-' && arg[1] >= '0' && arg[1] <= '9';
        if (arg.size() > 1 && arg.front() == '-' && !negative) {
            return fail(line, "opção desconhecida: " + arg + ".");
        }
        words.push_back(arg);
    }

    if (words.empty()) {
        return fail(line, "falta o comando.");
    }
    const std::string& command = words.front();
    if (command == "init") {
        line.command = Command::Init;
    } else if (command == "dump") {
        line.command = Command::Dump;
    } else if (command == "exemplo") {
        line.command = Command::Sample;
    } else if (command == "situacao") {
        line.command = Command::Situation;
    } else if (command == "lista") {
        line.command = Command::List;
    } else if (command == "listagem") {
        line.command = Command::Listing;
    } else if (command == "ficha") {
        line.command = Command::Sheet;
    } else if (command == "livro-fitas") {
        line.command = Command::TapeBook;
    } else if (command == "livro-caixa") {
        line.command = Command::SalesBook;
    } else if (command == "resumo-dia") {
        line.command = Command::DailySummary;
    } else if (command == "historico") {
        line.command = Command::History;
    } else if (command == "localizar") {
        line.command = Command::Find;
    } else if (command == "backup") {
        line.command = Command::Backup;
    } else if (command == "restaurar") {
        line.command = Command::Restore;
    } else if (command == "verificar") {
        line.command = Command::Check;
    } else if (command == "repetidos") {
        line.command = Command::Repeated;
    } else {
        return fail(line, "comando desconhecido: " + command + ".");
    }
    if (!folder) {
        return fail(line, "falta --dados PASTA.");
    }
    line.folder = *folder;
    if (sizeGiven && line.command != Command::Sample) {
        return fail(line, "--clientes, --fitas e --produtos são só do comando exemplo.");
    }

    const bool situation = line.command == Command::Situation;
    const bool listed = line.command == Command::List || line.command == Command::Listing;
    const bool byPerson = situation || line.command == Command::History;
    const bool bookListing =
        line.command == Command::TapeBook || line.command == Command::SalesBook;
    if (line.today && !situation && !listed && line.command != Command::DailySummary &&
        line.command != Command::Check) {
        return fail(line,
                    "--hoje é só dos comandos situacao, lista, listagem, resumo-dia e verificar.");
    }
    if (line.now && !situation) {
        return fail(line, "--agora é só do comando situacao.");
    }
    if (line.person != 0 && !byPerson) {
        return fail(line, "--cliente e --dependente são só dos comandos situacao e historico.");
    }
    if (byPerson && line.person == 0) {
        return fail(line, command + " pede --cliente N ou --dependente N.");
    }
    if ((line.from || line.to) && !bookListing) {
        return fail(line, "--de e --ate são só dos comandos livro-fitas, livro-caixa e localizar.");
    }
    if (bookListing && (!line.from || !line.to)) {
        return fail(line, command + " pede --de dd/mm/aaaa e --ate dd/mm/aaaa.");
    }
    if (bookListing && std::chrono::sys_days(*line.from) > std::chrono::sys_days(*line.to)) {
        return fail(line, "a data de --de vem depois da de --ate.");
    }
    if (line.returns && line.command != Command::TapeBook) {
        return fail(line, "--devolucoes é só do comando livro-fitas.");
    }
    if (line.csv && line.command != Command::List) {
        return fail(line, "--csv é só do comando lista.");
    }
    if (!line.destination.empty() && line.command != Command::Backup) {
        return fail(line, "--para é só do comando backup.");
    }
    if (line.repair && line.command != Command::Check) {
        return fail(line, "--reparar é só do comando verificar.");
    }
    if (line.codes && line.command != Command::Repeated) {
        return fail(line, "--codigos é só do comando repetidos.");
    }
    if ((line.wholeWords || line.matchCase) && line.command != Command::Find) {
        return fail(line, "--palavra-inteira e --maiusculas são só do comando localizar.");
    }
    if (line.command == Command::Find) {
        return parseFindWords(line, words);
    }
    if (listed || line.command == Command::Sheet) {
        return parseReportWords(line, words);
    }
    switch (line.command) {
    case Command::Backup:
        if (line.destination.empty()) {
            return fail(line, "backup pede --para PASTA.");
        }
        break;
    case Command::Restore:
    case Command::Repeated:
        if (words.size() < 2) {
            return fail(line, command == "restaurar" ? "restaurar pede o arquivo do back-up."
                                                     : "repetidos pede o tipo de registro.");
        }
        if (words.size() > 2) {
            return fail(line, "argumento a mais: " + words[2] + ".");
        }
        line.what = words[1];
        if (line.command == Command::Repeated) {
            const bool barcoded = line.what == "fitas" || line.what == "produtos";
            if (!barcoded && line.what != "clientes" && line.what != "distribuidoras") {
                return fail(line, "tipo desconhecido para repetidos: " + line.what + ".");
            }
            if (line.codes && !barcoded) {
                return fail(line, "--codigos é só de fitas e produtos.");
            }
        }
        return line;
    default:
        break;
    }
    if (line.command != Command::Dump) {
        if (words.size() > 1) {
            return fail(line, "argumento a mais: " + words[1] + ".");
        }
        return line;
    }
    if (words.size() < 2) {
        return fail(line, "falta o tipo de registro do dump.");
    }
    if (words.size() > 3) {
        return fail(line, "argumento a mais: " + words[3] + ".");
    }
    line.what = words[1];
    const bool textKind = line.what == "memo" || line.what == "sinopse";
    const bool needsNumber = textKind || bookKindNeedsNumber(line.what);
    if (!textKind && !recordKindFromName(line.what) && !isBookKindName(line.what)) {
        return fail(line, "tipo de registro desconhecido: " + line.what + ".");
    }
    if (words.size() == 3) {
        line.number = parseNumber(words[2]);
        if (!line.number) {
            return fail(line, "o número do registro deve ser um número, não \"" + words[2] + "\".");
        }
    } else if (needsNumber) {
        return fail(line, "dump " + line.what + " pede um número.");
    }
    return line;
}

} // namespace tavolim::cli

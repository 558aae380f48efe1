#pragma once

#include "core/tools/SampleStore.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::cli {

enum class Command {
    Help,
    Init,
    Dump,
    Sample,
    Situation,
    List,
    Listing,
    Sheet,
    TapeBook,
    SalesBook,
    DailySummary,
    History,
    Find,
    Backup,
    Restore,
    Check,
    Repeated
};

// What the tool was asked to do, checked for form only: whether the folder holds a store
// or a record exists is the command's business.
struct CommandLine {
    Command command = Command::Help;
    std::filesystem::path folder;
    std::string what;     // dump: a record kind name, "memo" or "sinopse"; lista, listagem: the
                          // list's name; ficha: the sheet kind; localizar: the record kind;
                          // restaurar: the archive; repetidos: the kind
    std::string argument; // lista, listagem: the list's argument; localizar: the value
    bool csv = false;     // lista --csv
    std::optional<std::int64_t> number; // dump N, ficha N; values beyond int64 saturate
    core::SampleSize size;              // exemplo, clamped to 0..32767
    std::optional<std::chrono::year_month_day> today; // --hoje, in place of the clock
    std::optional<std::chrono::minutes> now;          // --agora
    std::int16_t person = 0; // situacao, historico: --cliente N or --dependente N
    bool titular = true;
    std::optional<std::chrono::year_month_day> from; // livro-fitas, livro-caixa: --de
    std::optional<std::chrono::year_month_day> to;   // --ate
    bool returns = false;                            // livro-fitas --devolucoes
    bool products = false;                           // historico --produtos
    std::string field;                               // localizar: the field's name
    std::optional<std::int64_t> firstRecord;         // localizar --de N
    std::optional<std::int64_t> lastRecord;          // localizar --ate M
    bool wholeWords = false;                         // localizar --palavra-inteira
    bool matchCase = false;                          // localizar --maiusculas
    std::filesystem::path destination;               // backup --para
    bool repair = false;                             // verificar --reparar
    bool codes = false;                              // repetidos --codigos
    std::string problem; // why the usage is wrong; empty when it is right
};

CommandLine parseCommandLine(const std::vector<std::string>& args);

} // namespace tavolim::cli

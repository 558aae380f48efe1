#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace tavolim::cli {

// `backup --para DIR`: one verified archive of the store in DIR; prints its path. Only reads
// the data folder, so it may run while the program has the folder open.
int backupCommand(const CommandLine& line, std::ostream& out, std::ostream& err);
// `restaurar ARQUIVO`: the backup's files in place of the folder's, the old ones kept first
// as a safety copy in the folder's "Backups"; refused while the program has the folder.
int restoreCommand(const CommandLine& line, std::ostream& out, std::ostream& err);
// `verificar`: one line per inconsistency between the files, then the count; exit 1 when any
// was found. Only reads: it may run while the program has the folder.
// `verificar --reparar`: RebuildDeletedLists and CheckLinks; each repair message on its own
// line, as the program shows it; Err.log gets the entries.
int checkCommand(const CommandLine& line, std::ostream& out, std::ostream& err);
// `repetidos KIND [--codigos]`: the repeated names (or barcodes) text.
int repeatedCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

} // namespace tavolim::cli

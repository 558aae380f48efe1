#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace tavolim::core {

// "Err.log" in the data folder: one entry per repair of the data checks, appended, the file
// created when missing. An entry is one quoted line (the text between double quotes, then
// CR LF), in the code page of the record files.
//
// The entry of a repair: the date, " - ", the repair message, a line feed, the label with
// the codes involved, and for tapes linked to clients the note.
std::string errorLogEntry(std::chrono::year_month_day day, const std::string& message,
                          const std::string& label);

// LogError. False when the file could not be written (binaryfile::lastFailure() says why).
bool logError(const std::filesystem::path& dataFolder, const std::string& text);

} // namespace tavolim::core

#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavolim::core {

class AppState;

// Where a finished report goes. Saving as PDF is the program's own (Qt) path.
enum class ReportDestination { Editor, File, Printer };

// The most text the text editor takes, in characters.
inline constexpr std::size_t kEditorLimit = 32500;
inline constexpr std::string_view kReportFileName = "Relatorio.txt";
// What the printer path uses: a fixed-pitch font keeps the listing's columns.
inline constexpr std::string_view kReportFont = "Courier New";
inline constexpr int kReportFontSize = 9;

// The refusal of a report too long for the editor, with the other ways out.
std::string editorLimitMessage(std::size_t characters);

// To the text editor (the state's showText): a text over kEditorLimit characters is
// refused with a message, never cut. False when nothing was shown.
bool reportToEditor(AppState& state, std::string_view text);

// Relatorio.txt lives in the data folder, the folder the program always writes to: the
// program's own folder may be read-only (installed for all users).
std::filesystem::path reportFilePath(const AppState& state);

// Writes Relatorio.txt (UTF-8 with a byte-order mark, so that word processors on either
// system read the accents; CR LF lines) and opens it with the desktop's application for
// text through the launcher. A failed write or open is told, naming the file. False when
// the file could not be written or opened.
bool reportToFile(AppState& state, std::string_view text);

// Through the printer port, in kReportFont, then the reminder to take the printout.
bool reportToPrinter(AppState& state, std::string_view text);

bool sendReport(AppState& state, std::string_view text, ReportDestination destination);

} // namespace tavolim::core

#include "core/reports/ListExport.h"

#include "core/reports/ReportFiles.h"
#include "core/reports/ReportLines.h"

namespace tavolim::core {
namespace {

std::string csvCell(std::string_view text)
{
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

// The cells of a row: name, code and, for people, the kind letter.
template <class Add>
void cells(ReportKind kind, const ListRow& row, Add&& add)
{
    add(row.name);
    add(std::to_string(row.code));
    if (kind == ReportKind::Client) {
        add(std::string(1, row.kind == 'D' ? 'D' : 'R'));
    }
}

} // namespace

std::string listCsv(ReportKind kind, std::span<const ListRow> rows)
{
    std::string text = kind == ReportKind::Client ? "Nome;Código;Tipo" : "Nome;Código";
    text += kReportLineEnd;
    for (const ListRow& row : rows) {
        bool first = true;
        cells(kind, row, [&](const std::string& cell) {
            text += (first ? "" : ";") + csvCell(cell);
            first = false;
        });
        text += kReportLineEnd;
    }
    return text;
}

std::string writeListCsv(const std::filesystem::path& path, ReportKind kind,
                         std::span<const ListRow> rows)
{
    return writeTextFile(path, "\xEF\xBB\xBF" + listCsv(kind, rows));
}

std::string listTabbed(ReportKind kind, std::span<const ListRow> rows)
{
    std::string text;
    for (const ListRow& row : rows) {
        bool first = true;
        cells(kind, row, [&](const std::string& cell) {
            text += (first ? "" : "\t") + cell;
            first = false;
        });
        text += '\n';
    }
    return text;
}

} // namespace tavolim::core

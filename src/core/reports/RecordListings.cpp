#include "core/reports/RecordListings.h"

#include "core/printing/ReceiptText.h"
#include "core/reports/ReportLines.h"
#include "core/reports/SituationCode.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <optional>
#include <vector>

namespace tavolim::core {
namespace {

constexpr std::size_t kClientSeparator = 75;

// A column of `width` characters that always keeps one space before the next column.
std::string column(std::string_view text, std::size_t width)
{
    return fitChars(cutChars(trim(text), width - 1), width);
}

// Lines by record number, filled for the numbers `rows` name, from one pass over the file:
// reading the whole file in blocks beats a read per row once the list is long.
class WantedLines {
public:
    WantedLines(const RecordStore& records, FileKind file, std::span<const ListRow> rows,
                char letter)
        : m_lines(static_cast<std::size_t>(records.recordCount(file)) + 1)
    {
        m_wanted.resize(m_lines.size());
        for (const ListRow& row : rows) {
            if ((letter == 0 || row.kind == letter) && inRange(row.code)) {
                m_wanted[static_cast<std::size_t>(row.code)] = true;
            }
        }
    }

    bool wanted(std::int32_t n) const
    {
        return inRange(n) && m_wanted[static_cast<std::size_t>(n)];
    }
    void set(std::int32_t n, std::string line)
    {
        m_lines[static_cast<std::size_t>(n)] = std::move(line);
    }
    // Empty when the record is gone or deleted.
    const std::string& line(std::int32_t n) const
    {
        static const std::string none;
        return inRange(n) ? m_lines[static_cast<std::size_t>(n)] : none;
    }

    // The lines of the rows in their order, leaving out records gone since.
    void addInOrder(std::span<const ListRow> rows, std::string& text) const
    {
        for (const ListRow& row : rows) {
            if (const std::string& l = line(row.code); !l.empty()) {
                addLine(text, l);
            }
        }
    }

private:
    bool inRange(std::int32_t n) const
    {
        return n >= 1 && static_cast<std::size_t>(n) < m_lines.size();
    }

    std::vector<std::string> m_lines;
    std::vector<bool> m_wanted;
};

template <class Rec>
void personLines(const RecordStore& records, FileKind file, char letter,
                 std::chrono::sys_days today, WantedLines& out, std::optional<DueDates>& dueDates)
{
    records.scan<Rec>(file, [&](std::int32_t n, const Rec& r) {
        if (!out.wanted(n) || !isListed(r)) {
            return;
        }
        const std::span<const std::int16_t> tapes(r.Fitas.data(),
                                                  static_cast<std::size_t>(r.tapeCount()));
        if (!tapes.empty() && !dueDates) {
            dueDates.emplace(records);
        }
        const auto due = [&](std::int16_t tape) { return (*dueDates)(tape); };
        out.set(n, "   " + fitChars(zeroPadded(n, 5), 7) + fitChars(std::string(1, letter), 5) +
                       column(joinFullName(r.PrimNome, r.SobreNome), 41) +
                       column(r.TelResidencial, 13) +
                       situationCode(tapes, r.ValorPago, r.ValorDevido, today, due));
    });
}

void clientRows(const RecordStore& records, std::span<const ListRow> rows,
                std::chrono::sys_days today, std::string& text)
{
    WantedLines holders(records, FileKind::Clients, rows, 'R');
    WantedLines dependents(records, FileKind::Dependents, rows, 'D');
    std::optional<DueDates> dueDates;
    personLines<ClientRecord>(records, FileKind::Clients, 'R', today, holders, dueDates);
    personLines<DependentRecord>(records, FileKind::Dependents, 'D', today, dependents, dueDates);
    for (const ListRow& row : rows) {
        const std::string& line = (row.kind == 'D' ? dependents : holders).line(row.code);
        if (!line.empty()) {
            addLine(text, line);
        }
    }
}

// Names by record number (index = number - 1).
template <class Rec>
std::vector<std::string> namesOf(const RecordStore& records, FileKind file)
{
    std::vector<std::string> names;
    records.scan<Rec>(file, [&](std::int32_t, const Rec& r) { names.push_back(trim(r.Nome)); });
    return names;
}

std::string_view nameAt(const std::vector<std::string>& names, int number)
{
    return number >= 1 && static_cast<std::size_t>(number) <= names.size()
               ? std::string_view(names[static_cast<std::size_t>(number - 1)])
               : std::string_view();
}

void tapeRows(const RecordStore& records, std::span<const ListRow> rows, std::string& text)
{
    const auto media = namesOf<MediaRecord>(records, FileKind::Media);
    const auto labels = namesOf<LabelRecord>(records, FileKind::Labels);
    const auto sections = records.load<GeneralRulesRecord>(1);
    std::vector<std::string> sectionNames;
    for (int i = 0; i < sections.sectionCount(); ++i) {
        sectionNames.push_back(trim(sections.Secoes[static_cast<std::size_t>(i)]));
    }
    WantedLines lines(records, FileKind::Tapes, rows, 0);
    records.scan<TapeRecord>(FileKind::Tapes, [&](std::int32_t n, const TapeRecord& t) {
        if (lines.wanted(n) && isListed(t)) {
            lines.set(n, tapeListingLine(n, t, nameAt(media, t.Midia), nameAt(labels, t.Selo),
                                         nameAt(sectionNames, t.Secao)));
        }
    });
    lines.addInOrder(rows, text);
}

void productRows(const RecordStore& records, std::span<const ListRow> rows, std::string& text)
{
    WantedLines lines(records, FileKind::Products, rows, 0);
    records.scan<ProductRecord>(FileKind::Products, [&](std::int32_t n, const ProductRecord& p) {
        if (lines.wanted(n) && isListed(p)) {
            lines.set(n, "   " + column(zeroPadded(n, 6), 8) + column(p.Descricao, 27) +
                             column(p.CodigoBarras, 17) + column(formatQuantity(p.Estoque), 9) +
                             column(formatQuantity(p.Icms), 7) +
                             column(formatMoney(p.ValorCompra), 13) + formatMoney(p.Preco));
        }
    });
    lines.addInOrder(rows, text);
}

void distributorRows(const RecordStore& records, std::span<const ListRow> rows, std::string& text)
{
    WantedLines lines(records, FileKind::Distributors, rows, 0);
    records.scan<DistributorRecord>(
        FileKind::Distributors, [&](std::int32_t n, const DistributorRecord& d) {
            if (!lines.wanted(n) || !isListed(d)) {
                return;
            }
            std::string phones = trim(d.Telefone);
            if (const std::string mobile = trim(d.TelCelular); !mobile.empty()) {
                phones += phones.empty() ? mobile : " / " + mobile;
            }
            lines.set(n, "   " + column(d.Nome, 31) + column(d.Contato, 36) + phones);
        });
    lines.addInOrder(rows, text);
}

} // namespace

std::string_view listingHeader(ReportKind kind)
{
    switch (kind) {
    case ReportKind::Client:
        return kClientListingHeader;
    case ReportKind::Tape:
        return kTapeListingHeader;
    case ReportKind::Product:
        return kProductListingHeader;
    case ReportKind::Distributor:
        return kDistributorListingHeader;
    }
    return {};
}

std::size_t listingSeparatorWidth(ReportKind kind)
{
    return kind == ReportKind::Client ? kClientSeparator : charCount(listingHeader(kind));
}

std::string tapeListingLine(std::int32_t code, const TapeRecord& tape, std::string_view media,
                            std::string_view label, std::string_view section)
{
    const std::string barcode = trim(tape.CodigoBarras);
    std::string line = "   ";
    line += barcode.empty() ? zeroPadded(code, 6) + "  " : fitChars(barcode, 8);
    // One space between the columns puts each under its word of the header.
    line += " " + fitChars(trim(tape.Nome), 25);
    line += tape.Tipo ? "  D  " : "  L  ";
    line += fitChars(media, 5);
    line += " " + fitChars(label, 13);
    line += " " + fitChars(section, 15);
    line += tape.ClienteFita > 0 ? " L" : "  ";
    if (tape.NumReservas > 0) {
        line += "R";
    }
    return line;
}

std::string listingText(const RecordStore& records, ReportKind kind, std::span<const ListRow> rows,
                        std::chrono::sys_days today)
{
    std::string text;
    addLine(text, listingHeader(kind));
    addLine(text, underscoreLine(listingSeparatorWidth(kind)));
    switch (kind) {
    case ReportKind::Client:
        clientRows(records, rows, today, text);
        break;
    case ReportKind::Tape:
        tapeRows(records, rows, text);
        break;
    case ReportKind::Product:
        productRows(records, rows, text);
        break;
    case ReportKind::Distributor:
        distributorRows(records, rows, text);
        break;
    }
    return text;
}

} // namespace tavolim::core

#include "core/sales/StockEntry.h"

#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/printing/ReceiptText.h"
#include "core/sales/ProductLookup.h"
#include "core/sales/SaleGrid.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/ProductRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace tavolim::core {
namespace {

constexpr int kMinUnits = -32768;

// A whole number typed in a box or cell: sign and digits only. nullopt when it is not one;
// values far out of range come back clamped, which every caller refuses.
std::optional<long> wholeNumber(std::string_view typed)
{
    const std::string text = trim(typed);
    std::string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const auto first = std::min(digits.find_first_not_of('0'), digits.size());
    const auto significant = digits.substr(first);
    const long value = significant.size() > 9 ? 1'000'000'000L
                       : significant.empty()  ? 0L
                                              : std::stol(std::string(significant));
    return negative ? -value : value;
}

std::string code6(std::int16_t code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06d", static_cast<int>(code));
    return text;
}

} // namespace

StockEntryModel::StockEntryModel(AppState& state) : m_state(state) {}

bool StockEntryModel::find()
{
    const auto product = optCodBarras
                             ? lookUpProduct(m_state, txtCodProd, {},
                                             ProductCodeReading::BarcodeFirst, chooseProduct)
                             : lookUpProduct(m_state, {}, txtCodProd,
                                             ProductCodeReading::BarcodeFirst, chooseProduct);
    if (!product) {
        return false;
    }
    if (std::any_of(m_lines.begin(), m_lines.end(),
                    [&](const StockLine& l) { return l.product == *product; })) {
        m_state.ports().dialogs.message(kAlreadyListed, msg::Exclamation);
        return false;
    }
    const auto p = m_state.records().load<ProductRecord>(*product);
    m_lines.push_back({*product, trim(p.CodigoBarras), trim(p.Descricao), p.Estoque, 0});
    txtCodProd.clear();
    return true;
}

StockEntryModel::EntryOutcome StockEntryModel::enter(std::size_t row)
{
    if (row >= m_lines.size() || trim(txtEntrada).empty()) {
        return EntryOutcome::Nothing;
    }
    auto& dialogs = m_state.ports().dialogs;
    const auto entry = wholeNumber(txtEntrada);
    if (!entry) {
        dialogs.message("A entrada deve ser um número inteiro de unidades.", msg::Exclamation);
        return EntryOutcome::Refused;
    }
    if (*entry < 0) {
        dialogs.message("A entrada não pode ser negativa.", msg::Exclamation);
        return EntryOutcome::Refused;
    }
    if (*entry == 0) {
        return EntryOutcome::Nothing;
    }
    if (*entry > MaxUnits) {
        dialogs.message("A entrada não pode passar de 32767 unidades.", msg::Exclamation);
        return EntryOutcome::Refused;
    }
    const auto outcome = setEntry(row, static_cast<int>(*entry));
    if (outcome == EntryOutcome::Written) {
        txtEntrada.clear();
    }
    return outcome;
}

StockEntryModel::EntryOutcome StockEntryModel::editStock(std::size_t row, std::string_view text)
{
    if (row >= m_lines.size()) {
        return EntryOutcome::Nothing;
    }
    auto& dialogs = m_state.ports().dialogs;
    if (trim(text).empty()) {
        dialogs.message(kBlankStock, msg::Exclamation);
        return EntryOutcome::Refused;
    }
    const auto stock = wholeNumber(text);
    if (!stock) {
        dialogs.message("O estoque deve ser um número inteiro de unidades.", msg::Exclamation);
        return EntryOutcome::Refused;
    }
    if (*stock > MaxUnits || *stock < kMinUnits) {
        dialogs.message("O estoque deve ficar entre -32768 e 32767 unidades.", msg::Exclamation);
        return EntryOutcome::Refused;
    }
    // A stock kept with a fraction keeps it: the entry is the whole number nearest the step.
    const double step = static_cast<double>(*stock) - static_cast<double>(m_lines[row].before);
    return setEntry(row, static_cast<int>(std::lround(step)));
}

StockEntryModel::EntryOutcome StockEntryModel::setEntry(std::size_t row, int entered)
{
    StockLine& line = m_lines[row];
    const int delta = entered - line.entered;
    if (delta == 0) {
        return EntryOutcome::Written;
    }
    auto& dialogs = m_state.ports().dialogs;
    const long units = static_cast<long>(m_units) + delta;
    if (units > MaxUnits || units < kMinUnits) {
        dialogs.message("O total de unidades adicionadas passaria de 32767.\nNada foi gravado.",
                        msg::Exclamation);
        return EntryOutcome::Refused;
    }
    auto product = m_state.records().load<ProductRecord>(line.product);
    const double stock = static_cast<double>(product.Estoque) + delta;
    if (stock > MaxUnits || stock < kMinUnits) {
        dialogs.message("O estoque deste produto passaria do limite de 32767 unidades.\nNada "
                        "foi gravado.",
                        msg::Exclamation);
        return EntryOutcome::Refused;
    }
    product.Estoque = static_cast<float>(stock);
    StoreTransaction write(m_state);
    m_state.records().save(line.product, product);
    if (!write.commit()) {
        return EntryOutcome::Refused;
    }
    line.entered = entered;
    m_units = static_cast<int>(units);
    return EntryOutcome::Written;
}

bool StockEntryModel::remove(std::size_t row)
{
    if (row >= m_lines.size()) {
        return false;
    }
    const int entered = m_lines[row].entered;
    if (entered != 0) {
        const std::string units =
            std::to_string(entered) + (entered == 1 ? " unidade" : " unidades");
        const auto answer =
            m_state.ports().dialogs.message("Tirar o produto da lista desfaz a entrada de " +
                                                units + " no estoque.\nDeseja continuar ?",
                                            msg::Question + msg::YesNo);
        if (answer != msg::Answer::Yes || setEntry(row, 0) != EntryOutcome::Written) {
            return false;
        }
    }
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(row));
    return true;
}

std::array<std::string, 4> StockEntryModel::rowTexts(std::size_t row) const
{
    const StockLine& l = m_lines.at(row);
    return {std::to_string(row + 1), l.barcode.empty() ? std::to_string(l.product) : l.barcode,
            l.description, stockText(l.now())};
}

std::string StockEntryModel::lblDados() const
{
    const std::size_t count = m_lines.size();
    return (m_units == 1 ? std::string("1 Produto Adicionado / ")
                         : std::to_string(m_units) + " Produtos Adicionados / ") +
           (count == 1 ? std::string("1 Categoria") : std::to_string(count) + " Categorias");
}

std::string StockEntryModel::noteText()
{
    ReceiptBuilder builder(m_state);
    std::string text = builder.header("ENTRADA DE ESTOQUE", nullptr, ReceiptBuilder::NoNumber);
    const auto nameWidth = static_cast<std::size_t>(std::max(0, builder.width() - 7));
    for (const auto& l : m_lines) {
        text += builder.line(code6(l.product) + " " + cutChars(l.description, nameWidth));
        text +=
            builder.line("   " + stockText(l.before) + " + Entrada:" + std::to_string(l.entered) +
                         "   =   " + stockText(l.now()));
    }
    text += builder.line(std::string(static_cast<std::size_t>(builder.width()), '-'));
    text += builder.line(std::to_string(m_lines.size()) + " Produtos");
    text += builder.line("   Total de Entradas:   " + std::to_string(m_units) + " Unidades");
    return text + builder.footer("", true);
}

bool StockEntryModel::printNote()
{
    if (m_lines.empty()) {
        return false;
    }
    bool printed = false;
    {
        ScopedWait wait(&m_state.ports().progress, "Imprimindo Nota...");
        printed = ReceiptPrinter(m_state).printText(noteText());
    }
    if (printed) {
        m_state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
    }
    return printed;
}

} // namespace tavolim::core

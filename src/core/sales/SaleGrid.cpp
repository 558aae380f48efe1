#include "core/sales/SaleGrid.h"

#include "core/ports/Dialogs.h"
#include "core/registers/TypedNumbers.h"
#include "core/sales/ProductLookup.h"
#include "core/state/AppState.h"
#include "core/state/Operators.h"
#include "core/store/ProductRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <variant>

namespace tavolim::core {
namespace {

constexpr int kRowPrice = 20;
constexpr int kRowFreebie = 23;
constexpr int kRowAmounts = 24;

constexpr const char* kQuantityNotWhole = "A quantidade deve ser um número inteiro.";
constexpr const char* kQuantityNegative = "A quantidade não pode ser negativa.";
constexpr const char* kQuantityTooLarge = "A quantidade não pode passar de 32767.";

std::string stockQuestion(float stock)
{
    return "O estoque para este produto é de apenas " + stockText(stock) +
           " unidades.\nDeseja continuar mesmo assim ?";
}

// A quantity typed in the grid: a whole number 0..32767, or the refusal's text (0 is the
// caller's to refuse, with the blank-cell text).
std::variant<int, const char*> typedQuantity(std::string_view typed)
{
    const std::string text = trim(typed);
    std::string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return kQuantityNotWhole;
    }
    const auto first = std::min(digits.find_first_not_of('0'), digits.size());
    const auto significant = digits.substr(first);
    if (significant.empty()) {
        return 0;
    }
    if (negative) {
        return kQuantityNegative;
    }
    if (significant.size() > 5 || std::stoi(std::string(significant)) > SaleGrid::MaxQuantity) {
        return kQuantityTooLarge;
    }
    return std::stoi(std::string(significant));
}

} // namespace

std::string stockText(float stock)
{
    const double value = static_cast<double>(stock);
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string shown = text;
    if (shown.find('.') != std::string::npos) {
        while (shown.back() == '0') {
            shown.pop_back();
        }
    }
    std::replace(shown.begin(), shown.end(), '.', ',');
    return shown;
}

SaleGrid::SaleGrid(AppState& state, SaleKind kind) : m_state(state), m_kind(kind) {}

SaleGrid::AddOutcome SaleGrid::add(const ListChooser& choose)
{
    const std::string code = trim(txtCodProd);
    const std::string name = trim(txtNome);
    if (code.empty() && (name.empty() || name == m_shownName)) {
        return AddOutcome::Empty;
    }
    const auto product =
        lookUpProduct(m_state, code, name, ProductCodeReading::NumberFirst, choose);
    if (!product) {
        return code.empty() ? AddOutcome::NotAdded : AddOutcome::BadCode;
    }
    // The name shows which product the code gave, added or not.
    txtCodProd.clear();
    txtNome = m_shownName = trim(m_state.records().load<ProductRecord>(*product).Descricao);
    return addProduct(*product) ? AddOutcome::Added : AddOutcome::NotAdded;
}

bool SaleGrid::stockAllows(const ProductRecord& product, int quantity) const
{
    // A new line asks only when nothing is left; one more asks when it passes the stock.
    const bool short_ =
        quantity == 1 ? product.Estoque <= 0 : static_cast<double>(quantity) > product.Estoque;
    if (!short_) {
        return true;
    }
    return m_state.ports().dialogs.message(stockQuestion(product.Estoque),
                                           msg::Question + msg::YesNo) == msg::Answer::Yes;
}

bool SaleGrid::addProduct(std::int16_t code)
{
    const auto product = m_state.records().load<ProductRecord>(code);
    const auto found = std::find_if(m_lines.begin(), m_lines.end(),
                                    [code](const SaleLine& l) { return l.product == code; });
    if (found == m_lines.end()) {
        if (!stockAllows(product, 1)) {
            return false;
        }
        m_lines.push_back(
            {code, trim(product.CodigoBarras), trim(product.Descricao), product.Preco, 1, false});
        m_lastLine = m_lines.size() - 1;
    } else {
        if (found->quantity >= MaxQuantity) {
            m_state.ports().dialogs.message(kQuantityTooLarge, msg::Exclamation);
            return false;
        }
        if (!stockAllows(product, found->quantity + 1)) {
            return false;
        }
        ++found->quantity;
        m_lastLine = static_cast<std::size_t>(found - m_lines.begin());
    }
    amountsChanged();
    return true;
}

void SaleGrid::removeLine(std::size_t row)
{
    if (row >= m_lines.size()) {
        return;
    }
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(row));
    amountsChanged();
}

bool SaleGrid::mayEditPrice() const
{
    return mayUse(m_state.records().rules(), m_state.OperadorAtual, kRowPrice);
}

bool SaleGrid::mayMarkFreebie() const
{
    return m_kind == SaleKind::Client &&
           mayUse(m_state.records().rules(), m_state.OperadorAtual, kRowFreebie);
}

bool SaleGrid::mayChangeAmount() const
{
    return mayUse(m_state.records().rules(), m_state.OperadorAtual, kRowAmounts);
}

bool SaleGrid::cellEditable(std::size_t row, SaleColumn column) const
{
    if (row >= m_lines.size()) {
        return false;
    }
    if (column == SaleColumn::Qtde) {
        return true;
    }
    return column == SaleColumn::Unit && !m_lines[row].freebie && mayEditPrice();
}

void SaleGrid::tellBlank(bool zero) const
{
    const bool walkIn = m_kind == SaleKind::WalkIn;
    m_state.ports().dialogs.message(walkIn || zero ? kBlankWalkInCells : kBlankClientCells,
                                    msg::Exclamation);
}

bool SaleGrid::editCell(std::size_t row, SaleColumn column, std::string_view text)
{
    if (!cellEditable(row, column)) {
        return false;
    }
    auto& dialogs = m_state.ports().dialogs;
    SaleLine& line = m_lines[row];
    const bool blank = trim(text).empty();
    if (column == SaleColumn::Unit) {
        if (blank) {
            tellBlank(false);
            return false;
        }
        const auto price = typedAmount(text, dialogs);
        if (!price) {
            return false;
        }
        if (price->isZero()) {
            tellBlank(true);
            return false;
        }
        line.unitPrice = *price;
    } else {
        if (blank) {
            tellBlank(false);
            return false;
        }
        const auto typed = typedQuantity(text);
        if (const auto* refusal = std::get_if<const char*>(&typed)) {
            dialogs.message(*refusal, msg::Exclamation);
            return false;
        }
        const int quantity = std::get<int>(typed);
        if (quantity == 0) {
            tellBlank(true);
            return false;
        }
        if (quantity > line.quantity &&
            !stockAllows(m_state.records().load<ProductRecord>(line.product), quantity)) {
            return false;
        }
        line.quantity = static_cast<std::int16_t>(quantity);
    }
    amountsChanged();
    return true;
}

bool SaleGrid::toggleFreebie(std::size_t row)
{
    if (row >= m_lines.size() || !mayMarkFreebie()) {
        return false;
    }
    m_lines[row].freebie = !m_lines[row].freebie;
    amountsChanged();
    return true;
}

void SaleGrid::askSurcharge()
{
    if (!mayChangeAmount()) {
        return;
    }
    auto& dialogs = m_state.ports().dialogs;
    const auto typed = dialogs.askValue("Valor do acréscimo:", "Acréscimo");
    if (!typed) {
        return;
    }
    if (const auto value = typedAmount(*typed, dialogs)) {
        m_surcharge = *value;
        amountsChanged();
    }
}

void SaleGrid::askDiscount()
{
    if (!mayChangeAmount()) {
        return;
    }
    auto& dialogs = m_state.ports().dialogs;
    const auto typed = dialogs.askValue("Valor do desconto:", "Desconto");
    if (!typed) {
        return;
    }
    const auto value = typedAmount(*typed, dialogs);
    if (!value) {
        return;
    }
    if (*value > linesTotal() + m_surcharge) {
        dialogs.message(kDiscountTooLarge, msg::Exclamation);
        return;
    }
    m_discount = *value;
}

void SaleGrid::amountsChanged()
{
    if (m_discount > linesTotal() + m_surcharge) {
        m_discount = Money();
        m_state.ports().dialogs.message(kDiscountCancelled, msg::Information);
    }
}

std::array<std::string, 6> SaleGrid::rowTexts(std::size_t row) const
{
    const SaleLine& l = m_lines.at(row);
    // Without a barcode the product is known by its record number.
    const std::string code = l.barcode.empty() ? std::to_string(l.product) : l.barcode;
    return {std::to_string(row + 1),
            code,
            l.description,
            formatMoneyPlain(l.unitPrice),
            std::to_string(l.quantity),
            l.freebie ? std::string("Brinde") : formatMoneyPlain(l.total())};
}

Money SaleGrid::linesTotal() const
{
    Money sum;
    for (const auto& l : m_lines) {
        sum += l.total();
    }
    return sum;
}

int SaleGrid::items() const
{
    int units = 0;
    for (const auto& l : m_lines) {
        units += l.quantity;
    }
    return units;
}

std::string SaleGrid::caption() const
{
    if (m_lines.empty()) {
        return {};
    }
    const int units = items();
    return (units == 1 ? std::string("1 Produto / ") : std::to_string(units) + " Produtos / ") +
           "Total = R$ " + formatMoney(total());
}

bool SaleGrid::linesValid() const
{
    for (const auto& l : m_lines) {
        const bool noPrice = !l.freebie && !l.unitPrice.isPositive();
        if (noPrice || l.quantity < 1) {
            tellBlank(true);
            return false;
        }
    }
    return true;
}

} // namespace tavolim::core

// The table tabs of the rules editor: prices, terms, freebies, promotion texts and fines.
#include "core/rules/RulesEditor.h"

#include "core/ports/Dialogs.h"
#include "core/rules/RuleCells.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <utility>

namespace tavolim::core {
namespace {

std::size_t cell(int dayClass, int count)
{
    return static_cast<std::size_t>(classByCountIndex(dayClass, count));
}

bool inList(int index, int size)
{
    return index >= 0 && index < size;
}

// The selection as the editor may use it: positions in the list, each once.
std::vector<int> usable(const std::vector<int>& selected, int size)
{
    std::vector<int> out;
    for (const int i : selected) {
        if (inList(i, size) && std::find(out.begin(), out.end(), i) == out.end()) {
            out.push_back(i);
        }
    }
    return out;
}

} // namespace

// ---- Diárias

std::string RulesEditor::priceText(const std::vector<int>& labels, int dayClass, int count) const
{
    const auto chosen = usable(labels, labelCount());
    if (chosen.empty()) {
        return {};
    }
    return moneyCellText(
        m_labels[static_cast<std::size_t>(chosen.front())].Diarias[cell(dayClass, count)]);
}

bool RulesEditor::pricesDiffer(const std::vector<int>& labels, int dayClass, int count) const
{
    const auto chosen = usable(labels, labelCount());
    return std::any_of(chosen.begin(), chosen.end(), [&](int i) {
        return m_labels[static_cast<std::size_t>(i)].Diarias[cell(dayClass, count)] !=
               m_labels[static_cast<std::size_t>(chosen.front())].Diarias[cell(dayClass, count)];
    });
}

bool RulesEditor::setPrice(const std::vector<int>& labels, int dayClass, int count,
                           std::string_view text)
{
    const auto chosen = usable(labels, labelCount());
    if (chosen.empty()) {
        return false;
    }
    const auto typed = typedPrice(text);
    if (const auto* refused = std::get_if<CellRefusal>(&typed)) {
        refusal(refused->text);
        return false;
    }
    for (const int i : chosen) {
        auto& price = m_labels[static_cast<std::size_t>(i)].Diarias[cell(dayClass, count)];
        m_dirty = m_dirty || price != *accepted(typed);
        price = *accepted(typed);
    }
    return true;
}

// ---- Prazos

const RuleTable* RulesEditor::termTableOf(int owner) const
{
    if (m_settings.TipoPrazo == 2 && inList(owner, labelCount())) {
        return &m_labels[static_cast<std::size_t>(owner)].Prazos;
    }
    if (m_settings.TipoPrazo == 3 && inList(owner, mediaCount())) {
        return &m_media[static_cast<std::size_t>(owner)].Prazos;
    }
    return nullptr;
}

RuleTable* RulesEditor::termTableOf(int owner)
{
    return const_cast<RuleTable*>(std::as_const(*this).termTableOf(owner));
}

std::string RulesEditor::termText(const std::vector<int>& owners, int dayClass, int count) const
{
    if (m_settings.TipoPrazo == 1) {
        return std::to_string(
            m_rules.PrazosGerais[static_cast<std::size_t>(generalTermIndex(dayClass, count))]);
    }
    for (const int owner : owners) {
        if (const RuleTable* table = termTableOf(owner)) {
            return std::to_string((*table)[cell(dayClass, count)]);
        }
    }
    return {};
}

bool RulesEditor::termsDiffer(const std::vector<int>& owners, int dayClass, int count) const
{
    std::optional<std::int16_t> first;
    for (const int owner : owners) {
        if (const RuleTable* table = termTableOf(owner)) {
            const std::int16_t term = (*table)[cell(dayClass, count)];
            if (first && *first != term) {
                return true;
            }
            first = term;
        }
    }
    return false;
}

bool RulesEditor::setTerm(const std::vector<int>& owners, int dayClass, int count,
                          std::string_view text)
{
    std::vector<std::int16_t*> cells;
    if (m_settings.TipoPrazo == 1) {
        cells.push_back(
            &m_rules.PrazosGerais[static_cast<std::size_t>(generalTermIndex(dayClass, count))]);
    } else {
        for (const int owner : owners) {
            if (RuleTable* table = termTableOf(owner)) {
                std::int16_t* term = &(*table)[cell(dayClass, count)];
                if (std::find(cells.begin(), cells.end(), term) == cells.end()) {
                    cells.push_back(term);
                }
            }
        }
    }
    if (cells.empty()) {
        return false;
    }
    const auto typed = typedTerm(text);
    if (const auto* refused = std::get_if<CellRefusal>(&typed)) {
        refusal(refused->text);
        return false;
    }
    for (std::int16_t* term : cells) {
        m_dirty = m_dirty || *term != *accepted(typed);
        *term = static_cast<std::int16_t>(*accepted(typed));
    }
    return true;
}

// ---- Brindes

std::vector<FreebieRule> RulesEditor::freebieRules(int dayClass) const
{
    auto rules = freebieRulesOf(m_rules.BrindesGerais, dayClass, FreebieKind::AnyTape, 0);
    for (int i = 0; i < labelCount(); ++i) {
        const auto more = freebieRulesOf(m_labels[static_cast<std::size_t>(i)].Brindes, dayClass,
                                         FreebieKind::Label, i + 1);
        rules.insert(rules.end(), more.begin(), more.end());
    }
    for (int i = 0; i < mediaCount(); ++i) {
        const auto more = freebieRulesOf(m_media[static_cast<std::size_t>(i)].Brindes, dayClass,
                                         FreebieKind::Media, i + 1);
        rules.insert(rules.end(), more.begin(), more.end());
    }
    return rules;
}

std::string RulesEditor::countedName(FreebieKind kind, int code) const
{
    switch (kind) {
    case FreebieKind::Label:
        return inList(code - 1, labelCount())
                   ? "Selo " + trim(m_labels[static_cast<std::size_t>(code - 1)].Nome)
                   : "Selo " + std::to_string(code) + " (inexistente)";
    case FreebieKind::Media:
        return inList(code - 1, mediaCount())
                   ? "Mídia " + trim(m_media[static_cast<std::size_t>(code - 1)].Nome)
                   : "Mídia " + std::to_string(code) + " (inexistente)";
    default:
        return "Qualquer Gênero";
    }
}

std::string RulesEditor::grantedName(FreebieKind kind, int code) const
{
    return kind == FreebieKind::None ? "Nenhum" : countedName(kind, code);
}

std::array<std::string, 6> RulesEditor::freebieRow(std::size_t line, const FreebieRule& rule) const
{
    return {std::to_string(line + 1),         countedName(rule.counted, rule.countedCode),
            std::to_string(rule.upTo),        std::to_string(rule.every),
            std::to_string(rule.grant.units), grantedName(rule.grant.kind, rule.grant.code)};
}

bool RulesEditor::addFreebieRule(int dayClass, const NewFreebie& rule)
{
    const auto every = typedFreebieCount(rule.every);
    if (const auto* refused = std::get_if<CellRefusal>(&every)) {
        refusal(refused->text);
        return false;
    }
    const auto size = [this](FreebieKind kind) {
        return kind == FreebieKind::Label ? labelCount() : mediaCount();
    };
    if (rule.counted != FreebieKind::AnyTape && !inList(rule.countedIndex, size(rule.counted))) {
        refusal(rule.counted == FreebieKind::Label ? "Selecione o selo das fitas contadas."
                                                   : "Selecione a mídia das fitas contadas.");
        return false;
    }
    const auto units = typedFreebieUnits(rule.units);
    if (const auto* refused = std::get_if<CellRefusal>(&units)) {
        refusal(refused->text);
        return false;
    }
    if (rule.granted != FreebieKind::AnyTape && !inList(rule.grantedIndex, size(rule.granted))) {
        refusal(rule.granted == FreebieKind::Label ? "Selecione o selo dos brindes."
                                                   : "Selecione a mídia dos brindes.");
        return false;
    }
    const int grantedCode = rule.granted == FreebieKind::AnyTape ? 0 : rule.grantedIndex + 1;
    if (grantedCode > MaxLabels) {
        refusal("Só os 255 primeiros selos podem ser dados como brinde.");
        return false;
    }
    const auto upTo = typedFreebieLimit(rule.upTo, *accepted(every));
    if (const auto* refused = std::get_if<CellRefusal>(&upTo)) {
        refusal(refused->text);
        return false;
    }
    RuleTable& table = rule.counted == FreebieKind::AnyTape ? m_rules.BrindesGerais
                       : rule.counted == FreebieKind::Label
                           ? m_labels[static_cast<std::size_t>(rule.countedIndex)].Brindes
                           : m_media[static_cast<std::size_t>(rule.countedIndex)].Brindes;
    storeFreebieRule(table, dayClass, *accepted(every), *accepted(upTo),
                     FreebieCode{*accepted(units), grantedCode, rule.granted});
    m_dirty = true;
    return true;
}

void RulesEditor::removeFreebieRule(int dayClass, const FreebieRule& rule)
{
    RuleTable* table = nullptr;
    if (rule.counted == FreebieKind::AnyTape) {
        table = &m_rules.BrindesGerais;
    } else if (rule.counted == FreebieKind::Label && inList(rule.countedCode - 1, labelCount())) {
        table = &m_labels[static_cast<std::size_t>(rule.countedCode - 1)].Brindes;
    } else if (rule.counted == FreebieKind::Media && inList(rule.countedCode - 1, mediaCount())) {
        table = &m_media[static_cast<std::size_t>(rule.countedCode - 1)].Brindes;
    }
    if (table) {
        clearFreebieRule(*table, dayClass, rule);
        m_dirty = true;
    }
}

void RulesEditor::copyFreebieRules(int dayClass)
{
    copyDayClass(m_rules.BrindesGerais, dayClass);
    for (auto& l : m_labels) {
        copyDayClass(l.Brindes, dayClass);
    }
    for (auto& m : m_media) {
        copyDayClass(m.Brindes, dayClass);
    }
    m_dirty = true;
    m_state.ports().dialogs.message("Os dados foram copiados para os outros dias da semana.",
                                    msg::Information);
}

// ---- Mensagens

RuleTable& RulesEditor::promotionTable(TableOwner owner, int index)
{
    return const_cast<RuleTable&>(std::as_const(*this).promotionTable(owner, index));
}

const RuleTable& RulesEditor::promotionTable(TableOwner owner, int index) const
{
    if (owner == TableOwner::Label && inList(index, labelCount())) {
        return m_labels[static_cast<std::size_t>(index)].Promocoes;
    }
    if (owner == TableOwner::Media && inList(index, mediaCount())) {
        return m_media[static_cast<std::size_t>(index)].Promocoes;
    }
    return m_rules.PromocoesGerais;
}

std::map<int, std::string>& RulesEditor::typedTexts(TableOwner owner, int index)
{
    return const_cast<std::map<int, std::string>&>(*std::as_const(*this).typedTexts(owner, index));
}

const std::map<int, std::string>* RulesEditor::typedTexts(TableOwner owner, int index) const
{
    if (owner == TableOwner::Label && inList(index, labelCount())) {
        return &m_labelTexts[static_cast<std::size_t>(index)];
    }
    if (owner == TableOwner::Media && inList(index, mediaCount())) {
        return &m_mediaTexts[static_cast<std::size_t>(index)];
    }
    return &m_generalTexts;
}

std::string RulesEditor::promotionText(TableOwner owner, int index, int dayClass, int count)
{
    const int at = classByCountIndex(dayClass, count);
    const auto* typed = std::as_const(*this).typedTexts(owner, index);
    if (const auto it = typed->find(at); it != typed->end()) {
        return it->second;
    }
    const std::int16_t memo = promotionTable(owner, index)[static_cast<std::size_t>(at)];
    return memo > 0 ? m_state.memos().readMemo(memo) : std::string();
}

void RulesEditor::setPromotionText(TableOwner owner, int index, int dayClass, int count,
                                   std::string_view text)
{
    if ((owner == TableOwner::Label && !inList(index, labelCount())) ||
        (owner == TableOwner::Media && !inList(index, mediaCount()))) {
        return;
    }
    if (promotionText(owner, index, dayClass, count) == text) {
        return;
    }
    typedTexts(owner, index)[classByCountIndex(dayClass, count)] = std::string(text);
    m_dirty = true;
}

// ---- Atrasos

std::string RulesEditor::fineValueText(int label) const
{
    return inList(label, labelCount())
               ? moneyCellText(m_labels[static_cast<std::size_t>(label)].ValorMulta)
               : std::string("0,50");
}

std::string RulesEditor::fineTimeText(int label) const
{
    return inList(label, labelCount())
               ? std::to_string(m_labels[static_cast<std::size_t>(label)].TempoMulta)
               : std::string();
}

bool RulesEditor::fineInHours(int label) const
{
    return inList(label, labelCount()) &&
           m_labels[static_cast<std::size_t>(label)].UnidadeMulta == LabelRecord::FineInHours;
}

bool RulesEditor::setFineValue(int label, std::string_view text)
{
    if (!inList(label, labelCount())) {
        return false;
    }
    const auto typed = typedFineValue(text);
    if (const auto* refused = std::get_if<CellRefusal>(&typed)) {
        refusal(refused->text);
        return false;
    }
    auto& value = m_labels[static_cast<std::size_t>(label)].ValorMulta;
    m_dirty = m_dirty || value != *accepted(typed);
    value = *accepted(typed);
    return true;
}

bool RulesEditor::setFineTime(int label, std::string_view text)
{
    if (!inList(label, labelCount())) {
        return false;
    }
    const auto typed = typedFineTime(text);
    if (const auto* refused = std::get_if<CellRefusal>(&typed)) {
        refusal(refused->text);
        return false;
    }
    auto& time = m_labels[static_cast<std::size_t>(label)].TempoMulta;
    m_dirty = m_dirty || time != *accepted(typed);
    time = static_cast<std::int16_t>(*accepted(typed));
    return true;
}

void RulesEditor::setFineInHours(int label, bool hours)
{
    if (!inList(label, labelCount())) {
        return;
    }
    const std::int16_t unit = hours ? LabelRecord::FineInHours : LabelRecord::FineInDays;
    auto& stored = m_labels[static_cast<std::size_t>(label)].UnidadeMulta;
    m_dirty = m_dirty || stored != unit;
    stored = unit;
}

} // namespace tavolim::core

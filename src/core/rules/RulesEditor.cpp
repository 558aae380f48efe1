#include "core/rules/RulesEditor.h"

#include "core/ports/Dialogs.h"
#include "core/rules/RuleCells.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/Cp1252.h"
#include "core/store/TextHelpers.h"

#include <algorithm>

namespace tavolim::core {
namespace {

constexpr const char* kCancelled = "A exclusão foi cancelada.";

std::string fileName(const RecordStore& records, FileKind kind)
{
    return records.filePath(kind).filename().string();
}

// Upper case of the Western code page, so that "seção" finds "SEÇÃO".
std::string folded(std::string_view text)
{
    std::string bytes = toCp1252(trim(text));
    for (char& ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
            ch = static_cast<char>(c - 0x20);
        }
    }
    return bytes;
}

// Whole records of a rule file, and a line for the damage list when its length is not a
// whole number of records.
template <class R>
std::vector<R> readWhole(const RecordStore& records, FileKind kind,
                         std::vector<std::string>& damage)
{
    std::vector<R> out;
    records.scan<R>(kind, [&](std::int32_t, const R& r) { out.push_back(r); });
    if (binaryfile::size(records.filePath(kind)) % R::Size != 0) {
        damage.push_back("O arquivo " + fileName(records, kind) +
                         " termina com um registro incompleto, que foi deixado de lado.");
    }
    return out;
}

} // namespace

RulesEditor::RulesEditor(AppState& state)
    : m_state(state), m_rules(state.records().rules()),
      m_settings(RulesSettings::of(state.options()))
{
    auto& records = state.records();
    const auto rulesSize = binaryfile::size(records.filePath(FileKind::GeneralRules));
    if (rulesSize < GeneralRulesRecord::Size) {
        m_damage.push_back("O arquivo tavolim.ini está incompleto (" + std::to_string(rulesSize) +
                           " de " + std::to_string(GeneralRulesRecord::Size) + " bytes).");
    }
    if (m_rules.NumSecoes != m_rules.sectionCount()) {
        m_damage.push_back("O número de seções (" + std::to_string(m_rules.NumSecoes) +
                           ") está fora do limite de 0 a 25.");
        m_rules.NumSecoes = static_cast<std::int16_t>(m_rules.sectionCount());
    }
    m_labels = readWhole<LabelRecord>(records, FileKind::Labels, m_damage);
    m_media = readWhole<MediaRecord>(records, FileKind::Media, m_damage);
    if (mediaCount() > MediaRecord::MaxMedia) {
        m_damage.push_back("O arquivo DadosMid.tvl tem " + std::to_string(mediaCount()) +
                           " mídias, mais que o limite de 50.");
    }
    for (auto& l : m_labels) {
        if (l.TempoMulta < 0 || (l.UnidadeMulta != LabelRecord::FineInDays &&
                                 l.UnidadeMulta != LabelRecord::FineInHours)) {
            m_damage.push_back("A multa do selo " + trim(l.Nome) +
                               " estava fora do limite e foi lida como multa em dias.");
            l.TempoMulta = std::max<std::int16_t>(l.TempoMulta, 0);
            l.UnidadeMulta = LabelRecord::FineInDays;
        }
    }
    m_labelTexts.resize(m_labels.size());
    m_mediaTexts.resize(m_media.size());
}

void RulesEditor::warnAboutDamage()
{
    if (m_damage.empty()) {
        return;
    }
    std::string text = "Os dados gerenciais estão danificados. Foi lido o que era possível:";
    for (const auto& line : m_damage) {
        text += "\n- " + line;
    }
    text += "\nConfira os dados e clique em OK para gravá-los corrigidos.";
    m_state.ports().dialogs.message(text, msg::Exclamation);
}

void RulesEditor::refusal(const std::string& text)
{
    m_state.ports().dialogs.message(text, msg::Exclamation);
}

// ---- Geral

int RulesEditor::sectionCount() const
{
    return m_rules.sectionCount();
}

std::vector<std::string> RulesEditor::sectionNames() const
{
    std::vector<std::string> names;
    for (int i = 0; i < sectionCount(); ++i) {
        names.push_back(trim(m_rules.Secoes[static_cast<std::size_t>(i)]));
    }
    return names;
}

std::vector<std::string> RulesEditor::mediaNames() const
{
    std::vector<std::string> names;
    for (const auto& m : m_media) {
        names.push_back(trim(m.Nome));
    }
    return names;
}

std::vector<std::string> RulesEditor::labelNames() const
{
    std::vector<std::string> names;
    for (const auto& l : m_labels) {
        names.push_back(trim(l.Nome));
    }
    return names;
}

bool RulesEditor::setNumRecibo(std::string_view text)
{
    const auto typed = typedReceiptNumber(text);
    if (const auto* refused = std::get_if<CellRefusal>(&typed)) {
        refusal(refused->text);
        return false;
    }
    if (m_rules.NumeroRecibo != *accepted(typed)) {
        m_rules.NumeroRecibo = *accepted(typed);
        m_dirty = true;
    }
    return true;
}

void RulesEditor::setAbreSabado(bool open)
{
    m_dirty = m_dirty || m_rules.AbreSabado != open;
    m_rules.AbreSabado = open;
}

void RulesEditor::setAbreDomingo(bool open)
{
    m_dirty = m_dirty || m_rules.AbreDomingo != open;
    m_rules.AbreDomingo = open;
}

void RulesEditor::renameSection(int index, std::string_view name)
{
    if (index < 0 || index >= sectionCount()) {
        return;
    }
    auto& stored = m_rules.Secoes[static_cast<std::size_t>(index)];
    if (trim(stored) != trim(name)) {
        stored = trim(name);
        m_dirty = true;
    }
}

void RulesEditor::renameMedia(int index, std::string_view name)
{
    if (index < 0 || index >= mediaCount()) {
        return;
    }
    auto& stored = m_media[static_cast<std::size_t>(index)].Nome;
    if (trim(stored) != trim(name)) {
        stored = trim(name);
        m_dirty = true;
    }
}

void RulesEditor::renameLabel(int index, std::string_view name)
{
    if (index < 0 || index >= labelCount()) {
        return;
    }
    auto& stored = m_labels[static_cast<std::size_t>(index)].Nome;
    if (trim(stored) != trim(name)) {
        stored = trim(name);
        m_dirty = true;
    }
}

std::string RulesEditor::maxDaysText(int label) const
{
    return std::to_string(m_labels[static_cast<std::size_t>(label)].NumMaxDias);
}

bool RulesEditor::setMaxDays(int label, std::string_view text)
{
    if (label < 0 || label >= labelCount()) {
        return false;
    }
    const auto typed = typedMaxDays(text);
    if (const auto* refused = std::get_if<CellRefusal>(&typed)) {
        refusal(refused->text);
        return false;
    }
    auto& stored = m_labels[static_cast<std::size_t>(label)].NumMaxDias;
    if (stored != *accepted(typed)) {
        stored = static_cast<std::int16_t>(*accepted(typed));
        m_dirty = true;
    }
    return true;
}

bool RulesEditor::addSection()
{
    if (sectionCount() >= GeneralRulesRecord::MaxSections) {
        refusal("O limite de seções é igual a 25.");
        return false;
    }
    m_rules.Secoes[static_cast<std::size_t>(sectionCount())] = "Nova Seção";
    ++m_rules.NumSecoes;
    m_dirty = true;
    return true;
}

bool RulesEditor::addMedia()
{
    if (mediaCount() >= MediaRecord::MaxMedia) {
        refusal("O limite de mídias é igual a 50.");
        return false;
    }
    MediaRecord m;
    m.Codigo = static_cast<std::int16_t>(mediaCount() + 1);
    m.Nome = "Nova Mídia";
    m.Prazos.fill(1);
    m_media.push_back(m);
    m_mediaTexts.emplace_back();
    m_dirty = true;
    return true;
}

bool RulesEditor::addLabel()
{
    if (labelCount() >= MaxLabels) {
        refusal("O limite de selos é igual a 255.");
        return false;
    }
    // A new label usually prices like the ones the store has; the owner adjusts from there.
    LabelRecord l;
    if (!m_labels.empty()) {
        const LabelRecord& last = m_labels.back();
        l.NumMaxDias = last.NumMaxDias;
        l.Diarias = last.Diarias;
        l.Prazos = last.Prazos;
    } else {
        l.NumMaxDias = 1;
        l.Prazos.fill(1);
    }
    l.Codigo = static_cast<std::int16_t>(labelCount() + 1);
    l.Nome = "Novo Selo";
    l.UnidadeMulta = LabelRecord::FineInDays;
    m_labels.push_back(l);
    m_labelTexts.emplace_back();
    m_dirty = true;
    return true;
}

std::optional<int> RulesEditor::askReplacementByName(const std::vector<std::string>& names,
                                                     int deleted, const char* title,
                                                     const char* prompt, const char* notFound,
                                                     const char* isDeleted)
{
    const auto answer = m_state.ports().dialogs.askText(prompt, title);
    if (!answer || trim(*answer).empty()) {
        refusal(kCancelled);
        return std::nullopt;
    }
    const std::string wanted = folded(*answer);
    bool namesDeleted = false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (folded(names[i]) != wanted) {
            continue;
        }
        // Two records of one name: the one being deleted is not the one meant.
        if (static_cast<int>(i) != deleted) {
            return static_cast<int>(i);
        }
        namesDeleted = true;
    }
    refusal(namesDeleted ? isDeleted : notFound);
    return std::nullopt;
}

bool RulesEditor::deleteSection(int index)
{
    auto& dialogs = m_state.ports().dialogs;
    if (index < 0 || index >= sectionCount()) {
        return false;
    }
    if (sectionCount() <= 1) {
        refusal("Não é possível excluir todas as seções.\nDica: Você pode simplesmente "
                "renomeá-la.");
        return false;
    }
    const auto names = sectionNames();
    if (dialogs.message("Tem certeza que deseja excluir a seção " +
                            names[static_cast<std::size_t>(index)] + " ?",
                        msg::Question + msg::YesNo) != msg::Answer::Yes) {
        return false;
    }
    const auto target = askReplacementByName(
        names, index, "Excluir Seção",
        "Caso houverem fitas nesta seção elas devem passar para uma outra.\r\nDigite abaixo o "
        "nome da seção para onde essas fitas serão movidas :",
        "A seção não foi encontrada.", "Erro: Esta é a seção que será deletada.");
    if (!target) {
        return false;
    }
    m_sectionCodes.remove(index + 1, *target + 1);
    m_tapeCaption = "Atualizando as fitas ligadas a esta seção...";
    const int count = sectionCount();
    for (int i = index; i + 1 < count; ++i) {
        m_rules.Secoes[static_cast<std::size_t>(i)] =
            m_rules.Secoes[static_cast<std::size_t>(i + 1)];
    }
    m_rules.Secoes[static_cast<std::size_t>(count - 1)].clear();
    m_rules.NumSecoes = static_cast<std::int16_t>(count - 1);
    m_dirty = true;
    return true;
}

bool RulesEditor::deleteMedia(int index)
{
    auto& dialogs = m_state.ports().dialogs;
    if (index < 0 || index >= mediaCount()) {
        return false;
    }
    if (mediaCount() <= 1) {
        refusal("Não é possível excluir todas as mídias.\nDica: Você pode simplesmente "
                "renomeá-la.");
        return false;
    }
    const auto names = mediaNames();
    if (dialogs.message("Tem certeza que deseja excluir a mídia " +
                            names[static_cast<std::size_t>(index)] + " ?",
                        msg::Question + msg::YesNo) != msg::Answer::Yes) {
        return false;
    }
    const auto target = askReplacementByName(
        names, index, "Excluir Mídia",
        "Caso houverem fitas desta mídia elas devem passar para uma outra.\r\nDigite abaixo o "
        "nome da mídia a qual essas fitas serão ligadas :",
        "A mídia não foi encontrada.", "Erro: Esta é a mídia que será deletada.");
    if (!target) {
        return false;
    }
    const int deleted = index + 1;
    const int replacement = *target + 1;
    m_mediaCodes.remove(deleted, replacement);
    m_tapeCaption = "Atualizando as fitas ligadas a esta mídia...";
    m_media.erase(m_media.begin() + index);
    m_mediaTexts.erase(m_mediaTexts.begin() + index);
    // Freebies that grant tapes of a media follow it as the tapes do.
    renumberGrants(m_rules.BrindesGerais, FreebieKind::Media, deleted, replacement);
    for (auto& l : m_labels) {
        renumberGrants(l.Brindes, FreebieKind::Media, deleted, replacement);
    }
    for (auto& m : m_media) {
        renumberGrants(m.Brindes, FreebieKind::Media, deleted, replacement);
    }
    m_dirty = true;
    return true;
}

bool RulesEditor::deleteLabel(int index)
{
    auto& dialogs = m_state.ports().dialogs;
    if (index < 0 || index >= labelCount()) {
        return false;
    }
    if (labelCount() <= 1) {
        refusal(std::string("Não é possível excluir todos os selos.") + "\n" +
                "Dica: Você pode simplesmente renomeá-lo.");
        return false;
    }
    const auto answer = dialogs.askText(
        "Caso houverem fitas com este selo estas devem ser ligadas a outro selo.\r\nDigite "
        "abaixo o número referente ao selo que será relacionado a essas fitas :",
        "Excluir Selo");
    if (!answer || trim(*answer).empty()) {
        refusal(kCancelled);
        return false;
    }
    const auto typed = typedTerm(*answer);
    const int* number = accepted(typed);
    if (!number || *number > labelCount()) {
        refusal("Este selo não existe.");
        return false;
    }
    const int deleted = index + 1;
    if (*number == deleted) {
        refusal("Erro: Este é o selo que será deletado.");
        return false;
    }
    m_labelCodes.remove(deleted, *number);
    m_tapeCaption = "Atualizando as fitas ligadas a este selo...";
    m_labels.erase(m_labels.begin() + index);
    m_labelTexts.erase(m_labelTexts.begin() + index);
    renumberGrants(m_rules.BrindesGerais, FreebieKind::Label, deleted, *number);
    for (auto& l : m_labels) {
        renumberGrants(l.Brindes, FreebieKind::Label, deleted, *number);
    }
    for (auto& m : m_media) {
        renumberGrants(m.Brindes, FreebieKind::Label, deleted, *number);
    }
    m_dirty = true;
    return true;
}

// ---- Settings

void RulesEditor::setTipoPrazo(int tipo)
{
    if (tipo >= 1 && tipo <= 3 && tipo != m_settings.TipoPrazo) {
        m_settings.TipoPrazo = tipo;
        m_dirty = true;
    }
}

void RulesEditor::setBrindeAuto(bool automatic)
{
    m_dirty = m_dirty || m_settings.BrindeAuto != automatic;
    m_settings.BrindeAuto = automatic;
}

void RulesEditor::setTipoCobraAtraso(int tipo)
{
    if (tipo >= 1 && tipo <= 5 && tipo != m_settings.TipoCobraAtraso) {
        m_settings.TipoCobraAtraso = tipo;
        m_dirty = true;
    }
}

void RulesEditor::setCobrarMulta(bool charge)
{
    m_dirty = m_dirty || m_settings.CobrarMulta != charge;
    m_settings.CobrarMulta = charge;
}

void RulesEditor::setContaBrindeDiaria(bool counts)
{
    m_dirty = m_dirty || m_settings.ContaBrindeDiaria != counts;
    m_settings.ContaBrindeDiaria = counts;
}

void RulesEditor::setContaBrindePrazo(bool counts)
{
    m_dirty = m_dirty || m_settings.ContaBrindePrazo != counts;
    m_settings.ContaBrindePrazo = counts;
}

void RulesEditor::setContaBrindeMsg(bool counts)
{
    m_dirty = m_dirty || m_settings.ContaBrindeMsg != counts;
    m_settings.ContaBrindeMsg = counts;
}

void RulesEditor::setCobraSabado(bool charge)
{
    m_dirty = m_dirty || m_rules.CobraSabado != charge;
    m_rules.CobraSabado = charge;
}

void RulesEditor::setCobraDomingo(bool charge)
{
    m_dirty = m_dirty || m_rules.CobraDomingo != charge;
    m_rules.CobraDomingo = charge;
}

// ---- OK and closing

std::optional<RulesProblem> RulesEditor::validate()
{
    using Item = RulesProblem::Item;
    std::optional<RulesProblem> found;
    const auto fail = [&](const char* text, RulesTab tab, Item item, int index) {
        refusal(text);
        found = RulesProblem{tab, item, index};
    };
    const auto sections = sectionNames();
    const auto labels = labelNames();
    const auto media = mediaNames();
    const auto blank = [](const std::vector<std::string>& names) {
        return std::find(names.begin(), names.end(), std::string()) - names.begin();
    };
    const auto noMaxDays = std::find_if(m_labels.begin(), m_labels.end(),
                                        [](const LabelRecord& l) { return l.NumMaxDias <= 0; });
    const auto noFine = std::find_if(m_labels.begin(), m_labels.end(), [](const LabelRecord& l) {
        return l.TempoMulta > 0 && !l.ValorMulta.isPositive();
    });
    if (const auto i = blank(sections); i < static_cast<long>(sections.size())) {
        fail("A seção não pode ficar em branco.", RulesTab::Geral, Item::Section,
             static_cast<int>(i));
    } else if (const auto j = blank(labels); j < static_cast<long>(labels.size())) {
        fail("O nome do selo não pode ficar em branco.", RulesTab::Geral, Item::LabelName,
             static_cast<int>(j));
    } else if (noMaxDays != m_labels.end()) {
        fail("O número máximo de dias não deve possuir valor nulo.", RulesTab::Geral,
             Item::LabelMaxDays, static_cast<int>(noMaxDays - m_labels.begin()));
    } else if (const auto k = blank(media); k < static_cast<long>(media.size())) {
        fail("O nome da mídia não pode ficar em branco.", RulesTab::Geral, Item::Media,
             static_cast<int>(k));
    } else if (m_settings.CobrarMulta && noFine != m_labels.end()) {
        fail("O valor da multa não pode ser nulo.", RulesTab::Atrasos, Item::Fine,
             static_cast<int>(noFine - m_labels.begin()));
    }
    return found;
}

bool RulesEditor::close()
{
    m_problem.reset();
    if (!m_dirty) {
        return true;
    }
    switch (m_state.ports().dialogs.message("Deseja salvar as alterações ?",
                                            msg::Question + msg::YesNoCancel)) {
    case msg::Answer::Yes:
        return save();
    case msg::Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace tavolim::core

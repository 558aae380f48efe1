// OK of the rules editor: the promotion texts, then the rule files and the settings as one
// step.
#include "core/rules/RulesEditor.h"

#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/rules/HolidayMonths.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/BinaryFile.h"
#include "core/store/StagedFiles.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <limits>
#include <tuple>

namespace tavolim::core {
namespace {

constexpr const char* kNothingChanged = "\nNenhuma alteração foi gravada.";

template <class R>
std::vector<std::uint8_t> fileOf(std::vector<R>& records)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(records.size() * R::Size);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].Codigo = static_cast<std::int16_t>(i + 1);
        const auto one = records[i].encoded();
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

// The whole file, or nullopt when it exists but could not be read in full.
std::optional<std::vector<std::uint8_t>> readFile(const std::filesystem::path& file)
{
    const auto size = binaryfile::size(file);
    std::size_t got = 0;
    auto bytes = binaryfile::readAt(file, 0, static_cast<std::size_t>(size), &got);
    if (got != size) {
        return std::nullopt;
    }
    return bytes;
}

// The fields of the general rules record that this editor owns; the others (operators,
// access rows, holidays, counters) stay as the rest of the program left them.
void takeEditedFields(const GeneralRulesRecord& from, GeneralRulesRecord& to)
{
    to.NumeroRecibo = from.NumeroRecibo;
    to.AbreSabado = from.AbreSabado;
    to.AbreDomingo = from.AbreDomingo;
    to.CobraSabado = from.CobraSabado;
    to.CobraDomingo = from.CobraDomingo;
    to.PrazosGerais = from.PrazosGerais;
    to.BrindesGerais = from.BrindesGerais;
    to.PromocoesGerais = from.PromocoesGerais;
    to.NumSecoes = from.NumSecoes;
    to.Secoes = from.Secoes;
}

} // namespace

bool RulesEditor::writePromotionTexts()
{
    MemoStore memos = m_state.memos();
    const auto writeTable = [&](RuleTable& table, std::map<int, std::string>& texts) {
        for (auto it = texts.begin(); it != texts.end(); it = texts.erase(it)) {
            std::int16_t& entry = table[static_cast<std::size_t>(it->first)];
            std::int32_t number = entry > 0 ? entry : 0;
            std::string text = trim(it->second);
            if (text.empty()) {
                if (number > 0) {
                    memos.freeMemo(number);
                }
                entry = 0;
                continue;
            }
            memos.writeMemo(number, text);
            // The tables hold an Int.
            if (number < 1 || number > std::numeric_limits<std::int16_t>::max()) {
                memos.freeMemo(number);
                refusal("Não há mais números livres para as mensagens de promoção." +
                        std::string(kNothingChanged));
                return false;
            }
            entry = static_cast<std::int16_t>(number);
        }
        return true;
    };
    bool ok = writeTable(m_rules.PromocoesGerais, m_generalTexts);
    for (std::size_t i = 0; ok && i < m_labels.size(); ++i) {
        ok = writeTable(m_labels[i].Promocoes, m_labelTexts[i]);
    }
    for (std::size_t i = 0; ok && i < m_media.size(); ++i) {
        ok = writeTable(m_media[i].Promocoes, m_mediaTexts[i]);
    }
    return ok;
}

bool RulesEditor::save()
{
    m_problem = validate();
    if (m_problem) {
        return false;
    }
    // The texts go first: the tables take their memo numbers. Refused, the editor keeps what
    // the operator typed.
    const auto draft =
        std::tuple{m_rules, m_labels, m_media, m_generalTexts, m_labelTexts, m_mediaTexts};
    {
        StoreTransaction texts(m_state);
        if (!writePromotionTexts() || !texts.commit()) {
            std::tie(m_rules, m_labels, m_media, m_generalTexts, m_labelTexts, m_mediaTexts) =
                draft;
            return false;
        }
    }
    // Then every rule file to its temporary, the settings, and the temporaries into place: a
    // failure before the renames leaves every rule file and setting as it was.
    StagedFiles staged;
    GeneralRulesRecord rules;
    if (!stageFiles(staged, rules)) {
        return false;
    }
    {
        StoreTransaction settings(m_state);
        if (!m_settings.write(m_state.config()) || !settings.commit()) {
            return false;
        }
    }
    if (!staged.commit()) {
        m_state.ports().dialogs.message(
            staged.failureMessage() +
                "\nAs alterações podem ter ficado incompletas; confira os dados gerenciais.",
            msg::Critical);
        return false;
    }
    takeEffect(rules);
    m_dirty = false;
    return true;
}

bool RulesEditor::stageFiles(StagedFiles& staged, GeneralRulesRecord& rules)
{
    auto& records = m_state.records();
    const TapeRenumbering codes{m_sectionCodes, m_labelCodes, m_mediaCodes};
    const auto failed = [&](const std::string& text) {
        m_state.ports().dialogs.message(text + kNothingChanged, msg::Critical);
        return false;
    };
    if (!codes.empty()) {
        const auto tapesFile = records.filePath(FileKind::Tapes);
        auto tapes = readFile(tapesFile);
        if (!tapes) {
            return failed("Não foi possível ler o arquivo " + tapesFile.filename().string() + ".");
        }
        auto& progress = m_state.ports().progress;
        const int total = static_cast<int>(tapes->size() / TapeRecord::Size);
        progress.begin(m_tapeCaption, 0, total);
        const int changed =
            renumberTapes(*tapes, codes, [&](int done, int) { progress.step(done); });
        progress.end();
        if (changed > 0 && !staged.stage(tapesFile, *tapes)) {
            return failed(staged.failureMessage());
        }
    }
    const auto stageIfChanged = [&](const std::filesystem::path& file,
                                    const std::vector<std::uint8_t>& bytes) {
        return readFile(file) == bytes || staged.stage(file, bytes);
    };
    if (!stageIfChanged(records.filePath(FileKind::Labels), fileOf(m_labels)) ||
        !stageIfChanged(records.filePath(FileKind::Media), fileOf(m_media))) {
        return failed(staged.failureMessage());
    }
    rules = records.rules();
    takeEditedFields(m_rules, rules);
    const auto rulesFile = records.filePath(FileKind::GeneralRules);
    auto ini = readFile(rulesFile).value_or(std::vector<std::uint8_t>());
    const auto before = ini;
    if (ini.size() < GeneralRulesRecord::Size) {
        ini.resize(GeneralRulesRecord::Size, 0);
    }
    rules.encode(std::span<std::uint8_t>(ini).first(GeneralRulesRecord::Size));
    if (ini != before && !staged.stage(rulesFile, ini)) {
        return failed(staged.failureMessage());
    }
    return true;
}

void RulesEditor::takeEffect(const GeneralRulesRecord& rules)
{
    // What the counter reads from now on.
    auto& records = m_state.records();
    records.rules() = rules;
    m_rules = rules;
    m_settings.applyTo(m_state.options());
    if (const int code = records.label().Codigo; code > 0) {
        records.label() = records.load<LabelRecord>(m_labelCodes.map(code));
    }
    if (const int code = records.media().Codigo; code > 0) {
        records.media() = records.load<MediaRecord>(m_mediaCodes.map(code));
    }
    TapeRecord& tape = records.tape();
    tape.Secao = static_cast<std::int16_t>(m_sectionCodes.map(tape.Secao));
    tape.Selo = static_cast<std::int16_t>(m_labelCodes.map(tape.Selo));
    tape.Midia = static_cast<std::int16_t>(m_mediaCodes.map(tape.Midia));
    m_sectionCodes = {};
    m_labelCodes = {};
    m_mediaCodes = {};
    refreshMinimumTerm(m_state);
}

} // namespace tavolim::core

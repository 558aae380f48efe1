#pragma once

#include "core/rules/CodeRenumbering.h"
#include "core/rules/FreebieRules.h"
#include "core/rules/RulesSettings.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

class AppState;
class StagedFiles;

// The six tabs of frmDadosGer, in their order.
enum class RulesTab { Geral, Diarias, Prazos, Brindes, Mensagens, Atrasos };

// Where a refused OK sends the operator: the tab, the list and the 0-based line.
struct RulesProblem {
    enum class Item { Section, LabelName, LabelMaxDays, Media, Fine };
    RulesTab tab = RulesTab::Geral;
    Item item = Item::Section;
    int index = 0;

    bool operator==(const RulesProblem&) const = default;
};

// Whose rule table a cell belongs to: the general rules record's, or a label's or a media's
// (by 0-based position in its list).
enum class TableOwner { General, Label, Media };

// The model of frmDadosGer, "Dados Gerenciais da Locadora": media, sections, labels, prices,
// terms, freebies, promotion messages, opening and charging days, late charging and fines,
// and the receipt number, all edited on copies. Nothing reaches a file before save(), which
// validates in the documented order and then writes every file that changed as one step: the
// tapes re-pointed for the labels, media and sections deleted, the label and media files
// rewritten without them, the general rules record and the settings. The process-wide rules
// record and options take the new values at once, so the next rental uses them.
//
// Labels, media and sections are addressed by 0-based position; a record's code is its
// position + 1. Typed values are checked as RuleCells says; a refusal shows its message and
// changes nothing.
class RulesEditor {
public:
    static constexpr int MaxLabels = 255; // a freebie names a label in 8 bits

    explicit RulesEditor(AppState& state);

    // What was wrong with the rule files when they were read (empty when nothing).
    const std::vector<std::string>& damage() const { return m_damage; }
    // Tells the operator what could not be read, if anything.
    void warnAboutDamage();

    bool isDirty() const { return m_dirty; }

    // ---- Geral
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> mediaNames() const;
    std::vector<std::string> labelNames() const;
    int sectionCount() const;
    int mediaCount() const { return static_cast<int>(m_media.size()); }
    int labelCount() const { return static_cast<int>(m_labels.size()); }
    const LabelRecord& label(int index) const { return m_labels[static_cast<std::size_t>(index)]; }
    const MediaRecord& media(int index) const { return m_media[static_cast<std::size_t>(index)]; }

    std::string numRecibo() const { return std::to_string(m_rules.NumeroRecibo); }
    bool setNumRecibo(std::string_view text);
    bool abreSabado() const { return m_rules.AbreSabado; }
    bool abreDomingo() const { return m_rules.AbreDomingo; }
    void setAbreSabado(bool open);
    void setAbreDomingo(bool open);

    void renameSection(int index, std::string_view name);
    void renameMedia(int index, std::string_view name);
    void renameLabel(int index, std::string_view name);
    std::string maxDaysText(int label) const;
    bool setMaxDays(int label, std::string_view text);

    // Appends "Nova Seção", "Nova Mídia" (terms 1) or "Novo Selo" (the last label's prices,
    // terms and longest term); false with the limit's message when full.
    bool addSection();
    bool addMedia();
    bool addLabel();
    // Ask, take the replacement and drop the record; false when refused or cancelled.
    bool deleteSection(int index);
    bool deleteMedia(int index);
    bool deleteLabel(int index);

    // ---- Diárias: the prices of the labels selected; an edit goes to each of them.
    std::string priceText(const std::vector<int>& labels, int dayClass, int count) const;
    // True when the selected labels do not all hold the same price there.
    bool pricesDiffer(const std::vector<int>& labels, int dayClass, int count) const;
    bool setPrice(const std::vector<int>& labels, int dayClass, int count, std::string_view text);

    // ---- Prazos: the table TipoPrazo names; `owners` are the labels or media selected and
    // are not used while terms count all tapes together.
    int tipoPrazo() const { return m_settings.TipoPrazo; }
    void setTipoPrazo(int tipo);
    std::string termText(const std::vector<int>& owners, int dayClass, int count) const;
    bool termsDiffer(const std::vector<int>& owners, int dayClass, int count) const;
    bool setTerm(const std::vector<int>& owners, int dayClass, int count, std::string_view text);

    // ---- Brindes
    // Every rule of the day class: the general table's, then each label's, then each media's.
    std::vector<FreebieRule> freebieRules(int dayClass) const;
    // A line of FlexBrindes: "N°", "Descrição", "N°Máx.", "N°Fitas", "N°Brindes", "Exceção".
    std::array<std::string, 6> freebieRow(std::size_t line, const FreebieRule& rule) const;
    // "A cada" `every` tapes of the counted kind (AnyTape, or Label/Media with its 0-based
    // position), repeating up to `upTo` (empty: no repetition), grants `units` of the granted
    // kind. False with its message when a value or a qualifier is missing or wrong.
    struct NewFreebie {
        FreebieKind counted = FreebieKind::AnyTape;
        int countedIndex = -1;
        std::string every;
        std::string upTo;
        std::string units;
        FreebieKind granted = FreebieKind::AnyTape;
        int grantedIndex = -1;
    };
    bool addFreebieRule(int dayClass, const NewFreebie& rule);
    void removeFreebieRule(int dayClass, const FreebieRule& rule);
    // The rules of the day class become those of the other two; says so.
    void copyFreebieRules(int dayClass);
    bool brindeAuto() const { return m_settings.BrindeAuto; }
    void setBrindeAuto(bool automatic);

    // ---- Mensagens: promotion texts by table, day class and count.
    std::string promotionText(TableOwner owner, int index, int dayClass, int count);
    void setPromotionText(TableOwner owner, int index, int dayClass, int count,
                          std::string_view text);

    // ---- Atrasos, and the freebie counting boxes of the other tabs
    const RulesSettings& settings() const { return m_settings; }
    void setTipoCobraAtraso(int tipo);
    void setCobrarMulta(bool charge);
    void setContaBrindeDiaria(bool counts);
    void setContaBrindePrazo(bool counts);
    void setContaBrindeMsg(bool counts);
    bool cobraSabado() const { return m_rules.CobraSabado; }
    bool cobraDomingo() const { return m_rules.CobraDomingo; }
    void setCobraSabado(bool charge);
    void setCobraDomingo(bool charge);
    std::string fineValueText(int label) const;
    std::string fineTimeText(int label) const;
    bool fineInHours(int label) const;
    bool setFineValue(int label, std::string_view text);
    bool setFineTime(int label, std::string_view text);
    void setFineInHours(int label, bool hours);

    // ---- OK, Cancel and closing
    // The checks of OK in their order; the first failing one is shown and returned.
    std::optional<RulesProblem> validate();
    // OK: validates, then writes. False when refused (problem() says where) or when a file
    // could not be written (its message was shown and the files stay as they were).
    bool save();
    const std::optional<RulesProblem>& problem() const { return m_problem; }
    // Closing by other means than OK or Cancel: after a change, "Deseja salvar as
    // alterações ?"; false keeps the window open (Cancel, or a refused save).
    bool close();

private:
    RuleTable* termTableOf(int owner);
    const RuleTable* termTableOf(int owner) const;
    RuleTable& promotionTable(TableOwner owner, int index);
    const RuleTable& promotionTable(TableOwner owner, int index) const;
    std::map<int, std::string>& typedTexts(TableOwner owner, int index);
    const std::map<int, std::string>* typedTexts(TableOwner owner, int index) const;
    std::string grantedName(FreebieKind kind, int code) const;
    std::string countedName(FreebieKind kind, int code) const;
    // The replacement typed in the deletion prompt, or nullopt after its message.
    std::optional<int> askReplacementByName(const std::vector<std::string>& names, int deleted,
                                            const char* title, const char* prompt,
                                            const char* notFound, const char* isDeleted);
    bool writePromotionTexts();
    // Every rule file that changed, to its temporary; `rules` is the general rules record
    // that goes with them. False after telling the operator.
    bool stageFiles(StagedFiles& staged, GeneralRulesRecord& rules);
    // The files are in place: the process-wide records and options take the new rules.
    void takeEffect(const GeneralRulesRecord& rules);
    void refusal(const std::string& text);

    AppState& m_state;
    GeneralRulesRecord m_rules;
    std::vector<LabelRecord> m_labels;
    std::vector<MediaRecord> m_media;
    RulesSettings m_settings;
    // The promotion texts typed, by table entry; parallel to m_labels and m_media.
    std::map<int, std::string> m_generalTexts;
    std::vector<std::map<int, std::string>> m_labelTexts;
    std::vector<std::map<int, std::string>> m_mediaTexts;
    CodeRenumbering m_sectionCodes;
    CodeRenumbering m_labelCodes;
    CodeRenumbering m_mediaCodes;
    std::string m_tapeCaption; // the status line of the tapes' update
    std::vector<std::string> m_damage;
    std::optional<RulesProblem> m_problem;
    bool m_dirty = false;
};

} // namespace tavolim::core

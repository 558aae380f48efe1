#pragma once

#include "core/reports/RecordLists.h"
#include "core/tools/DataFields.h"
#include "core/tools/FieldValues.h"
#include "core/tools/RecordWalk.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

class AppState;
class RecordStore;

inline constexpr std::string_view kSameData = "Os dados selecionados são iguais.";
inline constexpr std::string_view kFillQuestion =
    "Tem certeza que deseja preencher todos os campos com este dado, apagando os dados "
    "anteriores ?";
inline constexpr std::string_view kClearQuestion =
    "Tem certeza que deseja apagar todos os dados deste campo ?";
inline constexpr std::string_view kHashName =
    "Um nome não pode começar com \"#\", a marca dos registros excluídos.";
inline constexpr std::string_view kDeletedChoice =
    "O distribuidor escolhido foi excluído; escolha outro.";

// The controls that frmLocalizar, frmSubstituir, frmInsCampo3 and frmApagCampo share.
struct DataToolForm {
    DataKind cboTipo = DataKind::Clients;
    int lstCampo = 0;  // index in dataFields(cboTipo); -1 = none
    ValueBox conteudo; // the value sought, or the one to fill with
    ValueBox novo;     // frmSubstituir: the new value
    bool chkPalavraSo = false;
    bool chkCoincMM = false;
    bool optTodos = true; // else optAlguns: txtDe to txtAte
    std::string txtDe;
    std::string txtAte;
};

// An entry of cboConteudo: its text and whether it may be given as a new value (a deleted
// distributor keeps its place in the list but is no longer one to refer to).
struct Choice {
    std::string text;
    bool usable = true;
};

// The entries for a List field by position (position + 1 is the number stored): the section
// names of the rules, the labels, the media or the distributors.
std::vector<Choice> fieldChoices(const RecordStore& records, ChoiceList list);

// The model of the four windows: the form, the field's value controls and captions, and the
// operations behind cmdLocalizar, cmdSubstituir, cmdInserir and cmdApagar. The operations tell
// the operator through the Dialogs port.
class DataTool {
public:
    explicit DataTool(AppState& state);

    DataToolForm form;

    std::span<const FieldInfo> fields() const { return dataFields(form.cboTipo); }
    const FieldInfo* field() const;
    std::vector<Choice> choices() const;
    // "Localizar - " and "Substituir por - " with the field's name (lblConteudo).
    std::string soughtCaption() const;
    std::string newCaption() const;

    // cmdLocalizar: the rows to show in the list window, or nullopt once the operator has been
    // told why there are none (a wrong range, nothing found) or stopped the search.
    std::optional<RecordList> find();
    // cmdSubstituir, cmdInserir, cmdApagar: true when the run went through to the end.
    bool replace();
    bool fill();
    bool clear();

private:
    std::optional<RecordRange> range() const;
    bool refuseNewValue(const FieldInfo& field, const ValueBox& value) const;

    AppState& m_state;
};

// The value of a field given as text, as tavolim-tool takes it: the text itself, an option
// caption ("masculino", "feminino"...) for a yes/no field, or a list entry by name or number.
// nullopt when the text names no option or entry.
std::optional<ValueBox> valueFromText(const RecordStore& records, const FieldInfo& field,
                                      std::string_view text);

} // namespace tavolim::core

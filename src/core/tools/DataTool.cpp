#include "core/tools/DataTool.h"

#include "core/ports/Dialogs.h"
#include "core/registers/NameMatch.h"
#include "core/registers/RegisterModel.h"
#include "core/state/AppState.h"
#include "core/store/Cp1252.h"
#include "core/store/DistributorRecord.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/TextHelpers.h"
#include "core/tools/BulkEdit.h"
#include "core/tools/FieldEdit.h"

namespace tavolim::core {
namespace {

std::optional<TextMatcher> matcherFor(const FieldInfo& field, const DataToolForm& form)
{
    if (!field.isTextual()) {
        return std::nullopt;
    }
    return TextMatcher(toCp1252(toolPattern(form.conteudo.txtConteudo, form.chkPalavraSo)),
                       form.chkCoincMM);
}

bool isNameField(DataKind kind, const FieldInfo& field)
{
    const FileKind file = dataKindInfo(kind).file;
    const auto slot = fieldSlot(file, field.recordField);
    return slot && slot->offset == fileKindInfo(file).nameOffset;
}

// Upper-cased code-page bytes, for comparing names the operator typed.
std::string folded(std::string_view utf8)
{
    std::string bytes = toCp1252(trim(utf8));
    for (char& c : bytes) {
        c = static_cast<char>(upperCp1252(static_cast<std::uint8_t>(c)));
    }
    return bytes;
}

// "C&asado(a)" as typed: "casado" (the "(a)" and the access key left out).
std::string optionWord(std::string_view caption)
{
    std::string word;
    for (const char c : caption) {
        if (c != '&') {
            word += c;
        }
    }
    if (const auto paren = word.find('('); paren != std::string::npos) {
        word.erase(paren);
    }
    return folded(word);
}

} // namespace

std::vector<Choice> fieldChoices(const RecordStore& records, ChoiceList list)
{
    std::vector<Choice> choices;
    switch (list) {
    case ChoiceList::None:
        break;
    case ChoiceList::Sections: {
        const auto rules = records.load<GeneralRulesRecord>(1);
        for (int i = 0; i < rules.sectionCount(); ++i) {
            choices.push_back({trim(rules.Secoes[static_cast<std::size_t>(i)])});
        }
        break;
    }
    case ChoiceList::Labels:
        records.scan<LabelRecord>(FileKind::Labels, [&](std::int32_t, const LabelRecord& r) {
            choices.push_back({trim(r.Nome)});
        });
        break;
    case ChoiceList::Media:
        records.scan<MediaRecord>(FileKind::Media, [&](std::int32_t, const MediaRecord& r) {
            choices.push_back({trim(r.Nome)});
        });
        break;
    case ChoiceList::Distributors:
        records.scan<DistributorRecord>(
            FileKind::Distributors, [&](std::int32_t, const DistributorRecord& r) {
                if (isDeletedName(r.Nome)) {
                    choices.push_back({std::string("#") + RegisterModel::DeletedText + "#", false});
                } else {
                    choices.push_back({trim(r.Nome), r.Codigo != 0});
                }
            });
        break;
    }
    return choices;
}

DataTool::DataTool(AppState& state) : m_state(state) {}

const FieldInfo* DataTool::field() const
{
    const auto all = fields();
    if (form.lstCampo < 0 || static_cast<std::size_t>(form.lstCampo) >= all.size()) {
        return nullptr;
    }
    return &all[static_cast<std::size_t>(form.lstCampo)];
}

std::vector<Choice> DataTool::choices() const
{
    const FieldInfo* f = field();
    return f ? fieldChoices(m_state.records(), f->choices) : std::vector<Choice>{};
}

std::string DataTool::soughtCaption() const
{
    const FieldInfo* f = field();
    return "Localizar - " + std::string(f ? f->name : "");
}

std::string DataTool::newCaption() const
{
    const FieldInfo* f = field();
    return "Substituir por - " + std::string(f ? f->name : "");
}

std::optional<RecordRange> DataTool::range() const
{
    const auto count = m_state.records().recordCount(dataKindInfo(form.cboTipo).file);
    const auto r = rangeFromForm(form.optTodos, form.txtDe, form.txtAte, count);
    if (!r) {
        m_state.ports().dialogs.message(std::string(kBadRange), msg::Exclamation);
    }
    return r;
}

bool DataTool::refuseNewValue(const FieldInfo& f, const ValueBox& value) const
{
    auto& dialogs = m_state.ports().dialogs;
    if (f.type == FieldType::Text && isNameField(form.cboTipo, f) &&
        isDeletedName(trim(value.txtConteudo))) {
        dialogs.message(std::string(kHashName), msg::Exclamation);
        return true;
    }
    if (f.type == FieldType::List && value.cboConteudo > 0) {
        const auto list = fieldChoices(m_state.records(), f.choices);
        const auto at = static_cast<std::size_t>(value.cboConteudo - 1);
        if (at >= list.size() || !list[at].usable) {
            dialogs.message(std::string(kDeletedChoice), msg::Exclamation);
            return true;
        }
    }
    return false;
}

std::optional<RecordList> DataTool::find()
{
    const FieldInfo* f = field();
    if (!f) {
        return std::nullopt;
    }
    const auto r = range();
    if (!r) {
        return std::nullopt;
    }
    const MemoStore memos = m_state.memos();
    const SynopsisStore synopses = m_state.synopses();
    const FieldTest test(*f, matcherFor(*f, form), typedScalar(*f, form.conteudo), memos, synopses);
    auto found = findRecords(m_state, form.cboTipo, *r, test);
    if (found.cancelled) {
        return std::nullopt;
    }
    if (found.list.rows.empty()) {
        m_state.ports().dialogs.message(std::string(dataKindInfo(form.cboTipo).noneFound),
                                        msg::Information);
        return std::nullopt;
    }
    return std::move(found.list);
}

bool DataTool::replace()
{
    const FieldInfo* f = field();
    if (!f) {
        return false;
    }
    const bool same = f->isTextual()
                          ? trim(form.conteudo.txtConteudo) == trim(form.novo.txtConteudo)
                          : typedScalar(*f, form.conteudo) == typedScalar(*f, form.novo);
    if (same) {
        m_state.ports().dialogs.message(std::string(kSameData), msg::Exclamation);
        return false;
    }
    if (refuseNewValue(*f, form.novo)) {
        return false;
    }
    const auto r = range();
    if (!r) {
        return false;
    }
    const MemoStore memos = m_state.memos();
    const SynopsisStore synopses = m_state.synopses();
    const auto matcher = matcherFor(*f, form);
    const FieldTest test(*f, matcher, typedScalar(*f, form.conteudo), memos, synopses);
    const FieldEditor editor = matcher
                                   ? FieldEditor::replaceText(*f, *matcher, form.novo.txtConteudo)
                                   : FieldEditor::replaceValue(*f, typedScalar(*f, form.conteudo),
                                                               typedScalar(*f, form.novo));
    const RunResult result =
        editRecords(m_state, form.cboTipo, *r, editor, &test, "Substituindo...");
    tellRunEnd(m_state.ports().dialogs, result);
    return result.end == RunEnd::Completed;
}

bool DataTool::fill()
{
    const FieldInfo* f = field();
    if (!f) {
        return false;
    }
    if (m_state.ports().dialogs.message(std::string(kFillQuestion), msg::Question + msg::YesNo) !=
        msg::Answer::Yes) {
        return false;
    }
    if (refuseNewValue(*f, form.conteudo)) {
        return false;
    }
    const auto r = range();
    if (!r) {
        return false;
    }
    const FieldEditor editor =
        FieldEditor::fill(*f, form.conteudo.txtConteudo, typedScalar(*f, form.conteudo));
    const RunResult result =
        editRecords(m_state, form.cboTipo, *r, editor, nullptr, "Preenchendo o campo...");
    tellRunEnd(m_state.ports().dialogs, result);
    return result.end == RunEnd::Completed;
}

bool DataTool::clear()
{
    const FieldInfo* f = field();
    if (!f) {
        return false;
    }
    if (m_state.ports().dialogs.message(std::string(kClearQuestion), msg::Question + msg::YesNo) !=
        msg::Answer::Yes) {
        return false;
    }
    const auto r = range();
    if (!r) {
        return false;
    }
    const RunResult result = editRecords(m_state, form.cboTipo, *r, FieldEditor::clear(*f), nullptr,
                                         "Apagando o campo...");
    tellRunEnd(m_state.ports().dialogs, result);
    return result.end == RunEnd::Completed;
}

std::optional<ValueBox> valueFromText(const RecordStore& records, const FieldInfo& field,
                                      std::string_view text)
{
    ValueBox value;
    if (field.type == FieldType::YesNo) {
        const std::string typed = folded(text);
        if (typed == optionWord(field.yes) || typed == optionWord(field.yes) + "(A)") {
            value.Option1 = true;
        } else if (typed == optionWord(field.no) || typed == optionWord(field.no) + "(A)") {
            value.Option1 = false;
        } else {
            return std::nullopt;
        }
        return value;
    }
    if (field.type == FieldType::List) {
        const auto choices = fieldChoices(records, field.choices);
        const std::string typed = folded(text);
        for (std::size_t i = 0; i < choices.size(); ++i) {
            if (choices[i].usable && folded(choices[i].text) == typed) {
                value.cboConteudo = static_cast<int>(i) + 1;
                return value;
            }
        }
        const std::string digits = trim(text);
        if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos &&
            digits.size() <= 5) {
            const int n = std::stoi(digits);
            if (n >= 1 && static_cast<std::size_t>(n) <= choices.size()) {
                value.cboConteudo = n;
                return value;
            }
        }
        return std::nullopt;
    }
    value.txtConteudo = std::string(text);
    return value;
}

} // namespace tavolim::core

#include "core/tools/FieldEdit.h"

#include "core/store/ClientRecord.h"
#include "core/store/Cp1252.h"
#include "core/store/CurrentRecords.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/MemoStore.h"
#include "core/store/ProductRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>

namespace tavolim::core {
namespace {

std::string cutToWidth(std::string bytes, std::size_t width)
{
    if (width > 0 && bytes.size() > width) {
        bytes.resize(width);
    }
    return bytes;
}

std::string synopsisText(const SynopsisStore& synopses, std::int32_t position, std::int16_t length)
{
    return synopses.readSynopsis(position, length);
}

} // namespace

FieldTest::FieldTest(const FieldInfo& field, std::optional<TextMatcher> matcher, Scalar sought,
                     const MemoStore& memos, const SynopsisStore& synopses)
    : m_field(field), m_matcher(std::move(matcher)), m_sought(sought), m_memos(memos),
      m_synopses(synopses)
{
    for (std::size_t k = 0; k < m_slots.size(); ++k) {
        m_slots[k] = fieldSlot(static_cast<FileKind>(k), field.recordField);
    }
    if (field.type == FieldType::Synopsis) {
        m_lengthOffset = fieldSlot(FileKind::Tapes, "TamSinopse")->offset;
    }
}

std::optional<FieldSlot> FieldTest::slot(FileKind file) const
{
    const auto k = static_cast<std::size_t>(file);
    return k < m_slots.size() ? m_slots[k] : std::nullopt;
}

bool FieldTest::matches(FileKind file, std::span<const std::uint8_t> bytes) const
{
    const auto where = slot(file);
    if (!where) {
        return false;
    }
    const auto scalar = [&] { return rawScalar(m_field.type, bytes, where->offset); };
    switch (m_field.type) {
    case FieldType::Text: {
        const auto text = bytes.subspan(where->offset, where->width);
        return m_matcher &&
               m_matcher->matches({reinterpret_cast<const char*>(text.data()), text.size()});
    }
    case FieldType::Cep:
        return m_matcher &&
               m_matcher->matches(cepToText(static_cast<std::int32_t>(scalar().integer)));
    case FieldType::Memo: {
        const auto number = static_cast<std::int32_t>(scalar().integer);
        return m_matcher && number != 0 && m_matcher->matches(toCp1252(m_memos.readMemo(number)));
    }
    case FieldType::Synopsis: {
        const auto position = static_cast<std::int32_t>(scalar().integer);
        const auto length =
            static_cast<std::int16_t>(rawScalar(FieldType::Number, bytes, m_lengthOffset).integer);
        return m_matcher && position > 0 && length > 0 &&
               m_matcher->matches(toCp1252(synopsisText(m_synopses, position, length)));
    }
    default:
        return scalar() == m_sought;
    }
}

FieldEditor FieldEditor::replaceText(const FieldInfo& field, TextMatcher matcher,
                                     const std::string& newText)
{
    FieldEditor editor(field, Mode::Replace);
    editor.m_matcher = std::move(matcher);
    editor.m_text = toCp1252(trim(newText));
    return editor;
}

FieldEditor FieldEditor::replaceValue(const FieldInfo& field, Scalar sought, Scalar value)
{
    FieldEditor editor(field, Mode::Replace);
    editor.m_sought = sought;
    editor.m_value = value;
    return editor;
}

FieldEditor FieldEditor::fill(const FieldInfo& field, std::string text, Scalar value)
{
    FieldEditor editor(field, Mode::Fill);
    editor.m_text = trim(text);
    editor.m_value = value;
    return editor;
}

FieldEditor FieldEditor::clear(const FieldInfo& field)
{
    FieldEditor editor(field, Mode::Clear);
    editor.m_value = clearedScalar(field.type);
    return editor;
}

std::optional<std::string> FieldEditor::editedText(const std::string& current) const
{
    const std::string bytes = toCp1252(current);
    if (!m_matcher || !m_matcher->matches(bytes)) {
        return std::nullopt;
    }
    return fromCp1252(m_matcher->replaceAll(bytes, m_text));
}

template <class R>
bool FieldEditor::apply(R& record, std::int32_t number, EditContext& context) const
{
    const FieldRef ref = fieldRef(record, m_field->recordField);
    if (std::holds_alternative<std::monostate>(ref)) {
        return false;
    }
    switch (m_field->type) {
    case FieldType::Text: {
        std::string& text = *std::get<std::string*>(ref);
        const std::size_t width = fieldSlot(kindOf<R>(), m_field->recordField)->width;
        std::string changed;
        if (m_mode == Mode::Replace) {
            const auto edited = editedText(text);
            if (!edited) {
                return false;
            }
            changed = *edited;
        } else if (m_mode == Mode::Fill) {
            changed = m_text;
        }
        changed = fromCp1252(cutToWidth(toCp1252(changed), width));
        if (&text == &record.name() && isDeletedName(changed)) {
            return false;
        }
        if (changed == trim(text)) {
            return false;
        }
        text = changed;
        return true;
    }
    case FieldType::Cep: {
        auto& cep = *std::get<std::int32_t*>(ref);
        std::int32_t changed = m_value.integer;
        if (m_mode == Mode::Replace) {
            const auto edited = editedText(cepToText(cep));
            if (!edited) {
                return false;
            }
            changed = textToCep(*edited);
        } else if (m_mode == Mode::Fill) {
            changed = textToCep(m_text);
        }
        if (changed == cep) {
            return false;
        }
        cep = changed;
        return true;
    }
    case FieldType::Memo: {
        auto& memo = *std::get<std::int32_t*>(ref);
        if (m_mode == Mode::Clear) {
            if (memo == 0) {
                return false;
            }
            context.memos.freeMemo(memo);
            memo = 0;
            return true;
        }
        std::string text = m_text;
        if (m_mode == Mode::Fill && text.empty() && memo == 0) {
            return false;
        }
        if (m_mode == Mode::Replace) {
            if (memo == 0) {
                return false;
            }
            const auto edited = editedText(context.memos.readMemo(memo));
            if (!edited) {
                return false;
            }
            text = *edited;
        }
        context.memos.writeMemo(memo, text);
        return true;
    }
    case FieldType::Synopsis:
        if constexpr (std::is_same_v<R, TapeRecord>) {
            std::string text = m_text;
            if (m_mode == Mode::Replace) {
                const auto edited =
                    editedText(synopsisText(context.synopses, record.Sinopse, record.TamSinopse));
                if (!edited) {
                    return false;
                }
                text = *edited;
            } else if (m_mode == Mode::Clear) {
                text.clear();
                if (record.Sinopse == 0 && record.TamSinopse == 0) {
                    return false;
                }
            }
            const auto n = static_cast<std::size_t>(number);
            if (m_mode != Mode::Clear && context.sharedSynopsis &&
                n < context.sharedSynopsis->size() && (*context.sharedSynopsis)[n]) {
                // Written anew, so the tapes that point into the same block keep theirs.
                record.Sinopse = 0;
                record.TamSinopse = 0;
            }
            context.synopses.writeSynopsis(record.Sinopse, record.TamSinopse, text);
            return true;
        } else {
            return false;
        }
    default: {
        const Scalar current = scalarOf(ref);
        if (m_mode == Mode::Replace && !(current == m_sought)) {
            return false;
        }
        setScalar(ref, m_value);
        return !(scalarOf(ref) == current);
    }
    }
}

template bool FieldEditor::apply(ClientRecord&, std::int32_t, EditContext&) const;
template bool FieldEditor::apply(DependentRecord&, std::int32_t, EditContext&) const;
template bool FieldEditor::apply(TapeRecord&, std::int32_t, EditContext&) const;
template bool FieldEditor::apply(ProductRecord&, std::int32_t, EditContext&) const;
template bool FieldEditor::apply(DistributorRecord&, std::int32_t, EditContext&) const;

std::vector<bool> tapesSharingSynopsis(const RecordStore& records)
{
    struct Block {
        std::int64_t start;
        std::int64_t end;
        std::int32_t tape;
    };
    std::vector<Block> blocks;
    const std::size_t positionOffset = fieldSlot(FileKind::Tapes, "Sinopse")->offset;
    const std::size_t lengthOffset = fieldSlot(FileKind::Tapes, "TamSinopse")->offset;
    records.scanRaw(FileKind::Tapes, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
        const auto position = rawScalar(FieldType::Memo, bytes, positionOffset).integer;
        const auto length = rawScalar(FieldType::Number, bytes, lengthOffset).integer;
        if (position > 0 && length > 0) {
            blocks.push_back({position, position + length, n});
        }
    });
    std::sort(blocks.begin(), blocks.end(),
              [](const Block& a, const Block& b) { return a.start < b.start; });
    std::vector<bool> shared(static_cast<std::size_t>(records.recordCount(FileKind::Tapes)) + 1);
    // Runs of blocks that overlap one another; every block of a run of two or more is shared.
    std::size_t runStart = 0;
    std::int64_t runEnd = 0;
    for (std::size_t i = 0; i <= blocks.size(); ++i) {
        if (i < blocks.size() && i > runStart && blocks[i].start < runEnd) {
            runEnd = std::max(runEnd, blocks[i].end);
            continue;
        }
        if (i - runStart >= 2) {
            for (std::size_t j = runStart; j < i; ++j) {
                shared[static_cast<std::size_t>(blocks[j].tape)] = true;
            }
        }
        if (i < blocks.size()) {
            runStart = i;
            runEnd = blocks[i].end;
        }
    }
    return shared;
}

} // namespace tavolim::core

#pragma once

#include "core/tools/DataFields.h"
#include "core/tools/FieldValues.h"
#include "core/tools/TextMatcher.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavolim::core {

class MemoStore;
class RecordStore;
class SynopsisStore;

// The chosen field of a record's stored bytes against the value sought: the matcher on the
// text of a textual field (the field itself, the CEP's "@@@@@-@@@" form, the memo's or the
// synopsis's text), equality of the converted value otherwise. A record without the field
// (a dependent has no Tipo Casa) never matches.
class FieldTest {
public:
    FieldTest(const FieldInfo& field, std::optional<TextMatcher> matcher, Scalar sought,
              const MemoStore& memos, const SynopsisStore& synopses);

    bool matches(FileKind file, std::span<const std::uint8_t> bytes) const;

private:
    std::optional<FieldSlot> slot(FileKind file) const;

    const FieldInfo& m_field;
    std::optional<TextMatcher> m_matcher;
    Scalar m_sought;
    const MemoStore& m_memos;
    const SynopsisStore& m_synopses;
    std::array<std::optional<FieldSlot>, 12> m_slots; // by file kind, found once
    std::size_t m_lengthOffset = 0;                   // TamSinopse
};

// What a bulk edit reaches besides the record: the memo and synopsis stores, and the tapes
// whose synopsis block another tape points into too.
struct EditContext {
    MemoStore& memos;
    SynopsisStore& synopses;
    const std::vector<bool>* sharedSynopsis = nullptr; // by tape number
};

// One bulk edit of the chosen field: replace, fill or clear.
class FieldEditor {
public:
    // Every accepted occurrence of the matcher's text becomes `newText` (UTF-8).
    static FieldEditor replaceText(const FieldInfo& field, TextMatcher matcher,
                                   const std::string& newText);
    // A field equal to `sought` takes `value`.
    static FieldEditor replaceValue(const FieldInfo& field, Scalar sought, Scalar value);
    // The field takes `text` (textual fields, UTF-8) or `value`.
    static FieldEditor fill(const FieldInfo& field, std::string text, Scalar value);
    static FieldEditor clear(const FieldInfo& field);

    // Changes the record in memory, and writes its memo or synopsis through the stores. True
    // when anything changed, so the record is to be written. Texts are cut to their width;
    // a name is never left beginning with "#", the deleted mark (such a record is left as it
    // was). A tape marked in `sharedSynopsis` gets its new synopsis written anew.
    template <class R>
    bool apply(R& record, std::int32_t number, EditContext& context) const;

    const FieldInfo& field() const { return *m_field; }

private:
    enum class Mode { Replace, Fill, Clear };
    FieldEditor(const FieldInfo& field, Mode mode) : m_field(&field), m_mode(mode) {}

    std::optional<std::string> editedText(const std::string& current) const;

    const FieldInfo* m_field;
    Mode m_mode;
    std::optional<TextMatcher> m_matcher;
    std::string m_text; // replace: code page; fill: UTF-8 as given
    Scalar m_sought;
    Scalar m_value;
};

// Tape numbers whose synopsis block overlaps another tape's, deleted tapes included (they keep
// their synopsis for undeletion). Indexed by tape number.
std::vector<bool> tapesSharingSynopsis(const RecordStore& records);

} // namespace tavolim::core

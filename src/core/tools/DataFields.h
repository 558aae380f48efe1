#pragma once

#include "core/store/FileKind.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavolim::core {

// The record kinds the data tools work on (cboTipo), in the list's order. Clients are the
// holders with their dependents.
enum class DataKind { Clients, Tapes, Products, Distributors };

struct DataKindInfo {
    DataKind kind;
    std::string_view name;      // "Clientes", as cboTipo and frmAdicRegs show it
    std::string_view toolName;  // "clientes", as tavolim-tool takes it
    FileKind file;              // the file the range counts (holders for clients)
    std::string_view noneFound; // find's message when nothing matches
};

std::span<const DataKindInfo> dataKinds();
const DataKindInfo& dataKindInfo(DataKind kind);
const DataKindInfo* dataKindByToolName(std::string_view name);

// How a field is stored, typed and compared.
enum class FieldType {
    Text,     // Text N: the matcher; cut to the width
    Cep,      // Long of 8 digits: the matcher on its "@@@@@-@@@" form
    Date,     // Long ddmmyyyy; cleared to 01/01/1900
    Time,     // Int hhmm
    Number,   // Int, typed as a whole number
    Quantity, // Single that is no money (stock, tax rate)
    Money,    // Single holding money, typed with "," or "."
    YesNo,    // Bool, from Option1 (true) or Option2
    List,     // Int: list position + 1 in cboConteudo
    Memo,     // Long memo number: the matcher on the memo's text
    Synopsis, // Sinopse and TamSinopse: the matcher on the synopsis text
};

// What fills cboConteudo for a List field.
enum class ChoiceList { None, Sections, Labels, Media, Distributors };

// One item of lstCampo: its name there and the record field it selects.
struct FieldInfo {
    std::string_view name;        // as lstCampo lists it: "Data de Nascimento"
    std::string_view recordField; // as the record names it: "DataNasc"
    FieldType type;
    ChoiceList choices = ChoiceList::None;
    std::string_view yes = {}; // YesNo: the captions of Option1 (true) and Option2
    std::string_view no = {};
    bool holdersOnly = false; // the dependents' record has no such field (Tipo Casa)

    bool isTextual() const
    {
        return type == FieldType::Text || type == FieldType::Cep || type == FieldType::Memo ||
               type == FieldType::Synopsis;
    }
};

// The items of lstCampo for a kind, in the window's order.
std::span<const FieldInfo> dataFields(DataKind kind);
// The field named as lstCampo lists it, in any case; null when the kind has none.
const FieldInfo* dataFieldByName(DataKind kind, std::string_view name);

// Where a field lies in a record's bytes: the offset and, for a text, its width.
struct FieldSlot {
    std::size_t offset = 0;
    std::size_t width = 0;
};

// The slot of the record field `recordField` in records of `file` (an array's first element);
// nullopt when the record has no such field.
std::optional<FieldSlot> fieldSlot(FileKind file, std::string_view recordField);

} // namespace tavolim::core

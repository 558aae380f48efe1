#include "core/tools/DataFields.h"

#include "core/registers/NameMatch.h"
#include "core/store/ClientRecord.h"
#include "core/store/Cp1252.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/TapeRecord.h"

#include <algorithm>
#include <array>

namespace tavolim::core {
namespace {

using T = FieldType;
using C = ChoiceList;

constexpr std::array<DataKindInfo, 4> kKinds = {{
    {DataKind::Clients, "Clientes", "clientes", FileKind::Clients,
     "Nenhum(a) cliente encontrado(a) com este dado."},
    {DataKind::Tapes, "Fitas", "fitas", FileKind::Tapes, "Nenhuma fita encontrada com este dado."},
    {DataKind::Products, "Produtos", "produtos", FileKind::Products,
     "Nenhum produto encontrado com este dado."},
    {DataKind::Distributors, "Distribuidores", "distribuidores", FileKind::Distributors,
     "Nenhum distribuidor encontrado com este dado."},
}};

// The amounts paid and owed are left out: only the counter changes them.
constexpr std::array<FieldInfo, 23> kClientFields = {{
    {"Nome", "PrimNome", T::Text},
    {"Sobrenome", "SobreNome", T::Text},
    {"CI", "CI", T::Text},
    {"CPF", "CPF", T::Text},
    {"Data de Nascimento", "DataNasc", T::Date},
    {"Endereço", "Endereco", T::Text},
    {"CEP", "CEP", T::Cep},
    {"Bairro", "Bairro", T::Text},
    {"Cidade", "Cidade", T::Text},
    {"Tel. Residencial", "TelResidencial", T::Text},
    {"Tel. Celular", "TelCelular", T::Text},
    {"Tel. Comercial", "TelComercial", T::Text},
    {"Email", "Email", T::Text},
    {"Profissão", "Profissao", T::Text},
    {"Observações", "Observacoes", T::Memo},
    {"Sexo", "Sexo", T::YesNo, C::None, "&Masculino", "&Feminino"},
    {"Estado Civil", "EstadoCivil", T::YesNo, C::None, "C&asado(a)", "&Solteiro(a)"},
    {"Tipo Casa", "TipoCasa", T::YesNo, C::None, "&Própria", "&Alugada", true},
    {"Data Inscrição", "DataInsc", T::Date},
    {"Hora Inscrição", "HoraInsc", T::Time},
    {"Total Locações", "TotalLocacoes", T::Number},
    {"Data Ult. Locação", "DataUltLocacao", T::Date},
    {"Valor Ult. Pgto.", "ValorUltPgto", T::Money},
}};

constexpr std::array<FieldInfo, 15> kTapeFields = {{
    {"Nome", "Nome", T::Text},
    {"Segundo Nome", "SegundoNome", T::Text},
    {"Código de Barras", "CodigoBarras", T::Text},
    {"Seção", "Secao", T::List, C::Sections},
    {"Selo", "Selo", T::List, C::Labels},
    {"Mídia", "Midia", T::List, C::Media},
    {"Tipo", "Tipo", T::YesNo, C::None, "&Dublado", "&Legendado"},
    {"Ano de Lançamento", "AnoLancamento", T::Number},
    {"Duração", "Duracao", T::Number},
    {"Distribuidor", "Distribuidor", T::List, C::Distributors},
    {"Observações", "Observacoes", T::Memo},
    {"Sinopse", "Sinopse", T::Synopsis},
    {"Data Compra", "DataCompra", T::Date},
    {"Valor Compra", "ValorCompra", T::Money},
    {"Valor Venda", "ValorVenda", T::Money},
}};

constexpr std::array<FieldInfo, 9> kProductFields = {{
    {"Descrição", "Descricao", T::Text},
    {"Código de Barras", "CodigoBarras", T::Text},
    {"Estoque", "Estoque", T::Quantity},
    {"Unidade", "Unidade", T::Text},
    {"Icms", "Icms", T::Quantity},
    {"Preço", "Preco", T::Money},
    {"Valor Compra", "ValorCompra", T::Money},
    {"Distribuidor", "Distribuidor", T::List, C::Distributors},
    {"Observações", "Observacoes", T::Memo},
}};

constexpr std::array<FieldInfo, 11> kDistributorFields = {{
    {"Nome", "Nome", T::Text},
    {"Contato", "Contato", T::Text},
    {"CGC", "CGC", T::Text},
    {"Endereço", "Endereco", T::Text},
    {"CEP", "CEP", T::Cep},
    {"Bairro", "Bairro", T::Text},
    {"Cidade", "Cidade", T::Text},
    {"Telefone", "Telefone", T::Text},
    {"Tel. Celular", "TelCelular", T::Text},
    {"Email", "Email", T::Text},
    {"Observações", "Observacoes", T::Memo},
}};

// Finds a field's offset and width by walking the record's own field list.
struct SlotFinder {
    std::string_view wanted;
    std::optional<FieldSlot> found;

    template <class V>
    void field(std::string_view name, std::size_t offset, V&)
    {
        if (name == wanted) {
            found = FieldSlot{offset, 0};
        }
    }
    void text(std::string_view name, std::size_t offset, std::size_t width, std::string&)
    {
        if (name == wanted) {
            found = FieldSlot{offset, width};
        }
    }
    template <class V, std::size_t N>
    void array(std::string_view name, std::size_t offset, std::array<V, N>&)
    {
        if (name == wanted) {
            found = FieldSlot{offset, 0};
        }
    }
    template <std::size_t N>
    void textArray(std::string_view, std::size_t, std::size_t, std::array<std::string, N>&)
    {
    }
};

template <class R>
std::optional<FieldSlot> slotIn(std::string_view recordField)
{
    R record;
    SlotFinder finder{recordField, std::nullopt};
    R::fields(record, finder);
    return finder.found;
}

std::string upperBytes(std::string_view utf8)
{
    std::string bytes = toCp1252(utf8);
    for (char& c : bytes) {
        c = static_cast<char>(upperCp1252(static_cast<std::uint8_t>(c)));
    }
    return bytes;
}

} // namespace

std::span<const DataKindInfo> dataKinds()
{
    return kKinds;
}

const DataKindInfo& dataKindInfo(DataKind kind)
{
    return kKinds[static_cast<std::size_t>(kind)];
}

const DataKindInfo* dataKindByToolName(std::string_view name)
{
    const auto it = std::find_if(kKinds.begin(), kKinds.end(),
                                 [&](const DataKindInfo& k) { return k.toolName == name; });
    return it == kKinds.end() ? nullptr : &*it;
}

std::span<const FieldInfo> dataFields(DataKind kind)
{
    switch (kind) {
    case DataKind::Clients:
        return kClientFields;
    case DataKind::Tapes:
        return kTapeFields;
    case DataKind::Products:
        return kProductFields;
    case DataKind::Distributors:
        return kDistributorFields;
    }
    return {};
}

const FieldInfo* dataFieldByName(DataKind kind, std::string_view name)
{
    const std::string wanted = upperBytes(name);
    for (const FieldInfo& field : dataFields(kind)) {
        if (upperBytes(field.name) == wanted) {
            return &field;
        }
    }
    return nullptr;
}

std::optional<FieldSlot> fieldSlot(FileKind file, std::string_view recordField)
{
    switch (file) {
    case FileKind::Clients:
        return slotIn<ClientRecord>(recordField);
    case FileKind::Dependents:
        return slotIn<DependentRecord>(recordField);
    case FileKind::Tapes:
        return slotIn<TapeRecord>(recordField);
    case FileKind::Products:
        return slotIn<ProductRecord>(recordField);
    case FileKind::Distributors:
        return slotIn<DistributorRecord>(recordField);
    default:
        return std::nullopt;
    }
}

} // namespace tavolim::core

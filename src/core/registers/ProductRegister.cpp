#include "core/registers/ProductRegister.h"

#include "core/books/RecordCleanUp.h"
#include "core/ports/Dialogs.h"
#include "core/registers/NewRecordPrompt.h"
#include "core/registers/SameName.h"
#include "core/registers/TypedNumbers.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/DistributorRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/TextHelpers.h"

#include <cstdio>

namespace tavolim::core {
namespace {

std::string code6(std::int32_t code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06d", static_cast<int>(code));
    return text;
}

// A quantity or rate as typed back: no trailing zeros, a decimal comma.
std::string decimalText(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(value));
    std::string out = text;
    while (!out.empty() && out.back() == '0') {
        out.pop_back();
    }
    if (!out.empty() && out.back() == '.') {
        out.pop_back();
    }
    for (char& c : out) {
        if (c == '.') {
            c = ',';
        }
    }
    return out == "-0" ? "0" : out;
}

} // namespace

std::vector<std::string> distributorList(const RecordStore& records)
{
    std::vector<std::string> names;
    records.scan<DistributorRecord>(FileKind::Distributors, [&](std::int32_t,
                                                                const DistributorRecord& r) {
        names.push_back(isDeletedName(r.Nome) ? std::string("#") + RegisterModel::DeletedText + "#"
                                              : trim(r.Nome));
    });
    return names;
}

ProductRegister::ProductRegister(AppState& state)
    : RegisterModel(state, FileKind::Products), m_distributors(distributorList(state.records()))
{
}

int ProductRegister::positionCount() const
{
    return m_state.records().recordCount(FileKind::Products);
}

bool ProductRegister::moveToProduct(std::int32_t code)
{
    if (!saveIfDirty()) {
        return false;
    }
    showPosition(code);
    return true;
}

bool ProductRegister::readIntoForm(std::int32_t number)
{
    const auto p = m_state.records().load<ProductRecord>(number);
    if (isDeletedName(p.Descricao)) {
        return true;
    }
    form.Codigo = code6(number);
    form.Descricao = trim(p.Descricao);
    form.CodigoB = trim(p.CodigoBarras);
    form.Estoque = decimalText(p.Estoque);
    form.Unidade = trim(p.Unidade);
    form.Icms = decimalText(p.Icms);
    form.Preco = formatMoneyPlain(p.Preco);
    form.ValorCompra = formatMoneyPlain(p.ValorCompra);
    form.Distribuidor = p.Distribuidor;
    form.Observacoes = m_state.memos().readMemo(p.Observacoes);
    return false;
}

bool ProductRegister::refuseDuplicateName()
{
    const std::string numbers =
        sameNameNumbers(m_state, FileKind::Products, form.Descricao, code());
    if (numbers.empty()) {
        return false;
    }
    m_state.ports().dialogs.message("O nome do produto já existe.\nN° de registro : " + numbers,
                                    msg::Exclamation);
    return true;
}

bool ProductRegister::writeForm()
{
    auto& dialogs = m_state.ports().dialogs;
    const auto estoque = typedQuantity(form.Estoque, dialogs);
    const auto icms = estoque ? typedPercent(form.Icms, dialogs) : std::nullopt;
    const auto preco = icms ? typedAmount(form.Preco, dialogs) : std::nullopt;
    const auto compra = preco ? typedAmount(form.ValorCompra, dialogs) : std::nullopt;
    if (!compra) {
        return false;
    }
    if (preco->isZero() &&
        dialogs.message("O preço do produto está nulo.\nDeseja salvar mesmo assim ?",
                        msg::Question + msg::YesNo) != msg::Answer::Yes) {
        return false;
    }
    auto& records = m_state.records();
    ProductRecord record = isNew() ? ProductRecord{} : records.load<ProductRecord>(code());
    if (m_state.options().VerifNomeECod) {
        // A new product's description was checked at the name prompt.
        const std::string before = isNew() ? m_promptName : record.Descricao;
        if (trim(form.Descricao) != trim(before) && refuseDuplicateName()) {
            return false;
        }
        if (trim(form.CodigoB) != trim(record.CodigoBarras) &&
            checkBarcode() != BarcodeVerdict::Accepted) {
            return false;
        }
    }
    record.Codigo = static_cast<std::int16_t>(code());
    record.Descricao = form.Descricao;
    record.CodigoBarras = trim(form.CodigoB);
    record.Estoque = *estoque;
    record.Unidade = form.Unidade;
    record.Icms = *icms;
    record.Preco = *preco;
    record.ValorCompra = *compra;
    record.Distribuidor = static_cast<std::int16_t>(form.Distribuidor);
    // The note, the memo counters (in the general rules record) and the product together.
    StoreTransaction write(m_state);
    m_state.memos().writeMemo(record.Observacoes, form.Observacoes);
    return m_state.saveRules() && records.save(code(), record) && write.commit();
}

bool ProductRegister::addProduct()
{
    if (!saveIfDirty()) {
        return false;
    }
    const auto name = askNewRecordName(m_state, NewRecordKind::Product);
    if (!name) {
        return false;
    }
    const auto number = m_state.records().nextRecordNumber(FileKind::Products).value_or(0);
    if (number < 1 || number > RecordStore::MaxRecords) {
        return false;
    }
    beginNew(number, number);
    form.Codigo = code6(number);
    form.Descricao = name->name;
    form.Estoque = "0";
    form.Icms = "0";
    form.Preco = form.ValorCompra = formatMoneyPlain(Money());
    m_promptName = name->name;
    return true;
}

bool ProductRegister::deleteProduct()
{
    if (showsDeleted()) {
        showAsDeleted();
        return false;
    }
    if (code() <= 0 || isNew()) {
        return false;
    }
    auto& records = m_state.records();
    const auto stored = records.load<ProductRecord>(code());
    if (m_state.ports().dialogs.message("Deseja excluir todos os dados do Produto '" +
                                            trim(stored.Descricao) + "' ?",
                                        msg::Question + msg::YesNo) != msg::Answer::Yes) {
        return false;
    }
    StoreTransaction write(m_state);
    // deleteRecord marks the current record of the kind.
    records.product() = stored;
    const auto gone = records.deleteRecord(FileKind::Products, code());
    if (!gone) {
        return false;
    }
    cleanUpDeletedRecord(records, m_state.ports().progress, FileKind::Products, *gone);
    if (!write.commit()) {
        return false;
    }
    showAsDeleted();
    return true;
}

BarcodeVerdict ProductRegister::checkBarcode()
{
    return core::checkBarcode(m_state, FileKind::Products, form.CodigoB, code());
}

} // namespace tavolim::core

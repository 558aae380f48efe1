#pragma once

#include "core/registers/BarcodeCheck.h"
#include "core/registers/RegisterModel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavolim::core {

class RecordStore;

// The controls of frmDadosProd as the operator reads and types them. Money reads "0.00";
// the distributor is its list position + 1 (0 = none).
struct ProductForm {
    std::string Codigo; // "000000"
    std::string Descricao;
    std::string CodigoB;
    std::string Estoque;
    std::string Unidade;
    std::string Icms;
    std::string Preco;
    std::string ValorCompra;
    int Distribuidor = 0;
    std::string Observacoes;

    bool operator==(const ProductForm&) const = default;
};

// The model of frmDadosProd, moving by product code like every register. Saving asks first
// about a price of 0, checks a changed description and barcode for duplicates with
// "VerifNomeECod", and refuses numbers that are not numbers or do not fit their field.
class ProductRegister final : public RegisterModel {
public:
    explicit ProductRegister(AppState& state);

    ProductForm form;
    // The distributor combo: names by record number, a deleted one kept in its place as
    // "#Registro Excluído#".
    const std::vector<std::string>& distributors() const { return m_distributors; }

    int positionCount() const override;
    // A search result: a dirty product is saved first.
    bool moveToProduct(std::int32_t code);
    // cmdAdicionar: saves a dirty product, asks the description, starts the new product.
    bool addProduct();
    // cmdExcluir: asks, then deletes and shows "Registro Excluído". True when deleted.
    bool deleteProduct();
    // The barcode box losing the focus, with "VerifNomeECod" on.
    BarcodeVerdict checkBarcode();

protected:
    std::int32_t numberAt(int position) const override
    {
        return position >= 1 && position <= positionCount() ? position : 0;
    }
    bool readIntoForm(std::int32_t number) override;
    void clearForm() override { form = {}; }
    std::string& nameBox() override { return form.Descricao; }
    bool writeForm() override;

private:
    bool refuseDuplicateName();

    std::vector<std::string> m_distributors;
    std::string m_promptName; // a new product's description as the name prompt took it
};

// The names of DadosFrn.tvl by record number, for the distributor combos of the registers.
std::vector<std::string> distributorList(const RecordStore& records);

} // namespace tavolim::core

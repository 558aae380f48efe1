#pragma once

#include "core/store/Money.h"
#include "core/store/RecordCodec.h"

#include <cstdint>
#include <string>

namespace tavolim::core {

// A product for sale, record of DadosPrd.tvl (64 bytes). Estoque is a quantity, not money,
// and may be fractional; Icms is a tax rate in percent.
struct ProductRecord : Record<ProductRecord, 64> {
    static constexpr std::size_t NameOffset = 2;
    static constexpr std::size_t NameWidth = 25;

    std::int16_t Codigo = 0;
    std::string Descricao;
    std::string CodigoBarras;
    float Estoque = 0;
    std::string Unidade;
    float Icms = 0;
    Money Preco;
    Money ValorCompra;
    std::int16_t Distribuidor = 0;
    std::int32_t Observacoes = 0;

    std::string& name() { return Descricao; }
    const std::string& name() const { return Descricao; }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("Codigo", 0, r.Codigo);
        v.text("Descricao", 2, 25, r.Descricao);
        v.text("CodigoBarras", 27, 13, r.CodigoBarras);
        v.field("Estoque", 40, r.Estoque);
        v.text("Unidade", 44, 2, r.Unidade);
        v.field("Icms", 46, r.Icms);
        v.field("Preco", 50, r.Preco);
        v.field("ValorCompra", 54, r.ValorCompra);
        v.field("Distribuidor", 58, r.Distribuidor);
        v.field("Observacoes", 60, r.Observacoes);
    }
};

} // namespace tavolim::core

#pragma once

#include "core/store/RecordCodec.h"

#include <cstdint>
#include <string>

namespace tavolim::core {

// A supplier of tapes and products, record of DadosFrn.tvl (260 bytes). Tapes and products
// refer to it by record number; CEP is a Long of 8 digits.
struct DistributorRecord : Record<DistributorRecord, 260> {
    static constexpr std::size_t NameOffset = 2;
    static constexpr std::size_t NameWidth = 30;

    std::int16_t Codigo = 0;
    std::string Nome;
    std::string Contato;
    std::string CGC;
    std::string Endereco;
    std::int32_t CEP = 0;
    std::string Bairro;
    std::string Cidade;
    std::string Telefone;
    std::string TelCelular;
    std::string Email;
    std::string SitioInternet;
    std::int32_t Observacoes = 0;

    std::string& name() { return Nome; }
    const std::string& name() const { return Nome; }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("Codigo", 0, r.Codigo);
        v.text("Nome", 2, 30, r.Nome);
        v.text("Contato", 32, 35, r.Contato);
        v.text("CGC", 67, 20, r.CGC);
        v.text("Endereco", 87, 40, r.Endereco);
        v.field("CEP", 127, r.CEP);
        v.text("Bairro", 131, 20, r.Bairro);
        v.text("Cidade", 151, 15, r.Cidade);
        v.text("Telefone", 166, 25, r.Telefone);
        v.text("TelCelular", 191, 15, r.TelCelular);
        v.text("Email", 206, 25, r.Email);
        v.text("SitioInternet", 231, 25, r.SitioInternet);
        v.field("Observacoes", 256, r.Observacoes);
    }
};

} // namespace tavolim::core

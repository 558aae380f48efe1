#pragma once

#include "core/store/RecordCodec.h"

#include <cstdint>
#include <string>

namespace tavolim::core {

// The store's own identification, the single record of DadosLoc.tvl (395 bytes). It has no
// code field and is never deleted.
struct StoreRecord : Record<StoreRecord, 395> {
    std::string NomeEmpresa;
    std::string NomeFantasia;
    std::string NomeProp;
    std::string CGC;
    std::string InscEst;
    std::string Endereco;
    std::int32_t CEP = 0;
    std::string Bairro;
    std::string Cidade;
    std::string Estado;
    std::string Telefone;
    std::string TelCelular;
    std::string Email;
    std::string Site;
    std::int32_t Observacoes = 0;

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.text("NomeEmpresa", 0, 40, r.NomeEmpresa);
        v.text("NomeFantasia", 40, 30, r.NomeFantasia);
        v.text("NomeProp", 70, 30, r.NomeProp);
        v.text("CGC", 100, 20, r.CGC);
        v.text("InscEst", 120, 20, r.InscEst);
        v.text("Endereco", 140, 40, r.Endereco);
        v.field("CEP", 180, r.CEP);
        v.text("Bairro", 184, 25, r.Bairro);
        v.text("Cidade", 209, 25, r.Cidade);
        v.text("Estado", 234, 2, r.Estado);
        v.text("Telefone", 236, 35, r.Telefone);
        v.text("TelCelular", 271, 20, r.TelCelular);
        v.text("Email", 291, 40, r.Email);
        v.text("Site", 331, 60, r.Site);
        v.field("Observacoes", 391, r.Observacoes);
    }
};

} // namespace tavolim::core

#pragma once

#include "core/store/Money.h"
#include "core/store/RecordCodec.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavolim::core {

// A client holder, record of DadosCli.tvl (349 bytes). Dates are ddmmyyyy Longs, HoraInsc an
// hhmm Int, CEP a Long of 8 digits, Observacoes a memo number (see TextHelpers).
struct ClientRecord : Record<ClientRecord, 349> {
    static constexpr std::size_t NameOffset = 2;
    static constexpr std::size_t NameWidth = 15;
    static constexpr int MaxDependents = 10;
    static constexpr int MaxTapes = 15;

    std::int16_t Codigo = 0;
    std::string PrimNome;
    std::string SobreNome;
    std::string CI;
    std::string CPF;
    std::int32_t DataNasc = 0;
    std::string Endereco;
    std::int32_t CEP = 0;
    std::string Bairro;
    std::string Cidade;
    std::string TelResidencial;
    std::string TelCelular;
    std::string TelComercial;
    std::string Email;
    std::int32_t Observacoes = 0;
    bool Sexo = false;
    bool EstadoCivil = false;
    bool TipoCasa = false;
    std::int32_t DataInsc = 0;
    std::int16_t HoraInsc = 0;
    std::int16_t NumDep = 0;
    std::array<std::int16_t, 10> Dep{};
    std::int16_t NumFitas = 0;
    std::array<std::int16_t, 15> Fitas{};
    Money ValorPago;
    Money ValorDevido;
    std::int16_t TotalLocacoes = 0;
    std::int32_t DataUltLocacao = 0;
    Money ValorUltPgto;
    std::string Profissao;
    std::int32_t RegHistFita = 0;
    std::int32_t RegHistProd = 0;

    int depCount() const { return clampCount(NumDep, MaxDependents); }
    int tapeCount() const { return clampCount(NumFitas, MaxTapes); }

    std::string& name() { return PrimNome; }
    const std::string& name() const { return PrimNome; }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("Codigo", 0, r.Codigo);
        v.text("PrimNome", 2, 15, r.PrimNome);
        v.text("SobreNome", 17, 35, r.SobreNome);
        v.text("CI", 52, 12, r.CI);
        v.text("CPF", 64, 15, r.CPF);
        v.field("DataNasc", 79, r.DataNasc);
        v.text("Endereco", 83, 50, r.Endereco);
        v.field("CEP", 133, r.CEP);
        v.text("Bairro", 137, 20, r.Bairro);
        v.text("Cidade", 157, 15, r.Cidade);
        v.text("TelResidencial", 172, 12, r.TelResidencial);
        v.text("TelCelular", 184, 12, r.TelCelular);
        v.text("TelComercial", 196, 12, r.TelComercial);
        v.text("Email", 208, 25, r.Email);
        v.field("Observacoes", 233, r.Observacoes);
        v.field("Sexo", 237, r.Sexo);
        v.field("EstadoCivil", 239, r.EstadoCivil);
        v.field("TipoCasa", 241, r.TipoCasa);
        v.field("DataInsc", 243, r.DataInsc);
        v.field("HoraInsc", 247, r.HoraInsc);
        v.field("NumDep", 249, r.NumDep);
        v.array("Dep", 251, r.Dep);
        v.field("NumFitas", 271, r.NumFitas);
        v.array("Fitas", 273, r.Fitas);
        v.field("ValorPago", 303, r.ValorPago);
        v.field("ValorDevido", 307, r.ValorDevido);
        v.field("TotalLocacoes", 311, r.TotalLocacoes);
        v.field("DataUltLocacao", 313, r.DataUltLocacao);
        v.field("ValorUltPgto", 317, r.ValorUltPgto);
        v.text("Profissao", 321, 20, r.Profissao);
        v.field("RegHistFita", 341, r.RegHistFita);
        v.field("RegHistProd", 345, r.RegHistProd);
    }
};

} // namespace tavolim::core

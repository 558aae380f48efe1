#pragma once

#include "core/store/Money.h"
#include "core/store/RecordCodec.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavolim::core {

// A dependent, record of DadosDep.tvl (337 bytes): someone renting on a holder's account.
// Codes are their own range, apart from client codes; Titular names the holder's record.
// Encodings as in ClientRecord.
struct DependentRecord : Record<DependentRecord, 337> {
    static constexpr std::size_t NameOffset = 4;
    static constexpr std::size_t NameWidth = 15;
    static constexpr int MaxTapes = 15;

    std::int16_t Codigo = 0;
    std::int16_t Titular = 0;
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
    std::int32_t DataInsc = 0;
    std::int16_t HoraInsc = 0;
    std::string GrauParentesco;
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

    int tapeCount() const { return clampCount(NumFitas, MaxTapes); }

    std::string& name() { return PrimNome; }
    const std::string& name() const { return PrimNome; }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("Codigo", 0, r.Codigo);
        v.field("Titular", 2, r.Titular);
        v.text("PrimNome", 4, 15, r.PrimNome);
        v.text("SobreNome", 19, 35, r.SobreNome);
        v.text("CI", 54, 12, r.CI);
        v.text("CPF", 66, 15, r.CPF);
        v.field("DataNasc", 81, r.DataNasc);
        v.text("Endereco", 85, 50, r.Endereco);
        v.field("CEP", 135, r.CEP);
        v.text("Bairro", 139, 20, r.Bairro);
        v.text("Cidade", 159, 15, r.Cidade);
        v.text("TelResidencial", 174, 12, r.TelResidencial);
        v.text("TelCelular", 186, 12, r.TelCelular);
        v.text("TelComercial", 198, 12, r.TelComercial);
        v.text("Email", 210, 25, r.Email);
        v.field("Observacoes", 235, r.Observacoes);
        v.field("Sexo", 239, r.Sexo);
        v.field("EstadoCivil", 241, r.EstadoCivil);
        v.field("DataInsc", 243, r.DataInsc);
        v.field("HoraInsc", 247, r.HoraInsc);
        v.text("GrauParentesco", 249, 10, r.GrauParentesco);
        v.field("NumFitas", 259, r.NumFitas);
        v.array("Fitas", 261, r.Fitas);
        v.field("ValorPago", 291, r.ValorPago);
        v.field("ValorDevido", 295, r.ValorDevido);
        v.field("TotalLocacoes", 299, r.TotalLocacoes);
        v.field("DataUltLocacao", 301, r.DataUltLocacao);
        v.field("ValorUltPgto", 305, r.ValorUltPgto);
        v.text("Profissao", 309, 20, r.Profissao);
        v.field("RegHistFita", 329, r.RegHistFita);
        v.field("RegHistProd", 333, r.RegHistProd);
    }
};

} // namespace tavolim::core

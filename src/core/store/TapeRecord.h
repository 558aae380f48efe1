#pragma once

#include "core/store/Money.h"
#include "core/store/RecordCodec.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavolim::core {

// One physical tape, record of DadosFit.tvl (228 bytes): the film, its purchase and its whole
// circulation state. A person is always a code plus a holder flag (true = client, false =
// dependent), as the two code ranges overlap. Rental-state fields run from ClienteFita through
// AcertoValor and are all 0 while the tape is in the store. Bytes 226-227 are reserved: no
// field covers them, so encoding over an existing record keeps whatever they held.
struct TapeRecord : Record<TapeRecord, 228> {
    static constexpr std::size_t NameOffset = 2;
    static constexpr std::size_t NameWidth = 25;
    static constexpr int MaxActors = 10;
    static constexpr int MaxReservations = 5;
    static constexpr int LastClients = 3;

    std::int16_t Codigo = 0;
    std::string Nome;
    std::string SegundoNome;
    std::string CodigoBarras;
    std::int16_t Secao = 0;
    std::int16_t Selo = 0;
    std::int16_t Midia = 0;
    bool Tipo = false;
    std::int16_t AnoLancamento = 0;
    std::int16_t Duracao = 0;
    std::int16_t Distribuidor = 0;
    std::int32_t Observacoes = 0;
    std::int16_t Diretor = 0;
    std::int16_t NumAtores = 0;
    std::array<std::int16_t, 10> Atores{};
    std::int32_t Sinopse = 0;
    std::int16_t TamSinopse = 0;
    std::int32_t DataCompra = 0;
    Money ValorCompra;
    Money ValorVenda;
    std::int16_t ClienteFita = 0;
    bool ClienteTitular = false;
    std::int32_t DataRetirada = 0;
    std::int16_t HoraRetirada = 0;
    std::int16_t QtdLocadas = 0;
    Money ValorLocacao;
    std::int16_t Dias = 0;
    bool Brinde = false;
    std::int32_t DataBase = 0;
    std::int16_t DiasBase = 0;
    std::int16_t QtdBase = 0;
    std::int16_t AcertoQtd = 0;
    Money AcertoValor;
    std::int16_t NumReservas = 0;
    std::array<std::int16_t, 5> ReservaCliente{};
    std::array<bool, 5> ReservaTitular{};
    std::array<std::int32_t, 5> ReservaData{};
    std::int16_t TotalLocacoes = 0;
    Money ValorArrecadado;
    std::array<std::int32_t, 3> UltData{};
    std::array<std::int16_t, 3> UltCliente{};
    std::array<bool, 3> UltTitular{};

    int actorCount() const { return clampCount(NumAtores, MaxActors); }
    int reservationCount() const { return clampCount(NumReservas, MaxReservations); }
    // A zero or negative ClienteFita means the tape is in the store.
    bool isRented() const { return ClienteFita > 0; }

    std::string& name() { return Nome; }
    const std::string& name() const { return Nome; }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("Codigo", 0, r.Codigo);
        v.text("Nome", 2, 25, r.Nome);
        v.text("SegundoNome", 27, 25, r.SegundoNome);
        v.text("CodigoBarras", 52, 8, r.CodigoBarras);
        v.field("Secao", 60, r.Secao);
        v.field("Selo", 62, r.Selo);
        v.field("Midia", 64, r.Midia);
        v.field("Tipo", 66, r.Tipo);
        v.field("AnoLancamento", 68, r.AnoLancamento);
        v.field("Duracao", 70, r.Duracao);
        v.field("Distribuidor", 72, r.Distribuidor);
        v.field("Observacoes", 74, r.Observacoes);
        v.field("Diretor", 78, r.Diretor);
        v.field("NumAtores", 80, r.NumAtores);
        v.array("Atores", 82, r.Atores);
        v.field("Sinopse", 102, r.Sinopse);
        v.field("TamSinopse", 106, r.TamSinopse);
        v.field("DataCompra", 108, r.DataCompra);
        v.field("ValorCompra", 112, r.ValorCompra);
        v.field("ValorVenda", 116, r.ValorVenda);
        v.field("ClienteFita", 120, r.ClienteFita);
        v.field("ClienteTitular", 122, r.ClienteTitular);
        v.field("DataRetirada", 124, r.DataRetirada);
        v.field("HoraRetirada", 128, r.HoraRetirada);
        v.field("QtdLocadas", 130, r.QtdLocadas);
        v.field("ValorLocacao", 132, r.ValorLocacao);
        v.field("Dias", 136, r.Dias);
        v.field("Brinde", 138, r.Brinde);
        v.field("DataBase", 140, r.DataBase);
        v.field("DiasBase", 144, r.DiasBase);
        v.field("QtdBase", 146, r.QtdBase);
        v.field("AcertoQtd", 148, r.AcertoQtd);
        v.field("AcertoValor", 150, r.AcertoValor);
        v.field("NumReservas", 154, r.NumReservas);
        v.array("ReservaCliente", 156, r.ReservaCliente);
        v.array("ReservaTitular", 166, r.ReservaTitular);
        v.array("ReservaData", 176, r.ReservaData);
        v.field("TotalLocacoes", 196, r.TotalLocacoes);
        v.field("ValorArrecadado", 198, r.ValorArrecadado);
        v.array("UltData", 202, r.UltData);
        v.array("UltCliente", 214, r.UltCliente);
        v.array("UltTitular", 220, r.UltTitular);
    }
};

} // namespace tavolim::core

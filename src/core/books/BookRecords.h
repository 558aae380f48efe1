#pragma once

#include "core/store/Money.h"
#include "core/store/RecordCodec.h"

#include <cstdint>

namespace tavolim::core {

// Record of a position file (PosLivFt.tvl, PosFtDev.tvl, PosLivCx.tvl), 6 bytes. Record 1
// is the header: PrimeiroReg holds the date code of the book's first day (DataInicial) and
// QtdRegs 0. Record (day - DataInicial) + 2 is that day's: the first book record written on
// it (0 when the program did not run) and how many were written. A day's records are
// contiguous in its book.
struct PositionRecord : Record<PositionRecord, 6> {
    std::int32_t PrimeiroReg = 0;
    std::int16_t QtdRegs = 0;

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("PrimeiroReg", 0, r.PrimeiroReg);
        v.field("QtdRegs", 4, r.QtdRegs);
    }
};

// One tape rented, record of LivroFts.tvl (24 bytes): appended at the rental, completed at
// the return. Dependente is -1 when the client himself rented; Cliente 0 marks a person
// deleted since. Valor is the price of one daily period.
struct TapeBookRecord : Record<TapeBookRecord, 24> {
    std::int16_t Fita = 0;
    std::int16_t Cliente = 0;
    std::int16_t Dependente = -1;
    std::int32_t DataLoc = 0;
    Money Valor;
    std::int32_t DataDev = 0; // 0 while the tape is out
    std::int16_t QtdDiarias = 0;
    Money ValorDev;

    bool isOut() const { return DataDev == 0; }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("Fita", 0, r.Fita);
        v.field("Cliente", 2, r.Cliente);
        v.field("Dependente", 4, r.Dependente);
        v.field("DataLoc", 6, r.DataLoc);
        v.field("Valor", 10, r.Valor);
        v.field("DataDev", 14, r.DataDev);
        v.field("QtdDiarias", 18, r.QtdDiarias);
        v.field("ValorDev", 20, r.ValorDev);
    }
};

// One tape returned, record of FitasDev.tvl (2 bytes): the tape-book record it completed.
// The field is an Int; we read its 16 bits unsigned, so the log reaches tape-book records
// up to 65535 while every value an older program wrote (1..32767) reads the same.
struct ReturnedTapeRecord : Record<ReturnedTapeRecord, 2> {
    static constexpr std::int32_t MaxReach = 65535;

    std::int16_t RegLivro = 0;

    std::int32_t bookRecord() const { return static_cast<std::uint16_t>(RegLivro); }
    void setBookRecord(std::int32_t n) { RegLivro = static_cast<std::int16_t>(n); }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("RegLivro", 0, r.RegLivro);
    }
};

// One product line sold, record of LivroCx.tvl (12 bytes). The line total is not stored.
struct SaleBookRecord : Record<SaleBookRecord, 12> {
    std::int32_t Data = 0;
    std::int16_t Produto = 0;
    std::int16_t Qtd = 0;
    Money PrecoUnit;

    Money total() const { return PrecoUnit * Qtd; }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("Data", 0, r.Data);
        v.field("Produto", 4, r.Produto);
        v.field("Qtd", 6, r.Qtd);
        v.field("PrecoUnit", 8, r.PrecoUnit);
    }
};

} // namespace tavolim::core

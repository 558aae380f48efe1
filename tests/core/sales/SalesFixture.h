#pragma once

#include "core/books/BookRecords.h"
#include "core/books/DayRoll.h"
#include "core/counter/CounterFixture.h"
#include "core/day/BusinessDay.h"
#include "core/store/ProductRecord.h"
#include "support/RecordFiles.h"

#include <string>
#include <vector>

namespace tavolim::test {

// A counter's store on Saturday 05/12/2026 at 14:00 with the day started, the receipt frame
// pinned down (a one-line custom header, margin 1, one blank line below, receipt 41) and
// three products: 1 "Pipoca" 2,50 with 10 in stock, 2 "Refrigerante" 3,00 with 5, 3 "Fita
// Virgem" 6,00 with 1, barcode 7891234567890.
class SalesTest : public CounterTest {
protected:
    void SetUp() override
    {
        CounterTest::SetUp();
        core::startDay(state, false);
        auto& o = state.options();
        o.NumViasRec = 1;
        o.CabAuto = false;
        o.Cabecalho = "LOCADORA SOL";
        o.ObsPag = "Volte sempre";
        auto& rules = records().rules();
        rules.NumeroRecibo = 41;
        rules.MargemEsq = 1;
        rules.LinhasAcima = 0;
        rules.LinhasAbaixo = 1;
        writeProduct(1, "Pipoca", 2.5, 10);
        writeProduct(2, "Refrigerante", 3, 5);
        writeProduct(3, "Fita Virgem", 6, 1, "7891234567890");
    }

    void writeProduct(std::int16_t code, const std::string& name, double price, float stock,
                      const std::string& barcode = {})
    {
        core::ProductRecord p;
        p.Codigo = code;
        p.Descricao = name;
        p.CodigoBarras = barcode;
        p.Preco = reais(price);
        p.Estoque = stock;
        ASSERT_TRUE(records().save(code, p));
    }

    core::ProductRecord product(std::int16_t code)
    {
        return records().load<core::ProductRecord>(code);
    }

    std::vector<core::SaleBookRecord> salesBook()
    {
        return readRecords<core::SaleBookRecord>(folder.file("LivroCx.tvl"));
    }

    core::DailyTotalsRecord caixaOnDisk()
    {
        const core::DailyTotalsRecord inMemory = state.CaixaDia;
        core::loadCaixaDia(state);
        const core::DailyTotalsRecord onDisk = state.CaixaDia;
        state.CaixaDia = inMemory;
        return onDisk;
    }

    // The receipt frame around a sale body, at the width and with the client lines given.
    static std::string framed(int width, const std::string& clientLines, const std::string& body)
    {
        const std::string rule = " " + std::string(static_cast<std::size_t>(width), '-') + "\r\n";
        const std::string title = width == 45 ? " 05/12/2026  14:00h   No.000042        #Venda#\r\n"
                                              : " 05/12/2026  14:00h  No.000042    #Venda#\r\n";
        const std::string signature =
            "   Ass.:" + std::string(static_cast<std::size_t>(width - 9), '_') + "  \r\n";
        return rule + " LOCADORA SOL\r\n" + rule + title + " Atendente: Tavolim" +
               std::string(18, ' ') + "\r\n" + clientLines + rule + body + " Volte sempre \r\n" +
               signature + rule + " \r\n";
    }

    static constexpr std::chrono::year_month_day kToday{
        std::chrono::year{2026}, std::chrono::month{12}, std::chrono::day{5}};
    static constexpr std::int32_t kTodayCode = 5122026;
};

} // namespace tavolim::test

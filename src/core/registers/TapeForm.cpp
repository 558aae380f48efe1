#include "core/registers/TapeForm.h"

#include "core/registers/RecordSearch.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cstdio>

namespace tavolim::core {
namespace {

std::string blankIfZero(std::int16_t value)
{
    return value == 0 ? std::string() : std::to_string(value);
}

std::int16_t typedInt(const std::string& text)
{
    const auto value = typedCode(text).value_or(0);
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(value, 0, 32767));
}

} // namespace

void showTape(const TapeRecord& r, TapeForm& f)
{
    char code[16];
    std::snprintf(code, sizeof code, "%06d", static_cast<int>(r.Codigo));
    f.NumFita = code;
    f.Nome = trim(r.Nome);
    f.SegNome = trim(r.SegundoNome);
    f.CodigoB = trim(r.CodigoBarras);
    f.Secao = r.Secao;
    f.Selo = r.Selo;
    f.Midia = r.Midia;
    f.Distribuidor = r.Distribuidor;
    f.Dublado = r.Tipo;
    f.AnoLanc = blankIfZero(r.AnoLancamento);
    f.Duracao = blankIfZero(r.Duracao);
    f.DataCompra = dateToScreen(r.DataCompra);
    f.ValorCompra = formatMoneyPlain(r.ValorCompra);
    f.ValorVenda = formatMoneyPlain(r.ValorVenda);
    f.TotalLocacoes = std::to_string(r.TotalLocacoes);
    f.Rendimento = formatMoneyPlain(r.ValorArrecadado);
}

void applyTape(const TapeForm& f, TapeRecord& r)
{
    r.Nome = f.Nome;
    r.SegundoNome = f.SegNome;
    r.CodigoBarras = trim(f.CodigoB);
    r.Secao = static_cast<std::int16_t>(f.Secao);
    r.Selo = static_cast<std::int16_t>(f.Selo);
    r.Midia = static_cast<std::int16_t>(f.Midia);
    r.Distribuidor = static_cast<std::int16_t>(f.Distribuidor);
    r.Tipo = f.Dublado;
    r.AnoLancamento = typedInt(f.AnoLanc);
    r.Duracao = typedInt(f.Duracao);
    r.DataCompra = textToDate(f.DataCompra);
    r.ValorCompra = parseMoney(f.ValorCompra);
    r.ValorVenda = parseMoney(f.ValorVenda);
}

} // namespace tavolim::core

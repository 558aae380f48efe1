#include "core/reports/RecordSheets.h"

#include "core/reports/ReportLines.h"
#include "core/store/ActorRecord.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/MemoStore.h"
#include "core/store/ProductRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/RuleTables.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <chrono>

namespace tavolim::core {
namespace {

constexpr std::size_t kSheetSeparator = 75;

// A record read by number that is really there: inside the file and not deleted.
template <class Rec>
std::optional<Rec> liveRecord(const RecordStore& records, std::int32_t code)
{
    if (code < 1 || code > records.recordCount(kindOf<Rec>())) {
        return std::nullopt;
    }
    Rec r = records.load<Rec>(code);
    if (!isListed(r)) {
        return std::nullopt;
    }
    return r;
}

std::string personName(const RecordStore& records, std::int16_t code, bool titular)
{
    if (code < 1) {
        return {};
    }
    if (titular) {
        const auto c = records.load<ClientRecord>(code);
        return joinFullName(c.PrimNome, c.SobreNome);
    }
    const auto d = records.load<DependentRecord>(code);
    return joinFullName(d.PrimNome, d.SobreNome);
}

template <class Rec>
std::string nameOf(const RecordStore& records, std::int32_t number)
{
    return number >= 1 ? trim(records.load<Rec>(number).Nome) : std::string();
}

// "@@": right-aligned in two.
std::string twoWide(int n)
{
    std::string digits = std::to_string(n);
    return digits.size() < 2 ? " " + digits : digits;
}

template <class Rec>
void personBlock(std::string& text, const Rec& r, std::int32_t code, bool holder,
                 const MemoStore& memos)
{
    const std::string name = joinFullName(r.PrimNome, r.SobreNome);
    addLine(text, "   " + zeroPadded(code, 5) + (holder ? "   T" : "   D") + " " + name);
    addLine(text, " Nome: " + name);
    addLine(text, " Código: " + std::to_string(code));
    addLine(text, holder ? " Tipo Cliente: Titular" : " Tipo Cliente: Dependente");
    addLine(text, " CI: " + trim(r.CI));
    addLine(text, " CPF: " + trim(r.CPF));
    addLine(text, " Data Nasc.: " + dateToText(r.DataNasc));
    addLine(text, " Endereço: " + trim(r.Endereco));
    addLine(text, " Bairro: " + trim(r.Bairro));
    addLine(text, " CEP: " + cepToText(r.CEP));
    addLine(text, " Cidade: " + trim(r.Cidade));
    addLine(text, " Tel.Res.: " + trim(r.TelResidencial));
    addLine(text, " Tel.Celular: " + trim(r.TelCelular));
    addLine(text, " Tel.Coml.: " + trim(r.TelComercial));
    addLine(text, " E-mail: " + trim(r.Email));
    addLine(text, underscoreLine(kSheetSeparator));
    if constexpr (std::is_same_v<Rec, DependentRecord>) {
        addLine(text, " Grau Parentesco: " + trim(r.GrauParentesco));
    }
    addLine(text, " Data Insc.: " + dateToText(r.DataInsc) + " " + timeToText(r.HoraInsc) + "h");
    addLine(text, " Profissão: " + trim(r.Profissao));
    addLine(text, r.EstadoCivil ? " EstadoCivil: Casado(a)  " : " EstadoCivil: Solteiro(a)");
    addLine(text, r.Sexo ? " Sexo: Masc" : " Sexo: Fem.");
    addLine(text, " Observações: " + memos.readMemo(r.Observacoes));
}

} // namespace

std::optional<std::string> clientSheet(const RecordStore& records, const MemoStore& memos,
                                       bool holder, std::int32_t code)
{
    std::string text;
    if (!holder) {
        const auto d = liveRecord<DependentRecord>(records, code);
        if (!d) {
            return std::nullopt;
        }
        personBlock(text, *d, code, false, memos);
        return text;
    }
    const auto c = liveRecord<ClientRecord>(records, code);
    if (!c) {
        return std::nullopt;
    }
    personBlock(text, *c, code, true, memos);
    std::vector<std::string> dependents;
    for (int slot = 1; slot <= c->depCount(); ++slot) {
        if (const auto d =
                liveRecord<DependentRecord>(records, c->Dep[static_cast<std::size_t>(slot - 1)])) {
            dependents.push_back("    D " + twoWide(slot) + " " +
                                 joinFullName(d->PrimNome, d->SobreNome));
        }
    }
    if (!dependents.empty()) {
        addLine(text, "  ------- DEPENDENTES");
        for (const std::string& line : dependents) {
            addLine(text, line);
        }
    }
    return text;
}

std::optional<std::string> tapeSheet(const RecordStore& records, const MemoStore& memos,
                                     std::int32_t code)
{
    const auto t = liveRecord<TapeRecord>(records, code);
    if (!t) {
        return std::nullopt;
    }
    std::string text;
    const std::string second = trim(t->SegundoNome);
    addLine(text, "Nome: " + trim(t->Nome) + (second.empty() ? "" : " (" + second + ")"));
    addLine(text, "Código:" + zeroPadded(code, 5));

    const auto rules = records.load<GeneralRulesRecord>(1);
    const std::string section = t->Secao >= 1 && t->Secao <= rules.sectionCount()
                                    ? trim(rules.Secoes[static_cast<std::size_t>(t->Secao - 1)])
                                    : std::string();
    addLine(text, "Seção: " + section + " |Mídia: " + nameOf<MediaRecord>(records, t->Midia));

    const auto label = t->Selo >= 1 ? records.load<LabelRecord>(t->Selo) : LabelRecord{};
    addLine(text,
            "Selo: " + trim(label.Nome) + " |Diária: R$ " +
                formatMoneyPlain(label.Diarias[static_cast<std::size_t>(classByCountIndex(1, 1))]) +
                " |N° Máx.Dias: " + std::to_string(label.NumMaxDias));
    addLine(text, "Diretor: " + nameOf<ActorRecord>(records, t->Diretor) +
                      " |Ano de Lançamento:" + std::to_string(t->AnoLancamento));

    std::string actors = "Atores: ";
    for (int i = 0; i < t->actorCount(); ++i) {
        const std::string name =
            nameOf<ActorRecord>(records, t->Atores[static_cast<std::size_t>(i)]);
        if (i == 0) {
            actors += name;
        } else {
            addLine(text, actors);
            actors = "        " + name;
        }
    }
    addLine(text, actors);

    addLine(text, "Distribuidor: " + nameOf<DistributorRecord>(records, t->Distribuidor));
    addLine(text, "Data da Compra: " + dateToText(t->DataCompra) + " |Valor: R$ " +
                      formatMoneyPlain(t->ValorCompra) + " |Valor Venda: R$" +
                      formatMoneyPlain(t->ValorVenda));
    addLine(text, "Observações: " + memos.readMemo(t->Observacoes));

    addLine(text, "Últimas Locações:");
    for (int i = 0; i < TapeRecord::LastClients; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (t->UltCliente[slot] >= 1) {
            addLine(text, "Data: " + dateToText(t->UltData[slot]) + " - " + "Cliente: " +
                              personName(records, t->UltCliente[slot], t->UltTitular[slot]));
        }
    }
    addLine(text, "N° Total de Locações: " + std::to_string(t->TotalLocacoes));

    if (t->isRented()) {
        addLine(text,
                "Cliente com fita: " + personName(records, t->ClienteFita, t->ClienteTitular));
        std::string due = dateToText(0);
        if (const auto base = toYmd(t->DataBase)) {
            due = dateToText(fromYmd(std::chrono::year_month_day(std::chrono::sys_days(*base) +
                                                                 std::chrono::days{t->DiasBase})));
        }
        addLine(text, "Data da Retirada: " + dateToText(t->DataRetirada) + " " +
                          timeToText(t->HoraRetirada) + "h" + " |Data Retorna: " + due);
    } else {
        addLine(text, "A fita não está locada no momento.");
    }
    if (t->reservationCount() > 0) {
        addLine(text, "Fita Reservada para: ");
        for (int i = 0; i < t->reservationCount(); ++i) {
            const auto slot = static_cast<std::size_t>(i);
            addLine(text,
                    dateToText(t->ReservaData[slot]) + " - " +
                        personName(records, t->ReservaCliente[slot], t->ReservaTitular[slot]));
        }
    }
    return text;
}

std::optional<std::string> productSheet(const RecordStore& records, const MemoStore& memos,
                                        std::int32_t code)
{
    const auto p = liveRecord<ProductRecord>(records, code);
    if (!p) {
        return std::nullopt;
    }
    std::string text;
    addLine(text, "Descrição: " + trim(p->Descricao));
    addLine(text,
            "Número: " + zeroPadded(code, 6) + "  | Código de Barras: " + trim(p->CodigoBarras));
    addLine(text, "Estoque: " + formatQuantity(p->Estoque) +
                      "  | ICMS: " + formatQuantity(p->Icms) + "%");
    addLine(text, "Valor Compra: R$ " + formatMoneyPlain(p->ValorCompra) + "  | Preço: R$" +
                      formatMoneyPlain(p->Preco));
    addLine(text, "Distribuidor: " + nameOf<DistributorRecord>(records, p->Distribuidor));
    addLine(text, "Observações: " + memos.readMemo(p->Observacoes));
    return text;
}

std::optional<std::string> distributorSheet(const RecordStore& records, const MemoStore& memos,
                                            std::int32_t code)
{
    const auto d = liveRecord<DistributorRecord>(records, code);
    if (!d) {
        return std::nullopt;
    }
    std::string text;
    addLine(text, " Código: " + zeroPadded(code, 5) + "  Nome: " + trim(d->Nome));
    addLine(text, " Contato: " + trim(d->Contato) + "  CGC: " + trim(d->CGC));
    addLine(text, " Telefone(s).: " + trim(d->Telefone) + " Tel.Celular: " + trim(d->TelCelular) +
                      " E-mail: " + trim(d->Email));
    addLine(text, " Endereço: " + trim(d->Endereco) + " Bairro: " + trim(d->Bairro) +
                      " CEP: " + cepToText(d->CEP) + " Cidade: " + trim(d->Cidade));
    addLine(text, " Observações: " + memos.readMemo(d->Observacoes));
    return text;
}

std::optional<std::string> rowSheet(const RecordStore& records, const MemoStore& memos,
                                    ReportKind kind, const ListRow& row)
{
    switch (kind) {
    case ReportKind::Client:
        return clientSheet(records, memos, row.kind != 'D', row.code);
    case ReportKind::Tape:
        return tapeSheet(records, memos, row.code);
    case ReportKind::Product:
        return productSheet(records, memos, row.code);
    case ReportKind::Distributor:
        return distributorSheet(records, memos, row.code);
    }
    return std::nullopt;
}

std::string sheetsText(const RecordStore& records, const MemoStore& memos, ReportKind kind,
                       std::span<const ListRow> rows)
{
    std::string text;
    for (const ListRow& row : rows) {
        if (const auto sheet = rowSheet(records, memos, kind, row)) {
            if (!text.empty()) {
                text += kReportLineEnd;
            }
            text += *sheet;
        }
    }
    return text;
}

} // namespace tavolim::core

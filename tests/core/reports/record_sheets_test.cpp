#include "core/reports/RecordSheets.h"

#include "core/reports/ReportsFixture.h"
#include "core/store/MemoStore.h"

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

std::string crLfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

const std::string kSeparator(75, '_');

// Ana (holder 1) with Duda, the deleted Eva and Fábio in her slots 1 to 3; tape 7 out with
// Ana and reserved for Duda; product 5 and distributor 1, Warner.
class RecordSheetsTest : public test::ReportsTest {
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        holder(1, "Ana", "Souza", [&](auto& c) {
            c.CI = "12.345";
            c.CPF = "111.222.333-44";
            c.DataNasc = 5032001;
            c.Endereco = "Rua A, 10";
            c.Bairro = "Centro";
            c.CEP = 12345678;
            c.Cidade = "Campinas";
            c.TelResidencial = "3232-1111";
            c.TelCelular = "99999-0000";
            c.Email = "ana@x.com";
            c.EstadoCivil = true;
            c.DataInsc = 1012020;
            c.HoraInsc = 930;
            c.Profissao = "Professora";
            c.Observacoes = memo("Paga em dia\nBoa cliente");
        });
        dependent(1, 1, "Duda", "Souza");
        dependent(2, 1, "Eva", "Souza");
        dependent(3, 1, "Fábio", "Souza", [&](auto& d) {
            d.GrauParentesco = "Filho";
            d.Sexo = true;
            d.DataInsc = 2022021;
            d.HoraInsc = 1805;
        });
        markDeleted<DependentRecord>(2);

        distributor(1, "Warner", [&](auto& d) {
            d.Contato = "Maria";
            d.CGC = "12.345.678/0001-90";
            d.Telefone = "(19) 3284-6308";
            d.TelCelular = "99132-5828";
            d.Email = "w@w.com";
            d.Endereco = "Av. B, 2";
            d.Bairro = "Centro";
            d.CEP = 13010000;
            d.Cidade = "Campinas";
        });
        actor(1, "Steven Spielberg", {7});
        actor(2, "Roy Scheider", {7});
        actor(3, "Robert Shaw", {7});
        tape(7, "Tubarão", [&](auto& t) {
            t.SegundoNome = "Jaws";
            t.Secao = 2;
            t.Diretor = 1;
            t.AnoLancamento = 1975;
            t.NumAtores = 2;
            t.Atores = {2, 3};
            t.Distribuidor = 1;
            t.DataCompra = 10011990;
            t.ValorCompra = Money::fromReais(80);
            t.ValorVenda = Money::fromReais(20);
            t.Observacoes = memo("Capa rasgada");
            t.UltCliente = {1, 3, 0};
            t.UltTitular = {true, false, false};
            t.UltData = {20112026, 1112026, 0};
            t.TotalLocacoes = 12;
            t.ClienteFita = 1;
            t.ClienteTitular = true;
            t.DataRetirada = 3122026;
            t.HoraRetirada = 1405;
            t.DataBase = 3122026;
            t.DiasBase = 2;
            t.NumReservas = 1;
            t.ReservaCliente[0] = 1;
            t.ReservaTitular[0] = false;
            t.ReservaData[0] = 10122026;
        });
        tape(8, "Alien");
        product(5, "Pipoca", [](auto& p) {
            p.CodigoBarras = "7895676444127";
            p.Estoque = 47.5f;
            p.Icms = 18;
            p.ValorCompra = Money::fromReais(1.6);
            p.Preco = Money::fromReais(3.2);
            p.Distribuidor = 1;
        });
    }

    std::int32_t memo(std::string text)
    {
        std::int32_t number = 0;
        state.memos().writeMemo(number, text);
        return number;
    }

    std::optional<std::string> sheet(ReportKind kind, ListRow row)
    {
        return rowSheet(records(), state.memos(), kind, row);
    }
};

TEST_F(RecordSheetsTest, EachSheetPrintsEveryFieldUnderItsLabel)
{
    const std::string holderSheet = crLfLines({"   00001   T Ana Souza",
                                               " Nome: Ana Souza",
                                               " Código: 1",
                                               " Tipo Cliente: Titular",
                                               " CI: 12.345",
                                               " CPF: 111.222.333-44",
                                               " Data Nasc.: 05/03/2001",
                                               " Endereço: Rua A, 10",
                                               " Bairro: Centro",
                                               " CEP: 12345-678",
                                               " Cidade: Campinas",
                                               " Tel.Res.: 3232-1111",
                                               " Tel.Celular: 99999-0000",
                                               " Tel.Coml.: ",
                                               " E-mail: ana@x.com",
                                               kSeparator,
                                               " Data Insc.: 01/01/2020 09:30h",
                                               " Profissão: Professora",
                                               " EstadoCivil: Casado(a)  ",
                                               " Sexo: Fem.",
                                               " Observações: Paga em dia",
                                               "Boa cliente",
                                               "  ------- DEPENDENTES",
                                               "    D  1 Duda Souza",
                                               "    D  3 Fábio Souza"});
    const std::string rentedTape = crLfLines(
        {"Nome: Tubarão (Jaws)", "Código:00007", "Seção: Aventura |Mídia: VHS",
         "Selo: Catálogo |Diária: R$ 4,00 |N° Máx.Dias: 7",
         "Diretor: Steven Spielberg |Ano de Lançamento:1975", "Atores: Roy Scheider",
         "        Robert Shaw", "Distribuidor: Warner",
         "Data da Compra: 10/01/1990 |Valor: R$ 80,00 |Valor Venda: R$20,00",
         "Observações: Capa rasgada", "Últimas Locações:", "Data: 20/11/2026 - Cliente: Ana Souza",
         "Data: 01/11/2026 - Cliente: Fábio Souza", "N° Total de Locações: 12",
         "Cliente com fita: Ana Souza",
         "Data da Retirada: 03/12/2026 14:05h |Data Retorna: 05/12/2026",
         "Fita Reservada para: ", "10/12/2026 - Duda Souza"});
    const std::string productSheet =
        crLfLines({"Descrição: Pipoca", "Número: 000005  | Código de Barras: 7895676444127",
                   "Estoque: 47,5  | ICMS: 18%", "Valor Compra: R$ 1,60  | Preço: R$3,20",
                   "Distribuidor: Warner", "Observações: "});
    const std::string distributorSheet = crLfLines(
        {" Código: 00001  Nome: Warner", " Contato: Maria  CGC: 12.345.678/0001-90",
         " Telefone(s).: (19) 3284-6308 Tel.Celular: 99132-5828 E-mail: w@w.com",
         " Endereço: Av. B, 2 Bairro: Centro CEP: 13010-000 Cidade: Campinas", " Observações: "});
    struct Case {
        ReportKind kind;
        ListRow row;
        std::string text;
    };
    const std::vector<Case> cases = {{ReportKind::Client, {"", 1, 'R'}, holderSheet},
                                     {ReportKind::Tape, {"", 7}, rentedTape},
                                     {ReportKind::Product, {"", 5}, productSheet},
                                     {ReportKind::Distributor, {"", 1}, distributorSheet}};

    for (const Case& c : cases) {
        EXPECT_EQ(sheet(c.kind, c.row), c.text) << c.row.code;
    }
}

// What differs from the full sheets above: a dependent's type and kinship, blank fields, a
// tape with no cast, second title, rental or reservation.
TEST_F(RecordSheetsTest, BlankFieldsAndDependentsKeepTheirLines)
{
    const std::string dependent = *sheet(ReportKind::Client, {"", 3, 'D'});
    const std::string tape = *sheet(ReportKind::Tape, {"", 8});

    EXPECT_TRUE(dependent.starts_with("   00003   D Fábio Souza\r\n Nome: Fábio Souza\r\n"
                                      " Código: 3\r\n Tipo Cliente: Dependente\r\n CI: \r\n"));
    EXPECT_TRUE(dependent.ends_with(" CEP: \r\n Cidade: \r\n Tel.Res.: \r\n Tel.Celular: \r\n"
                                    " Tel.Coml.: \r\n E-mail: \r\n" +
                                    kSeparator +
                                    "\r\n Grau Parentesco: Filho\r\n Data Insc.: 02/02/2021 "
                                    "18:05h\r\n Profissão: \r\n EstadoCivil: Solteiro(a)\r\n"
                                    " Sexo: Masc\r\n Observações: \r\n"))
        << dependent;
    EXPECT_EQ(tape, crLfLines({"Nome: Alien", "Código:00008", "Seção: Ação |Mídia: VHS",
                               "Selo: Catálogo |Diária: R$ 4,00 |N° Máx.Dias: 7",
                               "Diretor:  |Ano de Lançamento:0", "Atores: ", "Distribuidor: ",
                               "Data da Compra: 00/00/0000 |Valor: R$ 0,00 |Valor Venda: R$0,00",
                               "Observações: ", "Últimas Locações:", "N° Total de Locações: 0",
                               "A fita não está locada no momento."}));
}

TEST_F(RecordSheetsTest, DeletedAndMissingRecordsHaveNoSheetAndAreLeftOutOfAll)
{
    markDeleted<TapeRecord>(8);
    product(6, "Bala");
    markDeleted<ProductRecord>(6);
    distributor(2, "Fox");
    markDeleted<DistributorRecord>(2);
    markDeleted<ClientRecord>(1);
    struct Case {
        ReportKind kind;
        ListRow row;
    };
    const std::vector<Case> cases = {
        {ReportKind::Client, {"", 1, 'R'}}, {ReportKind::Client, {"", 2, 'D'}},
        {ReportKind::Client, {"", 9, 'R'}}, {ReportKind::Tape, {"", 8}},
        {ReportKind::Tape, {"", 0}},        {ReportKind::Product, {"", 6}},
        {ReportKind::Distributor, {"", 2}}};
    for (const Case& c : cases) {
        EXPECT_EQ(sheet(c.kind, c.row), std::nullopt) << c.row.code;
    }

    const std::vector<ListRow> rows = {{"", 2, 'D'}, {"", 1, 'D'}, {"", 1, 'R'}, {"", 3, 'D'}};
    const std::string all = sheetsText(records(), state.memos(), ReportKind::Client, rows);

    EXPECT_EQ(all, *sheet(ReportKind::Client, {"", 1, 'D'}) + "\r\n" +
                       *sheet(ReportKind::Client, {"", 3, 'D'}));
}

} // namespace
} // namespace tavolim::core

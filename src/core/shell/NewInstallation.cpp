#include "core/shell/NewInstallation.h"

#include "core/books/BookFiles.h"
#include "core/store/BinaryFile.h"
#include "core/store/ConfigFile.h"
#include "core/store/RecordStore.h"
#include "core/store/RuleTables.h"

#include <array>
#include <string_view>
#include <system_error>

namespace tavolim::core {
namespace {

// Files a new store starts with empty: the registers, the deleted lists, the histories and
// the memo and synopsis stores, and the settings file.
constexpr std::array<std::string_view, 19> kEmptyFiles = {
    "DadosCli.tvl", "DadosDep.tvl", "DadosFit.tvl", "DadosAto.tvl", "DadosFrn.tvl",
    "DadosPrd.tvl", "DelCli.tvl",   "DelDep.tvl",   "DelFit.tvl",   "DelFrn.tvl",
    "DelPrd.tvl",   "DelHistF.tvl", "DelHistP.tvl", "HistFita.tvl", "HistProd.tvl",
    "Memos.tvl",    "RegMemos.tvl", "Sinopses.tvl", "Config.ini",
};

// The level each access row asks for: 1 administrators, 2 administrators and medium,
// 3 everyone. The counter's daily work is open to all; money, rules and data tools are not.
constexpr std::array<std::int16_t, 24> kAccessRows = {
    2, // BackUp
    1, // Configurar Recibos
    3, // Cadastro de Clientes
    2, // Cadastro de Fitas
    2, // Cadastro de Produtos
    2, // Cadastro de Distribuidores
    1, // Dados Gerais da Locadora
    1, // Dados Gerenciais da Locadora
    2, // Feriados
    2, // Localizar Campo em Banco de Dados
    1, // Edição Global de Bancos de Dados
    1, // Desfazer Exclusão
    3, // Operações Gerais
    3, // Devolução Rápida
    3, // Vendas
    2, // Entrada de Estoque
    1, // Opções
    3, // Históricos em Geral
    2, // Relatórios em Geral
    2, // Alterar Preço Produtos
    2, // Alterar Preço Fitas
    2, // Alterar Prazo Fitas
    2, // Adicionar Brindes Manualmente
    2, // Adicionar Acréscimos ou Descontos
};

constexpr std::array<std::string_view, 8> kSections = {
    "Ação", "Aventura", "Comédia", "Drama", "Infantil", "Romance", "Suspense", "Terror",
};

// Days a tape stays out by day class: taken Sunday to Friday it comes back the next day,
// taken on Saturday it comes back on Monday.
constexpr std::array<std::int16_t, 3> kTermByClass = {1, 1, 2};

GeneralRulesRecord newRules(std::chrono::year_month_day today)
{
    GeneralRulesRecord r;
    r.AbreSabado = true;
    r.AbreDomingo = false;
    r.CobraSabado = true;
    r.CobraDomingo = false;
    for (int c = 1; c <= DayClasses; ++c) {
        for (int n = 1; n <= MaxRuleCount; ++n) {
            r.PrazosGerais[static_cast<std::size_t>(generalTermIndex(c, n))] =
                kTermByClass[static_cast<std::size_t>(c - 1)];
        }
    }
    r.MesFeriados = static_cast<std::int16_t>(static_cast<unsigned>(today.month()));
    r.NumSecoes = static_cast<std::int16_t>(kSections.size());
    for (std::size_t i = 0; i < kSections.size(); ++i) {
        r.Secoes[i] = std::string(kSections[i]);
    }
    r.NumOperadores = 1;
    r.NomeOperador[0] = "Tavolim";
    r.TamSenha[0] = 0;
    r.NivelOperador[0] = 1;
    r.MargemEsq = 0;
    r.LinhasAcima = 1;
    r.LinhasAbaixo = 4;
    std::copy(kAccessRows.begin(), kAccessRows.end(), r.NivelAcesso.begin());
    return r;
}

MediaRecord newMedia()
{
    MediaRecord m;
    m.Codigo = 1;
    m.Nome = "VHS";
    for (int c = 1; c <= DayClasses; ++c) {
        for (int n = 1; n <= MaxRuleCount; ++n) {
            m.Prazos[static_cast<std::size_t>(classByCountIndex(c, n))] =
                kTermByClass[static_cast<std::size_t>(c - 1)];
        }
    }
    return m;
}

LabelRecord newLabel()
{
    LabelRecord l;
    l.Codigo = 1;
    l.Nome = "Catálogo";
    l.NumMaxDias = 7;
    for (int c = 1; c <= DayClasses; ++c) {
        for (int n = 1; n <= MaxRuleCount; ++n) {
            const auto i = static_cast<std::size_t>(classByCountIndex(c, n));
            l.Diarias[i] = Money::fromCents(400);
            l.Prazos[i] = kTermByClass[static_cast<std::size_t>(c - 1)];
        }
    }
    l.TempoMulta = 0;
    l.UnidadeMulta = LabelRecord::FineInDays;
    return l;
}

// A new store starts with the counter ready: terms from the general table, each late day
// charged at the label price, and a main window with a calm colour and its shortcut legend.
// Registers ask before dropping typed changes: a new clerk's Esc must not lose a client.
bool writeFirstSettings(const std::filesystem::path& folder)
{
    ConfigFile config(folder);
    bool ok = config.writeConfig("TipoPrazo", "1");
    ok = config.writeConfig("TipoCobraAtraso", "1") && ok;
    ok = config.writeConfig("MostrarLeg", "True") && ok;
    ok = config.writeConfig("CorFundoPrinc", "&H7F5F3F") && ok;
    ok = config.writeConfig("AcaoQdoSaiForm", "2") && ok;
    return ok;
}

StoreRecord newStoreData()
{
    StoreRecord s;
    s.NomeEmpresa = "Minha Locadora";
    s.NomeFantasia = "Minha Locadora";
    return s;
}

template <class R>
bool writeIfMissing(const std::filesystem::path& file, const R& record)
{
    if (std::filesystem::exists(file)) {
        return true;
    }
    return binaryfile::writeAllAtomic(file, record.encoded());
}

} // namespace

bool needsNewInstallation(const std::filesystem::path& folder)
{
    return !std::filesystem::exists(folder / "tavolim.ini");
}

bool createNewInstallation(const std::filesystem::path& folder, std::chrono::year_month_day today)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder)) {
        return false;
    }
    bool ok = true;
    const bool newSettings = !std::filesystem::exists(folder / "Config.ini");
    for (const auto name : kEmptyFiles) {
        const auto file = folder / std::string(name);
        if (!std::filesystem::exists(file)) {
            ok = binaryfile::writeAllAtomic(file, {}) && ok;
        }
    }
    ok = writeIfMissing(folder / "DadosMid.tvl", newMedia()) && ok;
    ok = writeIfMissing(folder / "FitaSelo.tvl", newLabel()) && ok;
    ok = writeIfMissing(folder / "DadosLoc.tvl", newStoreData()) && ok;
    ok = createBookFiles(folder, today) && ok;
    if (newSettings) {
        ok = writeFirstSettings(folder) && ok;
    }
    // The general rules record last: its presence is what marks the folder as a store.
    ok = ok && writeIfMissing(folder / "tavolim.ini", newRules(today));
    return ok;
}

std::string newStoreMessage(const std::filesystem::path& folder)
{
    return "Foi criada uma nova locadora, ainda sem clientes e sem fitas.\n"
           "Os dados dela ficam na pasta:\n" +
           folder.string() +
           "\n\nPara começar:\n"
           "- confira no calendário que vai se abrir os feriados deste mês;\n"
           "- cadastre as fitas em Cadastros > Fitas (tecla F);\n"
           "- cadastre os clientes em Cadastros > Clientes (tecla C);\n"
           "- troque o nome \"Minha Locadora\" pelo da sua loja em Cadastros > Locadora.\n\n"
           "Para abrir uma locadora que já existe, inicie o Tavolim com --dados e a pasta dela.";
}

} // namespace tavolim::core

#include "core/shell/MainMenu.h"

#include "core/state/Operators.h"
#include "core/store/GeneralRulesRecord.h"

#include <cctype>

namespace tavolim::core {

namespace {

MenuItem item(std::string_view name, std::string_view caption, int row = 0,
              std::string_view shortcut = {})
{
    MenuItem m;
    m.name = name;
    m.caption = caption;
    if (row > 0) {
        m.gate = MenuGate::AccessRow;
        m.accessRow = row;
    }
    m.shortcut = shortcut;
    return m;
}

MenuItem gated(std::string_view name, std::string_view caption, MenuGate gate)
{
    MenuItem m = item(name, caption);
    m.gate = gate;
    return m;
}

MenuItem menu(std::string_view name, std::string_view caption, std::vector<MenuItem> children,
              int row = 0)
{
    MenuItem m = item(name, caption, row);
    m.children = std::move(children);
    return m;
}

MenuItem inert(std::string_view name, std::string_view caption)
{
    MenuItem m = item(name, caption);
    m.noAction = true;
    return m;
}

MenuItem separator(std::string_view name)
{
    return item(name, "-");
}

// clang-format off
// Access rows, by their number in the access-level table.
enum Row {
    BackUp = 1, ConfigRecibos, Clientes, Fitas, Produtos, Distribuidores, DadosLocadora,
    DadosGerenciais, Feriados, Localizar, EdicaoGlobal, DesfazerExclusao, OperacoesGerais,
    DevolucaoRapida, Vendas, EntradaEstoque, Opcoes, Historicos, Relatorios,
};

std::vector<MenuItem> buildTree()
{
    return {
        menu("mnuArquivo", "&Arquivo", {
            item("mnuArqBackUp", "&Back-Up...", BackUp),
            item("mnuArqRecBackUp", "R&ecuperar Back-Up...", BackUp),
            separator("mnuTraco01"),
            item("mnuArqConfigImp", "&Configurar Impressora..."),
            item("mnuArqConfigRec", "C&onfigurar Recibos...", ConfigRecibos),
            item("mnuArqImpRecTeste", "&Imprimir Recibo Teste"),
            separator("mnuTraco02"),
            item("mnuArqSair", "Sai&r"),
        }),
        menu("mnuDados", "&Cadastros", {
            item("mnuDadosClientes", "&Clientes...", Clientes, "C"),
            item("mnuDadosFitas", "&Fitas...", Fitas, "F"),
            item("mnuDadosProdutos", "&Produtos...", Produtos, "P"),
            item("mnuDadosDist", "&Distribuidores...", Distribuidores),
            separator("mnuTraco03"),
            item("mnuDadosLocad", "&Locadora...", DadosLocadora),
            item("mnuDadosGerenc", "Diária&s/Prazos...", DadosGerenciais),
            item("mnuDadosFeriados", "Fe&riados...", Feriados),
            separator("mnuTraco04"),
            inert("mnuDadosImportar", "&Importar..."),
            inert("mnuDadosExportar", "&Exportar..."),
            separator("mnuTraco05"),
            item("mnuDadosLocalizar", "L&ocalizar Registro...", Localizar, "L"),
            item("mnuDadosAdicRegs", "Adicionar Regis&tros...", EdicaoGlobal),
            item("mnuDadosPreenchCampo", "Preenc&her Campo...", EdicaoGlobal),
            item("mnuDadosApagCampo", "&Apagar Campo...", EdicaoGlobal),
            item("mnuDadosSubstituir", "S&ubstituir Dado...", EdicaoGlobal),
            inert("mnuDadosExcRegs", "E&xcluir Registros..."),
            separator("mnuTraco06"),
            menu("mnuDadosDesfazerExc", "Desfa&zer Exclusão", {
                item("mnuDadosDesfExcCli", "&Clientes..."),
                item("mnuDadosDesfExcFitas", "&Fitas..."),
                item("mnuDadosDesfExcProd", "&Produtos..."),
                item("mnuDadosDesfExcDist", "&Distribuidoras..."),
            }, DesfazerExclusao),
        }),
        menu("mnuOperacoes", "&Operações", {
            item("mnuOpGerais", "&Gerais...", OperacoesGerais, "Enter"),
            item("mnuOpDevolucao", "&Devolução...", DevolucaoRapida, "D"),
            separator("mnuTraco07"),
            item("mnuOpVendas", "&Vendas...", Vendas, "V"),
            item("mnuOpEntradaEstq", "&Entrada de Estoque...", EntradaEstoque, "E"),
        }),
        menu("mnuFerramentas", "&Ferramentas", {
            inert("mnuFerrMalaDireta", "Mala &Direta..."),
            inert("mnuFerrEditorMsg", "Editor de &Mensagens..."),
            item("mnuFerrEdTexto", "&Editor de Texto..."),
            separator("mnuTraco08"),
            gated("mnuFerrLogOn", "&Alterar Usuário...", MenuGate::SeveralOperators),
            item("mnuFerrLogOff", "Sai&r Usuário"),
            item("mnuFerrAltSenha", "Alterar &Senha..."),
            separator("mnuTraco09"),
            gated("mnuFerrUsuarios", "&Usuários...", MenuGate::AdministratorOnly),
            gated("mnuFerrNivAcesso", "&Níveis de Acesso...", MenuGate::AdministratorOnly),
            separator("mnuTraco10"),
            item("mnuFerrOpções", "&Opções...", Opcoes, "O"),
        }),
        menu("mnuUtilitários", "U&tilitátios", {
            menu("mnuUtilNomeRep", "Verificar &Nomes Repetidos", {
                item("mnuUtilNomeRepCli", "&Clientes"),
                item("mnuUtilNomeRepFitas", "&Fitas"),
                item("mnuUtilNomeRepProds", "&Produtos"),
                item("mnuUtilNomeRepDist", "&Distribuidores"),
            }),
            menu("mnuUtilCodRep", "Verificar &Códigos Repetidos", {
                item("mnuUtilCodRepFitas", "&Fitas"),
                item("mnuUtilCodRepProds", "&Produtos"),
            }),
            separator("mnuTraco11"),
            item("mnuUtilRetiraErros", "Verificar &Bancos de Dados"),
            item("mnuUtilVerifRegsExc", "Verificar &Registros Excluídos"),
        }),
        menu("mnuHistoricos", "&Históricos", {
            inert("mnuRelPrevisaoDia", "Pre&visões para o Dia..."),
            inert("mnuHistMovsDia", "Movimentações do &Dia..."),
            item("mnuHistResumoDia", "&Resumo do Dia...", Historicos),
            separator("mnuTraco12"),
            item("mnuHistLocDev", "&Locações/Devoluções...", Historicos),
            item("mnuHistLivroCaixa", "&Vendas...", Historicos),
            separator("mnuTraco13"),
            item("mnuHistGrafCaixa", "&Gráficos de Caixa...", Historicos),
        }),
        menu("mnuRelatórios", "&Relatórios", {
            inert("mnuRelEstatisticas", "&Estatísticas..."),
            separator("mnuTraco14"),
            item("mnuRelTodosCliResp", "Clientes &Titulares...", Relatorios),
            item("mnuRelTodosCliDep", "Clientes &Dependentes...", Relatorios),
            item("mnuRelTodosCliJuntos", "Todos os &Clientes...", Relatorios),
            item("mnuRelCliComDeb", "Clientes com Dé&bitos...", Relatorios),
            item("mnuRelCliComFitas", "Clientes com &Fitas Locadas...", Relatorios),
            separator("mnuTraco15"),
            item("mnuRelTodasFitas", "Todas &as Fitas...", Relatorios),
            item("mnuRelFitasLocadas", "Fitas &Locadas...", Relatorios),
            item("mnuRelFitasReservadas", "Fitas &Reservadas...", Relatorios),
            item("mnuRelFitasPorSeção", "Fitas por &Seção...", Relatorios),
            item("mnuRelFitasPorSelo", "Fitas por Sel&o...", Relatorios),
            item("mnuRelFitasPorDist", "Fitas por Distrib&uidora...", Relatorios),
            item("mnuRelFitasPorAtor", "Fitas por Ator/Atri&z...", Relatorios),
            separator("mnuTraco16"),
            item("mnuRelProdutos", "&Produtos...", Relatorios),
            item("mnuRelDist", "D&istribuidoras...", Relatorios),
        }),
        menu("mnuAjuda", "Aj&uda", {
            item("mnuAjudaConteúdo", "&Conteúdo..."),
            item("mnuAjudaInet", "&Tavolim na Internet..."),
            item("mnuAjudaSuporteTec", "&Obtendo Suporte Técnico..."),
            separator("mnuTraco17"),
            item("mnuAjudaSobre", "&Sobre o Tavolim..."),
        }),
    };
}
// clang-format on

template <class Pred>
const MenuItem* findIn(const std::vector<MenuItem>& items, const Pred& pred)
{
    for (const MenuItem& m : items) {
        if (pred(m)) {
            return &m;
        }
        if (const MenuItem* found = findIn(m.children, pred)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

const std::vector<MenuItem>& mainMenuTree()
{
    static const std::vector<MenuItem> tree = buildTree();
    return tree;
}

const MenuItem* findMenuItem(std::string_view name)
{
    return findIn(mainMenuTree(), [name](const MenuItem& m) { return m.name == name; });
}

const MenuItem* menuItemForShortcut(std::string_view key)
{
    if (key.empty()) {
        return nullptr;
    }
    return findIn(mainMenuTree(), [key](const MenuItem& m) { return m.shortcut == key; });
}

char accessKey(std::string_view caption)
{
    const auto amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size()) {
        return 0;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[amp + 1])));
}

bool menuItemAllowed(const MenuItem& item, const GeneralRulesRecord& rules, int index)
{
    switch (item.gate) {
    case MenuGate::Always:
        return true;
    case MenuGate::AccessRow:
        return mayUse(rules, index, item.accessRow);
    case MenuGate::AdministratorOnly:
        return operatorLevel(rules, index) == kLevelAdministrator;
    case MenuGate::SeveralOperators:
        return rules.operatorCount() >= 2;
    }
    return false;
}

} // namespace tavolim::core

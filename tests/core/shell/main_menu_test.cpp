#include "core/shell/MainMenu.h"

#include "ShellFixture.h"

#include <map>
#include <set>

namespace tavolim::core {
namespace {

using MainMenuTest = test::ShellFixture;

void collect(const std::vector<MenuItem>& items, std::vector<const MenuItem*>& out)
{
    for (const MenuItem& m : items) {
        out.push_back(&m);
        collect(m.children, out);
    }
}

std::vector<const MenuItem*> allItems()
{
    std::vector<const MenuItem*> out;
    collect(mainMenuTree(), out);
    return out;
}

TEST(MainMenu, ItemsCarryTheirGatesAccessRowsAndShortcuts)
{
    struct Case {
        const char* name;
        MenuGate gate;
        int row;
        const char* shortcut;
    };
    using enum MenuGate;
    const Case cases[] = {
        {"mnuArqBackUp", AccessRow, 1, ""},        {"mnuArqConfigRec", AccessRow, 2, ""},
        {"mnuDadosClientes", AccessRow, 3, "C"},   {"mnuDadosFitas", AccessRow, 4, "F"},
        {"mnuDadosProdutos", AccessRow, 5, "P"},   {"mnuDadosDist", AccessRow, 6, ""},
        {"mnuDadosLocad", AccessRow, 7, ""},       {"mnuDadosGerenc", AccessRow, 8, ""},
        {"mnuDadosFeriados", AccessRow, 9, ""},    {"mnuDadosLocalizar", AccessRow, 10, "L"},
        {"mnuDadosSubstituir", AccessRow, 11, ""}, {"mnuDadosDesfazerExc", AccessRow, 12, ""},
        {"mnuOpGerais", AccessRow, 13, "Enter"},   {"mnuOpDevolucao", AccessRow, 14, "D"},
        {"mnuOpVendas", AccessRow, 15, "V"},       {"mnuOpEntradaEstq", AccessRow, 16, "E"},
        {"mnuFerrOpções", AccessRow, 17, "O"},     {"mnuHistLivroCaixa", AccessRow, 18, ""},
        {"mnuRelDist", AccessRow, 19, ""},         {"mnuArqSair", Always, 0, ""},
        {"mnuFerrLogOn", SeveralOperators, 0, ""}, {"mnuFerrUsuarios", AdministratorOnly, 0, ""},
    };

    for (const Case& c : cases) {
        const MenuItem* item = findMenuItem(c.name);

        ASSERT_NE(item, nullptr) << c.name;
        EXPECT_EQ(item->gate, c.gate) << c.name;
        EXPECT_EQ(item->accessRow, c.row) << c.name;
        EXPECT_EQ(item->shortcut, c.shortcut) << c.name;
    }
}

TEST(MainMenu, TreeIsWellFormed)
{
    std::set<std::string_view> names;
    std::map<std::string_view, int> shortcuts;
    int separators = 0;

    for (const MenuItem* m : allItems()) {
        EXPECT_TRUE(names.insert(m->name).second) << "repeated " << m->name;
        if (m->isSeparator()) {
            ++separators;
            const std::string expected =
                (separators < 10 ? "mnuTraco0" : "mnuTraco") + std::to_string(separators);
            EXPECT_EQ(m->name, expected);
        } else {
            EXPECT_NE(accessKey(m->caption), 0) << m->name;
        }
        if (!m->shortcut.empty()) {
            ++shortcuts[m->shortcut];
        }
    }
    // Access keys are unique among the items of one menu; the program's own Históricos
    // captions give "V" to both Previsões and Vendas.
    std::vector<const std::vector<MenuItem>*> menus{&mainMenuTree()};
    for (const MenuItem* m : allItems()) {
        if (!m->children.empty()) {
            menus.push_back(&m->children);
        }
    }
    for (const auto* menu : menus) {
        std::set<char> keys;
        for (const MenuItem& m : *menu) {
            if (!m.isSeparator() && m.name != "mnuRelPrevisaoDia") {
                EXPECT_TRUE(keys.insert(accessKey(m.caption)).second) << m.name;
            }
        }
    }

    EXPECT_EQ(shortcuts.size(), 9u);
    EXPECT_EQ(mainMenuTree().size(), 8u);
    EXPECT_EQ(menuItemForShortcut("Enter")->name, "mnuOpGerais");
    EXPECT_EQ(menuItemForShortcut("X"), nullptr);
}

TEST_F(MainMenuTest, GatesFollowTheOperatorLevelAndCount)
{
    setOperators({{"Adm", "", 1}, {"Med", "", 2}, {"Op", "", 3}});
    rules().NivelAcesso.fill(3);
    rules().NivelAcesso[3] = 1;  // Cadastro de Fitas
    rules().NivelAcesso[16] = 2; // Opções
    struct Case {
        const char* name;
        std::array<bool, 3> allowed; // for levels 1, 2, 3
    };
    const Case cases[] = {
        {"mnuDadosFitas", {true, false, false}},  {"mnuFerrOpções", {true, true, false}},
        {"mnuDadosClientes", {true, true, true}}, {"mnuFerrUsuarios", {true, false, false}},
        {"mnuFerrLogOn", {true, true, true}},     {"mnuArqSair", {true, true, true}},
    };

    for (const Case& c : cases) {
        for (int level = 1; level <= 3; ++level) {
            EXPECT_EQ(menuItemAllowed(*findMenuItem(c.name), rules(), level),
                      c.allowed[static_cast<std::size_t>(level - 1)])
                << c.name << " level " << level;
        }
    }
    setOperators({{"Adm", "", 1}});
    EXPECT_FALSE(menuItemAllowed(*findMenuItem("mnuFerrLogOn"), rules(), 1));
}

} // namespace
} // namespace tavolim::core

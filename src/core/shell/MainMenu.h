#pragma once

#include <string_view>
#include <vector>

namespace tavolim::core {

struct GeneralRulesRecord;

// What decides whether the logged-in operator may use a menu item.
enum class MenuGate {
    Always,
    AccessRow,         // the access rule on `accessRow`
    AdministratorOnly, // level 1
    SeveralOperators,  // two or more operators exist
};

// One item of the main window's menu tree (frmPrincipal). The caption marks its access key
// with "&"; a separator is named "mnuTraco" + two digits with caption "-".
struct MenuItem {
    std::string_view name;
    std::string_view caption;
    MenuGate gate = MenuGate::Always;
    int accessRow = 0;         // 1..24 when gated by a row
    std::string_view shortcut; // key of the main window acting on the item: "Enter", "C"...
    std::vector<MenuItem> children;
    // Kept in the tree as the store knows it, but does nothing by design.
    bool noAction = false;

    bool isSeparator() const { return caption == "-"; }
};

// The tip of an item that does nothing by design, and the mark of an item whose window is
// not part of the program yet (shown after its caption).
inline constexpr std::string_view kNoActionTip =
    "Este item não tem função: fica no menu como nas versões anteriores do Tavolim.";
inline constexpr std::string_view kNotYetAvailable = "ainda não disponível";

// The six top menus and Help, in menu-bar order.
const std::vector<MenuItem>& mainMenuTree();

// Depth-first search of the whole tree; nullptr when absent.
const MenuItem* findMenuItem(std::string_view name);

// The item whose shortcut is `key`; nullptr when none.
const MenuItem* menuItemForShortcut(std::string_view key);

// The character after "&" in upper case; 0 when the caption has none.
char accessKey(std::string_view caption);

// Whether the operator `index` (OperadorAtual) may use the item by its gate.
bool menuItemAllowed(const MenuItem& item, const GeneralRulesRecord& rules, int index);

} // namespace tavolim::core

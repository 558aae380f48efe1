#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <vector>

class QLabel;
class QMenu;

namespace tavolim::core {
class AppState;
class Backup;
struct MenuItem;
} // namespace tavolim::core

namespace tavolim::app {

class BackgroundArea;

// The program's main window (frmPrincipal): the menu tree of the core, whose items are
// enabled by the operator's access and by having an action; the shortcut keys; the legend
// and the background. Closing it runs the exit sequence.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(core::AppState& state, core::Backup& backup, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Gives a menu item its action. An item without one stays disabled: its window is not
    // part of the program yet.
    void setHandler(const QString& name, std::function<void()> handler);
    // Enables every item by the access rule for the logged-in operator (RefreshMenus).
    void refreshMenus();
    // Legend, background colour and picture from the options, after they change.
    void applyAppearance();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addItems(QMenu* menu, const std::vector<core::MenuItem>& items);
    void registerOwnHandlers();
    // Returns whether any item of the list ended up enabled.
    bool refreshMenu(const std::vector<core::MenuItem>& items);
    // Whether the item, or one item of its submenu, has a handler.
    bool isWired(const core::MenuItem& item) const;
    // A menu's window, shown without waiting; choosing the item again brings the open one
    // forward instead of opening a second.
    void showModeless(const QString& item, const std::function<QWidget*()>& make);

    core::AppState& m_state;
    core::Backup& m_backup;
    BackgroundArea* m_background = nullptr;
    QLabel* m_legend = nullptr;
    QHash<QString, QAction*> m_actions;
    QHash<QString, std::function<void()>> m_handlers;
    QHash<QString, QPointer<QWidget>> m_open;
    bool m_exited = false;
};

} // namespace tavolim::app

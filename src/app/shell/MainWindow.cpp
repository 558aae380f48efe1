#include "app/shell/MainWindow.h"

#include "app/books/BookMenu.h"
#include "app/counter/CounterOpeners.h"
#include "app/counter/SituationWindow.h"
#include "app/printing/PrintingActions.h"
#include "app/printing/ReceiptSettingsWindow.h"
#include "app/printing/TextEditorWindow.h"
#include "app/registers/ChooserWindow.h"
#include "app/registers/ClientWindow.h"
#include "app/registers/DistributorWindow.h"
#include "app/registers/ProductWindow.h"
#include "app/registers/StoreDataWindow.h"
#include "app/registers/TapeWindow.h"
#include "app/reports/ReportActions.h"
#include "app/rules/HolidayWindow.h"
#include "app/rules/RulesWindow.h"
#include "app/sales/SalesMenu.h"
#include "app/shell/AboutWindow.h"
#include "app/shell/AccessLevelsWindow.h"
#include "app/shell/HelpWindow.h"
#include "app/shell/LoginWindow.h"
#include "app/shell/OperatorsWindow.h"
#include "app/shell/OptionsWindow.h"
#include "app/shell/ProgramTitle.h"
#include "app/shell/QtConversions.h"
#include "app/tools/ChecksMenu.h"
#include "app/tools/ToolsMenu.h"
#include "core/ports/Backup.h"
#include "core/ports/Dialogs.h"
#include "core/registers/ClientUndelete.h"
#include "core/registers/StoreDataForm.h"
#include "core/registers/Undelete.h"
#include "core/reports/RecordLists.h"
#include "core/shell/BackgroundPicture.h"
#include "core/shell/ExitSequence.h"
#include "core/shell/HelpTexts.h"
#include "core/shell/MainMenu.h"
#include "core/shell/OperatorSession.h"
#include "core/state/AppState.h"
#include "core/tools/BackupSession.h"

#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace tavolim::app {

namespace {

const QString kLegend = QStringLiteral(
    "C = Clientes            F = Fitas                  P = Produtos                      "
    "                     Enter = Operações D = Devoluções     V = Vendas");

// The legend's six "key = window" pairs in two rows of three columns, so that no pair
// reads into its neighbour ("Operações D") however the font measures.
QString legendTable(const QString& legend)
{
    static const QRegularExpression pair(QStringLiteral("(\\S+ = \\S+)"));
    QStringList cells;
    for (auto it = pair.globalMatch(legend); it.hasNext();) {
        cells << it.next().captured(1).toHtmlEscaped();
    }
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    for (qsizetype row = 0; row < cells.size(); row += 3) {
        html += QStringLiteral("<tr>");
        for (qsizetype i = row; i < std::min(row + 3, cells.size()); ++i) {
            html += QStringLiteral("<td style=\"padding-right: 28px\">") + cells[i] +
                    QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// Colours are kept as the platform's 0x00BBGGRR.
QColor fromBgr(std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

// The keys that act on a menu item: "Enter" is both Return and the keypad's Enter.
std::vector<QKeySequence> shortcutKeys(std::string_view key)
{
    if (key == "Enter") {
        return {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)};
    }
    if (key.empty()) {
        return {};
    }
    return {QKeySequence(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())))};
}

} // namespace

// The client area: the background colour and the picture in its mode, redrawn on resize.
class BackgroundArea final : public QWidget {
public:
    explicit BackgroundArea(QWidget* parent) : QWidget(parent) {}

    void setPicture(QPixmap picture, core::PictureMode mode)
    {
        m_picture = std::move(picture);
        m_mode = mode;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        if (m_picture.isNull()) {
            return;
        }
        switch (m_mode) {
        case core::PictureMode::Tiled:
            painter.drawTiledPixmap(rect(), m_picture);
            break;
        case core::PictureMode::Stretched:
            painter.drawPixmap(rect(), m_picture);
            break;
        case core::PictureMode::Centred: {
            QRect target = m_picture.rect();
            target.moveCenter(rect().center());
            painter.drawPixmap(target, m_picture);
            break;
        }
        }
    }

private:
    QPixmap m_picture;
    core::PictureMode m_mode = core::PictureMode::Centred;
};

MainWindow::MainWindow(core::AppState& state, core::Backup& backup, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_backup(backup)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    // The name field is space-padded in its record.
    const QString store = toQString(m_state.records().store().NomeFantasia).trimmed();
    setWindowTitle(QString::fromLatin1(kProgramTitle) + QStringLiteral(" - ") + store);

    addItems(nullptr, core::mainMenuTree());

    m_background = new BackgroundArea(this);
    m_background->setObjectName(QStringLiteral("picFundo"));
    m_background->setAutoFillBackground(false);
    m_legend = new QLabel(legendTable(kLegend), m_background);
    m_legend->setObjectName(QStringLiteral("lblDicas"));
    m_legend->setFont(QFont(QStringLiteral("Arial"), 9));
    m_legend->setTextFormat(Qt::RichText);
    m_legend->setAutoFillBackground(true);
    m_legend->setContentsMargins(8, 6, 8, 6);
    m_legend->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(m_background);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addStretch();
    layout->addWidget(m_legend, 0, Qt::AlignLeft | Qt::AlignBottom);
    setCentralWidget(m_background);
    // The menu bar hands the focus back here when its keyboard walk ends.
    m_background->setFocusPolicy(Qt::StrongFocus);
    m_background->setFocus();

    registerOwnHandlers();
    applyAppearance();
    refreshMenus();
    resize(800, 560);
}

MainWindow::~MainWindow() = default;

void MainWindow::addItems(QMenu* menu, const std::vector<core::MenuItem>& items)
{
    for (const core::MenuItem& item : items) {
        const QString name = toQString(std::string(item.name));
        const QString caption = toQString(std::string(item.caption));
        QAction* action = nullptr;
        if (item.isSeparator()) {
            action = menu->addSeparator();
        } else if (!item.children.empty()) {
            QMenu* sub = menu ? menu->addMenu(caption) : menuBar()->addMenu(caption);
            sub->setObjectName(name);
            sub->setToolTipsVisible(true);
            addItems(sub, item.children);
            if (!menu) {
                // Opening a top menu refreshes it, as RefreshMenus does for all of them.
                const auto* children = &item.children;
                connect(sub, &QMenu::aboutToShow, this,
                        [this, children] { refreshMenu(*children); });
            }
            action = sub->menuAction();
        } else {
            const QString shown = item.shortcut.empty() ? caption
                                                        : caption + QLatin1Char('\t') +
                                                              toQString(std::string(item.shortcut));
            action = menu->addAction(shown);
            connect(action, &QAction::triggered, this, [this, name] {
                if (const auto handler = m_handlers.value(name)) {
                    handler();
                }
            });
            // Window shortcuts come before the menu bar's own letter keys, so a key acts the
            // same after the menus were walked from the keyboard as before.
            for (const QKeySequence& keys : shortcutKeys(item.shortcut)) {
                auto* shortcut = new QShortcut(keys, this);
                shortcut->setContext(Qt::WindowShortcut);
                shortcut->setAutoRepeat(false);
                connect(shortcut, &QShortcut::activated, action, [action] {
                    if (action->isEnabled()) {
                        action->trigger();
                    }
                });
            }
        }
        action->setObjectName(name);
        m_actions.insert(name, action);
    }
}

void MainWindow::setHandler(const QString& name, std::function<void()> handler)
{
    m_handlers.insert(name, std::move(handler));
    refreshMenus();
}

bool MainWindow::isWired(const core::MenuItem& item) const
{
    if (item.children.empty()) {
        return m_handlers.contains(toQString(std::string(item.name)));
    }
    return std::any_of(item.children.begin(), item.children.end(),
                       [this](const core::MenuItem& child) { return isWired(child); });
}

bool MainWindow::refreshMenu(const std::vector<core::MenuItem>& items)
{
    const auto& rules = m_state.records().rules();
    bool anyEnabled = false;
    for (const core::MenuItem& item : items) {
        QAction* action = m_actions.value(toQString(std::string(item.name)));
        if (!action || item.isSeparator()) {
            continue;
        }
        const bool allowed = core::menuItemAllowed(item, rules, m_state.OperadorAtual);
        const bool wired = isWired(item);
        // A submenu is of use when one of its items is.
        const bool hasAction = item.children.empty() ? wired : refreshMenu(item.children);
        action->setEnabled(allowed && hasAction && !item.noAction);
        // Grey alone does not say why: an item that does nothing says so in its tip, one
        // whose window is still to come says so in its caption.
        QString text = toQString(std::string(item.caption));
        if (!wired && !item.noAction) {
            text += QStringLiteral(" (") + toQString(std::string(core::kNotYetAvailable)) +
                    QLatin1Char(')');
        }
        if (!item.shortcut.empty()) {
            text += QLatin1Char('\t') + toQString(std::string(item.shortcut));
        }
        action->setText(text);
        action->setToolTip(item.noAction ? toQString(std::string(core::kNoActionTip)) : QString());
        anyEnabled = anyEnabled || action->isEnabled();
    }
    return anyEnabled;
}

void MainWindow::refreshMenus()
{
    // The top menus always open, even when none of their items can be used.
    for (const core::MenuItem& top : core::mainMenuTree()) {
        refreshMenu(top.children);
    }
}

void MainWindow::applyAppearance()
{
    const core::Options& options = m_state.options();
    const QColor background = fromBgr(options.CorFundoPrinc);
    QPalette colours = m_background->palette();
    colours.setColor(QPalette::Window, background);
    m_background->setPalette(colours);
    // The legend shares the background; its text takes whichever of black or white reads.
    QPalette legend = m_legend->palette();
    legend.setColor(QPalette::Window, background);
    legend.setColor(QPalette::WindowText, background.lightness() < 128 ? Qt::white : Qt::black);
    m_legend->setPalette(legend);
    m_legend->setVisible(options.MostrarLeg);

    // Read afresh, not through the pixmap cache: the file may have been replaced.
    QPixmap picture;
    const auto mode = core::pictureMode(options.Tipo);
    QImage image;
    if (!options.Imagem.empty() && image.load(toQString(options.Imagem))) {
        picture = QPixmap::fromImage(image);
        const std::string refusal = core::pictureRefusal(mode, picture.width(), picture.height());
        if (!refusal.empty()) {
            m_state.ports().dialogs.message(refusal, core::msg::Exclamation);
            picture = QPixmap();
        }
    }
    m_background->setPicture(picture, mode);
}

void MainWindow::registerOwnHandlers()
{
    using Mode = core::AccessForm::Mode;
    auto login = [this] { return LoginWindow::logIn(m_state, this); };
    m_handlers.insert(QStringLiteral("mnuArqSair"), [this] { close(); });
    m_handlers.insert(QStringLiteral("mnuFerrLogOn"),
                      [this, login] { core::changeOperator(m_state, login); });
    m_handlers.insert(QStringLiteral("mnuFerrLogOff"), [this, login] {
        if (!core::logOff(m_state, login)) {
            close();
        }
    });
    m_handlers.insert(QStringLiteral("mnuFerrAltSenha"), [this] {
        core::changePassword(
            m_state, [this] { return LoginWindow::run(m_state, Mode::ChangePassword, this); });
    });
    m_handlers.insert(QStringLiteral("mnuFerrUsuarios"), [this] {
        showModeless(QStringLiteral("mnuFerrUsuarios"), [this] {
            auto* window = new OperatorsWindow(m_state, this);
            connect(window, &QDialog::finished, this, &MainWindow::refreshMenus);
            return window;
        });
    });
    m_handlers.insert(QStringLiteral("mnuFerrNivAcesso"), [this] {
        showModeless(QStringLiteral("mnuFerrNivAcesso"),
                     [this] { return new AccessLevelsWindow(m_state, this); });
    });
    m_handlers.insert(QStringLiteral("mnuFerrOpções"), [this] {
        showModeless(QStringLiteral("mnuFerrOpções"), [this] {
            auto* window = new OptionsWindow(m_state, this);
            connect(window, &OptionsWindow::appearanceChanged, this, &MainWindow::applyAppearance);
            return window;
        });
    });
    m_handlers.insert(QStringLiteral("mnuDadosClientes"), [this] {
        showModeless(QStringLiteral("mnuDadosClientes"),
                     [this] { return new ClientWindow(m_state, this); });
    });
    m_handlers.insert(QStringLiteral("mnuOpGerais"),
                      [this] { startOperations(m_state, this, counterWindows()); });
    m_handlers.insert(QStringLiteral("mnuOpDevolucao"),
                      [this] { returnTapeFromMenu(m_state, this, counterWindows()); });
    m_handlers.insert(QStringLiteral("mnuDadosFitas"), [this] {
        showModeless(QStringLiteral("mnuDadosFitas"),
                     [this] { return new TapeWindow(m_state, this); });
    });
    m_handlers.insert(QStringLiteral("mnuDadosFeriados"), [this] {
        showModeless(QStringLiteral("mnuDadosFeriados"),
                     [this] { return new HolidayWindow(m_state, this); });
    });
    m_handlers.insert(QStringLiteral("mnuAjudaConteúdo"), [this] {
        showModeless(QStringLiteral("mnuAjudaConteúdo"), [this] { return new HelpWindow(this); });
    });
    m_handlers.insert(QStringLiteral("mnuAjudaSobre"), [this] {
        showModeless(QStringLiteral("mnuAjudaSobre"),
                     [this] { return new AboutWindow(m_state, this); });
    });
    m_handlers.insert(QStringLiteral("mnuAjudaSuporteTec"), [this] {
        m_state.ports().dialogs.message(core::supportText(m_state), core::msg::Information,
                                        "Suporte Técnico");
    });
    m_handlers.insert(QStringLiteral("mnuAjudaInet"), [this] { core::openWebPage(m_state); });
    m_handlers.insert(QStringLiteral("mnuDadosGerenc"), [this] { openRulesEditor(m_state, this); });
    // The rules editor stays modal: its OK rewrites the tape file through temporary files.
    m_handlers.insert(QStringLiteral("mnuDadosProdutos"), [this] {
        showModeless(QStringLiteral("mnuDadosProdutos"),
                     [this] { return new ProductWindow(m_state, this); });
    });
    m_handlers.insert(QStringLiteral("mnuDadosDist"), [this] {
        showModeless(QStringLiteral("mnuDadosDist"),
                     [this] { return new DistributorWindow(m_state, 0, this); });
    });
    m_handlers.insert(QStringLiteral("mnuDadosLocad"), [this] {
        showModeless(QStringLiteral("mnuDadosLocad"), [this] {
            auto* window = new StoreDataWindow(m_state, this);
            connect(window, &QDialog::accepted, this, [this] {
                setWindowTitle(toQString(core::mainWindowCaption(m_state.records().store())));
            });
            return window;
        });
    });
    m_handlers.insert(QStringLiteral("mnuArqConfigImp"),
                      [this] { showPrinterSetup(m_state, this); });
    m_handlers.insert(QStringLiteral("mnuArqConfigRec"), [this] {
        showModeless(QStringLiteral("mnuArqConfigRec"),
                     [this] { return new ReceiptSettingsWindow(m_state, this); });
    });
    m_handlers.insert(QStringLiteral("mnuArqImpRecTeste"), [this] { printTestReceipt(m_state); });
    m_handlers.insert(QStringLiteral("mnuFerrEdTexto"), [this] { openTextEditor(m_state, this); });
    for (const core::ListInfo& list : core::listTable()) {
        m_handlers.insert(toQString(std::string(list.menuName)),
                          [this, kind = list.kind] { openList(m_state, kind, this); });
    }
    for (auto& [name, handler] : bookMenuHandlers(m_state, this)) {
        m_handlers.insert(name, std::move(handler));
    }
    if (m_backup.available()) {
        m_handlers.insert(QStringLiteral("mnuArqBackUp"),
                          [this] { core::backupOnDemand(m_state, m_backup); });
        m_handlers.insert(QStringLiteral("mnuArqRecBackUp"), [this] {
            if (core::restoreFromMenu(m_state, m_backup)) {
                setWindowTitle(toQString(core::mainWindowCaption(m_state.records().store())));
                applyAppearance();
                refreshMenus();
            }
        });
    }
    for (auto& [name, handler] : checkMenuHandlers(m_state, this)) {
        m_handlers.insert(name, std::move(handler));
    }
    for (auto& [name, handler] : salesMenuHandlers(m_state, this)) {
        m_handlers.insert(name, std::move(handler));
    }
    for (auto& [name, handler] : toolsMenuHandlers(m_state, this)) {
        m_handlers.insert(name, std::move(handler));
    }
    const std::pair<const char*, core::FileKind> undeletes[] = {
        {"mnuDadosDesfExcFitas", core::FileKind::Tapes},
        {"mnuDadosDesfExcProd", core::FileKind::Products},
        {"mnuDadosDesfExcDist", core::FileKind::Distributors},
    };
    m_handlers.insert(QStringLiteral("mnuDadosDesfExcCli"), [this] {
        core::undeleteClients(m_state, undeleteChooser(this, core::FileKind::Clients));
    });
    for (const auto& [name, kind] : undeletes) {
        m_handlers.insert(QString::fromLatin1(name), [this, kind = kind] {
            core::undeleteRecords(m_state.records(), kind, m_state.ports().dialogs,
                                  undeleteChooser(this, kind));
        });
    }
}

void MainWindow::showModeless(const QString& item, const std::function<QWidget*()>& make)
{
    if (QWidget* open = m_open.value(item)) {
        open->showNormal();
        open->raise();
        open->activateWindow();
        return;
    }
    QWidget* window = make();
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_open.insert(item, window);
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Open windows close first, each by its own rule for typed changes; one kept open (the
    // operator chose Cancelar) keeps the program running.
    for (const QPointer<QWidget>& open : std::as_const(m_open)) {
        if (open && !open->close()) {
            event->ignore();
            return;
        }
    }
    if (!m_exited) {
        // Open texts are asked about before the program goes.
        for (TextEditorWindow* editor : findChildren<TextEditorWindow*>()) {
            if (editor->isVisible() && !editor->close()) {
                event->ignore();
                return;
            }
        }
        if (!core::queryExit(m_state, m_backup)) {
            event->ignore();
            return;
        }
        core::finishExit(m_state);
        m_exited = true;
    }
    event->accept();
}

} // namespace tavolim::app

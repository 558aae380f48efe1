#include "app/printing/TextEditorWindow.h"

#include "app/printing/EditorIcons.h"
#include "app/printing/FindWindow.h"
#include "app/printing/RichTextConversion.h"
#include "app/shell/QtConversions.h"
#include "app/shell/QtPrinter.h"
#include "core/state/AppState.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>

namespace tavolim::app {

namespace {

const QString kFilter =
    QStringLiteral("Formato rich text (*.rtf);;Arquivos de texto (*.txt);;Todos os Arquivos (*)");

QString filterFor(const QString& name)
{
    const QStringList filters = kFilter.split(QStringLiteral(";;"));
    return core::textKindOf(toPath(name)) == core::TextKind::Rich ? filters[0] : filters[1];
}

} // namespace

TextEditorWindow::TextEditorWindow(core::AppState& state, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_model(state.ports())
{
    setObjectName(QStringLiteral("frmEdTexto"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);

    m_text = new QTextEdit;
    m_text->setObjectName(QStringLiteral("txtNote"));
    m_text->setAcceptRichText(true);
    m_text->setTabChangesFocus(false);
    m_text->setLineWrapMode(QTextEdit::WidgetWidth);
    QFont font(toQString(m_model.font().name), m_model.font().size);
    font.setStyleHint(styleHintFor(font.family()));
    m_text->setFont(font);
    m_text->document()->setDefaultFont(font);
    setCentralWidget(m_text);

    chooseOpenName = [this] {
        return QFileDialog::getOpenFileName(
            this, QStringLiteral("Abrir"),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), kFilter);
    };
    chooseSaveName = [this](const QString& proposed) {
        QString selected = filterFor(proposed);
        return QFileDialog::getSaveFileName(this, QStringLiteral("Salvar Como"), proposed, kFilter,
                                            &selected);
    };
    printWithFonts = [this](QTextDocument& document) { return printOnDevice(document); };

    buildMenus();
    buildToolbar();

    connect(m_text->document(), &QTextDocument::modificationChanged, this,
            [this](bool changed) { m_model.setChanged(changed); });
    connect(m_text, &QTextEdit::currentCharFormatChanged, this, &TextEditorWindow::refreshButtons);
    connect(m_text, &QTextEdit::cursorPositionChanged, this, &TextEditorWindow::refreshButtons);

    setDocument(m_model.newDocument());
    resize(680, 500);
}

TextEditorWindow::~TextEditorWindow() = default;

QAction* TextEditorWindow::makeAction(QMenu* menu, const char* name, const QString& caption,
                                      const QKeySequence& shortcut, std::function<void()> slot)
{
    auto* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [slot = std::move(slot)] { slot(); });
    return action;
}

void TextEditorWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Arquivo"));
    file->setObjectName(QStringLiteral("mnuFile"));
    makeAction(file, "mnuFileNew", QStringLiteral("&Novo"), QKeySequence::New,
               [this] { newDocument(); });
    makeAction(file, "mnuFileOpen", QStringLiteral("&Abrir..."), QKeySequence::Open,
               [this] { openWithDialog(); });
    makeAction(file, "mnuFileSave", QStringLiteral("&Salvar"), QKeySequence::Save,
               [this] { save(); });
    makeAction(file, "mnuFileSaveAs", QStringLiteral("Salvar &Como..."), {}, [this] { saveAs(); });
    file->addSeparator();
    makeAction(file, "mnuFileConfigPag", QStringLiteral("Configurar &Página..."), {}, [this] {
        if (auto* printer = dynamic_cast<QtPrinter*>(&m_state.ports().printer)) {
            QPageSetupDialog dialog(&printer->device(), this);
            dialog.exec();
        }
    });
    makeAction(file, "mnuFileImprimir", QStringLiteral("&Imprimir"), QKeySequence::Print,
               [this] { print(); });
    m_recentSeparator = file->addSeparator();
    for (std::size_t i = 0; i < m_recent.size(); ++i) {
        const QByteArray name = "mnuRecentFile" + QByteArray::number(int(i) + 1);
        m_recent[i] = makeAction(file, name.constData(), QString(), {}, [this, i] {
            const auto& names = m_model.recentFiles().names();
            if (i < names.size()) {
                openFile(toQString(names[i]));
            }
        });
    }
    file->addSeparator();
    makeAction(file, "mnuFileExit", QStringLiteral("Sai&r"), {}, [this] { close(); });
    connect(file, &QMenu::aboutToShow, this, [this] {
        m_model.reloadRecentFiles();
        refreshRecentFiles();
    });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Editar"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    auto* undo = makeAction(edit, "mnuEditUndo", QStringLiteral("Desfa&zer"), QKeySequence::Undo,
                            [this] { m_text->undo(); });
    edit->addSeparator();
    auto* cut = makeAction(edit, "mnuEditCut", QStringLiteral("&Recortar"), QKeySequence::Cut,
                           [this] { m_text->cut(); });
    auto* copy = makeAction(edit, "mnuEditCopy", QStringLiteral("&Copiar"), QKeySequence::Copy,
                            [this] { m_text->copy(); });
    makeAction(edit, "mnuEditPaste", QStringLiteral("C&olar"), QKeySequence::Paste,
               [this] { m_text->paste(); });
    makeAction(edit, "mnuEditDelete", QStringLiteral("&Excluir"), QKeySequence::Delete,
               [this] { deleteSelection(); });
    edit->addSeparator();
    makeAction(edit, "mnuEditSelectAll", QStringLiteral("&Selecionar Tudo"),
               QKeySequence::SelectAll, [this] { m_text->selectAll(); });
    makeAction(edit, "mnuEditTime", QStringLiteral("D&ata / Hora"), QKeySequence(Qt::Key_F5),
               [this] { m_text->insertPlainText(toQString(m_model.dateTimeText())); });
    undo->setEnabled(false);
    cut->setEnabled(false);
    copy->setEnabled(false);
    connect(m_text, &QTextEdit::undoAvailable, undo, &QAction::setEnabled);
    connect(m_text, &QTextEdit::copyAvailable, cut, &QAction::setEnabled);
    connect(m_text, &QTextEdit::copyAvailable, copy, &QAction::setEnabled);

    QMenu* search = menuBar()->addMenu(QStringLiteral("&Procurar"));
    search->setObjectName(QStringLiteral("mnuSearch"));
    makeAction(search, "mnuSearchFind", QStringLiteral("&Localizar..."), QKeySequence::Find,
               [this] { showFind(); });
    makeAction(search, "mnuSearchFindNext", QStringLiteral("&Próximo"), QKeySequence(Qt::Key_F3),
               [this] { findNext(); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Opções"));
    options->setObjectName(QStringLiteral("mnuOpt"));
    auto* toolbar =
        makeAction(options, "mnuOptToolbar", QStringLiteral("&Barra de Ferramentas"), {}, [] {});
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    connect(toolbar, &QAction::toggled, this, [this](bool on) { m_toolbar->setVisible(on); });
    auto* wrap =
        makeAction(options, "mnuOptQuebraLinha", QStringLiteral("&Quebra de Linha"), {}, [] {});
    wrap->setCheckable(true);
    wrap->setChecked(true);
    connect(wrap, &QAction::toggled, this, [this](bool on) {
        m_text->setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    });
    makeAction(options, "mnuOptCorFundo", QStringLiteral("&Cor de Fundo..."), {},
               [this] { chooseBackground(); });
    makeAction(options, "mnuOptFonts", QStringLiteral("&Fonte..."), {}, [this] { chooseFont(); });
}

void TextEditorWindow::buildToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("Barra de Ferramentas"));
    m_toolbar->setObjectName(QStringLiteral("picToolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->toggleViewAction()->setVisible(false);

    struct Button {
        EditorButton kind;
        const char* caption;
        std::function<void()> slot;
    };
    const Button buttons[] = {
        {EditorButton::New, "Novo", [this] { newDocument(); }},
        {EditorButton::Open, "Abrir", [this] { openWithDialog(); }},
        {EditorButton::Save, "Salvar", [this] { save(); }},
        {EditorButton::Print, "Imprimir", [this] { print(); }},
        {EditorButton::Find, "Procurar", [this] { showFind(); }},
        {EditorButton::Cut, "Recortar", [this] { m_text->cut(); }},
        {EditorButton::Copy, "Copiar", [this] { m_text->copy(); }},
        {EditorButton::Paste, "Colar", [this] { m_text->paste(); }},
        {EditorButton::Undo, "Desfazer", [this] { m_text->undo(); }},
        {EditorButton::Bold, "Negrito",
         [this] {
             QTextCharFormat f;
             f.setFontWeight(m_bold->isChecked() ? QFont::Bold : QFont::Normal);
             mergeFormat(f);
         }},
        {EditorButton::Italic, "Itálico",
         [this] {
             QTextCharFormat f;
             f.setFontItalic(m_italic->isChecked());
             mergeFormat(f);
         }},
        {EditorButton::Underline, "Sublinhado",
         [this] {
             QTextCharFormat f;
             f.setFontUnderline(m_underline->isChecked());
             mergeFormat(f);
         }},
        {EditorButton::Colour, "Cor da Fonte", [this] { chooseTextColour(); }},
        {EditorButton::AlignLeft, "Alinhar à esquerda",
         [this] { setAlignment(Qt::AlignLeft | Qt::AlignAbsolute); }},
        {EditorButton::Centre, "Centralizar", [this] { setAlignment(Qt::AlignHCenter); }},
        {EditorButton::AlignRight, "Alinhar à direita",
         [this] { setAlignment(Qt::AlignRight | Qt::AlignAbsolute); }},
        {EditorButton::Bullet, "Alternar marcador", [this] { toggleBullet(); }},
    };
    auto* alignments = new QActionGroup(this);
    int index = 0;
    for (const Button& button : buttons) {
        auto* action =
            m_toolbar->addAction(editorButtonIcon(button.kind), QString::fromUtf8(button.caption));
        action->setObjectName(QStringLiteral("imgBtn%1").arg(index++));
        action->setToolTip(QString::fromUtf8(button.caption));
        connect(action, &QAction::triggered, this, [slot = button.slot] { slot(); });
        switch (button.kind) {
        case EditorButton::Print:
        case EditorButton::Paste:
        case EditorButton::Colour:
        case EditorButton::Bullet:
            m_toolbar->addSeparator();
            break;
        default:
            break;
        }
    }
    const auto action = [this](int i) {
        return m_toolbar->findChild<QAction*>(QStringLiteral("imgBtn%1").arg(i));
    };
    m_bold = action(int(EditorButton::Bold));
    m_italic = action(int(EditorButton::Italic));
    m_underline = action(int(EditorButton::Underline));
    m_alignLeft = action(int(EditorButton::AlignLeft));
    m_centre = action(int(EditorButton::Centre));
    m_alignRight = action(int(EditorButton::AlignRight));
    m_bullet = action(int(EditorButton::Bullet));
    m_bold->setShortcut(QKeySequence::Bold);
    m_italic->setShortcut(QKeySequence::Italic);
    m_underline->setShortcut(QKeySequence::Underline);
    for (QAction* a :
         {m_bold, m_italic, m_underline, m_alignLeft, m_centre, m_alignRight, m_bullet}) {
        a->setCheckable(true);
    }
    for (QAction* a : {m_alignLeft, m_centre, m_alignRight}) {
        alignments->addAction(a);
    }
}

void TextEditorWindow::setDocument(const core::RichDocument& document)
{
    fillTextDocument(*m_text->document(), document);
    QTextCursor start(m_text->document());
    m_text->setTextCursor(start);
    m_model.setChanged(false);
    refreshCaption();
    refreshButtons();
}

core::RichDocument TextEditorWindow::document() const
{
    return richDocumentOf(*m_text->document());
}

bool TextEditorWindow::mayDiscard()
{
    return m_model.mayDiscard([this] { return save(); });
}

void TextEditorWindow::newDocument()
{
    if (mayDiscard()) {
        setDocument(m_model.newDocument());
    }
}

void TextEditorWindow::openWithDialog()
{
    if (!mayDiscard()) {
        return;
    }
    const QString name = chooseOpenName();
    if (!name.isEmpty()) {
        loadFile(name);
    }
}

bool TextEditorWindow::openFile(const QString& name)
{
    return mayDiscard() && loadFile(name);
}

bool TextEditorWindow::loadFile(const QString& name)
{
    const auto document = m_model.open(toPath(name));
    if (!document) {
        return false;
    }
    setDocument(*document);
    return true;
}

bool TextEditorWindow::save()
{
    return m_model.hasFileName() ? saveTo(toQString(m_model.fileName())) : saveAs();
}

bool TextEditorWindow::saveAs()
{
    QString proposed = toQString(m_model.proposedSaveName());
    if (!m_model.hasFileName()) {
        proposed = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                   QLatin1Char('/') + proposed;
    }
    const QString name = chooseSaveName(proposed);
    return !name.isEmpty() && saveTo(name);
}

bool TextEditorWindow::saveTo(const QString& name)
{
    if (!m_model.save(document(), toPath(name))) {
        return false;
    }
    m_text->document()->setModified(false);
    refreshCaption();
    return true;
}

void TextEditorWindow::showPrintout(const QString& text)
{
    setDocument(m_model.printoutDocument(toStdString(text)));
}

void TextEditorWindow::print()
{
    if (m_model.askPrintWithFonts()) {
        m_model.reportPrinted(printWithFonts(*m_text->document()));
    } else {
        m_model.printPlain(document());
    }
}

bool TextEditorWindow::printOnDevice(QTextDocument& document)
{
    auto* printer = dynamic_cast<QtPrinter*>(&m_state.ports().printer);
    if (!printer) {
        return false;
    }
    QPrinter& device = printer->device();
    // Without a printer Qt falls back to PDF; with no file name that job would vanish.
    if (device.outputFormat() == QPrinter::PdfFormat && device.outputFileName().isEmpty()) {
        return false;
    }
    document.print(&device);
    return device.printerState() != QPrinter::Error;
}

void TextEditorWindow::showFind()
{
    if (!m_find) {
        m_find = new FindWindow(m_model, this);
        connect(m_find, &FindWindow::findRequested, this, &TextEditorWindow::findNext);
    }
    m_find->prepare(m_text->textCursor().selectedText());
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void TextEditorWindow::findNext()
{
    if (m_model.findRequest().text.empty()) {
        showFind();
        return;
    }
    QTextCursor cursor = m_text->textCursor();
    const auto found = m_model.findNext(m_text->document()->toPlainText().toStdU16String(),
                                        static_cast<std::size_t>(cursor.selectionStart()),
                                        static_cast<std::size_t>(cursor.selectionEnd()));
    if (!found) {
        return;
    }
    cursor.setPosition(static_cast<int>(found->start));
    cursor.setPosition(static_cast<int>(found->end), QTextCursor::KeepAnchor);
    m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
}

void TextEditorWindow::refreshCaption()
{
    setWindowTitle(toQString(m_model.caption()));
}

void TextEditorWindow::refreshRecentFiles()
{
    const auto& names = m_model.recentFiles().names();
    for (std::size_t i = 0; i < m_recent.size(); ++i) {
        const bool listed = i < names.size();
        m_recent[i]->setVisible(listed);
        m_recent[i]->setText(
            listed ? toQString(names[i]).replace(QLatin1Char('&'), QStringLiteral("&&"))
                   : QString());
    }
    m_recentSeparator->setVisible(!names.empty());
}

void TextEditorWindow::refreshButtons()
{
    const QTextCharFormat format = m_text->currentCharFormat();
    m_bold->setChecked(format.fontWeight() > QFont::Medium);
    m_italic->setChecked(format.fontItalic());
    m_underline->setChecked(format.fontUnderline());
    const Qt::Alignment alignment = m_text->alignment();
    if (alignment & Qt::AlignHCenter) {
        m_centre->setChecked(true);
    } else if (alignment & Qt::AlignRight) {
        m_alignRight->setChecked(true);
    } else {
        m_alignLeft->setChecked(true);
    }
    m_bullet->setChecked(m_text->textCursor().currentList() != nullptr);
}

void TextEditorWindow::mergeFormat(const QTextCharFormat& format)
{
    m_text->mergeCurrentCharFormat(format);
    m_text->setFocus();
}

void TextEditorWindow::setAlignment(Qt::Alignment alignment)
{
    m_text->setAlignment(alignment);
    refreshButtons();
    m_text->setFocus();
}

void TextEditorWindow::toggleBullet()
{
    QTextCursor cursor = m_text->textCursor();
    if (QTextList* list = cursor.currentList()) {
        const QTextBlock last = m_text->document()->findBlock(cursor.selectionEnd());
        for (QTextBlock block = m_text->document()->findBlock(cursor.selectionStart());
             block.isValid(); block = block.next()) {
            if (block.textList() == list) {
                list->remove(block);
                QTextCursor at(block);
                QTextBlockFormat flat = block.blockFormat();
                flat.setIndent(0);
                at.setBlockFormat(flat);
            }
            if (block == last) {
                break;
            }
        }
    } else {
        cursor.createList(QTextListFormat::ListDisc);
    }
    refreshButtons();
    m_text->setFocus();
}

void TextEditorWindow::deleteSelection()
{
    QTextCursor cursor = m_text->textCursor();
    if (cursor.hasSelection()) {
        cursor.removeSelectedText();
    } else {
        cursor.deleteChar();
    }
    m_text->setTextCursor(cursor);
}

void TextEditorWindow::chooseFont()
{
    const bool selection = m_text->textCursor().hasSelection();
    bool chosen = false;
    const QFont current = selection ? m_text->currentFont() : m_text->font();
    const QFont font = QFontDialog::getFont(&chosen, current, this, QStringLiteral("Fonte"));
    if (!chosen) {
        return;
    }
    if (selection) {
        QTextCharFormat format;
        format.setFont(font, QTextCharFormat::FontPropertiesSpecifiedOnly);
        mergeFormat(format);
        return;
    }
    // The whole text takes the family and size; the font becomes the editor font.
    QTextCharFormat format;
    format.setFontFamilies(QStringList{font.family()});
    format.setFontStyleHint(styleHintFor(font.family()));
    format.setFontPointSize(font.pointSizeF());
    QTextCursor all(m_text->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    m_text->mergeCurrentCharFormat(format);
    QFont editorFont = font;
    editorFont.setStyleHint(styleHintFor(font.family()));
    m_text->setFont(editorFont);
    m_text->document()->setDefaultFont(editorFont);
    m_model.setFont({toStdString(font.family()), font.pointSize() > 0 ? font.pointSize() : 10});
}

void TextEditorWindow::chooseTextColour()
{
    const QColor colour =
        QColorDialog::getColor(m_text->textColor(), this, QStringLiteral("Cor da Fonte"));
    if (colour.isValid()) {
        QTextCharFormat format;
        format.setForeground(colour);
        mergeFormat(format);
    }
}

void TextEditorWindow::chooseBackground()
{
    QPalette palette = m_text->palette();
    const QColor colour =
        QColorDialog::getColor(palette.color(QPalette::Base), this, QStringLiteral("Cor de Fundo"));
    if (colour.isValid()) {
        palette.setColor(QPalette::Base, colour);
        m_text->setPalette(palette);
    }
}

void TextEditorWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc reaches here when the text box has no use for it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TextEditorWindow::closeEvent(QCloseEvent* event)
{
    if (!mayDiscard()) {
        event->ignore();
        return;
    }
    m_model.saveFont();
    if (m_find) {
        m_find->close();
    }
    event->accept();
}

TextEditorWindow* openTextEditor(core::AppState& state, QWidget* parent)
{
    auto* window = new TextEditorWindow(state, parent);
    window->show();
    return window;
}

void installTextEditor(core::AppState& state, QWidget* parent)
{
    QPointer<QWidget> owner(parent);
    state.showText = [&state, owner](const std::string& text) {
        openTextEditor(state, owner.data())->showPrintout(toQString(text));
    };
}

} // namespace tavolim::app

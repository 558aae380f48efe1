#pragma once

#include "core/reports/TextEditor.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QTextCharFormat;
class QTextDocument;
class QTextEdit;
class QToolBar;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

class FindWindow;

// frmEdTexto: the text editor. One document in the rich text box txtNote; the file, the
// recent list, the closing question, find and printing are the core model's, the window
// converts the text to and from it and carries the menus and the button bar picToolbar.
class TextEditorWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit TextEditorWindow(core::AppState& state, QWidget* parent = nullptr);
    ~TextEditorWindow() override;

    core::TextEditor& model() { return m_model; }
    QTextEdit* textBox() const { return m_text; }

    // mnuFileNew; asks first about a changed text.
    void newDocument();
    // Opens the named file (mnuFileOpen after its dialog, a recent file); asks first about a
    // changed text. False when it was not opened.
    bool openFile(const QString& name);
    // mnuFileSave: under the current name, or under a chosen one when there is none.
    bool save();
    // mnuFileSaveAs.
    bool saveAs();
    // Shows a finished text (a receipt or report) as a new document.
    void showPrintout(const QString& text);
    // mnuFileImprimir: with the text's fonts or as plain text, as the operator answers.
    void print();
    // mnuSearchFindNext: the last search again, or frmFind when there was none.
    void findNext();
    // mnuSearchFind.
    void showFind();

    // The file dialogs and the printer of the text with its fonts; tests replace them.
    std::function<QString()> chooseOpenName;
    std::function<QString(const QString& proposed)> chooseSaveName;
    std::function<bool(QTextDocument&)> printWithFonts;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAction* makeAction(QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& shortcut, std::function<void()> slot);
    void buildMenus();
    void buildToolbar();
    void setDocument(const core::RichDocument& document);
    core::RichDocument document() const;
    bool mayDiscard();
    void openWithDialog();
    bool loadFile(const QString& name);
    bool saveTo(const QString& name);
    void refreshCaption();
    void refreshRecentFiles();
    void refreshButtons();
    void mergeFormat(const QTextCharFormat& format);
    void setAlignment(Qt::Alignment alignment);
    void toggleBullet();
    void deleteSelection();
    void chooseFont();
    void chooseTextColour();
    void chooseBackground();
    bool printOnDevice(QTextDocument& document);

    core::AppState& m_state;
    core::TextEditor m_model;
    QTextEdit* m_text = nullptr;
    QToolBar* m_toolbar = nullptr;
    QPointer<FindWindow> m_find;
    std::array<QAction*, core::RecentFiles::kCount> m_recent{};
    QAction* m_recentSeparator = nullptr;
    QAction* m_bold = nullptr;
    QAction* m_italic = nullptr;
    QAction* m_underline = nullptr;
    QAction* m_alignLeft = nullptr;
    QAction* m_centre = nullptr;
    QAction* m_alignRight = nullptr;
    QAction* m_bullet = nullptr;
};

// mnuFerrEdTexto: a new editor window over `parent`, closed with it.
TextEditorWindow* openTextEditor(core::AppState& state, QWidget* parent = nullptr);

// Sends printouts made while "IsDebugging" is on to a new editor window each; call once at
// start, after the state is made.
void installTextEditor(core::AppState& state, QWidget* parent = nullptr);

} // namespace tavolim::app

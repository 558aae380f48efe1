#pragma once

#include <QDialog>

class QListWidget;
class QTextBrowser;

namespace tavolim::app {

// Ajuda > Conteúdo: the program's manual (docs/manual.md, built into the program) with its
// topics listed beside it; choosing a topic shows it at the top.
class HelpWindow final : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The manual's text as built in; empty only when the build left it out.
    static QString manualText();

private:
    void showTopic(int row);

    QListWidget* m_topics = nullptr;
    QTextBrowser* m_text = nullptr;
};

} // namespace tavolim::app

#include "app/shell/AboutWindow.h"
#include "app/shell/HelpWindow.h"

#include "ShellWindowFixture.h"
#include "core/shell/BackgroundPicture.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

namespace tavolim::app {
namespace {

using HelpWindowsTest = test::ShellWindowFixture;

TEST_F(HelpWindowsTest, TheManualIsBuiltInAndItsTopicsLeadToTheirPlace)
{
    HelpWindow help;
    help.resize(700, 300);
    help.show();
    auto* topics = child<QListWidget>(help, "lstTopicos");
    auto* text = child<QTextBrowser>(help, "txtAjuda");

    ASSERT_GE(topics->count(), 10);
    EXPECT_TRUE(HelpWindow::manualText().startsWith("# Manual do Tavolim"));
    EXPECT_TRUE(text->toPlainText().contains("Por parte do nome"));
    topics->setCurrentRow(topics->count() - 1);
    EXPECT_GT(text->verticalScrollBar()->value(), 0);
    EXPECT_EQ(text->textCursor().block().text(), topics->item(topics->count() - 1)->text());
    topics->setCurrentRow(0);
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
}

TEST_F(HelpWindowsTest, AboutBoxShowsTheVersionAndTheStore)
{
    AboutWindow about(state);

    const QString shown = child<QLabel>(about, "lblSobre")->text();

    EXPECT_TRUE(shown.contains(QString::fromStdString(core::versionCaption())));
    EXPECT_TRUE(shown.contains("Minha Locadora"));
    EXPECT_EQ(about.objectName(), "frmSobre");
}

} // namespace
} // namespace tavolim::app

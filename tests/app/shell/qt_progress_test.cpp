#include "app/shell/QtProgress.h"

#include "app/shell/StatusWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

template <class W>
W* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name) {
            return qobject_cast<W*>(w);
        }
    }
    return nullptr;
}

TEST(QtProgress, WindowsShowTheWorkUntilTheCallerEndsIt)
{
    QtProgress progress;

    progress.showWait("Removendo Reservas Antigas...");
    progress.begin("Verificando Bancos de Dados", 1, 40);
    progress.step(40);

    auto* wait = topLevel<QWidget>("frmMessage");
    auto* status = topLevel<StatusWindow>("frmStatus");
    ASSERT_NE(wait, nullptr);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(wait->findChild<QLabel*>()->text(), "Removendo Reservas Antigas...");
    // Reaching the maximum must not close or reset the window under the caller.
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->findChild<QProgressBar*>("ProgressBar1")->value(), 40);
    EXPECT_EQ(status->windowTitle(), "Verificando Bancos de Dados");

    progress.hideWait();
    progress.end();

    EXPECT_FALSE(wait->isVisible());
    EXPECT_FALSE(status->isVisible());
}

} // namespace
} // namespace tavolim::app

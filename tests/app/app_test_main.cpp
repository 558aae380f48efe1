#include "app/shell/Translations.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform warns about every window feature it lacks; that says nothing about
// the program and buries the test output.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    qtDefaultHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv)
{
    // Windows are made and driven without a screen unless a platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qtDefaultHandler = qInstallMessageHandler(quietHandler);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // The windows are tested as the program shows them: Qt's own texts in Portuguese.
    tavolim::app::installPortugueseTranslations(application);
    return RUN_ALL_TESTS();
}

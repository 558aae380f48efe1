#include "app/shell/QtDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tavolim::app {
namespace {

using core::msg::Answer;
using Act = std::function<void(QWidget&)>;

// Runs `act` on the next modal window from inside its event loop. A window the act leaves
// open fails the test and is closed, so a lost key cannot hang the run.
void onNextModal(Act act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        timer->deleteLater();
        timer->stop();
        act(*modal);
        QTimer::singleShot(2000, modal, [modal] {
            ADD_FAILURE() << "the window stayed open";
            qobject_cast<QDialog*>(modal)->reject();
        });
    });
    timer->start(5);
}

Act press(int key)
{
    return [key](QWidget& w) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&w, &event);
    };
}

Act click(const QString& text)
{
    return [text](QWidget& w) {
        for (auto* button : w.findChildren<QPushButton*>()) {
            if (button->text() == text && button->isVisible()) {
                return button->click();
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString();
    };
}

QStringList visibleButtons(const QWidget& w)
{
    QStringList texts;
    for (const auto* button : w.findChildren<QPushButton*>()) {
        if (button->isVisible()) {
            texts << button->text();
        }
    }
    texts.sort();
    return texts;
}

TEST(QtDialogs, MessageShowsItsFlagsAndAnswersTheButtonPressed)
{
    struct Case {
        int flags;
        std::string title;
        Act act;
        Answer expected;
        QMessageBox::Icon icon;
        QStringList buttons; // sorted
    };
    const Case cases[] = {
        {16, "", press(Qt::Key_Escape), Answer::Ok, QMessageBox::Critical, {"OK"}},
        {48 + 1,
         "Erro",
         press(Qt::Key_Escape),
         Answer::Cancel,
         QMessageBox::Warning,
         {"Cancelar", "OK"}},
        {64 + 1, "", click("OK"), Answer::Ok, QMessageBox::Information, {"Cancelar", "OK"}},
        {32 + 3,
         "Dia de BackUp",
         press(Qt::Key_Escape),
         Answer::Cancel,
         QMessageBox::Question,
         {"&Não", "&Sim", "Cancelar"}},
        {32 + 4, "", press(Qt::Key_Escape), Answer::No, QMessageBox::Question, {"&Não", "&Sim"}},
        {32 + 4, "", press(Qt::Key_S), Answer::Yes, QMessageBox::Question, {"&Não", "&Sim"}},
        {4, "", press(Qt::Key_Return), Answer::Yes, QMessageBox::NoIcon, {"&Não", "&Sim"}},
        // The default-button bits move Enter to the second or third button.
        {4 + 256, "", press(Qt::Key_Return), Answer::No, QMessageBox::NoIcon, {"&Não", "&Sim"}},
        {3 + 512,
         "",
         press(Qt::Key_Return),
         Answer::Cancel,
         QMessageBox::NoIcon,
         {"&Não", "&Sim", "Cancelar"}},
    };

    for (const Case& c : cases) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        QString title;
        onNextModal([&](QWidget& w) {
            icon = qobject_cast<QMessageBox*>(&w)->icon();
            buttons = visibleButtons(w);
            title = w.windowTitle();
            c.act(w);
        });

        const Answer answer = QtDialogs().message("Confirma?", c.flags, c.title);

        EXPECT_EQ(answer, c.expected) << c.flags;
        EXPECT_EQ(icon, c.icon) << c.flags;
        EXPECT_EQ(buttons, c.buttons) << c.flags;
        EXPECT_EQ(title.toStdString(), c.title.empty() ? "Tavolim" : c.title);
    }
}

TEST(QtDialogs, ChooseAnswersThePositionOfTheButtonAndZeroForEsc)
{
    struct Case {
        std::string third;
        Act act;
        int expected;
        qsizetype buttons;
    };
    const Case cases[] = {
        {"&Cancelar", press(Qt::Key_P), 2, 3},      {"&Cancelar", click("&Cancelar"), 3, 3},
        {"&Cancelar", press(Qt::Key_Escape), 0, 3}, {"", [](QWidget& w) { w.close(); }, 0, 2},
        {"", press(Qt::Key_Return), 1, 2},
    };

    for (const Case& c : cases) {
        qsizetype shown = 0;
        onNextModal([&](QWidget& w) {
            shown = visibleButtons(w).size();
            c.act(w);
        });

        const int choice =
            QtDialogs().choose("Desfazer exclusão de", "", "&Fitas", "&Produtos", c.third);

        EXPECT_EQ(choice, c.expected) << c.third;
        EXPECT_EQ(shown, c.buttons) << c.third;
    }
}

TEST(QtDialogs, DatePromptStartsOnTheGivenDayAndReturnsTheChosenOne)
{
    using namespace std::chrono;
    QString shown;
    onNextModal([&](QWidget& w) {
        auto* edit = w.findChild<QLineEdit*>("txtData");
        shown = edit->text();
        edit->setText("31/12/2025");
        click("OK")(w);
    });

    const auto answer = QtDialogs().askDate("Data", "", year{2024} / 2 / 29);

    EXPECT_EQ(shown, "29/02/2024");
    EXPECT_EQ(answer, year{2025} / 12 / 31);
}

} // namespace
} // namespace tavolim::app

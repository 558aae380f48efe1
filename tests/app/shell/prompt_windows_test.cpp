#include "app/shell/DatePromptWindow.h"
#include "app/shell/InputPromptWindow.h"
#include "app/shell/StatusWindow.h"

#include "support/Fakes.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

using namespace std::chrono;

void typeKeys(QWidget* box, const QString& keys)
{
    for (const QChar c : keys) {
        QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &event);
    }
}

TEST(DatePromptWindow, TypingKeepsTheDateFormAndOkRefusesWhatIsNoDate)
{
    struct Case {
        QString keys;
        std::optional<year_month_day> accepted;
    };
    const Case cases[] = {
        {"5-3.2001", year{2001} / 3 / 5},
        {"31022026", std::nullopt},
    };

    for (const Case& c : cases) {
        test::ScriptedDialogs dialogs;
        DatePromptWindow window(dialogs, "Data", "", year{2026} / 12 / 5);
        window.show();
        auto* box = window.findChild<QLineEdit*>("txtData");
        ASSERT_EQ(box->text(), "05/12/2026");
        box->clear();
        typeKeys(box, c.keys);

        window.findChild<QPushButton*>("cmdOK")->click();

        EXPECT_EQ(window.date(), c.accepted) << c.keys.toStdString();
        EXPECT_EQ(window.isVisible(), !c.accepted);
        EXPECT_EQ(dialogs.shownTexts(), c.accepted ? std::vector<std::string>{}
                                                   : std::vector<std::string>{"Data Inválida!"});
    }
}

TEST(DatePromptWindow, CalendarAndBoxFollowEachOther)
{
    test::ScriptedDialogs dialogs;
    DatePromptWindow window(dialogs, "Data", "Data da devolução:", year{2026} / 12 / 5);
    auto* box = window.findChild<QLineEdit*>("txtData");
    auto* calendar = window.findChild<QCalendarWidget*>("Calendar1");

    emit calendar->clicked(QDate(2027, 1, 9));
    const QString clicked = box->text();
    box->setText("2/3/2026");
    emit box->editingFinished();

    EXPECT_EQ(clicked, "09/01/2027");
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 3, 2));
}

TEST(StatusWindow, ShowsThePercentageDone)
{
    StatusWindow window;
    auto* percent = window.findChild<QLabel*>("lblPorcentagem");

    window.start("Verificando Bancos de Dados", 10, 50);
    window.setValue(20);
    const QString quarter = percent->text();
    window.setValue(99);

    EXPECT_EQ(quarter, "25%");
    EXPECT_EQ(percent->text(), "100%");
}

TEST(InputPromptWindow, ValueBoxTakesOnlyANumber)
{
    InputPromptWindow window(InputPromptWindow::Kind::Value, "Valor", "Digite o valor:", "");
    auto* box = window.findChild<QLineEdit*>("txtValor");

    typeKeys(box, "1a2,5x0");

    EXPECT_EQ(window.text(), "12,50");
}

} // namespace
} // namespace tavolim::app

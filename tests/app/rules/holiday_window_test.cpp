#include "app/rules/HolidayWindow.h"

#include "support/FakeStore.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

using namespace std::chrono;

class HolidayWindowTest : public ::testing::Test, protected test::InstalledStore {
protected:
    HolidayWindowTest() : InstalledStore(year{2026} / 12 / 4)
    {
        clock.date = year{2026} / 12 / 24;
        state.DataDia = clock.date;
    }
};

TEST_F(HolidayWindowTest, MarksDaysOfBothMonthsAndOkWritesThem)
{
    HolidayWindow window(state);
    auto* calendar = window.findChild<QCalendarWidget*>("Calendar1");
    auto click = [&](const char* name) { window.findChild<QPushButton*>(name)->click(); };
    window.show();

    for (const QDate day :
         {QDate(2026, 12, 25), QDate(2026, 12, 8), QDate(2027, 1, 1), QDate(2027, 1, 20)}) {
        calendar->setSelectedDate(day);
        click("cmdMarcar");
    }
    calendar->setSelectedDate(QDate(2027, 1, 20));
    click("cmdDesMarcar");
    click("cmdOK");

    // The unmarked 20 January is left out of what was written.
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(calendar->maximumDate(), QDate(2027, 1, 31));
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"Feriados\n   Mês Atual : 8, 25\n   Próximo Mês : 1"});
    state.records().readRecord(core::FileKind::GeneralRules, 1, true);
    EXPECT_TRUE(state.records().rules().FeriadosOk3);
}

TEST_F(HolidayWindowTest, TheStartOfTheDayOpensItThroughTheHook)
{
    installHolidayEditor(state, nullptr);
    QString opened;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        opened = modal ? modal->objectName() : QString();
        if (modal) {
            modal->findChild<QPushButton*>("cmdCancelar")->click();
        }
    });

    state.dayHooks.openHolidayEditor(state);

    EXPECT_EQ(opened, "frmFeriados");
    EXPECT_TRUE(dialogs.messages.empty());
    state.records().readRecord(core::FileKind::GeneralRules, 1, true);
    EXPECT_FALSE(state.records().rules().FeriadosOk3);
}

} // namespace
} // namespace tavolim::app

#include "app/counter/ReservationsWindow.h"

#include "core/counter/CounterFixture.h"
#include "core/store/TapeRecord.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>

#include <gtest/gtest.h>

#include <vector>

namespace tavolim::app {
namespace {

using core::FileKind;
using core::PersonRef;
using test::reais;

class CounterWindowTest : public test::CounterTest {
protected:
    template <class T>
    static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void press(QWidget* target, int key, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &event);
    }

    // Tape 1, out with client 9, reserved by clients 1, 2, ... from the 10th on.
    void reserveTape(const std::vector<std::int16_t>& persons)
    {
        auto& t = records().tape();
        t = core::TapeRecord{};
        t.Codigo = 1;
        t.Nome = "Fita";
        t.ClienteFita = 9;
        t.ClienteTitular = true;
        for (std::size_t i = 0; i < persons.size(); ++i) {
            t.ReservaCliente[i] = persons[i];
            t.ReservaTitular[i] = true;
            t.ReservaData[i] = static_cast<std::int32_t>(10 + i) * 1000000 + 122026;
        }
        t.NumReservas = static_cast<std::int16_t>(persons.size());
        ASSERT_TRUE(records().writeRecord(FileKind::Tapes, 1));
    }

    std::int16_t reservationsOnFile()
    {
        records().readRecord(FileKind::Tapes, 1, true);
        return records().tape().NumReservas;
    }
};

TEST_F(CounterWindowTest, ReservationsDialogKeysChooseAndSpaceCancelsAnEntry)
{
    using Choice = core::ReservationList::Choice;
    struct Case {
        int key;
        QString text;
        Choice choice;
    };
    const std::vector<Case> cases = {
        {Qt::Key_L, "l", Choice::Locar},
        {Qt::Key_R, "R", Choice::Reservar},
        {Qt::Key_C, "c", Choice::Cancelar},
        {Qt::Key_Escape, "", Choice::Cancelar},
    };
    writeClient(1, "Ana", 0, 0);
    writeClient(2, "Bia", 0, 0);
    reserveTape({1, 2});

    for (const auto& c : cases) {
        core::ReservationList list(state, 1);
        ReservationsWindow window(list);
        window.show();
        auto* names = child<QListWidget>(window, "lstReservas");
        ASSERT_EQ(names->count(), 2);
        EXPECT_EQ(names->item(1)->text(), "11/12/2026  Bia Silva");

        press(names, c.key, c.text);

        EXPECT_EQ(window.choice(), c.choice) << c.text.toStdString();
        EXPECT_FALSE(window.isVisible());
    }

    core::ReservationList list(state, 1);
    ReservationsWindow window(list);
    window.show();
    auto* names = child<QListWidget>(window, "lstReservas");
    names->setCurrentRow(1);
    dialogs.answers = {core::msg::Answer::No, core::msg::Answer::Yes};
    press(names, Qt::Key_Space, " ");
    EXPECT_EQ(reservationsOnFile(), 2);
    press(names, Qt::Key_Space, " ");

    EXPECT_EQ(dialogs.shownTexts().back(), "Deseja anular a reserva para Bia Silva ?");
    EXPECT_EQ(reservationsOnFile(), 1);
    EXPECT_EQ(names->count(), 1);
    EXPECT_TRUE(window.isVisible());
}

} // namespace
} // namespace tavolim::app

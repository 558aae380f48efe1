#include "app/shell/MainWindow.h"

#include "app/shell/ShellWindowFixture.h"
#include "core/books/DayRoll.h"
#include "core/counter/CounterFixture.h"
#include "core/day/BusinessDay.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tavolim::app {
namespace {

// Keys as the operator types them, to the widget with the focus (or `to`).
void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {},
         QWidget* to = nullptr)
{
    // The modal window's focus, even before the platform has made the window active.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* target = to                              ? to
                      : modal && modal->focusWidget() ? modal->focusWidget()
                                                      : QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
    if (modifiers & Qt::AltModifier) { // a mnemonic clicks its button a moment later
        QEventLoop wait;
        QTimer::singleShot(250, &wait, &QEventLoop::quit);
        wait.exec();
    }
}

void type(const QString& text)
{
    for (const QChar ch : text) {
        key(0, Qt::NoModifier, QString(ch));
    }
}

// Drives the modal windows of one road: each step waits for its window to come up and
// types into it. A window that never comes is closed after a while so the test ends.
class Road {
public:
    struct Step {
        QString window;
        std::function<void()> keys;
    };

    explicit Road(std::vector<Step> steps) : m_steps(std::move(steps))
    {
        m_poll.setInterval(20);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
        m_poll.start();
    }
    bool finished() const { return m_next == m_steps.size(); }
    QString stuckAt() const { return finished() ? QString() : m_steps[m_next].window; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (finished()) {
            m_poll.stop();
            return;
        }
        if (++m_ticks > 500 && modal) { // ten seconds: give up on this window
            modal->close();
            return;
        }
        if (modal && modal->objectName() == m_steps[m_next].window) {
            // Counted first, and typed from a timer of its own: the keys may open the next
            // window, whose event loop must still see this poll, which Qt does not re-enter.
            const Step& step = m_steps[m_next++];
            modal->activateWindow();
            QTimer::singleShot(0, modal, step.keys);
        }
    }

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    int m_ticks = 0;
    QTimer m_poll;
};

class CounterKeyboardTest : public test::CounterTest {
protected:
    void SetUp() override
    {
        CounterTest::SetUp();
        core::startDay(state, false);
        state.options().NumViasRec = 1;
        for (std::int16_t code = 1; code <= 5; ++code) {
            writeTape(code, 1);
        }
        writeClient(1, "Ana", 0, 0);
    }

    test::FakeBackup backup;
};

TEST_F(CounterKeyboardTest, FromTheMainWindowAClerkRentsThreeTapesAndPrintsWithoutTheMouse)
{
    MainWindow window(state, backup);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    Road road({
        {"frmProcura",
         [] {
             type("1");
             key(Qt::Key_Return);
         }},
        {"frmSitua_o", [] { key(Qt::Key_L, Qt::AltModifier); }},
        {"frmLoca_o",
         [] {
             for (const char* code : {"2", "4", "5"}) {
                 type(code);
                 key(Qt::Key_Return);
             }
             key(Qt::Key_I, Qt::AltModifier);
             key(Qt::Key_Return); // both boxes empty: confirms
         }},
        {"frmSitua_o", [] { key(Qt::Key_Escape); }},
    });

    key(Qt::Key_Return, Qt::NoModifier, {}, &window);

    EXPECT_TRUE(road.finished()) << road.stuckAt().toStdString();
    const auto& ana = client(1);
    EXPECT_EQ(ana.NumFitas, 3);
    EXPECT_EQ((std::vector<std::int16_t>{ana.Fitas[0], ana.Fitas[1], ana.Fitas[2]}),
              (std::vector<std::int16_t>{2, 4, 5}));
    core::loadCaixaDia(state);
    EXPECT_EQ(state.CaixaDia.NumLocacoes, 1);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_NE(printer.printed[0].find("000004 Fita 4"), std::string::npos);
}

} // namespace
} // namespace tavolim::app

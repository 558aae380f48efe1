#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace tavolim::test {

// Drives the modal windows of one road through the program: each step waits for its window
// (by objectName) to come up and acts on it. A window that never comes is closed after ten
// seconds so that the test ends and says where it stopped.
class ModalRoad {
public:
    struct Step {
        QString window;
        std::function<void(QWidget&)> act;
    };

    explicit ModalRoad(std::vector<Step> steps) : m_steps(std::move(steps))
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
        if (++m_ticks > 500 && modal) {
            modal->close();
            return;
        }
        if (modal && modal->objectName() == m_steps[m_next].window) {
            // Counted first, and acted on from a timer of its own: the act may open the next
            // window, whose event loop must still see this poll, which Qt does not re-enter.
            const Step& step = m_steps[m_next++];
            modal->activateWindow();
            QTimer::singleShot(0, modal, [modal, &step] { step.act(*modal); });
        }
    }

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    int m_ticks = 0;
    QTimer m_poll;
};

} // namespace tavolim::test

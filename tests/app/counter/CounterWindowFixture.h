#pragma once

#include "core/counter/CounterFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace tavolim::test {

// The counter's store, and the operator's hands on its windows.
class CounterWindowTest : public CounterTest {
protected:
    template <class T>
    static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void click(QWidget& window, const char* name)
    {
        child<QAbstractButton>(window, name)->click();
    }

    // A key pressed and let go on `target`.
    static void key(QWidget* target, int key, const QString& text = {},
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        ASSERT_NE(target, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(target, &release);
        // A mnemonic clicks its button a moment later, as the operator sees it pressed.
        if (modifiers & Qt::AltModifier) {
            QEventLoop wait;
            QTimer::singleShot(250, &wait, &QEventLoop::quit);
            wait.exec();
        }
    }
    // The same, to the widget with the focus.
    static void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        key(QApplication::focusWidget(), code, {}, modifiers);
    }

    // Typed a character at a time into `box`, given the focus first, or where the focus is.
    static void type(const QString& text, QWidget* box = nullptr)
    {
        if (box) {
            box->setFocus();
        }
        for (const QChar ch : text) {
            key(box ? box : QApplication::focusWidget(), 0, QString(ch));
        }
    }
};

} // namespace tavolim::test

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <QTimer>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

namespace tavolim::test {

// A key as the operator types it, to `to` or the widget with the focus; a mnemonic (Alt)
// acts a moment later, so the events run before this returns.
inline void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {},
                QWidget* to = nullptr)
{
    QWidget* target = to ? to : QApplication::focusWidget();
    if (!target) {
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
    QEventLoop wait;
    QTimer::singleShot(modifiers & Qt::AltModifier ? 100 : 0, &wait, &QEventLoop::quit);
    wait.exec();
}

inline void typeKeys(const QString& text, QWidget* to = nullptr)
{
    for (const QChar ch : text) {
        key(0, Qt::NoModifier, QString(ch), to);
    }
}

// The access key of a caption ("Se&los" gives "L"), or "" when it has none.
inline QString accessKeyOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (caption[i + 1] == '&') {
                ++i;
                continue;
            }
            return caption[i + 1].toUpper();
        }
    }
    return {};
}

// Access keys used more than once among the captions the operator can see at the same time:
// the widgets under `root` that are not on a hidden page, with the captions of their labels,
// buttons, group boxes, tab bars and menu bars. Each repeated key comes with its captions.
inline std::map<QString, std::vector<QString>> clashingAccessKeys(QWidget* root)
{
    std::map<QString, std::vector<QString>> byKey;
    const auto note = [&](const QString& caption) {
        if (const QString k = accessKeyOf(caption); !k.isEmpty()) {
            byKey[k].push_back(caption);
        }
    };
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root)) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            note(label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            note(button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            note(group->title());
        } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < bar->count(); ++i) {
                note(bar->tabText(i));
            }
        } else if (auto* menus = qobject_cast<QMenuBar*>(w)) {
            for (QAction* a : menus->actions()) {
                note(a->text());
            }
        }
    }
    std::erase_if(byKey, [](const auto& entry) { return entry.second.size() < 2; });
    return byKey;
}

} // namespace tavolim::test

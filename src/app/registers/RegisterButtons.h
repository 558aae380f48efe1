#pragma once

#include <QString>

#include <functional>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace tavolim::core {
class RegisterModel;
}

namespace tavolim::app {

QPushButton* registerButton(QWidget* parent, const char* name, const QString& caption);

// The buttons every register window has: the four moves, add, save, cancel, delete, the
// client situation and OK. The moves, save and cancel act on the model through `step`
// (the window's way of collecting the controls, running a model call and showing the
// result); add, delete and OK are the window's own to connect.
struct RegisterButtons {
    struct Names {
        const char* first;
        const char* previous;
        const char* next;
        const char* last;
        QString noun; // "cliente", "dependente": for the tool tips
    };
    using Step = std::function<void(const std::function<void()>&)>;

    RegisterButtons(QWidget* parent, const Names& names, core::RegisterModel& model,
                    const Step& step);

    // The four moves in a row, left-aligned.
    QHBoxLayout* movesRow() const;

    QPushButton* first;
    QPushButton* previous;
    QPushButton* next;
    QPushButton* last;
    QPushButton* add;
    QPushButton* save;
    QPushButton* cancel;
    QPushButton* remove;
    QPushButton* situation;
    QPushButton* ok;
};

} // namespace tavolim::app

#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMenuBar;
class QPushButton;

namespace tavolim::core {
class RegisterModel;
}

namespace tavolim::app {

// What the register windows share around their core model: a model step runs between
// copying the controls into the form and showing the form back; OK saves a dirty record;
// closing follows "AcaoQdoSaiForm" and Esc asks about typed changes unless the option drops
// them; an empty register lets only Adicionar act and says so.
class RegisterWindow : public QDialog {
    Q_OBJECT

public:
    // Esc and the title bar's close come here; a refused close keeps the window open.
    void reject() override;

protected:
    RegisterWindow(core::RegisterModel& model, QWidget* parent);

    // The window's controls into the model's form, and back.
    virtual void collect() = 0;
    virtual void showForm() = 0;

    // Collects, runs the model call, shows the result.
    void step(const std::function<void()>& run);
    // A dirty record is saved first; false (the form shown again) when the save was refused.
    bool saveFirst();
    void accept() override;
    void keyPressEvent(QKeyEvent* event) override;

    // The print menu of the person registers: mnuImprimir with "Atual" (mnuImpCliAtual: the
    // record saved first, then printed) and "Todos" (mnuImpTodosRel).
    QMenuBar* addPrintMenu(const std::function<void()>& printCurrent,
                           const std::function<void()>& printAll);
    // What needs a record to act: the fields' container and the buttons other than
    // Adicionar and OK. `hint` is shown only while the register is empty.
    void setNeedsRecord(QWidget* fields, std::vector<QPushButton*> buttons, QLabel* hint);
    // Whether the shown state has a record; called after every step.
    void updateEnabled();

private:
    core::RegisterModel& m_model;
    QWidget* m_fields = nullptr;
    std::vector<QPushButton*> m_needRecord;
    QLabel* m_emptyHint = nullptr;
    bool m_escaping = false;
};

} // namespace tavolim::app

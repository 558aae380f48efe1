#pragma once

#include "app/counter/CounterControls.h"
#include "core/counter/Return.h"

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tavolim::core {
class AppState;
struct Situation;
} // namespace tavolim::core

namespace tavolim::app {

// The return (frmDevolu_es) over the tapes the client situation shows: the operator marks
// the tapes that came back (a click or Space on a row, or the code typed in txtCod and
// Enter), adds a surcharge or discount, says what was paid and confirms. core::ReturnModel
// decides; the window copies the controls in and out.
class ReturnWindow final : public QDialog {
    Q_OBJECT

public:
    ReturnWindow(core::AppState& state, const core::Situation& situation,
                 QWidget* parent = nullptr);

    core::ReturnModel& model() { return m_model; }

    // The quick return: only the tape searched for is marked.
    void markOnly(std::int16_t tape);

    // cmdOK: the model confirms; the window closes only when it says so.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void refresh();
    void copyIn();
    void toggleRow(int row);

    core::ReturnModel m_model;

    QTableWidget* m_grid = nullptr;
    QRadioButton* m_todos = nullptr;
    QRadioButton* m_algumas = nullptr;
    QLineEdit* m_cod = nullptr;
    QLabel* m_returned = nullptr;
    QLabel* m_surcharge = nullptr;
    QLabel* m_discount = nullptr;
    QLabel* m_saldoCaption = nullptr;
    QLabel* m_saldo = nullptr;
    PaymentBox m_payment;
    QCheckBox* m_imprimir = nullptr;
};

// cmdDevolu_o of the client situation: true when the return was written, and the situation
// is to be filled again.
bool runReturn(core::AppState& state, const core::Situation& situation, QWidget* parent);

// mnuOpDevolucao: the same, with only the tape found by "Devolver Fita" marked.
bool runQuickReturn(core::AppState& state, const core::Situation& situation, std::int16_t tape,
                    QWidget* parent);

} // namespace tavolim::app

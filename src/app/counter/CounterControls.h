#pragma once

#include <QRadioButton>
#include <QStringList>

class QCheckBox;
class QDialogButtonBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;

namespace tavolim::core {
class Money;
}

namespace tavolim::core {
struct PaymentChoice;
}

namespace tavolim::app {

// Controls of the counter windows, named as the program names them so tests find them.
QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption);
QRadioButton* namedOption(QWidget* parent, const char* name, const QString& caption);
// A right-aligned money figure.
QLabel* amountLabel(QWidget* parent, const char* name);
// "R$ 1,50".
QString moneyText(core::Money value);
// The font of the windows' big figures: bold, two fifths larger.
QFont bigFont(QFont font);
// "Cliente:" and the person's name in bold (lblNome).
QHBoxLayout* clientRow(QWidget* parent, const QString& name);

// FlexGrid1 of a counter window: whole rows chosen one at a time, read-only, the columns
// sized to their contents but `stretch`, which takes the width left.
QTableWidget* makeCounterGrid(QWidget* parent, const QStringList& columns, int stretch);

// "Pagamento": optPagouTudo (its caption, with the amount due, is the window's),
// optPagouParte with txtValorPago, and optN_oPagou when the operation allows paying
// nothing. Typing an amount chooses optPagouParte; choosing optPagouParte goes to the box.
struct PaymentBox {
    QGroupBox* box = nullptr;
    QRadioButton* pagouTudo = nullptr;
    QRadioButton* pagouParte = nullptr;
    QLineEdit* valorPago = nullptr;
    QRadioButton* naoPagou = nullptr;

    // Copies the box into the model's choice.
    void copyTo(core::PaymentChoice& choice) const;
    // Until the operator picks an option himself: optN_oPagou when the model says no cash is
    // to be taken, optPagouTudo otherwise.
    void suggestNoCash(bool noCash) const;
};
PaymentBox makePaymentBox(QWidget* parent, bool canPayNothing);

// Opens the editor of the grid's current cell when the cell may be edited.
void editCurrentCell(QTableWidget* grid);

// chkImprimir, ticked as the options left it.
QCheckBox* printBox(QWidget* parent, bool checked);
// The foot of the rental and the return: the payment box, and beside it the print box over
// the dialog's OK and Cancelar, stood in a column.
QHBoxLayout* paymentFoot(const PaymentBox& payment, QCheckBox* print, QDialogButtonBox* buttons);

} // namespace tavolim::app

#pragma once

#include <QStringList>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QWidget;

namespace tavolim::app {

// Controls of the counter windows, named as the program names them so tests find them.
QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption);
QRadioButton* namedOption(QWidget* parent, const char* name, const QString& caption);
// A right-aligned money figure.
QLabel* amountLabel(QWidget* parent, const char* name);

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
};
PaymentBox makePaymentBox(QWidget* parent, bool canPayNothing);

} // namespace tavolim::app

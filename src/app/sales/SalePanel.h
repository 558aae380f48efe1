#pragma once

#include "core/sales/SaleGrid.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tavolim::app {

// What both sale windows share: the product boxes txtCodProd and txtNome with cmdAdicionar and
// cmdRemover, the grid FlexGrid1 with its cell editor txtT, and beside it cmdBrinde (client
// sales), cmdAcrescimo and cmdDesconto with their amounts. Keyboard first: a code or a name
// and Enter adds the product; Enter with nothing new typed is entryDone(), the window's cue to
// go on to the payment. Click, Enter or F2 on "Unit." or "Qtde." opens txtT.
class SalePanel final : public QWidget {
    Q_OBJECT

public:
    SalePanel(core::SaleGrid& grid, QWidget* parent);

    QLineEdit* codeBox() const { return m_codProd; }
    QTableWidget* table() const { return m_grid; }
    // The grid, the amounts and the buttons as the model has them now.
    void refresh();
    // First and last controls of the panel's tab chain.
    QWidget* firstInChain() const;
    QWidget* lastInChain() const;

signals:
    // Lines or amounts changed: the window's totals follow.
    void changed();
    // Enter in a product box with nothing new in it.
    void entryDone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addProduct();
    void removeLine();
    void toggleFreebie();
    void cellEdited(int row, int column);
    void copyIn();

    core::SaleGrid& m_model;
    core::ListChooser m_chooser;
    QLineEdit* m_codProd = nullptr;
    QLineEdit* m_nome = nullptr;
    QPushButton* m_adicionar = nullptr;
    QPushButton* m_remover = nullptr;
    QTableWidget* m_grid = nullptr;
    QPushButton* m_brinde = nullptr;
    QPushButton* m_acrescimo = nullptr;
    QPushButton* m_desconto = nullptr;
    QLabel* m_surcharge = nullptr;
    QLabel* m_discount = nullptr;
    bool m_filling = false;
};

} // namespace tavolim::app

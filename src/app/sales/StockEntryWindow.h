#pragma once

#include "core/sales/StockEntry.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tavolim::app {

// The stock entry (frmEstoque), keyboard first: a barcode (or a name) and Enter lists the
// product and goes to txtEntrada; the units and Enter (or leaving the box) write the entry and
// go back for the next product. The "Estoque" cell takes a count typed in place (Enter or F2).
// core::StockEntryModel decides and writes; the window copies the controls in and out.
class StockEntryWindow final : public QDialog {
    Q_OBJECT

public:
    explicit StockEntryWindow(core::AppState& state, QWidget* parent = nullptr);

    core::StockEntryModel& model() { return m_model; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void refresh();
    void find();
    void enter();
    void removeLine();
    void cellEdited(int row, int column);
    void copyIn();

    core::StockEntryModel m_model;
    QRadioButton* m_byBarcode = nullptr;
    QRadioButton* m_byName = nullptr;
    QLineEdit* m_codProd = nullptr;
    QPushButton* m_procurar = nullptr;
    QLineEdit* m_entrada = nullptr;
    QPushButton* m_adicionar = nullptr;
    QPushButton* m_remover = nullptr;
    QPushButton* m_imprimir = nullptr;
    QPushButton* m_fechar = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_dados = nullptr;
    bool m_filling = false;
    bool m_entering = false;
};

// mnuOpEntradaEstq.
void openStockEntry(core::AppState& state, QWidget* parent);

} // namespace tavolim::app

#pragma once

#include "core/reports/CashGraphForm.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tavolim::app {

class CashChartView;

// frmGraph "Gráficos de Caixa": the series ("Gráfico de") summed by the chosen breakdown
// over the periods chosen in lstPeriodo, as the table FlexDados and the chart Graph1 with
// its type, style and grid lines. Selecting cells of the table tells their sum ("Soma");
// the table prints the receipt way, copies to the clipboard for a spreadsheet, and the
// chart saves as PNG or PDF. The chart settings are kept when it closes.
class CashGraphWindow final : public QDialog {
    Q_OBJECT

public:
    explicit CashGraphWindow(core::AppState& state, QWidget* parent = nullptr);

    const core::CashGraphForm& form() const { return m_form; }
    CashChartView* chart() const { return m_chart; }

    // The chart as a PDF when the name ends in ".pdf", else as a PNG picture.
    bool saveChartTo(const QString& file);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPeriods();
    void showTable();
    void showChart();
    void fillStyles();
    void sumSelection(std::size_t atLeast);
    void copyTable();
    void saveChart();

    core::AppState& m_state;
    core::CashGraphForm m_form;
    std::vector<QRadioButton*> m_series;
    std::vector<QRadioButton*> m_breakdowns;
    QLabel* m_listLabel = nullptr;
    QListWidget* m_periods = nullptr;
    QTableWidget* m_table = nullptr;
    CashChartView* m_chart = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_style = nullptr;
    QComboBox* m_grid = nullptr;
    QPushButton* m_print = nullptr;
    bool m_filling = false;
};

// mnuHistGrafCaixa.
void openCashGraph(core::AppState& state, QWidget* parent);

} // namespace tavolim::app

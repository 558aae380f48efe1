#pragma once

#include <QDialog>

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// "Resumo do Dia": the summary text in columns that line up, and OK.
class DailySummaryWindow final : public QDialog {
    Q_OBJECT

public:
    DailySummaryWindow(const QString& text, QWidget* parent = nullptr);
};

// mnuHistResumoDia.
void showDailySummary(core::AppState& state, QWidget* parent);

} // namespace tavolim::app

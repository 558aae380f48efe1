#pragma once

#include <QDialog>

#include <memory>

namespace tavolim::core {
class AppState;
class HistoryForm;
struct PersonRef;
enum class HistoryKind;
} // namespace tavolim::core

namespace tavolim::app {

// frmHist: a person's rentals or purchases, oldest first, in FlexHist; cmdImprimir prints
// them, cmdFechar closes.
class HistoryWindow final : public QDialog {
    Q_OBJECT

public:
    HistoryWindow(core::HistoryForm form, QWidget* parent = nullptr);
    ~HistoryWindow() override;

private:
    // Held apart: its header is more than the meta-object compiler can read.
    std::unique_ptr<core::HistoryForm> m_form;
};

// cmdHistFita / cmdHistProd of the client situation: the window, or the situation's own
// message when the history is empty.
void showPersonHistory(core::AppState& state, core::PersonRef person, core::HistoryKind kind,
                       QWidget* parent);

} // namespace tavolim::app

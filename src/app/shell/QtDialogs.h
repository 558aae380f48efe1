#pragma once

#include "core/ports/Dialogs.h"

#include <QPointer>

class QWidget;

namespace tavolim::app {

// The operator's message boxes (the platform's, with Portuguese buttons) and the program's
// own prompts: frmMsgBox, frmPegaData, frmPegaValor, frmPegaDado.
// Every window is modal over the given parent, or over the active window when none is given.
class QtDialogs final : public core::Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr);

    core::msg::Answer message(const std::string& text, int flags,
                              const std::string& title = {}) override;
    std::optional<std::string> askText(const std::string& prompt, const std::string& title,
                                       const std::string& initial = {}) override;
    std::optional<std::string> askValue(const std::string& prompt, const std::string& title,
                                        const std::string& initial = {}) override;
    std::optional<std::string> askValueWithCheck(const std::string& prompt,
                                                 const std::string& title,
                                                 const std::string& checkCaption,
                                                 bool& checked) override;
    std::optional<std::chrono::year_month_day> askDate(
        const std::string& prompt, const std::string& title,
        std::optional<std::chrono::year_month_day> initial = {}) override;
    int choose(const std::string& text, const std::string& title, const std::string& button1,
               const std::string& button2, const std::string& button3) override;

private:
    QWidget* parentWindow() const;

    QPointer<QWidget> m_parent;
};

} // namespace tavolim::app

#pragma once

#include "core/ports/Dialogs.h"

#include <QPointer>

class QWidget;

namespace tavolim::app {

// The operator's message boxes and small prompts, with the program's Portuguese buttons.
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
    std::optional<std::chrono::year_month_day>
    askDate(const std::string& prompt, const std::string& title,
            std::optional<std::chrono::year_month_day> initial = {}) override;
    int choose(const std::string& text, const std::string& title, const std::string& button1,
               const std::string& button2, const std::string& button3) override;

private:
    QWidget* parentWindow() const;
    std::optional<std::string> askLine(const std::string& prompt, const std::string& title,
                                       const std::string& initial);

    QPointer<QWidget> m_parent;
};

} // namespace tavolim::app

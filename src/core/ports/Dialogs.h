#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace tavolim::core {

// Message box flags and answers, with the platform's standard values.
namespace msg {
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;

enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
} // namespace msg

// Everything the core asks of or tells the operator. The program shows windows; the tests
// script the answers and record every text.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // flags = icon (16/32/48/64) + buttons (0/1/3/4). An empty title means the program's.
    virtual msg::Answer message(const std::string& text, int flags,
                                const std::string& title = {}) = 0;

    // A value typed by the operator; nullopt when cancelled.
    virtual std::optional<std::string> askText(const std::string& prompt, const std::string& title,
                                               const std::string& initial = {}) = 0;
    virtual std::optional<std::string> askValue(const std::string& prompt, const std::string& title,
                                                const std::string& initial = {}) = 0;
    // The value prompt with a check box under the box (a receipt to print): `checked` goes
    // in as the box's state and comes out as the operator left it. Without a box of its
    // own, the plain prompt leaves it as it was.
    virtual std::optional<std::string> askValueWithCheck(const std::string& prompt,
                                                         const std::string& title,
                                                         const std::string& checkCaption,
                                                         bool& checked)
    {
        (void)checkCaption;
        (void)checked;
        return askValue(prompt, title);
    }
    virtual std::optional<std::chrono::year_month_day> askDate(
        const std::string& prompt, const std::string& title,
        std::optional<std::chrono::year_month_day> initial = {}) = 0;

    // Three-button choice (frmMsgBox): returns 1, 2 or 3 for the button pressed, 0 for Esc.
    // An empty third caption hides the third button.
    virtual int choose(const std::string& text, const std::string& title,
                       const std::string& button1, const std::string& button2,
                       const std::string& button3) = 0;
};

} // namespace tavolim::core

#include "app/shell/QtDialogs.h"

#include "app/shell/DatePromptWindow.h"
#include "app/shell/InputPromptWindow.h"
#include "app/shell/MsgBoxWindow.h"
#include "app/shell/ProgramTitle.h"
#include "app/shell/QtConversions.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace tavolim::app {
namespace {

using core::msg::Answer;

const QString kOk = QStringLiteral("OK");
const QString kCancel = QStringLiteral("Cancelar");
const QString kYes = QStringLiteral("&Sim");
const QString kNo = QStringLiteral("&Não");

QString titleOr(const std::string& title)
{
    return title.empty() ? QString::fromLatin1(kProgramTitle) : toQString(title);
}

QMessageBox::Icon iconFor(int flags)
{
    switch (flags & 0x70) {
    case core::msg::Critical:
        return QMessageBox::Critical;
    case core::msg::Question:
        return QMessageBox::Question;
    case core::msg::Exclamation:
        return QMessageBox::Warning;
    case core::msg::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct MessageButton {
    QString text;
    QMessageBox::ButtonRole role;
    Answer answer;
};

std::vector<MessageButton> buttonsFor(int flags)
{
    switch (flags & 7) {
    case core::msg::OkCancel:
        return {{kOk, QMessageBox::AcceptRole, Answer::Ok},
                {kCancel, QMessageBox::RejectRole, Answer::Cancel}};
    case core::msg::YesNoCancel:
        return {{kYes, QMessageBox::YesRole, Answer::Yes},
                {kNo, QMessageBox::NoRole, Answer::No},
                {kCancel, QMessageBox::RejectRole, Answer::Cancel}};
    case core::msg::YesNo:
        return {{kYes, QMessageBox::YesRole, Answer::Yes}, {kNo, QMessageBox::NoRole, Answer::No}};
    default:
        return {{kOk, QMessageBox::AcceptRole, Answer::Ok}};
    }
}

} // namespace

QtDialogs::QtDialogs(QWidget* parent) : m_parent(parent) {}

QWidget* QtDialogs::parentWindow() const
{
    if (m_parent) {
        return m_parent.data();
    }
    // The splash deletes itself and its children when its time is up: a box on the stack
    // parented to it would be freed twice. Popups and tips close under the box as well.
    QWidget* active = QApplication::activeWindow();
    const auto usable = [](const QWidget* w) {
        return w && w->isVisible() && w->windowType() != Qt::SplashScreen &&
               w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip;
    };
    if (usable(active)) {
        return active;
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("frmPrincipal") && usable(top)) {
            return top;
        }
    }
    return nullptr;
}

Answer QtDialogs::message(const std::string& text, int flags, const std::string& title)
{
    QMessageBox box(iconFor(flags), titleOr(title), toQString(text), QMessageBox::NoButton,
                    parentWindow());
    const std::vector<MessageButton> kinds = buttonsFor(flags);
    std::vector<std::pair<QPushButton*, Answer>> buttons;
    for (const MessageButton& kind : kinds) {
        buttons.emplace_back(box.addButton(kind.text, kind.role), kind.answer);
    }
    // The default-button bits (256, 512) pick the second or third button.
    const auto defaultIndex = static_cast<std::size_t>((flags >> 8) & 3);
    box.setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0].first);
    // Esc cancels; without a Cancel it answers No, and a lone OK is OK.
    box.setEscapeButton(buttons.size() == 2 ? buttons[1].first : buttons.back().first);

    box.exec();

    for (const auto& [button, answer] : buttons) {
        if (box.clickedButton() == button) {
            return answer;
        }
    }
    return buttons.back().second;
}

std::optional<std::string> QtDialogs::askText(const std::string& prompt, const std::string& title,
                                              const std::string& initial)
{
    InputPromptWindow window(InputPromptWindow::Kind::Text, titleOr(title), toQString(prompt),
                             toQString(initial), parentWindow());
    if (window.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return toStdString(window.text());
}

// The core reads the number, with either decimal mark; the prompt only takes the text.
std::optional<std::string> QtDialogs::askValue(const std::string& prompt, const std::string& title,
                                               const std::string& initial)
{
    InputPromptWindow window(InputPromptWindow::Kind::Value, titleOr(title), toQString(prompt),
                             toQString(initial), parentWindow());
    if (window.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return toStdString(window.text());
}

std::optional<std::string> QtDialogs::askValueWithCheck(const std::string& prompt,
                                                        const std::string& title,
                                                        const std::string& checkCaption,
                                                        bool& checked)
{
    InputPromptWindow window(InputPromptWindow::Kind::Value, titleOr(title), toQString(prompt), {},
                             parentWindow());
    window.addCheckBox(toQString(checkCaption), checked);
    const bool accepted = window.exec() == QDialog::Accepted;
    checked = window.isChecked();
    if (!accepted) {
        return std::nullopt;
    }
    return toStdString(window.text());
}

std::optional<std::chrono::year_month_day> QtDialogs::askDate(
    const std::string& prompt, const std::string& title,
    std::optional<std::chrono::year_month_day> initial)
{
    DatePromptWindow window(*this, titleOr(title), toQString(prompt),
                            initial ? *initial : toYmd(QDate::currentDate()), parentWindow());
    if (window.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return window.date();
}

int QtDialogs::choose(const std::string& text, const std::string& title, const std::string& button1,
                      const std::string& button2, const std::string& button3)
{
    MsgBoxWindow window(titleOr(title), 0, toQString(text),
                        {toQString(button1), toQString(button2), toQString(button3)},
                        parentWindow());
    return window.exec();
}

} // namespace tavolim::app

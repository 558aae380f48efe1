#include "app/shell/QtDialogs.h"

#include "app/shell/ProgramTitle.h"
#include "app/shell/QtConversions.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
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
        return {{kYes, QMessageBox::YesRole, Answer::Yes},
                {kNo, QMessageBox::NoRole, Answer::No}};
    default:
        return {{kOk, QMessageBox::AcceptRole, Answer::Ok}};
    }
}

// Three free captions, answered by position. QMessageBox ignores Esc when no button has a
// cancelling role, so Esc and the close box are taken here and answer 0.
class ChoiceBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            reject();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent*) override { reject(); }
};

} // namespace

QtDialogs::QtDialogs(QWidget* parent) : m_parent(parent)
{
}

QWidget* QtDialogs::parentWindow() const
{
    return m_parent ? m_parent.data() : QApplication::activeWindow();
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

std::optional<std::string> QtDialogs::askLine(const std::string& prompt,
                                              const std::string& title,
                                              const std::string& initial)
{
    QInputDialog dialog(parentWindow());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(titleOr(title));
    dialog.setLabelText(toQString(prompt));
    dialog.setTextValue(toQString(initial));
    dialog.setOkButtonText(kOk);
    dialog.setCancelButtonText(kCancel);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return toStdString(dialog.textValue());
}

std::optional<std::string> QtDialogs::askText(const std::string& prompt,
                                              const std::string& title,
                                              const std::string& initial)
{
    return askLine(prompt, title, initial);
}

// The core reads the number, with either decimal mark; the prompt only takes the text.
std::optional<std::string> QtDialogs::askValue(const std::string& prompt,
                                               const std::string& title,
                                               const std::string& initial)
{
    return askLine(prompt, title, initial);
}

std::optional<std::chrono::year_month_day>
QtDialogs::askDate(const std::string& prompt, const std::string& title,
                   std::optional<std::chrono::year_month_day> initial)
{
    QDialog dialog(parentWindow());
    dialog.setWindowTitle(titleOr(title));
    auto* label = new QLabel(toQString(prompt), &dialog);
    auto* edit = new QDateEdit(initial ? toQDate(*initial) : QDate::currentDate(), &dialog);
    edit->setObjectName(QStringLiteral("txtData"));
    edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edit->setCalendarPopup(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                         &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(kOk);
    buttons->button(QDialogButtonBox::Cancel)->setText(kCancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    dialog.setMinimumWidth(280);

    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return toYmd(edit->date());
}

int QtDialogs::choose(const std::string& text, const std::string& title,
                      const std::string& button1, const std::string& button2,
                      const std::string& button3)
{
    ChoiceBox box(QMessageBox::NoIcon, titleOr(title), toQString(text), QMessageBox::NoButton,
                  parentWindow());
    const std::array captions{&button1, &button2, &button3};
    std::vector<QPushButton*> buttons;
    for (const std::string* caption : captions) {
        if (caption == &button3 && caption->empty()) {
            break;
        }
        buttons.push_back(box.addButton(toQString(*caption), QMessageBox::ActionRole));
    }
    box.setDefaultButton(buttons.front());

    box.exec();

    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

} // namespace tavolim::app

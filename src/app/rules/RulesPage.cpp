#include "app/rules/RulesPage.h"

#include "app/shell/QtConversions.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace tavolim::app {

QLabel* buddyLabel(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* namedBox(const char* name, QWidget* parent, int maxLength)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromUtf8(name));
    if (maxLength > 0) {
        box->setMaxLength(maxLength);
    }
    return box;
}

QListWidget* namedList(const char* name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromUtf8(name));
    return list;
}

QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

void setNamed(QAbstractButton* button, const char* name)
{
    button->setObjectName(QString::fromUtf8(name));
}

void fillList(QListWidget* list, const std::vector<std::string>& lines, int current)
{
    const QSignalBlocker quiet(list);
    list->clear();
    for (const auto& line : lines) {
        list->addItem(toQString(line));
    }
    if (!lines.empty()) {
        list->setCurrentRow(std::clamp(current, 0, static_cast<int>(lines.size()) - 1));
    }
}

std::vector<int> selectedRows(const QListWidget* list)
{
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected()) {
            rows.push_back(i);
        }
    }
    return rows;
}

} // namespace tavolim::app

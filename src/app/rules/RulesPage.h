#pragma once

#include "core/rules/RulesEditor.h"

#include <QString>
#include <QWidget>

#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavolim::app {

// One tab of frmDadosGer over the shared editor. The window shows it afresh whenever it
// becomes the current tab, as another tab may have added or removed labels and media.
class RulesPage : public QWidget {
    Q_OBJECT

public:
    RulesPage(core::RulesEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor) {}

    // Shows the editor's values.
    virtual void refresh() = 0;
    // Hands over a box still being typed in; false when its value was refused.
    virtual bool commit() { return true; }
    // Puts the operator on what a refused OK pointed at.
    virtual void showProblem(const core::RulesProblem&) {}

protected:
    core::RulesEditor& m_editor;
};

// Small builders the pages share.
QLabel* buddyLabel(const QString& caption, QWidget* buddy, QWidget* parent);
QLineEdit* namedBox(const char* name, QWidget* parent, int maxLength = 0);
QListWidget* namedList(const char* name, QWidget* parent);
QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent);
void setNamed(QAbstractButton* button, const char* name);
// Replaces the list's lines, keeping the selection on `current` (or the first line).
void fillList(QListWidget* list, const std::vector<std::string>& lines, int current);
// Selected rows of a list, in order.
std::vector<int> selectedRows(const QListWidget* list);

} // namespace tavolim::app

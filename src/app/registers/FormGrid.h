#pragma once

#include <QString>

#include <functional>
#include <vector>

class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace tavolim::app {

// The labelled boxes of a record window, laid out in a grid of label and box pairs. Every
// box reports its edits to `edited` (the window marks its record changed there, unless it is
// filling the boxes itself) and joins the tab order in the order made. The grid may go once
// the window is built: the boxes keep their own copy of `edited`.
class FormGrid {
public:
    FormGrid(QWidget* owner, std::function<void()> edited);

    QGridLayout* layout() const { return m_grid; }
    // A box of at most `width` characters (0: no limit) with its label at (row, pair).
    QLineEdit* box(const char* name, const QString& caption, int width, int row, int pair = 0,
                   int pairsSpanned = 1);
    // The notes: several lines, Tab leaves them.
    QPlainTextEdit* notes(const char* name, const QString& caption, int row, int pairsSpanned);
    // A box shown, never typed in.
    QLineEdit* display(const char* name, const QString& caption, int row, int pair = 0);

    const std::vector<QWidget*>& order() const { return m_order; }

private:
    QWidget* m_owner;
    QGridLayout* m_grid;
    std::function<void()> m_edited;
    std::vector<QWidget*> m_order;
};

} // namespace tavolim::app

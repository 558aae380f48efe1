#pragma once

#include "core/reports/BookPeriods.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QRadioButton;

namespace tavolim::app {

// The period controls of the book windows: the options optDia, optSemana, optMes and
// optTrimestre, and the lists List1 and List2 with their labels, shown from a PeriodChooser
// of the window's model. The window passes the operator's choices on to its model and
// calls show() again.
class PeriodControls final : public QWidget {
    Q_OBJECT

public:
    explicit PeriodControls(QWidget* parent = nullptr);

    void show(const core::PeriodChooser& periods);

signals:
    void lengthChosen(core::PeriodLength length);
    void list1Chosen(int index);
    void list2Chosen(int index);

private:
    QRadioButton* m_options[4] = {};
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QListWidget* m_list1 = nullptr;
    QListWidget* m_list2 = nullptr;
    bool m_showing = false;
};

} // namespace tavolim::app

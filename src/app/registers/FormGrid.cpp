#include "app/registers/FormGrid.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tavolim::app {

FormGrid::FormGrid(QWidget* owner, std::function<void()> edited)
    : m_owner(owner), m_grid(new QGridLayout), m_edited(std::move(edited))
{
}

QLineEdit* FormGrid::box(const char* name, const QString& caption, int width, int row, int pair,
                         int pairsSpanned)
{
    auto* edit = new QLineEdit(m_owner);
    edit->setObjectName(QString::fromUtf8(name));
    if (width > 0) {
        edit->setMaxLength(width);
    }
    // Short fields get short boxes, so the eye sees what fits.
    if (width > 0 && width <= 13) {
        edit->setMaximumWidth(edit->fontMetrics().averageCharWidth() * (width + 4) + 12);
    }
    QObject::connect(edit, &QLineEdit::textEdited, m_owner, [edited = m_edited] { edited(); });
    auto* label = new QLabel(caption, m_owner);
    label->setBuddy(edit);
    m_grid->addWidget(label, row, 2 * pair);
    m_grid->addWidget(edit, row, 2 * pair + 1, 1, 2 * pairsSpanned - 1);
    m_order.push_back(edit);
    return edit;
}

QPlainTextEdit* FormGrid::notes(const char* name, const QString& caption, int row, int pairsSpanned)
{
    auto* edit = new QPlainTextEdit(m_owner);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setTabChangesFocus(true);
    edit->setMinimumHeight(60);
    QObject::connect(edit, &QPlainTextEdit::textChanged, m_owner,
                     [edited = m_edited] { edited(); });
    auto* label = new QLabel(caption, m_owner);
    label->setBuddy(edit);
    m_grid->addWidget(label, row, 0, Qt::AlignTop);
    m_grid->addWidget(edit, row, 1, 1, 2 * pairsSpanned - 1);
    m_order.push_back(edit);
    return edit;
}

QLineEdit* FormGrid::display(const char* name, const QString& caption, int row, int pair)
{
    auto* edit = new QLineEdit(m_owner);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setMaximumWidth(90);
    m_grid->addWidget(new QLabel(caption, m_owner), row, 2 * pair);
    m_grid->addWidget(edit, row, 2 * pair + 1);
    return edit;
}

} // namespace tavolim::app

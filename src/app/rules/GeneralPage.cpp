#include "app/rules/GeneralPage.h"

#include "app/shell/QtConversions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

// A list with the box that renames its selected line and the add and delete buttons.
struct NamedList {
    QGroupBox* frame;
    QListWidget* list;
    QLineEdit* name;
    QPushButton* add;
    QPushButton* remove;
};

NamedList namedListFrame(const QString& title, const char* list, const char* box, int width,
                         const char* add, const char* remove, QWidget* parent)
{
    NamedList n{new QGroupBox(parent), nullptr, nullptr, nullptr, nullptr};
    n.list = namedList(list, n.frame);
    n.name = namedBox(box, n.frame, width);
    n.add = namedButton(add, QStringLiteral("Adicionar"), n.frame);
    n.remove = namedButton(remove, QStringLiteral("Excluir"), n.frame);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(n.add);
    buttons->addWidget(n.remove);
    auto* layout = new QVBoxLayout(n.frame);
    layout->addWidget(buddyLabel(title, n.list, n.frame));
    layout->addWidget(n.list, 1);
    layout->addWidget(n.name);
    layout->addLayout(buttons);
    return n;
}

} // namespace

GeneralPage::GeneralPage(core::RulesEditor& editor, QWidget* parent) : RulesPage(editor, parent)
{
    m_numRecibo = namedBox("txtNumRecibo", this, 10);
    m_numRecibo->setMaximumWidth(120);
    m_numRecibo->setAlignment(Qt::AlignRight);
    connect(m_numRecibo, &QLineEdit::editingFinished, this, [this] {
        if (!m_filling && !m_editor.setNumRecibo(toStdString(m_numRecibo->text()))) {
            m_numRecibo->setText(toQString(m_editor.numRecibo()));
            m_numRecibo->setFocus();
            m_numRecibo->selectAll();
        }
    });
    m_abreSabado = new QCheckBox(QStringLiteral("Abre aos &Sábados"), this);
    setNamed(m_abreSabado, "chkAbreSabado");
    m_abreDomingo = new QCheckBox(QStringLiteral("Abre aos Do&mingos e Feriados"), this);
    setNamed(m_abreDomingo, "chkAbreDomingo");
    connect(m_abreSabado, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_filling) {
            m_editor.setAbreSabado(on);
        }
    });
    connect(m_abreDomingo, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_filling) {
            m_editor.setAbreDomingo(on);
        }
    });

    auto* top = new QHBoxLayout;
    top->addWidget(buddyLabel(QStringLiteral("N° do Re&cibo Atual:"), m_numRecibo, this));
    top->addWidget(m_numRecibo);
    top->addSpacing(24);
    top->addWidget(m_abreSabado);
    top->addWidget(m_abreDomingo);
    top->addStretch();

    auto* lists = new QHBoxLayout;
    lists->addWidget(buildMedia(), 2);
    lists->addWidget(buildSections(), 2);
    lists->addWidget(buildLabels(), 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists, 1);

    setTabOrder(m_numRecibo, m_abreSabado);
    setTabOrder(m_abreSabado, m_abreDomingo);
}

QWidget* GeneralPage::buildMedia()
{
    const NamedList n = namedListFrame(QStringLiteral("Mídi&as"), "lstMidia", "txtMidia", 25,
                                       "cmdAdicionarMidia", "cmdExcluirMidia", this);
    m_media = n.list;
    m_mediaName = n.name;
    connect(m_media, &QListWidget::currentRowChanged, this, [this](int row) {
        const QSignalBlocker quiet(m_mediaName);
        m_mediaName->setText(row >= 0 ? m_media->item(row)->text() : QString());
    });
    connect(m_mediaName, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int row = m_media->currentRow();
        if (row >= 0) {
            m_editor.renameMedia(row, toStdString(text));
            m_media->item(row)->setText(text);
        }
    });
    connect(n.add, &QPushButton::clicked, this, [this] {
        if (m_editor.addMedia()) {
            fillList(m_media, m_editor.mediaNames(), m_editor.mediaCount() - 1);
            m_mediaName->setText(m_media->currentItem()->text());
            m_mediaName->setFocus();
            m_mediaName->selectAll();
        }
    });
    connect(n.remove, &QPushButton::clicked, this, [this] {
        const int row = m_media->currentRow();
        if (m_editor.deleteMedia(row)) {
            fillList(m_media, m_editor.mediaNames(), row);
            m_mediaName->setText(m_media->currentItem()->text());
        }
    });
    return n.frame;
}

QWidget* GeneralPage::buildSections()
{
    const NamedList n = namedListFrame(QStringLiteral("Seçõ&es"), "lstSeções", "txtSeção", 20,
                                       "cmdAdicionarSeção", "cmdExcluirSeção", this);
    m_sections = n.list;
    m_sectionName = n.name;
    connect(m_sections, &QListWidget::currentRowChanged, this, [this](int row) {
        const QSignalBlocker quiet(m_sectionName);
        m_sectionName->setText(row >= 0 ? m_sections->item(row)->text() : QString());
    });
    connect(m_sectionName, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int row = m_sections->currentRow();
        if (row >= 0) {
            m_editor.renameSection(row, toStdString(text));
            m_sections->item(row)->setText(text);
        }
    });
    connect(n.add, &QPushButton::clicked, this, [this] {
        if (m_editor.addSection()) {
            fillList(m_sections, m_editor.sectionNames(), m_editor.sectionCount() - 1);
            m_sectionName->setText(m_sections->currentItem()->text());
            m_sectionName->setFocus();
            m_sectionName->selectAll();
        }
    });
    connect(n.remove, &QPushButton::clicked, this, [this] {
        const int row = m_sections->currentRow();
        if (m_editor.deleteSection(row)) {
            fillList(m_sections, m_editor.sectionNames(), row);
            m_sectionName->setText(m_sections->currentItem()->text());
        }
    });
    return n.frame;
}

QWidget* GeneralPage::buildLabels()
{
    auto* frame = new QGroupBox(this);
    m_labels = new QTableWidget(0, 2, frame);
    m_labels->setObjectName(QStringLiteral("FlexSelos"));
    m_labels->setHorizontalHeaderLabels(
        {QStringLiteral("Descrição:"), QStringLiteral("Máx.Dias:")});
    m_labels->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_labels->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_labels->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_labels->setSelectionMode(QAbstractItemView::SingleSelection);
    m_labels->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_labels->setTabKeyNavigation(false);
    m_labelName = namedBox("txtDescrição", frame, 25);
    m_maxDays = namedBox("txtNumMaxDias", frame, 5);
    m_maxDays->setMaximumWidth(70);
    m_maxDays->setAlignment(Qt::AlignRight);
    auto* add =
        namedButton("cmdAdicionarSelo", QStringLiteral("Adiciona Novo Tipo de Fita"), frame);
    auto* remove = namedButton("cmdExcluirSelo", QStringLiteral("Exclui Tipo de Fita"), frame);

    connect(m_labels, &QTableWidget::currentCellChanged, this, [this](int row) { showLabel(row); });
    connect(m_labelName, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int row = m_labels->currentRow();
        if (row >= 0) {
            m_editor.renameLabel(row, toStdString(text));
            m_labels->item(row, 0)->setText(text);
        }
    });
    connect(m_maxDays, &QLineEdit::editingFinished, this, [this] { commitMaxDays(); });
    connect(add, &QPushButton::clicked, this, [this] {
        if (m_editor.addLabel()) {
            refresh();
            m_labels->setCurrentCell(m_editor.labelCount() - 1, 0);
            m_labelName->setFocus();
            m_labelName->selectAll();
        }
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int row = m_labels->currentRow();
        if (m_editor.deleteLabel(row)) {
            refresh();
            m_labels->setCurrentCell(std::min(row, m_editor.labelCount() - 1), 0);
        }
    });

    auto* boxes = new QGridLayout;
    boxes->addWidget(buddyLabel(QStringLiteral("Descr&ição:"), m_labelName, frame), 0, 0);
    boxes->addWidget(m_labelName, 0, 1);
    boxes->addWidget(buddyLabel(QStringLiteral("Má&x.Dias:"), m_maxDays, frame), 0, 2);
    boxes->addWidget(m_maxDays, 0, 3);
    boxes->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(buddyLabel(QStringLiteral("Tipos de Fita (Se&los)"), m_labels, frame));
    layout->addWidget(m_labels, 1);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    return frame;
}

void GeneralPage::showLabel(int row)
{
    const bool any = row >= 0 && row < m_editor.labelCount();
    const QSignalBlocker quietName(m_labelName);
    const QSignalBlocker quietDays(m_maxDays);
    m_labelName->setText(any ? m_labels->item(row, 0)->text() : QString());
    m_maxDays->setText(any ? toQString(m_editor.maxDaysText(row)) : QString());
}

bool GeneralPage::commitMaxDays()
{
    const int row = m_labels->currentRow();
    if (m_filling || row < 0 || toQString(m_editor.maxDaysText(row)) == m_maxDays->text()) {
        return true;
    }
    const bool taken = m_editor.setMaxDays(row, toStdString(m_maxDays->text()));
    m_maxDays->setText(toQString(m_editor.maxDaysText(row)));
    m_labels->item(row, 1)->setText(m_maxDays->text());
    if (!taken) {
        m_maxDays->setFocus();
        m_maxDays->selectAll();
    }
    return taken;
}

void GeneralPage::refresh()
{
    m_filling = true;
    m_numRecibo->setText(toQString(m_editor.numRecibo()));
    m_abreSabado->setChecked(m_editor.abreSabado());
    m_abreDomingo->setChecked(m_editor.abreDomingo());
    fillList(m_media, m_editor.mediaNames(), m_media->currentRow());
    m_mediaName->setText(m_media->currentItem() ? m_media->currentItem()->text() : QString());
    fillList(m_sections, m_editor.sectionNames(), m_sections->currentRow());
    m_sectionName->setText(m_sections->currentItem() ? m_sections->currentItem()->text()
                                                     : QString());
    const int row = std::max(0, m_labels->currentRow());
    {
        const QSignalBlocker quiet(m_labels);
        const auto names = m_editor.labelNames();
        m_labels->setRowCount(static_cast<int>(names.size()));
        for (int i = 0; i < static_cast<int>(names.size()); ++i) {
            m_labels->setItem(i, 0,
                              new QTableWidgetItem(toQString(names[static_cast<std::size_t>(i)])));
            auto* days = new QTableWidgetItem(toQString(m_editor.maxDaysText(i)));
            days->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_labels->setItem(i, 1, days);
        }
        m_labels->setCurrentCell(std::min(row, m_labels->rowCount() - 1), 0);
    }
    showLabel(m_labels->currentRow());
    m_filling = false;
}

bool GeneralPage::commit()
{
    if (m_numRecibo->text() != toQString(m_editor.numRecibo()) &&
        !m_editor.setNumRecibo(toStdString(m_numRecibo->text()))) {
        m_numRecibo->setText(toQString(m_editor.numRecibo()));
        m_numRecibo->setFocus();
        return false;
    }
    return commitMaxDays();
}

void GeneralPage::showProblem(const core::RulesProblem& problem)
{
    using Item = core::RulesProblem::Item;
    switch (problem.item) {
    case Item::Section:
        m_sections->setCurrentRow(problem.index);
        m_sectionName->setFocus();
        break;
    case Item::Media:
        m_media->setCurrentRow(problem.index);
        m_mediaName->setFocus();
        break;
    case Item::LabelName:
    case Item::LabelMaxDays:
        m_labels->setCurrentCell(problem.index, 0);
        (problem.item == Item::LabelName ? m_labelName : m_maxDays)->setFocus();
        break;
    case Item::Fine:
        break;
    }
}

} // namespace tavolim::app

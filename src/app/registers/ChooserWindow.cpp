#include "app/registers/ChooserWindow.h"

#include "app/shell/QtConversions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

ChooserWindow::ChooserWindow(const std::string& caption, const std::vector<std::string>& lines,
                             QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmDadosProcura");
    setWindowTitle(toQString(caption));

    auto* title = new QLabel(toQString(caption), this);
    title->setObjectName("lblTitulo");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    m_list = new QListWidget(this);
    m_list->setObjectName("lstDados");
    for (const auto& line : lines) {
        m_list->addItem(toQString(line));
    }
    m_list->setCurrentRow(0);
    // Codes line up in a fixed-pitch font.
    m_list->setFont(QFont(QStringLiteral("Courier New"), font().pointSize()));
    m_list->setMinimumSize(420, 220);

    auto* show = new QPushButton(QStringLiteral("&Exibir"), this);
    show->setObjectName("cmdExibir");
    show->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cancel->setObjectName("cmdCancelar");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(show);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(m_list->row(item)); });
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(m_list->row(item)); });
    connect(show, &QPushButton::clicked, this, [this] { choose(m_list->currentRow()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ChooserWindow::choose(int row)
{
    if (row < 0 || row >= m_list->count()) {
        return;
    }
    m_chosen = static_cast<std::size_t>(row);
    accept();
}

std::optional<std::size_t> chooseFromList(QWidget* parent, const std::string& caption,
                                          const std::vector<std::string>& lines)
{
    ChooserWindow window(caption, lines, parent);
    window.exec();
    return window.chosen();
}

core::ListChooser listChooser(QWidget* parent)
{
    return [parent](const std::string& caption, const std::vector<std::string>& lines) {
        return chooseFromList(parent, caption, lines);
    };
}

core::UndeleteChooser undeleteChooser(QWidget* parent, core::FileKind kind)
{
    const core::ChooserList list = kind == core::FileKind::Tapes     ? core::ChooserList::Tapes
                                   : kind == core::FileKind::Clients ? core::ChooserList::Clients
                                   : kind == core::FileKind::Products
                                       ? core::ChooserList::Products
                                       : core::ChooserList::Distributors;
    return [parent, list](const std::vector<core::UndeleteOffer>& offers) {
        std::vector<std::string> lines;
        lines.reserve(offers.size());
        for (const auto& offer : offers) {
            lines.push_back(offer.text);
        }
        std::vector<std::int32_t> picked;
        if (const auto i = chooseFromList(parent, core::chooserCaption(list), lines)) {
            picked.push_back(offers[*i].number);
        }
        return picked;
    };
}

} // namespace tavolim::app

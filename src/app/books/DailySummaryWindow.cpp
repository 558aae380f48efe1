#include "app/books/DailySummaryWindow.h"

#include "app/counter/CounterControls.h"
#include "app/shell/QtConversions.h"
#include "core/reports/DailySummary.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

DailySummaryWindow::DailySummaryWindow(const QString& text, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmResumoDia"));
    setWindowTitle(toQString(std::string(core::kDailySummaryTitle)));

    QString shown = text;
    while (shown.endsWith(QLatin1Char('\n'))) {
        shown.chop(1);
    }
    auto* summary = new QLabel(shown, this);
    summary->setObjectName(QStringLiteral("lblResumo"));
    summary->setTextFormat(Qt::PlainText);
    // The labels are padded with spaces to line the amounts up.
    summary->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ok = namedButton(this, "cmdOK", QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->addWidget(summary);
    layout->addLayout(buttons);
}

void showDailySummary(core::AppState& state, QWidget* parent)
{
    const auto text = core::dailySummary(state);
    if (!text) {
        return;
    }
    DailySummaryWindow window(toQString(*text), parent);
    window.exec();
}

} // namespace tavolim::app

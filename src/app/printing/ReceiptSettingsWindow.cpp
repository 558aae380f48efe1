#include "app/printing/ReceiptSettingsWindow.h"

#include "app/shell/QtConversions.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/printing/ReceiptText.h"
#include "core/state/AppState.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

constexpr const char* kRuler = "1234567890123456789012345678901234567890";

// The boxes show lines with LF; the settings keep CR LF.
std::string toStored(const QString& text)
{
    return toStdString(QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}

QString fromStored(const std::string& text)
{
    return toQString(text).remove(QLatin1Char('\r'));
}

QFont fixedFont()
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QSpinBox* spin(const QString& name, int maximum)
{
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(0, maximum);
    return box;
}

QRadioButton* option(const QString& name, const QString& caption)
{
    auto* button = new QRadioButton(caption);
    button->setObjectName(name);
    return button;
}

} // namespace

ReceiptSettingsWindow::ReceiptSettingsWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_form(state)
{
    setObjectName(QStringLiteral("frmConfigRec"));
    setWindowTitle(QStringLiteral("Configurar Recibos"));

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("tabConfig"));
    tabs->addTab(makeHeaderTab(), QStringLiteral("Cabeçalho"));
    tabs->addTab(makeMessagesTab(), QStringLiteral("Mensagens"));
    tabs->addTab(makeAdvancedTab(), QStringLiteral("Avançado"));

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"));
    cancel->setObjectName(QStringLiteral("cmdCancelar"));
    connect(ok, &QPushButton::clicked, this, &ReceiptSettingsWindow::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    showValues();
}

QPlainTextEdit* ReceiptSettingsWindow::makeLinesBox(const QString& name, QString* accepted)
{
    auto* box = new QPlainTextEdit;
    box->setObjectName(name);
    box->setFont(fixedFont());
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setTabChangesFocus(true);
    // Room for the 45 columns of the common printer.
    const QFontMetrics metrics(box->font());
    box->setMinimumWidth(metrics.horizontalAdvance(QString(46, QLatin1Char('M'))) + 30);
    connect(box, &QPlainTextEdit::textChanged, this,
            [this, box, accepted] { checkLines(box, accepted); });
    return box;
}

QWidget* ReceiptSettingsWindow::makeAlignButtons(const QString& name, QPlainTextEdit* box)
{
    struct Button {
        const char* tip;
        const char* icon;
        core::LineAlignment alignment;
    };
    static constexpr Button kButtons[] = {
        {"Centralizar texto", "format-justify-center", core::LineAlignment::Center},
        {"Alinhar texto à esquerda", "format-justify-left", core::LineAlignment::Left},
        {"Alinhar texto à direita", "format-justify-right", core::LineAlignment::Right},
    };
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        const Button& b = kButtons[i];
        auto* button = new QPushButton;
        button->setObjectName(name + QLatin1Char('_') + QString::number(i));
        button->setToolTip(QString::fromUtf8(b.tip));
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(b.icon));
        if (icon.isNull()) {
            button->setText(QString::fromUtf8(b.tip));
        } else {
            button->setIcon(icon);
        }
        connect(button, &QPushButton::clicked, this, [this, box, alignment = b.alignment] {
            const int line = box->textCursor().blockNumber();
            const std::string aligned =
                core::alignLine(toStored(box->toPlainText()), line, alignment, m_form.width());
            box->setPlainText(fromStored(aligned));
            QTextCursor cursor(box->document()->findBlockByNumber(line));
            cursor.movePosition(QTextCursor::EndOfBlock);
            box->setTextCursor(cursor);
            box->setFocus();
        });
        layout->addWidget(button);
    }
    layout->addStretch();
    return column;
}

QWidget* ReceiptSettingsWindow::makeHeaderTab()
{
    m_cabAuto = option(QStringLiteral("optCabAuto"), QStringLiteral("Automático"));
    m_cabManual = option(QStringLiteral("optCabManual"), QStringLiteral("Personalizado"));
    m_cabecalho = makeLinesBox(QStringLiteral("txtCabecalho"), &m_acceptedCabecalho);
    auto* ruler = new QLabel(QString::fromLatin1(kRuler));
    ruler->setObjectName(QStringLiteral("lblRegua"));
    ruler->setFont(fixedFont());
    ruler->setContentsMargins(m_cabecalho->document()->documentMargin() + 1, 0, 0, 0);
    auto* align = makeAlignButtons(QStringLiteral("cmdAlignCab"), m_cabecalho);
    connect(m_cabManual, &QRadioButton::toggled, m_cabecalho, &QWidget::setEnabled);
    connect(m_cabManual, &QRadioButton::toggled, align, &QWidget::setEnabled);

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* kind = new QHBoxLayout;
    kind->addWidget(m_cabAuto);
    kind->addWidget(m_cabManual);
    kind->addStretch();
    grid->addLayout(kind, 0, 0, 1, 2);
    grid->addWidget(ruler, 1, 0);
    grid->addWidget(m_cabecalho, 2, 0);
    grid->addWidget(align, 2, 1);
    return page;
}

QWidget* ReceiptSettingsWindow::makeMessagesTab()
{
    m_nota = new QComboBox;
    m_nota->setObjectName(QStringLiteral("cboNota"));
    for (const auto kind : core::kReceiptKinds) {
        m_nota->addItem(QString::fromUtf8(kind.data(), static_cast<int>(kind.size())));
    }
    m_msgNota = makeLinesBox(QStringLiteral("txtMsgNota"), &m_acceptedMsg);
    auto* ruler = new QLabel(QString::fromLatin1(kRuler));
    ruler->setFont(fixedFont());
    ruler->setContentsMargins(m_msgNota->document()->documentMargin() + 1, 0, 0, 0);
    connect(m_nota, &QComboBox::currentIndexChanged, this, &ReceiptSettingsWindow::chooseMessage);

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(m_nota, 0, 0);
    grid->addWidget(ruler, 1, 0);
    grid->addWidget(m_msgNota, 2, 0);
    grid->addWidget(makeAlignButtons(QStringLiteral("cmdAlignMsg"), m_msgNota), 2, 1);
    return page;
}

QWidget* ReceiptSettingsWindow::makeAdvancedTab()
{
    m_desacent = new QCheckBox(QStringLiteral("Desacentuar letras (de ç,ã,é para c,a,e)."));
    m_desacent->setObjectName(QStringLiteral("chkDesacent"));

    m_numVias = spin(QStringLiteral("txtNumViasRec"), 99);
    auto* copies = new QGroupBox(QStringLiteral("N° de vias"));
    auto* copiesRow = new QHBoxLayout(copies);
    copiesRow->addWidget(m_numVias);
    copiesRow->addWidget(new QLabel(QStringLiteral("Cópia(s)")));
    copiesRow->addStretch();

    m_horas = option(QStringLiteral("optMostraHorasRec"), QStringLiteral("24&h"));
    m_dias = option(QStringLiteral("optMostraDiasRec"), QStringLiteral("Dias"));
    auto* periods = new QGroupBox(QStringLiteral("Mostrar Diárias como"));
    auto* periodsRow = new QHBoxLayout(periods);
    periodsRow->addWidget(m_horas);
    periodsRow->addWidget(m_dias);

    m_espEsq = spin(QStringLiteral("txtEspEsq"), 40);
    m_acima = spin(QStringLiteral("txtLinhasAcima"), 99);
    m_abaixo = spin(QStringLiteral("txtLinhasAbaixo"), 99);
    auto* spaces = new QGroupBox(QStringLiteral("Espaços nos Recibos"));
    auto* spacesGrid = new QGridLayout(spaces);
    spacesGrid->addWidget(new QLabel(QStringLiteral("Esquerda:")), 0, 0);
    spacesGrid->addWidget(m_espEsq, 0, 1);
    spacesGrid->addWidget(new QLabel(QStringLiteral("Acima:")), 1, 0);
    spacesGrid->addWidget(m_acima, 1, 1);
    spacesGrid->addWidget(new QLabel(QStringLiteral("Abaixo:")), 2, 0);
    spacesGrid->addWidget(m_abaixo, 2, 1);

    m_fontName = new QLineEdit;
    m_fontName->setObjectName(QStringLiteral("txtFontName"));
    auto* chooseFont = new QPushButton(QStringLiteral("..."));
    chooseFont->setObjectName(QStringLiteral("cmdFonte"));
    m_tamFonte = new QComboBox;
    m_tamFonte->setObjectName(QStringLiteral("cboTamFonte"));
    m_tamFonte->setEditable(true);
    m_tamFonte->addItem(QString());
    for (const int size : QFontDatabase::standardSizes()) {
        m_tamFonte->addItem(QString::number(size));
    }
    connect(chooseFont, &QPushButton::clicked, this, [this] {
        bool ok = false;
        QFont initial(m_fontName->text());
        if (m_tamFonte->currentText().toInt() > 0) {
            initial.setPointSize(m_tamFonte->currentText().toInt());
        }
        const QFont font = QFontDialog::getFont(&ok, initial, this);
        if (ok) {
            m_fontName->setText(font.family());
            m_tamFonte->setCurrentText(QString::number(font.pointSize()));
        }
    });
    auto* fontBox = new QGroupBox(QStringLiteral("Fonte"));
    auto* fontRow = new QHBoxLayout(fontBox);
    fontRow->addWidget(m_fontName, 1);
    fontRow->addWidget(chooseFont);
    fontRow->addWidget(m_tamFonte);

    m_fiscal = option(QStringLiteral("optImpFiscal"), QStringLiteral("Fiscal (40 colunas)"));
    m_comum = option(QStringLiteral("optImpComum"), QStringLiteral("Comum (45 colunas)"));
    // Only the operator's choice of the fiscal type is advised on, not showing the values.
    connect(m_fiscal, &QRadioButton::clicked, this, [this] { m_form.chooseFiscal(); });
    connect(m_comum, &QRadioButton::clicked, this, [this] { m_form.values.NCol = 45; });
    auto* type = new QGroupBox(QStringLiteral("Tipo"));
    auto* typeColumn = new QVBoxLayout(type);
    typeColumn->addWidget(m_fiscal);
    typeColumn->addWidget(m_comum);

    m_cmdAntes = new QLineEdit;
    m_cmdAntes->setObjectName(QStringLiteral("txtCmdAntes"));
    m_cmdDepois = new QLineEdit;
    m_cmdDepois->setObjectName(QStringLiteral("txtCmdDepois"));
    auto* commands = new QGroupBox(QStringLiteral("Comandos"));
    auto* commandsGrid = new QGridLayout(commands);
    commandsGrid->addWidget(new QLabel(QStringLiteral("Antes:")), 0, 0);
    commandsGrid->addWidget(m_cmdAntes, 0, 1);
    commandsGrid->addWidget(new QLabel(QStringLiteral("Depois:")), 1, 0);
    commandsGrid->addWidget(m_cmdDepois, 1, 1);
    commandsGrid->addWidget(
        new QLabel(QStringLiteral("Números decimais separados por \",\" (ex.: 27,64).")), 2, 0, 1,
        2);

    m_direto = option(QStringLiteral("optDireto"), QStringLiteral("&Direta na porta"));
    m_spool = option(QStringLiteral("optSpool"), QStringLiteral("Pela impressora do &sistema"));
    m_porta = new QLineEdit;
    m_porta->setObjectName(QStringLiteral("txtPorta"));
    m_porta->setPlaceholderText(toQString(core::printerPort(core::Options())));
    connect(m_direto, &QRadioButton::toggled, m_porta, &QWidget::setEnabled);
    auto* printing = new QGroupBox(QStringLiteral("Impressão"));
    auto* printingGrid = new QGridLayout(printing);
    printingGrid->addWidget(m_direto, 0, 0);
    printingGrid->addWidget(m_spool, 0, 1);
    printingGrid->addWidget(new QLabel(QStringLiteral("Porta:")), 1, 0);
    printingGrid->addWidget(m_porta, 1, 1);

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(m_desacent, 0, 0, 1, 2);
    grid->addWidget(copies, 1, 0);
    grid->addWidget(periods, 1, 1);
    grid->addWidget(spaces, 2, 0);
    grid->addWidget(type, 2, 1);
    grid->addWidget(fontBox, 3, 0, 1, 2);
    grid->addWidget(commands, 4, 0);
    grid->addWidget(printing, 4, 1);
    grid->setRowStretch(5, 1);
    return page;
}

void ReceiptSettingsWindow::showValues()
{
    const core::ReceiptSettings& v = m_form.values;
    (v.CabAuto ? m_cabAuto : m_cabManual)->setChecked(true);
    m_cabecalho->setEnabled(!v.CabAuto);
    m_acceptedCabecalho = fromStored(v.Cabecalho);
    m_cabecalho->setPlainText(m_acceptedCabecalho);
    m_notaShown = 0;
    m_nota->setCurrentIndex(0);
    m_acceptedMsg = fromStored(v.mensagens[0]);
    m_msgNota->setPlainText(m_acceptedMsg);
    m_desacent->setChecked(v.Desacent);
    m_numVias->setValue(v.NumViasRec);
    (v.MostraHorasRec ? m_horas : m_dias)->setChecked(true);
    m_espEsq->setValue(v.MargemEsq);
    m_acima->setValue(v.LinhasAcima);
    m_abaixo->setValue(v.LinhasAbaixo);
    m_fontName->setText(toQString(v.FonteImp));
    m_tamFonte->setCurrentText(v.TamFonte > 0 ? QString::number(v.TamFonte) : QString());
    (v.NCol == 45 ? m_comum : m_fiscal)->setChecked(true);
    m_cmdAntes->setText(toQString(v.CmdImpAntes));
    m_cmdDepois->setText(toQString(v.CmdImpDepois));
    (v.ImpDireto ? m_direto : m_spool)->setChecked(true);
    m_porta->setText(toQString(v.PortaImp));
    m_porta->setEnabled(v.ImpDireto);
}

void ReceiptSettingsWindow::readControls()
{
    core::ReceiptSettings& v = m_form.values;
    v.CabAuto = m_cabAuto->isChecked();
    v.Cabecalho = toStored(m_cabecalho->toPlainText());
    v.mensagens[static_cast<std::size_t>(m_notaShown)] = toStored(m_msgNota->toPlainText());
    v.Desacent = m_desacent->isChecked();
    v.NumViasRec = m_numVias->value();
    v.MostraHorasRec = m_horas->isChecked();
    v.MargemEsq = m_espEsq->value();
    v.LinhasAcima = m_acima->value();
    v.LinhasAbaixo = m_abaixo->value();
    v.FonteImp = toStdString(m_fontName->text());
    v.TamFonte = std::max(0, m_tamFonte->currentText().trimmed().toInt());
    v.NCol = m_comum->isChecked() ? 45 : 40;
    v.CmdImpAntes = toStdString(m_cmdAntes->text());
    v.CmdImpDepois = toStdString(m_cmdDepois->text());
    v.ImpDireto = m_direto->isChecked();
    v.PortaImp = toStdString(m_porta->text());
}

void ReceiptSettingsWindow::checkLines(QPlainTextEdit* box, QString* accepted)
{
    const QString text = box->toPlainText();
    if (text == *accepted) {
        return;
    }
    m_form.values.NCol = m_comum->isChecked() ? 45 : 40;
    if (m_form.acceptText(toStored(text))) {
        *accepted = text;
        return;
    }
    // Undo the typing that made a line too long, keeping the cursor where it was.
    const int position =
        std::min<int>(box->textCursor().position(), static_cast<int>(accepted->size()));
    const QSignalBlocker block(box);
    box->setPlainText(*accepted);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(std::max(0, position - 1));
    box->setTextCursor(cursor);
}

void ReceiptSettingsWindow::chooseMessage(int index)
{
    if (index < 0 || index >= static_cast<int>(core::kReceiptKinds.size())) {
        return;
    }
    m_form.values.mensagens[static_cast<std::size_t>(m_notaShown)] =
        toStored(m_msgNota->toPlainText());
    m_notaShown = index;
    m_acceptedMsg = fromStored(m_form.values.mensagens[static_cast<std::size_t>(index)]);
    m_msgNota->setPlainText(m_acceptedMsg);
}

bool ReceiptSettingsWindow::fontExists(const std::string& name) const
{
    return QFontDatabase::families().contains(toQString(name), Qt::CaseInsensitive);
}

void ReceiptSettingsWindow::save()
{
    readControls();
    if (m_form.save([this](const std::string& name) { return fontExists(name); })) {
        QDialog::done(Accepted);
    }
}

void ReceiptSettingsWindow::done(int result)
{
    if (result != Accepted) {
        readControls();
        if (!m_form.mayClose([this](const std::string& name) { return fontExists(name); })) {
            return;
        }
    }
    QDialog::done(result);
}

} // namespace tavolim::app

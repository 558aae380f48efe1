#include "app/shell/OptionsWindow.h"

#include "app/shell/ColourScheme.h"
#include "app/shell/DialogButtons.h"
#include "app/shell/QtConversions.h"
#include "core/ports/SettingsStore.h"
#include "core/state/AppState.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

using core::BackupSchedule;
using core::PictureChoice;

template <class Control>
Control* named(QWidget* parent, const char* name, const QString& caption)
{
    auto* control = new Control(caption, parent);
    control->setObjectName(QString::fromUtf8(name));
    return control;
}

QLabel* colourSample(QWidget* parent, const char* name)
{
    auto* sample = new QLabel(parent);
    sample->setObjectName(QString::fromUtf8(name));
    sample->setFixedSize(48, 22);
    sample->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sample->setAutoFillBackground(true);
    return sample;
}

void showColour(QLabel* sample, const std::optional<std::int32_t>& colour, QPalette::ColorRole role)
{
    QPalette palette = sample->palette();
    palette.setColor(QPalette::Window,
                     colour ? toQColor(*colour) : QApplication::palette().color(role));
    sample->setPalette(palette);
}

// A tab page whose controls stack from the top.
QVBoxLayout* page(QWidget* tab)
{
    auto* layout = new QVBoxLayout(tab);
    layout->setAlignment(Qt::AlignTop);
    return layout;
}

} // namespace

OptionsWindow::OptionsWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_form(state.options())
{
    setObjectName(QStringLiteral("frmOpções"));
    setWindowTitle(QStringLiteral("Opções"));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("TabStrip1"));
    tabs->setUsesScrollButtons(false); // all six tabs in view
    tabs->addTab(appearanceTab(), QStringLiteral("Aparência"));
    tabs->addTab(settingsTab(), QStringLiteral("Configurações"));
    tabs->addTab(settings2Tab(), QStringLiteral("Config2"));
    tabs->addTab(dataTab(), QStringLiteral("Dados"));
    tabs->addTab(accountsTab(), QStringLiteral("Contas"));
    tabs->addTab(backupTab(), QStringLiteral("BackUp"));

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    load();
    // Every control change goes to the form; the connections come after the load.
    for (auto* check : findChildren<QCheckBox*>()) {
        connect(check, &QCheckBox::toggled, this, &OptionsWindow::store);
    }
    for (auto* option : findChildren<QRadioButton*>()) {
        connect(option, &QRadioButton::toggled, this, &OptionsWindow::store);
    }
    connect(m_imagem, &QLineEdit::textChanged, this, &OptionsWindow::store);
    connect(m_bakNumDias, &QLineEdit::textChanged, this, &OptionsWindow::store);
    connect(m_bakNumDias, &QLineEdit::editingFinished, this, &OptionsWindow::checkBackupDays);
    connect(m_bakDiaSem, &QComboBox::currentIndexChanged, this, &OptionsWindow::store);
    connect(m_bakManter, &QSpinBox::valueChanged, this, &OptionsWindow::store);
    connect(m_unicaConta, &QRadioButton::toggled, this, [this](bool single) {
        if (!m_loading) {
            m_form.setUnicaConta(single, m_state.ports().dialogs);
        }
    });
}

QWidget* OptionsWindow::appearanceTab()
{
    auto* tab = new QWidget;
    auto* layout = page(tab);

    auto* picture = new QGroupBox(QStringLiteral("Imagem de Fundo"), tab);
    auto* grid = new QGridLayout(picture);
    m_imagem = new QLineEdit(picture);
    m_imagem->setObjectName(QStringLiteral("txtImagem"));
    auto* browse = named<QPushButton>(picture, "cmdProcurarImagem", QStringLiteral("&Procurar..."));
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, QStringLiteral("Imagem de Fundo"), m_imagem->text(),
            QStringLiteral("Arquivos de Imagem (bmp/gif/dib/jpg/wmf/emf/ico) "
                           "(*.bmp *.gif *.dib *.jpg *.wmf *.emf *.ico);;"
                           "Todos os Arquivos (*.*)"));
        if (!path.isEmpty()) {
            m_imagem->setText(QDir::toNativeSeparators(path));
        }
    });
    m_centralizado =
        named<QRadioButton>(picture, "optCentralizado", QStringLiteral("C&entralizado"));
    m_justificado = named<QRadioButton>(picture, "optJustificado", QStringLiteral("&Tela Inteira"));
    m_ladoALado = named<QRadioButton>(picture, "optLadoALado", QStringLiteral("&Lado a Lado"));
    grid->addWidget(m_imagem, 0, 0, 1, 3);
    grid->addWidget(browse, 0, 3);
    grid->addWidget(m_centralizado, 1, 0);
    grid->addWidget(m_justificado, 1, 1);
    grid->addWidget(m_ladoALado, 1, 2);
    layout->addWidget(picture);

    auto* colours = new QGroupBox(QStringLiteral("Cores"), tab);
    auto* colourGrid = new QGridLayout(colours);
    auto& values = m_form.values();
    struct Row {
        const char* button;
        const char* caption;
        const char* sample;
        QLabel** member;
        std::optional<std::int32_t>* colour;
    };
    // The main window's colour always has a value; the scheme's may be absent (null here).
    const Row rows[] = {
        {"cmdCorFundoPrinc", "Cor da &Janela Principal...", "picCorFundoPrinc", &m_sampleFundoPrinc,
         nullptr},
        {"cmdCorFundo", "Cor de &Fundo...", "picCorFundo", &m_sampleFundo, &values.CorFundo},
        {"cmdCorJan", "Cor das Cai&xas de Texto...", "picCorJan", &m_sampleJan, &values.CorJan},
        {"cmdCorBot", "Cor dos &Botões...", "picCorBot", &m_sampleBot, &values.CorBot},
    };
    int line = 0;
    for (const Row& row : rows) {
        auto* button = named<QPushButton>(colours, row.button, QString::fromUtf8(row.caption));
        *row.member = colourSample(colours, row.sample);
        QLabel* sample = *row.member;
        auto* colour = row.colour;
        connect(button, &QPushButton::clicked, this, [this, sample, colour] {
            if (colour) {
                chooseColour(*colour, sample);
                return;
            }
            std::optional<std::int32_t> main = m_form.values().CorFundoPrinc;
            chooseColour(main, sample);
            m_form.values().CorFundoPrinc = *main;
        });
        colourGrid->addWidget(button, line, 0);
        colourGrid->addWidget(sample, line, 1);
        ++line;
    }
    colourGrid->setColumnStretch(2, 1);
    layout->addWidget(colours);

    m_mostrarLeg = named<QCheckBox>(tab, "chkMostrarLeg",
                                    QStringLiteral("&Mostrar legenda na janela principal"));
    layout->addWidget(m_mostrarLeg);
    return tab;
}

QWidget* OptionsWindow::settingsTab()
{
    auto* tab = new QWidget;
    auto* layout = page(tab);
    m_gravHistFita = named<QCheckBox>(tab, "chkGravHistFita",
                                      QStringLiteral("Gravar histórico de &fitas locadas"));
    m_verifHist = named<QCheckBox>(tab, "chkVerifHist",
                                   QStringLiteral("&Avisar quando o cliente já locou a fita"));
    m_gravHistProd = named<QCheckBox>(tab, "chkGravHistProd",
                                      QStringLiteral("Gravar histórico de &produtos comprados"));
    m_verifNomeECod =
        named<QCheckBox>(tab, "chkVerifNomeECod",
                         QStringLiteral("&Verificar nomes e códigos repetidos ao cadastrar"));
    layout->addWidget(m_gravHistFita);
    // Indented under the history it depends on.
    auto* dependent = new QHBoxLayout;
    dependent->addSpacing(24);
    dependent->addWidget(m_verifHist);
    layout->addLayout(dependent);
    layout->addWidget(m_gravHistProd);
    layout->addWidget(m_verifNomeECod);
    return tab;
}

QWidget* OptionsWindow::settings2Tab()
{
    auto* tab = new QWidget;
    auto* layout = page(tab);
    m_procEsp = named<QCheckBox>(tab, "chkProcEsp", QStringLiteral("Usar &procura avançada"));
    m_codPrim =
        named<QCheckBox>(tab, "chkCodPrim",
                         QStringLiteral("Código antes do nome nas &locações, devoluções e vendas"));
    m_codPrimProc =
        named<QCheckBox>(tab, "chkCodPrimProc", QStringLiteral("Código antes do &nome na procura"));
    m_confirmOp = named<QCheckBox>(
        tab, "chkConfirmOp",
        QStringLiteral("Con&firmar antes de efetuar locações, devoluções e pagamentos"));
    layout->addWidget(m_procEsp);
    layout->addWidget(m_codPrim);
    layout->addWidget(m_codPrimProc);
    layout->addWidget(m_confirmOp);
    return tab;
}

QWidget* OptionsWindow::dataTab()
{
    auto* tab = new QWidget;
    auto* layout = page(tab);

    auto* open = new QGroupBox(QStringLiteral("Ao abrir um cadastro, mostrar"), tab);
    auto* openLayout = new QVBoxLayout(open);
    m_ultReg = named<QRadioButton>(open, "optUltReg", QStringLiteral("o ú&ltimo registro"));
    m_primReg = named<QRadioButton>(open, "optPrimReg", QStringLiteral("o &primeiro registro"));
    openLayout->addWidget(m_ultReg);
    openLayout->addWidget(m_primReg);
    layout->addWidget(open);

    auto* close = new QGroupBox(QStringLiteral("Ao fechar um cadastro com alterações"), tab);
    auto* closeLayout = new QVBoxLayout(close);
    m_sairNada =
        named<QRadioButton>(close, "optSairNada", QStringLiteral("&Descartar as alterações"));
    m_sairSalvar =
        named<QRadioButton>(close, "optSairSalvar", QStringLiteral("&Salvar as alterações"));
    m_sairPerguntar =
        named<QRadioButton>(close, "optSairPerguntar", QStringLiteral("Pe&rguntar o que fazer"));
    closeLayout->addWidget(m_sairNada);
    closeLayout->addWidget(m_sairSalvar);
    closeLayout->addWidget(m_sairPerguntar);
    layout->addWidget(close);
    return tab;
}

QWidget* OptionsWindow::accountsTab()
{
    auto* tab = new QWidget;
    auto* layout = page(tab);
    auto* group = new QGroupBox(QStringLiteral("Contas dos Dependentes"), tab);
    auto* groupLayout = new QVBoxLayout(group);
    m_unicaConta = named<QRadioButton>(group, "optUnicaConta",
                                       QStringLiteral("Usar somente a conta do Titular"));
    m_contasSep = named<QRadioButton>(
        group, "optContasSep",
        QStringLiteral("Usar contas separadas para o Titular e os Dependentes"));
    groupLayout->addWidget(m_unicaConta);
    groupLayout->addWidget(m_contasSep);
    layout->addWidget(group);
    return tab;
}

QWidget* OptionsWindow::backupTab()
{
    auto* tab = new QWidget;
    auto* layout = page(tab);
    m_askBackUp = named<QCheckBox>(tab, "chkAskBackUp", QStringLiteral("&Perguntar por BackUp"));
    layout->addWidget(m_askBackUp);

    auto* group = new QGroupBox(tab);
    auto* grid = new QGridLayout(group);
    m_bakTodosDias =
        named<QRadioButton>(group, "optBakTodosDias", QStringLiteral("&Todos os dias"));
    m_bakACada = named<QRadioButton>(group, "optBakACada", QStringLiteral("&A cada"));
    m_bakNumDias = new QLineEdit(group);
    m_bakNumDias->setObjectName(QStringLiteral("txtBakNumDias"));
    m_bakNumDias->setFixedWidth(48);
    m_bakNumDias->installEventFilter(this);
    m_bakToda = named<QRadioButton>(group, "optBakToda", QStringLiteral("T&oda"));
    m_bakDiaSem = new QComboBox(group);
    m_bakDiaSem->setObjectName(QStringLiteral("cboBakDiaSem"));
    m_bakDiaSem->addItems({QStringLiteral("Domingo"), QStringLiteral("Segunda-feira"),
                           QStringLiteral("Terça-feira"), QStringLiteral("Quarta-feira"),
                           QStringLiteral("Quinta-feira"), QStringLiteral("Sexta-feira"),
                           QStringLiteral("Sábado")});
    grid->addWidget(m_bakTodosDias, 0, 0, 1, 3);
    grid->addWidget(m_bakACada, 1, 0);
    grid->addWidget(m_bakNumDias, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("dias"), group), 1, 2);
    grid->addWidget(m_bakToda, 2, 0);
    grid->addWidget(m_bakDiaSem, 2, 1, 1, 2);
    grid->setColumnStretch(3, 1);
    layout->addWidget(group);

    // Not the old program's: archives pile up on the backup folder, so the oldest go.
    auto* keep = new QHBoxLayout;
    m_bakManter = new QSpinBox(tab);
    m_bakManter->setObjectName(QStringLiteral("spnBakManter"));
    m_bakManter->setRange(1, 99);
    auto* keepLabel = new QLabel(QStringLiteral("&Manter os últimos"), tab);
    keepLabel->setBuddy(m_bakManter);
    keep->addWidget(keepLabel);
    keep->addWidget(m_bakManter);
    keep->addWidget(new QLabel(QStringLiteral("back-ups na pasta de back-up"), tab));
    keep->addStretch();
    layout->addLayout(keep);
    return tab;
}

void OptionsWindow::load()
{
    m_loading = true;
    const core::Options& o = m_form.values();
    m_imagem->setText(toQString(o.Imagem));
    switch (core::pictureChoice(o.Tipo)) {
    case PictureChoice::Centred:
        m_centralizado->setChecked(true);
        break;
    case PictureChoice::Stretched:
        m_justificado->setChecked(true);
        break;
    case PictureChoice::Tiled:
        m_ladoALado->setChecked(true);
        break;
    case PictureChoice::None:
        break;
    }
    showColour(m_sampleFundoPrinc, o.CorFundoPrinc, QPalette::Window);
    showColour(m_sampleFundo, o.CorFundo, QPalette::Window);
    showColour(m_sampleJan, o.CorJan, QPalette::Base);
    showColour(m_sampleBot, o.CorBot, QPalette::Button);
    m_mostrarLeg->setChecked(o.MostrarLeg);
    m_gravHistFita->setChecked(o.GravHistFita);
    m_verifHist->setChecked(o.VerifHist && o.GravHistFita);
    m_gravHistProd->setChecked(o.GravHistProd);
    m_verifNomeECod->setChecked(o.VerifNomeECod);
    m_procEsp->setChecked(o.ProcEsp);
    m_codPrim->setChecked(o.CodPrim);
    m_codPrimProc->setChecked(o.CodPrimProc);
    m_confirmOp->setChecked(o.ConfirmOp);
    (o.MostraUltReg ? m_ultReg : m_primReg)->setChecked(true);
    QRadioButton* onClose[] = {m_sairNada, m_sairSalvar, m_sairPerguntar};
    onClose[o.AcaoQdoSaiForm >= 0 && o.AcaoQdoSaiForm <= 2 ? o.AcaoQdoSaiForm : 0]->setChecked(
        true);
    (o.UnicaConta ? m_unicaConta : m_contasSep)->setChecked(true);
    m_askBackUp->setChecked(o.AskForBackUp);
    switch (m_form.backupSchedule) {
    case BackupSchedule::EveryDay:
        m_bakTodosDias->setChecked(true);
        break;
    case BackupSchedule::EveryNDays:
        m_bakACada->setChecked(true);
        break;
    case BackupSchedule::Weekday:
        m_bakToda->setChecked(true);
        break;
    }
    m_bakNumDias->setText(toQString(m_form.backupDays));
    m_bakDiaSem->setCurrentIndex(m_form.backupWeekday - 1);
    m_bakManter->setValue(o.NumBackUps >= 1 && o.NumBackUps <= 99 ? o.NumBackUps : 10);
    updateEnabled();
    m_loading = false;
}

void OptionsWindow::store()
{
    if (m_loading) {
        return;
    }
    core::Options& o = m_form.values();
    o.Imagem = toStdString(m_imagem->text());
    if (m_centralizado->isChecked()) {
        o.Tipo = core::pictureChoiceText(PictureChoice::Centred);
    } else if (m_justificado->isChecked()) {
        o.Tipo = core::pictureChoiceText(PictureChoice::Stretched);
    } else if (m_ladoALado->isChecked()) {
        o.Tipo = core::pictureChoiceText(PictureChoice::Tiled);
    }
    o.MostrarLeg = m_mostrarLeg->isChecked();
    m_form.keepTapeHistory(m_gravHistFita->isChecked());
    o.VerifHist = m_verifHist->isChecked() && o.GravHistFita;
    o.GravHistProd = m_gravHistProd->isChecked();
    o.VerifNomeECod = m_verifNomeECod->isChecked();
    o.ProcEsp = m_procEsp->isChecked();
    o.CodPrim = m_codPrim->isChecked();
    o.CodPrimProc = m_codPrimProc->isChecked();
    o.ConfirmOp = m_confirmOp->isChecked();
    o.MostraUltReg = m_ultReg->isChecked();
    o.AcaoQdoSaiForm = m_sairSalvar->isChecked() ? 1 : (m_sairPerguntar->isChecked() ? 2 : 0);
    o.AskForBackUp = m_askBackUp->isChecked();
    m_form.backupSchedule = m_bakACada->isChecked()  ? BackupSchedule::EveryNDays
                            : m_bakToda->isChecked() ? BackupSchedule::Weekday
                                                     : BackupSchedule::EveryDay;
    m_form.backupDays = toStdString(m_bakNumDias->text());
    m_form.backupWeekday = m_bakDiaSem->currentIndex() + 1;
    o.NumBackUps = static_cast<std::int16_t>(m_bakManter->value());

    m_loading = true;
    if (!m_form.verifHistEnabled()) {
        m_verifHist->setChecked(false);
    }
    updateEnabled();
    m_loading = false;
}

void OptionsWindow::updateEnabled()
{
    m_verifHist->setEnabled(m_gravHistFita->isChecked());
    const bool ask = m_askBackUp->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(m_bakTodosDias), static_cast<QWidget*>(m_bakACada),
                       static_cast<QWidget*>(m_bakToda)}) {
        w->setEnabled(ask);
    }
    m_bakNumDias->setEnabled(ask && m_bakACada->isChecked());
    m_bakDiaSem->setEnabled(ask && m_bakToda->isChecked());
}

bool OptionsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_bakNumDias && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && typed[0].isPrint() &&
            !core::OptionsForm::acceptsBackupDaysChar(typed[0].toLatin1())) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsWindow::checkBackupDays()
{
    // The refusal's message box takes the focus, which would finish the editing again.
    if (m_checkingDays || !m_bakACada->isChecked()) {
        return;
    }
    m_checkingDays = true;
    if (!m_form.checkBackupDays(m_state.ports().dialogs)) {
        m_bakNumDias->setFocus();
        m_bakNumDias->selectAll();
    }
    m_checkingDays = false;
}

void OptionsWindow::chooseColour(std::optional<std::int32_t>& colour, QLabel* sample)
{
    const QColor start = sample->palette().color(QPalette::Window);
    const QColor chosen = QColorDialog::getColor(start, this);
    if (!chosen.isValid()) {
        return;
    }
    colour = toStoredColour(chosen);
    showColour(sample, colour, QPalette::Window);
}

void OptionsWindow::applied()
{
    applyColourScheme(m_state.options());
    emit appearanceChanged();
}

void OptionsWindow::accept()
{
    store();
    if (!m_form.save(m_state.options(), m_state.ports().settings, m_state.config(),
                     m_state.ports().dialogs)) {
        return;
    }
    applied();
    QDialog::accept();
}

void OptionsWindow::reject()
{
    store();
    const bool changed = m_form.dirty();
    if (!m_form.confirmClose(m_state.options(), m_state.ports().settings, m_state.config(),
                             m_state.ports().dialogs)) {
        return;
    }
    if (changed) {
        applied();
    }
    QDialog::reject();
}

} // namespace tavolim::app

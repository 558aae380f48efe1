#include "app/tools/DataToolWindow.h"

#include "app/reports/ListWindow.h"
#include "app/reports/ReportActions.h"
#include "app/shell/QtConversions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

struct ModeInfo {
    const char* objectName;
    const char* title;
    const char* button;
    const char* buttonCaption;
};

ModeInfo modeInfo(DataToolWindow::Mode mode)
{
    switch (mode) {
    case DataToolWindow::Mode::Find:
        return {"frmLocalizar", "Localizar Registro", "cmdLocalizar", "Locali&zar"};
    case DataToolWindow::Mode::Replace:
        return {"frmSubstituir", "Substituir Dado", "cmdSubstituir", "S&ubstituir"};
    case DataToolWindow::Mode::Fill:
        return {"frmInsCampo3", "Preencher Campo", "cmdInserir", "Preenc&her"};
    case DataToolWindow::Mode::Clear:
        return {"frmApagCampo", "Apagar Campo", "cmdApagar", "Apa&gar"};
    }
    return {};
}

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString withoutAccessKey(std::string_view caption)
{
    return toQString(std::string(caption)).remove(QLatin1Char('&'));
}

// What the text box expects, as the registers show it.
QString hintFor(core::FieldType type)
{
    switch (type) {
    case core::FieldType::Date:
        return QStringLiteral("dd/mm/aaaa");
    case core::FieldType::Time:
        return QStringLiteral("hh:mm");
    case core::FieldType::Cep:
        return QStringLiteral("00000-000");
    case core::FieldType::Money:
        return QStringLiteral("0,00");
    default:
        return {};
    }
}

} // namespace

DataToolWindow::DataToolWindow(core::AppState& state, Mode mode, QWidget* parent)
    : QDialog(parent), m_state(state), m_mode(mode), m_model(state)
{
    const ModeInfo info = modeInfo(mode);
    setObjectName(QString::fromLatin1(info.objectName));
    setWindowTitle(QString::fromUtf8(info.title));
    showList = [this](core::RecordList list) {
        ListWindow window(m_state, std::move(list), registerOpeners(m_state), this);
        window.exec();
    };

    m_kind = named(new QComboBox(this), "cboTipo");
    for (const core::DataKindInfo& kind : core::dataKinds()) {
        m_kind->addItem(toQString(std::string(kind.name)));
    }
    auto* kindLabel = new QLabel(QStringLiteral("Tipo de &registro:"), this);
    kindLabel->setBuddy(m_kind);

    m_fields = named(new QListWidget(this), "lstCampo");
    auto* fieldLabel = new QLabel(QStringLiteral("&Campo:"), this);
    fieldLabel->setBuddy(m_fields);

    m_value = makeValueControls("lblConteudo", "txtConteudo", "cboConteudo", "Option1", "Option2");
    if (mode == Mode::Replace) {
        m_new = makeValueControls("lblNovo", "txtNovo", "cboNovo", "Option3", "Option4");
    }
    if (mode == Mode::Find || mode == Mode::Replace) {
        m_wholeWords = named(new QCheckBox(QStringLiteral("Somente palavras &inteiras"), this),
                             "chkPalavraSo");
        m_matchCase =
            named(new QCheckBox(QStringLiteral("Coi&ncidir maiúsculas e minúsculas"), this),
                  "chkCoincMM");
    }

    auto* range = new QGroupBox(QStringLiteral("Registros"), this);
    m_all = named(new QRadioButton(QStringLiteral("&Todos"), range), "optTodos");
    m_some = named(new QRadioButton(QStringLiteral("D&o registro"), range), "optAlguns");
    m_from = named(new QLineEdit(range), "txtDe");
    m_to = named(new QLineEdit(range), "txtAte");
    for (QLineEdit* box : {m_from, m_to}) {
        box->setValidator(new QIntValidator(0, 99999, box));
        box->setMaximumWidth(80);
        box->setEnabled(false);
    }
    m_all->setChecked(true);
    auto* rangeLayout = new QHBoxLayout(range);
    rangeLayout->addWidget(m_all);
    rangeLayout->addSpacing(12);
    rangeLayout->addWidget(m_some);
    rangeLayout->addWidget(m_from);
    rangeLayout->addWidget(new QLabel(QStringLiteral("até"), range));
    rangeLayout->addWidget(m_to);
    rangeLayout->addStretch();

    auto* action = named(new QPushButton(QString::fromUtf8(info.buttonCaption), this), info.button);
    action->setDefault(true);
    auto* close = named(new QPushButton(QStringLiteral("F&echar"), this), "cmdFechar");
    close->setAutoDefault(false);

    auto* right = new QVBoxLayout;
    if (mode != Mode::Clear) {
        right->addWidget(m_value.label);
        right->addWidget(m_value.stack);
    } else {
        m_value.label->hide();
        m_value.stack->hide();
    }
    if (mode == Mode::Replace) {
        right->addWidget(m_new.label);
        right->addWidget(m_new.stack);
    }
    if (m_wholeWords) {
        right->addWidget(m_wholeWords);
        right->addWidget(m_matchCase);
    }
    right->addStretch();
    right->addWidget(range);
    auto* left = new QVBoxLayout;
    left->addWidget(fieldLabel);
    left->addWidget(m_fields, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(kindLabel);
    top->addWidget(m_kind, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 2);
    body->addLayout(right, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(action);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    QWidget* order[] = {m_kind,       m_fields,    m_value.text, m_value.list, m_value.yes,
                        m_value.no,   m_new.text,  m_new.list,   m_new.yes,    m_new.no,
                        m_wholeWords, m_matchCase, m_all,        m_some,       m_from,
                        m_to,         action,      close};
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (w) {
            if (previous) {
                setTabOrder(previous, w);
            }
            previous = w;
        }
    }

    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] { fillFields(); });
    connect(m_fields, &QListWidget::currentRowChanged, this, [this] { showField(); });
    connect(m_some, &QRadioButton::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        if (on) {
            m_from->setFocus();
        }
    });
    connect(action, &QPushButton::clicked, this, &DataToolWindow::run);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    fillFields();
    m_fields->setFocus();
    resize(640, 440);
}

DataToolWindow::ValueControls DataToolWindow::makeValueControls(const char* label, const char* text,
                                                                const char* list, const char* yes,
                                                                const char* no)
{
    ValueControls c;
    c.label = named(new QLabel(this), label);
    c.stack = new QStackedWidget(this);
    c.text = named(new QLineEdit(c.stack), text);
    c.list = named(new QComboBox(c.stack), list);
    auto* options = new QWidget(c.stack);
    c.yes = named(new QRadioButton(options), yes);
    c.no = named(new QRadioButton(options), no);
    c.yes->setChecked(true);
    auto* optionsLayout = new QHBoxLayout(options);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    optionsLayout->addWidget(c.yes);
    optionsLayout->addWidget(c.no);
    optionsLayout->addStretch();
    c.stack->addWidget(c.text);
    c.stack->addWidget(c.list);
    c.stack->addWidget(options);
    c.stack->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    c.label->setBuddy(c.text);
    return c;
}

void DataToolWindow::fillFields()
{
    m_model.form.cboTipo = core::dataKinds()[static_cast<std::size_t>(m_kind->currentIndex())].kind;
    m_fields->clear();
    for (const core::FieldInfo& field : m_model.fields()) {
        m_fields->addItem(toQString(std::string(field.name)));
    }
    m_fields->setCurrentRow(0);
}

void DataToolWindow::showField()
{
    m_model.form.lstCampo = m_fields->currentRow();
    const core::FieldInfo* field = m_model.field();
    if (!field) {
        return;
    }
    const QString name = toQString(std::string(field->name));
    switch (m_mode) {
    case Mode::Find:
        showValue(m_value, false, toQString(m_model.soughtCaption()));
        break;
    case Mode::Replace:
        showValue(m_value, false, toQString(m_model.soughtCaption()));
        showValue(m_new, true, toQString(m_model.newCaption()));
        break;
    case Mode::Fill:
        showValue(m_value, true, QStringLiteral("Preencher com - ") + name);
        break;
    case Mode::Clear:
        break;
    }
    // The word options only mean something where the matcher runs.
    if (m_wholeWords) {
        m_wholeWords->setEnabled(field->isTextual());
        m_matchCase->setEnabled(field->isTextual());
    }
}

void DataToolWindow::showValue(ValueControls& c, bool newValue, const QString& caption)
{
    const core::FieldInfo& field = *m_model.field();
    c.label->setText(caption);
    c.text->clear();
    if (field.type == core::FieldType::List) {
        c.list->clear();
        for (const core::Choice& choice : m_model.choices()) {
            c.list->addItem(toQString(choice.text));
            if (newValue && !choice.usable) {
                // A deleted distributor keeps its place but is no value to give.
                auto* items = qobject_cast<QStandardItemModel*>(c.list->model());
                items->item(c.list->count() - 1)->setEnabled(false);
            }
        }
        c.list->setCurrentIndex(-1);
        c.stack->setCurrentIndex(1);
        c.label->setBuddy(c.list);
    } else if (field.type == core::FieldType::YesNo) {
        // The second set of options on the replace window goes without access keys.
        c.yes->setText(newValue && m_mode == Mode::Replace ? withoutAccessKey(field.yes)
                                                           : toQString(std::string(field.yes)));
        c.no->setText(newValue && m_mode == Mode::Replace ? withoutAccessKey(field.no)
                                                          : toQString(std::string(field.no)));
        c.yes->setChecked(true);
        c.stack->setCurrentIndex(2);
        c.label->setBuddy(c.yes);
    } else {
        c.text->setPlaceholderText(hintFor(field.type));
        c.stack->setCurrentIndex(0);
        c.label->setBuddy(c.text);
    }
}

core::ValueBox DataToolWindow::valueOf(const ValueControls& c)
{
    core::ValueBox value;
    value.txtConteudo = toStdString(c.text->text());
    value.cboConteudo = c.list->currentIndex() + 1;
    value.Option1 = c.yes->isChecked();
    return value;
}

void DataToolWindow::collect()
{
    auto& form = m_model.form;
    form.conteudo = valueOf(m_value);
    if (m_mode == Mode::Replace) {
        form.novo = valueOf(m_new);
    }
    form.chkPalavraSo = m_wholeWords && m_wholeWords->isChecked();
    form.chkCoincMM = m_matchCase && m_matchCase->isChecked();
    form.optTodos = m_all->isChecked();
    form.txtDe = toStdString(m_from->text());
    form.txtAte = toStdString(m_to->text());
}

bool DataToolWindow::run()
{
    collect();
    switch (m_mode) {
    case Mode::Find:
        if (auto list = m_model.find()) {
            showList(std::move(*list));
            return true;
        }
        return false;
    case Mode::Replace:
        return m_model.replace();
    case Mode::Fill:
        return m_model.fill();
    case Mode::Clear:
        return m_model.clear();
    }
    return false;
}

} // namespace tavolim::app

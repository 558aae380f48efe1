#include "app/registers/PersonControls.h"

#include "app/shell/QtConversions.h"
#include "core/registers/DateBox.h"
#include "core/registers/PersonForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace tavolim::app {

DateLineEdit::DateLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(10);
}

void DateLineEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && typed.size() == 1 && typed.at(0).isPrint() && typed.at(0).unicode() < 128) {
        // A key typed over the selection (the whole box after Tab) starts the date afresh.
        QString base = text();
        if (hasSelectedText()) {
            base.remove(selectionStart(), selectedText().size());
        }
        const std::string next =
            core::typeDateKey(toStdString(base), static_cast<char>(typed.at(0).unicode()));
        if (toQString(next) != text()) {
            setText(toQString(next));
        }
        end(false);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

namespace {

QLabel* label(QWidget* owner, const QString& caption, QWidget* buddy)
{
    auto* l = new QLabel(caption, owner);
    l->setBuddy(buddy);
    return l;
}

} // namespace

PersonControls::PersonControls(QWidget* owner, QGridLayout* grid, Options options,
                               std::function<void()> edited)
    : m_edited(std::move(edited))
{
    auto box = [&](const char* name, int width) {
        auto* edit = new QLineEdit(owner);
        edit->setObjectName(QString::fromUtf8(name));
        if (width > 0) {
            edit->setMaxLength(width);
        }
        QObject::connect(edit, &QLineEdit::textChanged, owner, [this] {
            if (!m_filling) {
                m_edited();
            }
        });
        return edit;
    };
    auto dateBox = [&](const char* name) {
        auto* edit = new DateLineEdit(owner);
        edit->setObjectName(QString::fromUtf8(name));
        edit->setPlaceholderText(QStringLiteral("dd/mm/aaaa"));
        QObject::connect(edit, &QLineEdit::textChanged, owner, [this] {
            if (!m_filling) {
                m_edited();
            }
        });
        return edit;
    };
    auto pair = [&](const char* group, const char* first, const QString& firstCaption,
                    const char* second, const QString& secondCaption, QRadioButton*& a,
                    QRadioButton*& b) {
        auto* frame = new QGroupBox(QString::fromUtf8(group), owner);
        a = new QRadioButton(firstCaption, frame);
        a->setObjectName(QString::fromUtf8(first));
        b = new QRadioButton(secondCaption, frame);
        b->setObjectName(QString::fromUtf8(second));
        auto* row = new QHBoxLayout(frame);
        row->addWidget(a);
        row->addWidget(b);
        row->addStretch();
        for (QRadioButton* r : {a, b}) {
            QObject::connect(r, &QRadioButton::clicked, owner, [this] {
                if (!m_filling) {
                    m_edited();
                }
            });
        }
        return frame;
    };

    m_numInsc = box("txtNumInsc", 0);
    m_numInsc->setReadOnly(true);
    m_numInsc->setFocusPolicy(Qt::ClickFocus);
    m_numInsc->setMaximumWidth(90);
    m_dataInsc = dateBox("txtDataInsc");
    m_horaInsc = box("txtHoraInsc", 5);
    m_horaInsc->setPlaceholderText(QStringLiteral("hh:mm"));
    m_primNome = box("txtPrimNome", 15);
    m_sobreNome = box("txtSobreNome", 30);
    m_ci = box("txtCI", 12);
    m_cpf = box("txtCPF", 15);
    m_dataNasc = dateBox("txtDataNasc");
    if (options.grauParentesco) {
        m_grau = box("txtGrauParentesco", 0);
    }
    m_endereco = box("txtEndereço", 0);
    m_cep = box("txtCEP", 9);
    m_cep->setPlaceholderText(QStringLiteral("00000-000"));
    m_bairro = box("txtBairro", 0);
    m_cidade = box("txtCidade", 0);
    m_telRes = box("txtTelResidencial", 0);
    m_telCel = box("txtTelCelular", 0);
    m_telCom = box("txtTelComercial", 0);
    m_email = box("txtEmail", 0);
    m_profissao = box("txtProfissão", 0);

    int row = 0;
    m_numInscCaption = label(owner, QStringLiteral("Nº Inscrição:"), m_numInsc);
    grid->addWidget(m_numInscCaption, row, 0);
    grid->addWidget(m_numInsc, row, 1);
    grid->addWidget(label(owner, QStringLiteral("Data Inscr.:"), m_dataInsc), row, 2);
    auto* when = new QHBoxLayout;
    when->addWidget(m_dataInsc, 1);
    when->addWidget(label(owner, QStringLiteral("Hora:"), m_horaInsc));
    when->addWidget(m_horaInsc);
    m_horaInsc->setMaximumWidth(60);
    grid->addLayout(when, row, 3);
    ++row;
    grid->addWidget(label(owner, QStringLiteral("&Nome:"), m_primNome), row, 0);
    grid->addWidget(m_primNome, row, 1);
    grid->addWidget(label(owner, QStringLiteral("&Sobrenome:"), m_sobreNome), row, 2);
    grid->addWidget(m_sobreNome, row, 3);
    ++row;
    grid->addWidget(label(owner, QStringLiteral("C.I.:"), m_ci), row, 0);
    grid->addWidget(m_ci, row, 1);
    grid->addWidget(label(owner, QStringLiteral("CPF:"), m_cpf), row, 2);
    grid->addWidget(m_cpf, row, 3);
    ++row;
    grid->addWidget(label(owner, QStringLiteral("Data Nasc.:"), m_dataNasc), row, 0);
    grid->addWidget(m_dataNasc, row, 1);
    if (m_grau) {
        grid->addWidget(label(owner, QStringLiteral("Parentesco:"), m_grau), row, 2);
        grid->addWidget(m_grau, row, 3);
    } else {
        grid->addWidget(label(owner, QStringLiteral("Profissão:"), m_profissao), row, 2);
        grid->addWidget(m_profissao, row, 3);
    }
    ++row;
    grid->addWidget(label(owner, QStringLiteral("Endereço:"), m_endereco), row, 0);
    grid->addWidget(m_endereco, row, 1, 1, 3);
    ++row;
    grid->addWidget(label(owner, QStringLiteral("Bairro:"), m_bairro), row, 0);
    grid->addWidget(m_bairro, row, 1);
    grid->addWidget(label(owner, QStringLiteral("Cidade:"), m_cidade), row, 2);
    grid->addWidget(m_cidade, row, 3);
    ++row;
    grid->addWidget(label(owner, QStringLiteral("CEP:"), m_cep), row, 0);
    grid->addWidget(m_cep, row, 1);
    grid->addWidget(label(owner, QStringLiteral("E-mail:"), m_email), row, 2);
    grid->addWidget(m_email, row, 3);
    ++row;
    grid->addWidget(label(owner, QStringLiteral("Tel. Resid.:"), m_telRes), row, 0);
    grid->addWidget(m_telRes, row, 1);
    grid->addWidget(label(owner, QStringLiteral("Tel. Celular:"), m_telCel), row, 2);
    grid->addWidget(m_telCel, row, 3);
    ++row;
    grid->addWidget(label(owner, QStringLiteral("Tel. Comerc.:"), m_telCom), row, 0);
    grid->addWidget(m_telCom, row, 1);
    if (m_grau) {
        grid->addWidget(label(owner, QStringLiteral("Profissão:"), m_profissao), row, 2);
        grid->addWidget(m_profissao, row, 3);
    }
    ++row;

    auto* options1 = new QHBoxLayout;
    options1->addWidget(pair("Sexo", "optMasc", QStringLiteral("Masculino"), "optFem",
                             QStringLiteral("Feminino"), m_masc, m_fem));
    options1->addWidget(pair("Estado civil", "optCasado", QStringLiteral("Casado(a)"),
                             "optSolteiro", QStringLiteral("Solteiro(a)"), m_casado, m_solteiro));
    if (options.tipoCasa) {
        options1->addWidget(pair("Residência", "optCasaPropria", QStringLiteral("Própria"),
                                 "optCasaAlugada", QStringLiteral("Alugada"), m_propria,
                                 m_alugada));
    }
    grid->addLayout(options1, row, 0, 1, 4);
    ++row;

    m_notes = new QPlainTextEdit(owner);
    m_notes->setObjectName(QStringLiteral("txtObservações"));
    m_notes->setTabChangesFocus(true);
    m_notes->setFixedHeight(60);
    QObject::connect(m_notes, &QPlainTextEdit::textChanged, owner, [this] {
        if (!m_filling) {
            m_edited();
        }
    });
    grid->addWidget(label(owner, QStringLiteral("Observações:"), m_notes), row, 0, Qt::AlignTop);
    grid->addWidget(m_notes, row, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);

    m_order = {m_primNome, m_sobreNome, m_ci, m_cpf, m_dataNasc};
    if (m_grau) {
        m_order.push_back(m_grau);
    } else {
        m_order.push_back(m_profissao);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{m_endereco, m_bairro, m_cidade, m_cep,
                                                      m_email, m_telRes, m_telCel, m_telCom}) {
        m_order.push_back(w);
    }
    if (m_grau) {
        m_order.push_back(m_profissao);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{m_masc, m_fem, m_casado, m_solteiro}) {
        m_order.push_back(w);
    }
    if (m_propria) {
        m_order.push_back(m_propria);
        m_order.push_back(m_alugada);
    }
    m_order.push_back(m_notes);
    m_order.push_back(m_dataInsc);
    m_order.push_back(m_horaInsc);
}

void PersonControls::setInscription(const QString& caption)
{
    m_numInscCaption->setText(caption);
}

void PersonControls::show(const core::PersonForm& form)
{
    m_filling = true;
    m_numInsc->setText(toQString(form.NumInsc));
    m_primNome->setText(toQString(form.PrimNome));
    m_sobreNome->setText(toQString(form.SobreNome));
    m_ci->setText(toQString(form.CI));
    m_cpf->setText(toQString(form.CPF));
    m_dataNasc->setText(toQString(form.DataNasc));
    if (m_grau) {
        m_grau->setText(toQString(form.GrauParentesco));
    }
    m_endereco->setText(toQString(form.Endereco));
    m_cep->setText(toQString(form.CEP));
    m_bairro->setText(toQString(form.Bairro));
    m_cidade->setText(toQString(form.Cidade));
    m_telRes->setText(toQString(form.TelResidencial));
    m_telCel->setText(toQString(form.TelCelular));
    m_telCom->setText(toQString(form.TelComercial));
    m_email->setText(toQString(form.Email));
    m_profissao->setText(toQString(form.Profissao));
    m_dataInsc->setText(toQString(form.DataInsc));
    m_horaInsc->setText(toQString(form.HoraInsc));
    (form.Sexo ? m_masc : m_fem)->setChecked(true);
    (form.EstadoCivil ? m_casado : m_solteiro)->setChecked(true);
    if (m_propria) {
        (form.TipoCasa ? m_propria : m_alugada)->setChecked(true);
    }
    m_notes->setPlainText(toQString(form.Observacoes));
    m_filling = false;
}

void PersonControls::collect(core::PersonForm& form) const
{
    form.NumInsc = toStdString(m_numInsc->text());
    form.PrimNome = toStdString(m_primNome->text());
    form.SobreNome = toStdString(m_sobreNome->text());
    form.CI = toStdString(m_ci->text());
    form.CPF = toStdString(m_cpf->text());
    form.DataNasc = toStdString(m_dataNasc->text());
    if (m_grau) {
        form.GrauParentesco = toStdString(m_grau->text());
    }
    form.Endereco = toStdString(m_endereco->text());
    form.CEP = toStdString(m_cep->text());
    form.Bairro = toStdString(m_bairro->text());
    form.Cidade = toStdString(m_cidade->text());
    form.TelResidencial = toStdString(m_telRes->text());
    form.TelCelular = toStdString(m_telCel->text());
    form.TelComercial = toStdString(m_telCom->text());
    form.Email = toStdString(m_email->text());
    form.Profissao = toStdString(m_profissao->text());
    form.DataInsc = toStdString(m_dataInsc->text());
    form.HoraInsc = toStdString(m_horaInsc->text());
    form.Sexo = m_masc->isChecked();
    form.EstadoCivil = m_casado->isChecked();
    if (m_propria) {
        form.TipoCasa = m_propria->isChecked();
    }
    form.Observacoes = toStdString(m_notes->toPlainText());
}

void chainTabOrder(const std::vector<QWidget*>& widgets)
{
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    }
}

} // namespace tavolim::app

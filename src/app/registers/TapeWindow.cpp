#include "app/registers/TapeWindow.h"

#include "app/registers/ChooserWindow.h"
#include "app/registers/DistributorWindow.h"
#include "app/registers/PersonControls.h"
#include "app/registers/PersonRegister.h"
#include "app/registers/RegisterButtons.h"
#include "app/registers/SearchWindow.h"
#include "app/reports/ReportActions.h"
#include "app/shell/QtConversions.h"
#include "core/registers/ProductRegister.h"
#include "core/state/AppState.h"
#include "core/state/Operators.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

QLabel* label(QWidget* owner, const QString& caption, QWidget* buddy)
{
    auto* l = new QLabel(caption, owner);
    l->setBuddy(buddy);
    return l;
}

QLineEdit* display(QWidget* owner, const char* name)
{
    auto* edit = new QLineEdit(owner);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

QComboBox* combo(QWidget* owner, const char* name, const std::vector<std::string>& items)
{
    auto* box = new QComboBox(owner);
    box->setObjectName(QString::fromUtf8(name));
    for (const std::string& item : items) {
        box->addItem(toQString(item));
    }
    return box;
}

void fillList(QListWidget* list, const std::vector<std::string>& lines)
{
    list->clear();
    for (const std::string& line : lines) {
        list->addItem(toQString(line));
    }
}

} // namespace

TapeWindow::TapeWindow(core::AppState& state, QWidget* parent)
    : RegisterWindow(m_model, parent), m_state(state), m_model(state)
{
    setObjectName(QStringLiteral("frmDadosFitas"));
    setWindowTitle(QStringLiteral("Dados das Fitas"));

    QWidget* plain = buildPlainFields();
    QWidget* cast = buildCast();
    QWidget* purchase = buildPurchase();
    QWidget* circulation = buildCirculation();

    RegisterButtons buttons(this,
                            {"cmdPrimeiraFita", "cmdFitaAnterior", "cmdProxFita", "cmdÚltimaFita",
                             QStringLiteral("fita")},
                            m_model, [this](const std::function<void()>& f) { step(f); });
    // The tape register has no client situation.
    delete buttons.situation;
    buttons.first->setToolTip(QStringLiteral("Primeira fita"));
    buttons.last->setToolTip(QStringLiteral("Última fita"));
    auto* find = registerButton(this, "cmdProcurar", QStringLiteral("Proc&urar"));
    connect(buttons.add, &QPushButton::clicked, this, [this] {
        bool started = false;
        step([this, &started] { started = m_model.addTape(); });
        if (started) {
            m_segNome->setFocus();
        }
    });
    connect(buttons.remove, &QPushButton::clicked, this,
            [this] { step([this] { m_model.deleteTape(); }); });
    connect(find, &QPushButton::clicked, this, &TapeWindow::search);
    connect(buttons.ok, &QPushButton::clicked, this, &TapeWindow::accept);

    auto* left = new QVBoxLayout;
    left->addWidget(plain);
    left->addWidget(cast, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(purchase);
    right->addWidget(circulation, 1);
    auto* fields = new QWidget(this);
    auto* body = new QHBoxLayout(fields);
    body->setContentsMargins(0, 0, 0, 0);
    body->addLayout(left, 3);
    body->addLayout(right, 2);
    auto* empty = new QLabel(
        QStringLiteral("Nenhuma fita cadastrada ainda. Use Adicionar para cadastrar a primeira."),
        this);
    empty->setObjectName(QStringLiteral("lblVazio"));
    empty->setStyleSheet(QStringLiteral("color: #0000c0; font-weight: bold;"));
    auto* actions = new QHBoxLayout;
    for (QPushButton* b : {buttons.add, buttons.save, buttons.cancel, buttons.remove, find}) {
        actions->addWidget(b);
    }
    actions->addStretch();
    actions->addWidget(buttons.ok);
    // Alt+I is the director's box, so the print menu goes by its other word.
    auto* menus = new QMenuBar(this);
    QMenu* print = menus->addMenu(QStringLiteral("&Ficha"));
    print->setObjectName(QStringLiteral("mnuImprimir"));
    QAction* current = print->addAction(QStringLiteral("Da fita &atual"));
    current->setObjectName(QStringLiteral("mnuImpFitaAtual"));
    QAction* all = print->addAction(QStringLiteral("De &todas as fitas..."));
    all->setObjectName(QStringLiteral("mnuImpTodasFitas"));
    connect(current, &QAction::triggered, this, [this] {
        if (!saveFirst()) {
            return;
        }
        printSheet(m_state, core::ReportKind::Tape, {{}, m_model.code(), 0});
    });
    connect(all, &QAction::triggered, this,
            [this] { openSheetReport(m_state, core::ReportKind::Tape, this); });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(empty);
    layout->addWidget(fields, 1);
    layout->addLayout(buttons.movesRow());
    layout->addLayout(actions);

    for (QWidget* w : std::initializer_list<QWidget*>{
             buttons.first, buttons.previous, buttons.next, buttons.last, buttons.add, buttons.save,
             buttons.cancel, buttons.remove, find, buttons.ok}) {
        m_order.push_back(w);
    }
    chainTabOrder(m_order);

    m_model.open();
    showForm();
    setNeedsRecord(fields,
                   {buttons.first, buttons.previous, buttons.next, buttons.last, buttons.save,
                    buttons.cancel, buttons.remove, find},
                   empty);
    (m_model.hasRecord() ? static_cast<QWidget*>(m_nome) : buttons.add)->setFocus();
}

QWidget* TapeWindow::buildPlainFields()
{
    auto* frame = new QGroupBox(QStringLiteral("Dados da Fita"), this);
    auto box = [&](const char* name, int width) {
        auto* edit = new QLineEdit(frame);
        edit->setObjectName(QString::fromUtf8(name));
        if (width > 0) {
            edit->setMaxLength(width);
        }
        connect(edit, &QLineEdit::textChanged, this, &TapeWindow::edited);
        return edit;
    };
    const auto& lists = m_model.lists();
    m_numFita = display(frame, "txtNumFita");
    m_numFita->setMaximumWidth(90);
    m_nome = box("txtNome", 25);
    m_segNome = box("txtSegNome", 25);
    m_codigoB = box("txtCodigoB", 8);
    m_codigoB->setMaximumWidth(110);
    connect(m_codigoB, &QLineEdit::editingFinished, this, &TapeWindow::barcodeLeft);
    m_secao = combo(frame, "cboSeção", lists.sections);
    m_selo = combo(frame, "cboSelo", lists.labels);
    m_midia = combo(frame, "cboMidia", lists.media);
    m_dist = combo(frame, "cboDist", lists.distributors);
    for (QComboBox* c : {m_secao, m_selo, m_midia, m_dist}) {
        connect(c, &QComboBox::currentIndexChanged, this, &TapeWindow::edited);
    }
    m_dublado = new QRadioButton(QStringLiteral("&Dublado"), frame);
    m_dublado->setObjectName(QStringLiteral("optDublado"));
    m_legendado = new QRadioButton(QStringLiteral("Le&gendado"), frame);
    m_legendado->setObjectName(QStringLiteral("optLegendado"));
    auto* kindRow = new QHBoxLayout;
    for (QRadioButton* r : {m_dublado, m_legendado}) {
        kindRow->addWidget(r);
        connect(r, &QRadioButton::clicked, this, &TapeWindow::edited);
    }
    kindRow->addStretch();
    m_anoLanc = box("txtAnoLanc", 4);
    m_anoLanc->setValidator(new QIntValidator(0, 9999, m_anoLanc));
    m_duracao = box("txtDuracao", 4);
    m_duracao->setValidator(new QIntValidator(0, 9999, m_duracao));
    m_diretor = box("txtDiretor", 30);
    auto* directorFilms = registerButton(frame, "cmdFilmesComDiretor", QStringLiteral("Filmes..."));
    directorFilms->setToolTip(QStringLiteral("Filmes com este diretor"));
    connect(directorFilms, &QPushButton::clicked, this, [this] {
        collect();
        if (const auto tape = m_model.filmsWithDirector(listChooser(this))) {
            showTape(*tape);
        }
    });
    auto* distributor = registerButton(frame, "cmdDistribuidora", QStringLiteral("..."));
    distributor->setToolTip(QStringLiteral("Dados da distribuidora"));
    distributor->setFixedWidth(32);
    connect(distributor, &QPushButton::clicked, this, &TapeWindow::openDistributor);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(label(frame, QStringLiteral("Código:"), m_numFita), 0, 0);
    grid->addWidget(m_numFita, 0, 1);
    grid->addWidget(label(frame, QStringLiteral("Código de &Barras:"), m_codigoB), 0, 2);
    grid->addWidget(m_codigoB, 0, 3);
    grid->addWidget(label(frame, QStringLiteral("&Nome:"), m_nome), 1, 0);
    grid->addWidget(m_nome, 1, 1, 1, 3);
    grid->addWidget(label(frame, QStringLiteral("&Segundo Nome:"), m_segNome), 2, 0);
    grid->addWidget(m_segNome, 2, 1, 1, 3);
    grid->addWidget(label(frame, QStringLiteral("Seçã&o:"), m_secao), 3, 0);
    grid->addWidget(m_secao, 3, 1);
    grid->addWidget(label(frame, QStringLiteral("Se&lo:"), m_selo), 3, 2);
    grid->addWidget(m_selo, 3, 3);
    grid->addWidget(label(frame, QStringLiteral("&Mídia:"), m_midia), 4, 0);
    grid->addWidget(m_midia, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Tipo:"), frame), 4, 2);
    grid->addLayout(kindRow, 4, 3);
    grid->addWidget(label(frame, QStringLiteral("Ano de Lançamento:"), m_anoLanc), 5, 0);
    grid->addWidget(m_anoLanc, 5, 1);
    grid->addWidget(label(frame, QStringLiteral("Duração (min):"), m_duracao), 6, 0);
    grid->addWidget(m_duracao, 6, 1);
    auto* distRow = new QHBoxLayout;
    distRow->addWidget(m_dist, 1);
    distRow->addWidget(distributor);
    grid->addWidget(label(frame, QStringLiteral("Dist&ribuidora:"), m_dist), 7, 0);
    grid->addLayout(distRow, 7, 1, 1, 3);
    auto* directorRow = new QHBoxLayout;
    directorRow->addWidget(m_diretor, 1);
    directorRow->addWidget(directorFilms);
    grid->addWidget(label(frame, QStringLiteral("D&iretor:"), m_diretor), 8, 0);
    grid->addLayout(directorRow, 8, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    for (QWidget* w : std::initializer_list<QWidget*>{
             m_nome, m_segNome, m_codigoB, m_secao, m_selo, m_midia, m_dublado, m_legendado,
             m_anoLanc, m_duracao, m_dist, m_diretor, directorFilms}) {
        m_order.push_back(w);
    }
    return frame;
}

QWidget* TapeWindow::buildCast()
{
    auto* frame = new QGroupBox(QStringLiteral("Elenco e Sinopse"), this);
    m_atores = new QComboBox(frame);
    m_atores->setObjectName(QStringLiteral("cboAtores"));
    m_atores->setEditable(true);
    m_atores->setInsertPolicy(QComboBox::NoInsert);
    m_atores->lineEdit()->setMaxLength(30);
    auto* add = registerButton(frame, "cmdAdicionarAtor", QStringLiteral("Adicionar"));
    add->setToolTip(QStringLiteral("Põe o(a) ator(atriz) digitado(a) no elenco da fita"));
    auto* remove = registerButton(frame, "cmdRemoverAtor", QStringLiteral("Remover"));
    remove->setToolTip(QStringLiteral("Tira do elenco o(a) ator(atriz) mostrado(a)"));
    auto* complete = registerButton(frame, "cmdCompletNomeAtor", QStringLiteral("Completar"));
    complete->setToolTip(QStringLiteral("Completa o nome digitado com os atores cadastrados"));
    auto* films = registerButton(frame, "cmdFitasComAtor", QStringLiteral("Filmes..."));
    films->setToolTip(QStringLiteral("Filmes com este(a) ator(atriz)"));
    // The shown line, or the line whose name was typed.
    auto castIndex = [this] {
        const int at = m_atores->findText(m_atores->currentText().trimmed());
        return at < 0 ? m_model.form.Atores.size() : static_cast<std::size_t>(at);
    };
    connect(add, &QPushButton::clicked, this, [this] {
        bool added = false;
        step([this, &added] { added = m_model.addActor(); });
        m_atores->setFocus();
        if (!added) {
            m_atores->lineEdit()->selectAll();
        }
    });
    m_addActor = add;
    // Enter in the name box adds the actor, and goes no further (the combo and the dialog
    // would act on it again).
    m_atores->lineEdit()->installEventFilter(this);
    connect(remove, &QPushButton::clicked, this, [this, castIndex] {
        const std::size_t index = castIndex();
        step([this, index] { m_model.removeActor(index); });
    });
    connect(complete, &QPushButton::clicked, this, [this] {
        collect();
        if (m_model.completeActorName(listChooser(this))) {
            m_atores->setEditText(toQString(m_model.form.Ator));
        }
        m_atores->setFocus();
    });
    connect(films, &QPushButton::clicked, this, [this, castIndex] {
        collect();
        if (const auto tape = m_model.tapesWithActor(castIndex(), listChooser(this))) {
            showTape(*tape);
        }
    });

    m_sinopse = new QPlainTextEdit(frame);
    m_sinopse->setObjectName(QStringLiteral("txtSinopse"));
    m_notes = new QPlainTextEdit(frame);
    m_notes->setObjectName(QStringLiteral("txtObservações"));
    m_notes->setFixedHeight(50);
    for (QPlainTextEdit* t : {m_sinopse, m_notes}) {
        t->setTabChangesFocus(true);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(t, &QPlainTextEdit::textChanged, this, &TapeWindow::edited);
    }

    auto* grid = new QGridLayout(frame);
    grid->addWidget(label(frame, QStringLiteral("A&tores:"), m_atores), 0, 0);
    grid->addWidget(m_atores, 0, 1);
    auto* castButtons = new QHBoxLayout;
    for (QPushButton* b : {add, remove, complete, films}) {
        castButtons->addWidget(b);
    }
    castButtons->addStretch();
    grid->addLayout(castButtons, 1, 1);
    // The combo shows its lines only when opened; the cast stays in sight here.
    m_elenco = new QLabel(frame);
    m_elenco->setWordWrap(true);
    grid->addWidget(m_elenco, 2, 1);
    grid->addWidget(label(frame, QStringLiteral("Sino&pse:"), m_sinopse), 3, 0, Qt::AlignTop);
    grid->addWidget(m_sinopse, 3, 1);
    grid->addWidget(label(frame, QStringLiteral("Observações:"), m_notes), 4, 0, Qt::AlignTop);
    grid->addWidget(m_notes, 4, 1);
    grid->setRowStretch(3, 1);

    for (QWidget* w : std::initializer_list<QWidget*>{m_atores, add, remove, complete, films,
                                                      m_sinopse, m_notes}) {
        m_order.push_back(w);
    }
    return frame;
}

QWidget* TapeWindow::buildPurchase()
{
    auto* frame = new QGroupBox(QStringLiteral("Compra"), this);
    auto* date = new DateLineEdit(frame);
    date->setObjectName(QStringLiteral("txtDataCompra"));
    date->setPlaceholderText(QStringLiteral("dd/mm/aaaa"));
    m_dataCompra = date;
    m_valorCompra = new QLineEdit(frame);
    m_valorCompra->setObjectName(QStringLiteral("txtValorCompra"));
    m_valorVenda = new QLineEdit(frame);
    m_valorVenda->setObjectName(QStringLiteral("txtValorVenda"));
    for (QLineEdit* e : {m_dataCompra, m_valorCompra, m_valorVenda}) {
        connect(e, &QLineEdit::textChanged, this, &TapeWindow::edited);
    }
    for (QLineEdit* e : {m_dataCompra, m_valorCompra, m_valorVenda}) {
        e->setMaximumWidth(110);
    }
    for (QLineEdit* e : {m_valorCompra, m_valorVenda}) {
        e->setAlignment(Qt::AlignRight);
        // An emptied price box reads "0,00" again.
        connect(e, &QLineEdit::editingFinished, this, [e] {
            if (e->text().trimmed().isEmpty()) {
                e->setText(QStringLiteral("0,00"));
            }
        });
    }
    auto* grid = new QGridLayout(frame);
    grid->addWidget(label(frame, QStringLiteral("Data Compra:"), m_dataCompra), 0, 0);
    grid->addWidget(m_dataCompra, 0, 1);
    grid->addWidget(label(frame, QStringLiteral("Valor Compra:"), m_valorCompra), 1, 0);
    grid->addWidget(m_valorCompra, 1, 1);
    grid->addWidget(label(frame, QStringLiteral("Valor Venda:"), m_valorVenda), 2, 0);
    grid->addWidget(m_valorVenda, 2, 1);
    grid->setColumnStretch(2, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{m_dataCompra, m_valorCompra, m_valorVenda}) {
        m_order.push_back(w);
    }
    return frame;
}

QWidget* TapeWindow::buildCirculation()
{
    auto* frame = new QGroupBox(QStringLiteral("Locações"), this);
    m_totalLocacoes = display(frame, "txtTotalLocações");
    m_rendimento = display(frame, "txtRendimento");
    m_rendimento->setAlignment(Qt::AlignRight);
    m_cliente = display(frame, "txtNomeClienteComFita");
    m_diaEmprestado = display(frame, "txtDiaEmprestado");
    m_diaRetorna = display(frame, "txtDiaRetorna");
    m_cliente->setMinimumWidth(170);
    for (QLineEdit* e : {m_totalLocacoes, m_rendimento, m_diaEmprestado, m_diaRetorna}) {
        e->setMaximumWidth(110);
    }
    auto* person = registerButton(frame, "cmdClienteComFita", QStringLiteral("..."));
    m_clienteComFita = person;
    // The client's register is the "Cadastro de Clientes" access row's.
    if (core::mayUse(m_state.records().rules(), m_state.OperadorAtual, core::kRowClientes)) {
        person->setToolTip(QStringLiteral("Dados do cliente que está com a fita"));
    } else {
        person->setEnabled(false);
        person->setToolTip(
            QStringLiteral("O seu nível de acesso não abre o cadastro de clientes."));
    }
    person->setFixedWidth(32);
    connect(person, &QPushButton::clicked, this, &TapeWindow::openPerson);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_ultCli = new QListWidget(frame);
    m_ultCli->setObjectName(QStringLiteral("lstUltCli"));
    m_reservas = new QListWidget(frame);
    m_reservas->setObjectName(QStringLiteral("lstReservas"));
    m_reservas->setToolTip(QStringLiteral("Enter ou duplo clique anula a reserva"));
    for (QListWidget* l : {m_ultCli, m_reservas}) {
        l->setFont(fixed);
        l->setMinimumHeight(60);
    }
    connect(m_reservas, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const auto index = static_cast<std::size_t>(m_reservas->row(item));
        step([this, index] { m_model.cancelReservation(index); });
    });

    auto* grid = new QGridLayout(frame);
    int row = 0;
    grid->addWidget(label(frame, QStringLiteral("N° Total de Locações:"), m_totalLocacoes), row, 0);
    grid->addWidget(m_totalLocacoes, row++, 1);
    grid->addWidget(label(frame, QStringLiteral("Rendimento:"), m_rendimento), row, 0);
    grid->addWidget(m_rendimento, row++, 1);
    auto* personRow = new QHBoxLayout;
    personRow->addWidget(m_cliente, 1);
    personRow->addWidget(person);
    grid->addWidget(label(frame, QStringLiteral("Com o cliente:"), m_cliente), row, 0);
    grid->addLayout(personRow, row++, 1);
    grid->addWidget(label(frame, QStringLiteral("Data da Retirada:"), m_diaEmprestado), row, 0);
    grid->addWidget(m_diaEmprestado, row++, 1);
    grid->addWidget(label(frame, QStringLiteral("Data Retorna:"), m_diaRetorna), row, 0);
    grid->addWidget(m_diaRetorna, row++, 1);
    grid->addWidget(label(frame, QStringLiteral("Últimos clientes:"), m_ultCli), row++, 0, 1, 2);
    grid->addWidget(m_ultCli, row++, 0, 1, 2);
    grid->addWidget(label(frame, QStringLiteral("Reservas:"), m_reservas), row++, 0, 1, 2);
    grid->addWidget(m_reservas, row++, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    for (QWidget* w : std::initializer_list<QWidget*>{person, m_ultCli, m_reservas}) {
        m_order.push_back(w);
    }
    return frame;
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_atores->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_addActor->click();
            return true;
        }
    }
    return RegisterWindow::eventFilter(watched, event);
}

void TapeWindow::edited()
{
    if (!m_filling) {
        m_model.markDirty();
    }
}

void TapeWindow::showTape(std::int32_t code)
{
    step([this, code] { m_model.moveToTape(code); });
}

void TapeWindow::showForm()
{
    const core::TapeForm& f = m_model.form;
    m_filling = true;
    m_numFita->setText(toQString(f.NumFita));
    m_nome->setText(toQString(f.Nome));
    m_segNome->setText(toQString(f.SegNome));
    m_codigoB->setText(toQString(f.CodigoB));
    m_secao->setCurrentIndex(f.Secao - 1 < m_secao->count() ? f.Secao - 1 : -1);
    m_selo->setCurrentIndex(f.Selo - 1 < m_selo->count() ? f.Selo - 1 : -1);
    m_midia->setCurrentIndex(f.Midia - 1 < m_midia->count() ? f.Midia - 1 : -1);
    m_dist->setCurrentIndex(f.Distribuidor - 1 < m_dist->count() ? f.Distribuidor - 1 : -1);
    (f.Dublado ? m_dublado : m_legendado)->setChecked(true);
    m_anoLanc->setText(toQString(f.AnoLanc));
    m_duracao->setText(toQString(f.Duracao));
    m_diretor->setText(toQString(f.Diretor));
    m_atores->clear();
    QStringList cast;
    for (const core::CastLine& line : f.Atores) {
        m_atores->addItem(toQString(line.name));
        cast << toQString(line.name);
    }
    m_elenco->setText(cast.isEmpty()
                          ? QStringLiteral("Nenhum ator no elenco.")
                          : QStringLiteral("Elenco: ") + cast.join(QStringLiteral(", ")));
    m_atores->setEditText(toQString(f.Ator));
    m_sinopse->setPlainText(toQString(f.Sinopse));
    m_notes->setPlainText(toQString(f.Observacoes));
    m_dataCompra->setText(toQString(f.DataCompra));
    m_valorCompra->setText(toQString(f.ValorCompra));
    m_valorVenda->setText(toQString(f.ValorVenda));
    m_totalLocacoes->setText(toQString(f.TotalLocacoes));
    m_rendimento->setText(toQString(f.Rendimento));
    m_cliente->setText(toQString(f.NomeClienteComFita));
    m_diaEmprestado->setText(toQString(f.DiaEmprestado));
    m_diaRetorna->setText(toQString(f.DiaRetorna));
    fillList(m_ultCli, f.UltCli);
    fillList(m_reservas, f.Reservas);
    m_filling = false;
}

void TapeWindow::collect()
{
    core::TapeForm& f = m_model.form;
    f.Nome = toStdString(m_nome->text());
    f.SegNome = toStdString(m_segNome->text());
    f.CodigoB = toStdString(m_codigoB->text());
    f.Secao = m_secao->currentIndex() + 1;
    f.Selo = m_selo->currentIndex() + 1;
    f.Midia = m_midia->currentIndex() + 1;
    f.Distribuidor = m_dist->currentIndex() + 1;
    f.Dublado = m_dublado->isChecked();
    f.AnoLanc = toStdString(m_anoLanc->text());
    f.Duracao = toStdString(m_duracao->text());
    f.Diretor = toStdString(m_diretor->text());
    f.Ator = toStdString(m_atores->currentText());
    f.Sinopse = toStdString(m_sinopse->toPlainText());
    f.Observacoes = toStdString(m_notes->toPlainText());
    f.DataCompra = toStdString(m_dataCompra->text());
    f.ValorCompra = toStdString(m_valorCompra->text());
    f.ValorVenda = toStdString(m_valorVenda->text());
}

void TapeWindow::barcodeLeft()
{
    if (m_filling || !m_state.options().VerifNomeECod || m_model.code() <= 0) {
        return;
    }
    collect();
    if (m_model.checkBarcode() != core::BarcodeVerdict::Accepted) {
        m_codigoB->setFocus();
        m_codigoB->selectAll();
    }
}

void TapeWindow::search()
{
    if (!saveFirst()) {
        return;
    }
    if (const auto hit = searchRecord(m_state, this, core::SearchMode::Tapes)) {
        showTape(hit->number);
    }
}

void TapeWindow::openPerson()
{
    collect();
    if (const auto person = m_model.personWithTape()) {
        openPersonRegister(m_state, *person, this);
    }
}

void TapeWindow::openDistributor()
{
    collect();
    openDistributorRegister(m_state, this, m_dist->currentIndex() + 1);
    // Names may have changed there; positions stay the record numbers.
    m_filling = true;
    const int current = m_dist->currentIndex();
    m_dist->clear();
    for (const std::string& name : core::distributorList(m_state.records())) {
        m_dist->addItem(toQString(name));
    }
    m_dist->setCurrentIndex(current < m_dist->count() ? current : -1);
    m_filling = false;
}

} // namespace tavolim::app

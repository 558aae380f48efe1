#include "app/registers/RegisterButtons.h"

#include "core/registers/RegisterModel.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace tavolim::app {

QPushButton* registerButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

RegisterButtons::RegisterButtons(QWidget* parent, const Names& names, core::RegisterModel& model,
                                 const Step& step)
    : first(registerButton(parent, names.first, QStringLiteral("|<"))),
      previous(registerButton(parent, names.previous, QStringLiteral("<"))),
      next(registerButton(parent, names.next, QStringLiteral(">"))),
      last(registerButton(parent, names.last, QStringLiteral(">|"))),
      add(registerButton(parent, "cmdAdicionar", QStringLiteral("&Adicionar"))),
      save(registerButton(parent, "cmdSalvar", QStringLiteral("Sal&var"))),
      cancel(registerButton(parent, "cmdCancelar", QStringLiteral("Cancelar"))),
      remove(registerButton(parent, "cmdExcluir", QStringLiteral("&Excluir"))),
      situation(registerButton(parent, "cmdSituação", QStringLiteral("Si&tuação"))),
      ok(registerButton(parent, "cmdOK", QStringLiteral("OK")))
{
    QString capital = names.noun;
    if (!capital.isEmpty()) {
        capital[0] = capital[0].toUpper();
    }
    first->setToolTip(QStringLiteral("Primeiro ") + names.noun);
    previous->setToolTip(capital + QStringLiteral(" anterior"));
    next->setToolTip(QStringLiteral("Próximo ") + names.noun);
    last->setToolTip(QStringLiteral("Último ") + names.noun);

    auto* m = &model;
    QObject::connect(first, &QPushButton::clicked, parent,
                     [m, step] { step([m] { m->moveFirst(); }); });
    QObject::connect(previous, &QPushButton::clicked, parent,
                     [m, step] { step([m] { m->movePrevious(); }); });
    QObject::connect(next, &QPushButton::clicked, parent,
                     [m, step] { step([m] { m->moveNext(); }); });
    QObject::connect(last, &QPushButton::clicked, parent,
                     [m, step] { step([m] { m->moveLast(); }); });
    QObject::connect(save, &QPushButton::clicked, parent, [m, step] { step([m] { m->save(); }); });
    QObject::connect(cancel, &QPushButton::clicked, parent,
                     [m, step] { step([m] { m->showPosition(m->position()); }); });
}

QHBoxLayout* RegisterButtons::movesRow() const
{
    auto* moves = new QHBoxLayout;
    for (QPushButton* b : {first, previous, next, last}) {
        b->setFixedWidth(40);
        moves->addWidget(b);
    }
    moves->addStretch();
    return moves;
}

} // namespace tavolim::app

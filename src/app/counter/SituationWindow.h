#pragma once

#include "app/counter/CounterOpeners.h"
#include "core/counter/ClientNavigation.h"
#include "core/counter/FamilyClicks.h"
#include "core/counter/Situation.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace tavolim::app {

// The client situation (frmSitua_o): one person's tapes at home with what each costs so
// far, the account, the family's state, and the buttons that start the counter operations
// for that person. core::showSituation fills it; the window shows it and refills it after
// every operation that wrote something.
class SituationWindow final : public QDialog {
    Q_OBJECT

public:
    SituationWindow(core::AppState& state, core::PersonRef person, CounterOpeners openers,
                    QWidget* parent = nullptr);

    const core::Situation& situation() const { return m_situation; }

    void showPerson(core::PersonRef person);
    void refresh() { showPerson(m_situation.person); }

    // cmdDevolu_o: the return window over the tapes shown.
    void giveBack();
    // The return opened on one tape, as the quick return from the menu does.
    void giveBackTape(std::int16_t tape);

private:
    QLineEdit* field(const char* name);
    void buildLayout();
    void fill();
    void fillGrid();
    void enableButtons();

    // Runs an opener and fills the window again when it wrote something.
    void afterOperation(bool wrote);
    void rent(std::int16_t tape);
    void pay();
    void openRegister();
    void showHistory(bool tapes);
    void reserve();
    void search();
    void move(core::ClientMove move);
    void familyClicked(int row);
    void cellClicked(int row, int column);

    core::AppState& m_state;
    CounterOpeners m_openers;
    core::Situation m_situation;
    core::FamilyClicks m_clicks;

    QLineEdit* m_nome = nullptr;
    QLineEdit* m_numInsc = nullptr;
    QLabel* m_numInscCaption = nullptr;
    QLineEdit* m_totalLocacoes = nullptr;
    QLineEdit* m_ultimaLocacao = nullptr;
    QLineEdit* m_ultPgto = nullptr;
    QLineEdit* m_fitasEmCasa = nullptr;
    QPlainTextEdit* m_observacoes = nullptr;
    QLabel* m_birthdays = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_balanceCaption = nullptr;
    QLabel* m_balance = nullptr;
    QListWidget* m_family = nullptr;
    QLabel* m_familyState = nullptr;

    QPushButton* m_rental = nullptr;
    QPushButton* m_return = nullptr;
    QPushButton* m_payment = nullptr;
    QPushButton* m_sale = nullptr;
    QPushButton* m_register = nullptr;
    QPushButton* m_credit = nullptr;
    QPushButton* m_debit = nullptr;
    QPushButton* m_tapeHistory = nullptr;
    QPushButton* m_productHistory = nullptr;
    QPushButton* m_reserve = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_first = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_last = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// Opens frmSitua_o modally for the person.
void openSituation(core::AppState& state, core::PersonRef person, QWidget* parent,
                   const CounterOpeners& openers);

// mnuOpGerais: the date-change check, the search titled "Iniciar Operações", then the
// situation of the person found.
void startOperations(core::AppState& state, QWidget* parent, const CounterOpeners& openers);

// mnuOpDevolucao: the date-change check, the search "Devolver Fita" for a tape that is out,
// then the renter's situation with the return window over it.
void returnTapeFromMenu(core::AppState& state, QWidget* parent, const CounterOpeners& openers);

} // namespace tavolim::app

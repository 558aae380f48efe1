#pragma once

#include "app/rules/RulesPage.h"

class QCheckBox;
class QRadioButton;

namespace tavolim::app {

class DayClassGrids;

// Tab "Diárias": the prices of the labels chosen in lstSelo, one edit for all of them.
class PricePage final : public RulesPage {
    Q_OBJECT

public:
    PricePage(core::RulesEditor& editor, QWidget* parent);
    void refresh() override;

private:
    void showPrices();

    QListWidget* m_labels = nullptr;
    DayClassGrids* m_grids = nullptr;
    QCheckBox* m_counts = nullptr;
};

// Tab "Prazos": how terms are counted and the term table that mode uses.
class TermPage final : public RulesPage {
    Q_OBJECT

public:
    TermPage(core::RulesEditor& editor, QWidget* parent);
    void refresh() override;

private:
    void setMode(int tipo);
    void showTerms();

    QRadioButton* m_modes[3] = {};
    QLabel* m_listCaption = nullptr;
    QListWidget* m_owners = nullptr;
    DayClassGrids* m_grids = nullptr;
    QCheckBox* m_counts = nullptr;
};

} // namespace tavolim::app

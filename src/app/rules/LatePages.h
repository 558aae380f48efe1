#pragma once

#include "app/rules/RulesPage.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace tavolim::app {

class DayClassGrids;

// Tab "Mensagens": the promotion texts, all tapes together, by label or by media.
class MessagePage final : public RulesPage {
    Q_OBJECT

public:
    MessagePage(core::RulesEditor& editor, QWidget* parent);
    void refresh() override;

private:
    core::TableOwner owner() const;
    void showOwners();
    void showTexts();

    QComboBox* m_kind = nullptr;
    QListWidget* m_owners = nullptr;
    DayClassGrids* m_grids = nullptr;
    QCheckBox* m_counts = nullptr;
};

// Tab "Atrasos": how lateness is charged, the charged weekend days and each label's fine.
class LatePage final : public RulesPage {
    Q_OBJECT

public:
    LatePage(core::RulesEditor& editor, QWidget* parent);
    void refresh() override;
    bool commit() override;
    void showProblem(const core::RulesProblem& problem) override;

private:
    void showFine();
    bool commitValue();
    bool commitTime();

    QRadioButton* m_modes[5] = {};
    QCheckBox* m_saturday = nullptr;
    QCheckBox* m_sunday = nullptr;
    QCheckBox* m_fines = nullptr;
    QListWidget* m_labels = nullptr;
    QLineEdit* m_value = nullptr;
    QLineEdit* m_time = nullptr;
    QRadioButton* m_days = nullptr;
    QRadioButton* m_hours = nullptr;
    bool m_filling = false;
};

} // namespace tavolim::app

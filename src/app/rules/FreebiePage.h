#pragma once

#include "app/rules/RulesPage.h"

class QComboBox;
class QRadioButton;
class QTabBar;
class QTableWidget;

namespace tavolim::app {

// Tab "Brindes": the freebie rules of each day class (SSTab1), added from the boxes above
// the grid FlexBrindes, removed from it, copied to the other days; and whether freebies are
// put in automatically or only announced.
class FreebiePage final : public RulesPage {
    Q_OBJECT

public:
    FreebiePage(core::RulesEditor& editor, QWidget* parent);
    void refresh() override;

private:
    struct KindChoice {
        QComboBox* kind;
        QListWidget* qualifier;
    };
    KindChoice kindChoice(const char* combo, const char* list);
    static core::FreebieKind kindOf(const KindChoice& choice);
    void showQualifiers(const KindChoice& choice);
    void showRules();
    int dayClass() const;
    void add();

    QTabBar* m_days = nullptr;
    QLineEdit* m_every = nullptr;
    QLineEdit* m_units = nullptr;
    QLineEdit* m_upTo = nullptr;
    KindChoice m_counted{};
    KindChoice m_granted{};
    QTableWidget* m_rules = nullptr;
    QRadioButton* m_auto = nullptr;
    QRadioButton* m_messageOnly = nullptr;
    std::vector<core::FreebieRule> m_shown;
};

} // namespace tavolim::app

#pragma once

#include "app/rules/RulesPage.h"

class QCheckBox;
class QTableWidget;

namespace tavolim::app {

// Tab "Geral": the receipt number, the media, the sections, the labels and the opening days.
class GeneralPage final : public RulesPage {
    Q_OBJECT

public:
    GeneralPage(core::RulesEditor& editor, QWidget* parent);

    void refresh() override;
    bool commit() override;
    void showProblem(const core::RulesProblem& problem) override;

private:
    QWidget* buildMedia();
    QWidget* buildSections();
    QWidget* buildLabels();
    void showLabel(int row);
    bool commitMaxDays();

    QLineEdit* m_numRecibo = nullptr;
    QCheckBox* m_abreSabado = nullptr;
    QCheckBox* m_abreDomingo = nullptr;
    QListWidget* m_media = nullptr;
    QLineEdit* m_mediaName = nullptr;
    QListWidget* m_sections = nullptr;
    QLineEdit* m_sectionName = nullptr;
    QTableWidget* m_labels = nullptr;
    QLineEdit* m_labelName = nullptr;
    QLineEdit* m_maxDays = nullptr;
    bool m_filling = false;
};

} // namespace tavolim::app

#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;

enum class MonthBook {
    Tapes, // LivroFts.tvl and FitasDev.tvl with their position files and the tape histories
    Sales, // LivroCx.tvl and PosLivCx.tvl
};

// frmExcluirHist: the months of a book from its first to the current one ("mm/yyyy" in
// lstMes). Clicking a month selects it and every older one and clears the newer ones, so a
// deletion always takes the oldest months. The current month is listed but cannot be
// chosen: the current day keeps its records.
class MonthDeletionForm {
public:
    MonthDeletionForm(AppState& state, MonthBook book);

    const std::vector<std::string>& lstMes() const { return m_texts; }
    bool selectable(int index) const;
    bool isSelected(int index) const;
    // How many of the oldest months are selected.
    int selectedCount() const { return m_selected; }

    void click(int index);

    // cmdExcluir: runs the date-change check, then cuts the selected months. False when
    // nothing was selected or, after telling the operator which file could not be written,
    // when a write failed.
    bool excluir();

private:
    AppState& m_state;
    MonthBook m_book;
    std::vector<std::chrono::year_month> m_months;
    std::vector<std::string> m_texts;
    int m_selected = 0;
};

} // namespace tavolim::core

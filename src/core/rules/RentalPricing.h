#pragma once

#include "core/rules/RentalCounters.h"
#include "core/rules/Terms.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/Money.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;
class Dialogs;
struct GeneralRulesRecord;

// One tape of the rental grid.
struct RentalRow {
    std::int16_t tape = 0;
    int label = 0;
    int media = 0;
    int maxDays = 0; // the label's NumMaxDias
    bool freebie = false;
    Money price;  // 0 for a freebie, shown "Brinde"
    int term = 0; // days
};

// The prices, terms and amount of an open rental, kept as the grid changes. All rows of one
// label carry the price for the label's count; every change of the counts gives every row
// its term again and prices again the rows of the label that changed. An operator's edit of
// a price or term lasts until then.
class RentalPricing {
public:
    struct Settings {
        TermCounting counting = TermCounting::AllTapes;
        FreebieCounting freebies;
        std::chrono::sys_days today{};
        int prazoMinimo = 1;
    };
    // From the options, the working date and PrazoMinimo.
    static Settings settingsOf(const AppState& state);

    // `rules` and `dialogs` outlive the rental.
    RentalPricing(const GeneralRulesRecord& rules, Settings settings, Dialogs& dialogs);

    const std::vector<RentalRow>& rows() const { return m_rows; }
    const RentalCounters& counters() const { return m_counters; }

    // Adds a tape with its label and media records (the caller has read them).
    void addTape(std::int16_t tape, const LabelRecord& label, const MediaRecord& media);
    void removeRow(std::size_t row);
    // Marks the row as freebie, or unmarks it.
    void toggleFreebie(std::size_t row);
    void setPrice(std::size_t row, Money price);
    void setTerm(std::size_t row, int days);

    // 0 clears the surcharge.
    void setSurcharge(Money amount);
    // 0 clears the discount. A discount larger than the amount due (the rows' prices plus the
    // surcharge) is refused with a message and the old one kept; returns false then.
    bool setDiscount(Money amount);
    Money surcharge() const { return m_surcharge; }
    Money discount() const { return m_discount; }

    // The prices of the rows that are not freebies.
    Money rowsSum() const;
    // rowsSum + surcharge - discount.
    Money amount() const;

    // The smallest term of the rows (0 without rows) and today plus it.
    int shortestTerm() const;
    std::chrono::sys_days earliestDue() const;

    // "1 Fita Locada / " or "n Fitas Locadas / ".
    std::string countCaption() const;
    // "Menor entrega em 1 dia / " or "Menor entrega em n dias / ".
    std::string termCaption() const;
    // The whole caption: count, term, due date "dd/mm/yyyy", " / Valor = R$ " and the amount.
    std::string caption() const;
    // "Brinde" for a freebie, else the price with "0.00".
    std::string priceText(std::size_t row) const;

    // False, after showing the refusal, when a row has a term of 0 days.
    bool checkTerms() const;

private:
    TermTables tablesFor(const RentalRow& row) const;
    void priceLabel(int label);
    void termAll();
    // After the rows changed: terms and the label's prices again, then the discount check.
    void rowsChanged(int label);
    // A discount now larger than the rows' prices is cancelled, after any change, so the
    // amount never goes below 0.
    void cancelDiscountOverSum();

    const GeneralRulesRecord& m_rules;
    Settings m_settings;
    Dialogs& m_dialogs;
    RentalCounters m_counters;
    std::vector<RentalRow> m_rows;
    std::map<int, LabelRecord> m_labels;
    std::map<int, MediaRecord> m_media;
    Money m_surcharge;
    Money m_discount;
};

} // namespace tavolim::core

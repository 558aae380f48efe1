#pragma once

#include <QWidget>

#include <array>
#include <functional>

class QTableWidget;

namespace tavolim::app {

// Three grids side by side, "Dom-Qui", "Sexta-feira" and "Sábado" (day classes 1, 2, 3),
// of 15 rows each (counts 1..15): how every rule table of the store is shown. The last
// column is edited in place through a box named `editorName` (txtD, txtP); what the operator
// types goes to `onEdited`, and the grid then shows whatever the model holds.
class DayClassGrids final : public QWidget {
    Q_OBJECT

public:
    using Edited = std::function<void(int dayClass, int count, const QString& text)>;
    // Grids named `name` + "1".."3"; with a "Fitas" column before the value when asked (the
    // messages), else the count is the row header.
    DayClassGrids(const QString& name, const QString& valueHeader, const QString& editorName,
                  bool countColumn, QWidget* parent = nullptr);

    QTableWidget* grid(int dayClass) const
    {
        return m_grids[static_cast<std::size_t>(dayClass - 1)];
    }
    void setEditedHandler(Edited handler) { m_edited = std::move(handler); }

    // Fills every cell from `text(dayClass, count)`; cells for which `differs` says so are
    // shaded, as the labels selected hold different values there.
    void fill(const std::function<QString(int, int)>& text,
              const std::function<bool(int, int)>& differs = {});
    void setEditable(bool editable);

private:
    std::array<QTableWidget*, 3> m_grids{};
    Edited m_edited;
    bool m_filling = false;
    int m_valueColumn = 0;
};

} // namespace tavolim::app

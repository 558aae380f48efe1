#pragma once

#include "core/reports/CashChart.h"

#include <QColor>

#include <functional>

class QChart;
class QObject;

namespace tavolim::app {

// The pie types: one pie per data set, laid out in a grid over the plot area with its name
// under it, a slice per label above 0 coloured by `colour(label)`. The slices' labels are
// painted beside the pie (Qt's own clip to the plot and cannot go without leader lines), set
// apart so that none covers another; the largest slices keep theirs when there is no room
// for all. "Torta 3D" paints the rim below each pie. `tip` shows a slice's text on hover.
void drawCashPies(QChart* chart, const core::ChartData& data, const core::ChartLook& look,
                  const std::function<QColor(int)>& colour, QObject* context,
                  const std::function<void(const QString&)>& tip);

} // namespace tavolim::app

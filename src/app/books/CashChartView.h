#pragma once

#include "core/reports/CashChart.h"

#include <QByteArray>
#include <QChartView>
#include <QColor>

class QChart;

namespace tavolim::app {

// Graph1: the cash graph data drawn the way the chosen type, style and grid lines ask,
// through Qt Charts. The 3D types are drawn flat with a painted depth: bars with their top
// and right faces, a pie with its rim below it; "Dimensão-Z" puts each data set in a row of
// its own, one behind another.
class CashChartView final : public QChartView {
    Q_OBJECT

public:
    explicit CashChartView(QWidget* parent = nullptr);
    ~CashChartView() override;

    void draw(const core::ChartData& data, const core::ChartLook& look);
    const core::ChartLook& look() const { return m_look; }

    // The chart as it is on screen, as a PNG picture; on an A4 page in landscape, as PDF.
    QByteArray png();
    QByteArray pdf();

    // The colour of data set (or slice) i.
    static QColor colour(int i);

private:
    void drawPies(QChart* chart);
    void drawBars(QChart* chart);
    void drawLines(QChart* chart);
    void drawAreas(QChart* chart);
    void addAxes(QChart* chart, class QAbstractAxis* categories, class QAbstractAxis* values,
                 bool horizontal);

    core::ChartData m_data;
    core::ChartLook m_look;
};

} // namespace tavolim::app

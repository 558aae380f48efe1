#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QPointF>
#include <QRectF>

#include <functional>
#include <vector>

class QChart;
class QPainter;

namespace tavolim::app {

// Paints over (or under) a chart's own items in the chart's coordinates, each time the chart
// is painted, so that what it draws follows the plot area as the window is resized.
class ChartPainterItem final : public QGraphicsItem {
public:
    using Paint = std::function<void(QPainter&)>;

    // Below the series (z 4) and above the grid and axes (z 2 and 3) with the default z.
    ChartPainterItem(QChart* chart, Paint paint, qreal z = 3.5);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QChart* m_chart;
    Paint m_paint;
};

// A bar seen a little from above and from the right: its front, then its top and right
// faces going back by `depth` (up and to the right on the screen).
struct DepthBox {
    QRectF front;
    QColor colour;
    QPointF depth;
};

// The top and right faces of the boxes, in order (a later face covers an earlier one); the
// fronts too when `withFronts` (the chart's own bars are hidden then).
void paintBoxes(QPainter& painter, const std::vector<DepthBox>& boxes, bool withFronts);

// The rim of a pie seen from above: the lower half of its edge pushed down by `thickness`,
// each slice's part in its own colour, darker. Angles as the pie's slices give them: degrees
// clockwise from twelve o'clock.
struct RimSlice {
    qreal startAngle;
    qreal span;
    QColor colour;
};
void paintPieRim(QPainter& painter, QPointF centre, qreal radius, qreal thickness,
                 const std::vector<RimSlice>& slices);

} // namespace tavolim::app

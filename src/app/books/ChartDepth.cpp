#include "app/books/ChartDepth.h"

#include <QChart>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace tavolim::app {

ChartPainterItem::ChartPainterItem(QChart* chart, Paint paint, qreal z)
    : QGraphicsItem(chart), m_chart(chart), m_paint(std::move(paint))
{
    setZValue(z);
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(false);
}

QRectF ChartPainterItem::boundingRect() const
{
    return m_chart->rect();
}

void ChartPainterItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    m_paint(*painter);
    painter->restore();
}

void paintBoxes(QPainter& painter, const std::vector<DepthBox>& boxes, bool withFronts)
{
    for (const DepthBox& box : boxes) {
        const QRectF& f = box.front;
        if (f.width() < 0.5 || f.height() < 0.5) { // a bar of 0 has no faces
            continue;
        }
        const QPointF d = box.depth;
        const QPolygonF top({f.topLeft(), f.topRight(), f.topRight() + d, f.topLeft() + d});
        const QPolygonF side(
            {f.topRight(), f.bottomRight(), f.bottomRight() + d, f.topRight() + d});
        const QPen edge(box.colour.darker(170), 0.8);
        painter.setPen(edge);
        painter.setBrush(box.colour.lighter(125));
        painter.drawPolygon(top);
        painter.setBrush(box.colour.darker(140));
        painter.drawPolygon(side);
        if (withFronts) {
            painter.setBrush(box.colour);
            painter.drawRect(f);
        }
    }
}

void paintPieRim(QPainter& painter, QPointF centre, qreal radius, qreal thickness,
                 const std::vector<RimSlice>& slices)
{
    const QRectF top(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const QRectF bottom = top.translated(0, thickness);
    for (const RimSlice& slice : slices) {
        // Only the half of the edge nearest the viewer shows: 3 o'clock round to 9 o'clock.
        const qreal from = std::max<qreal>(slice.startAngle, 90);
        const qreal to = std::min<qreal>(slice.startAngle + slice.span, 270);
        if (to <= from) {
            continue;
        }
        QPainterPath wall;
        wall.arcMoveTo(top, 90 - from);
        wall.arcTo(top, 90 - from, -(to - from));
        wall.arcTo(bottom, 90 - to, to - from);
        wall.closeSubpath();
        painter.setPen(QPen(slice.colour.darker(200), 0.8));
        painter.setBrush(slice.colour.darker(150));
        painter.drawPath(wall);
    }
}

} // namespace tavolim::app

#include "app/books/CashPieChart.h"

#include "app/books/ChartDepth.h"
#include "app/shell/QtConversions.h"

#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QPainter>
#include <QPainterPath>
#include <QPieSeries>
#include <QPieSlice>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace tavolim::app {
namespace {

// Slices thinner than this keep their label for the tip only.
constexpr double kSmallestLabelled = 0.02;
constexpr qreal kCaptionHeight = 20;

struct SliceLabel {
    QString text;
    QColor colour;
    double share = 0;
    QPieSlice* slice = nullptr;
};

struct Pie {
    QPieSeries* series = nullptr;
    QGraphicsSimpleTextItem* caption = nullptr;
    std::vector<SliceLabel> labels;
    QRectF cell;
    QPointF centre;
    qreal radius = 0;
    qreal thickness = 0;
};

struct Pies {
    std::vector<Pie> pies;
    bool labels = true;
    core::ChartLook look;
    QFont font;
};

// Angles as the slices give them: degrees clockwise from twelve o'clock.
QPointF offset(qreal angle, qreal length)
{
    const qreal rad = angle * std::numbers::pi / 180;
    return {std::sin(rad) * length, -std::cos(rad) * length};
}

qreal armLength(const Pies& all)
{
    return all.look.labelLines ? 18 : 6;
}

void layout(QChart* chart, Pies& all)
{
    const QRectF area = chart->plotArea();
    if (area.width() <= 0 || area.height() <= 0 || all.pies.empty()) {
        return;
    }
    const QFontMetricsF fm(all.font);
    qreal labelWidth = 0;
    if (all.labels) {
        for (const Pie& pie : all.pies) {
            for (const SliceLabel& l : pie.labels) {
                labelWidth = std::max(labelWidth, fm.horizontalAdvance(l.text));
            }
        }
    }
    const auto n = static_cast<int>(all.pies.size());
    const qreal depthShare = all.look.depth ? 0.18 : 0;
    // The pie a grid of `cols` columns leaves room for: the labels need their width beside
    // it, the name its line below.
    const auto diameterFor = [&](int cols) {
        const int rows = (n + cols - 1) / cols;
        const qreal cellW = area.width() / cols;
        const qreal cellH = area.height() / rows;
        if (all.labels) {
            return std::min(cellW - 2 * (labelWidth + armLength(all) + 10),
                            (cellH - kCaptionHeight - 2.5 * fm.height()) / (1 + depthShare / 2));
        }
        return std::min(cellW, (cellH - kCaptionHeight) / (1 + depthShare / 2)) * 0.88;
    };
    int cols = 1;
    for (int c = 2; c <= n; ++c) {
        if (diameterFor(c) > diameterFor(cols)) {
            cols = c;
        }
    }
    const int rows = (n + cols - 1) / cols;
    cols = (n + rows - 1) / rows;
    const qreal cellW = area.width() / cols;
    const qreal cellH = area.height() / rows;
    const qreal diameter = std::max<qreal>(diameterFor(cols), 30);
    for (int p = 0; p < n; ++p) {
        Pie& pie = all.pies[static_cast<std::size_t>(p)];
        const int r = p / cols;
        const int c = p % cols;
        pie.cell = QRectF(area.left() + c * cellW, area.top() + r * cellH, cellW, cellH);
        pie.radius = diameter / 2;
        pie.thickness = pie.radius * depthShare;
        pie.centre = QPointF(pie.cell.center().x(),
                             pie.cell.top() + (cellH - kCaptionHeight - pie.thickness) / 2);
        pie.series->setHorizontalPosition((pie.centre.x() - area.left()) / area.width());
        pie.series->setVerticalPosition((pie.centre.y() - area.top()) / area.height());
        pie.series->setPieSize(diameter / std::min(area.width(), area.height()));
        const QRectF box = pie.caption->boundingRect();
        const qreal below =
            pie.centre.y() + pie.radius + pie.thickness + (all.labels ? fm.height() * 1.3 : 6);
        pie.caption->setPos(pie.centre.x() - box.width() / 2,
                            std::min(below, pie.cell.bottom() - kCaptionHeight + 2));
    }
}

// A label's place: the point of the slice's edge it names, and the height of its text.
struct Placed {
    const SliceLabel* label;
    qreal angle;
    QPointF edge;
    qreal y;
};

void paintLabels(QPainter& painter, const Pies& all)
{
    if (!all.labels) {
        return;
    }
    const QFontMetricsF fm(all.font);
    const qreal h = fm.height();
    painter.setFont(all.font);
    for (const Pie& pie : all.pies) {
        // The rim of a 3D pie pushes the lower half of its edge down.
        const auto edgeAt = [&pie](qreal angle, qreal length) {
            const QPointF p = pie.centre + offset(angle, length);
            return p + QPointF(0, pie.thickness *
                                      std::max(0.0, -std::cos(angle * std::numbers::pi / 180)));
        };
        const qreal arm = armLength(all);
        for (const bool right : {true, false}) {
            std::vector<Placed> side;
            for (const SliceLabel& l : pie.labels) {
                const qreal angle = l.slice->startAngle() + l.slice->angleSpan() / 2;
                if (l.share < kSmallestLabelled ||
                    (std::sin(angle * std::numbers::pi / 180) >= 0) != right) {
                    continue;
                }
                side.push_back({&l, angle, edgeAt(angle, pie.radius + 1),
                                edgeAt(angle, pie.radius + arm).y()});
            }
            // No more labels than the cell holds lines: the largest slices keep theirs.
            const auto room =
                static_cast<std::size_t>(std::max(0.0, (pie.cell.height() - kCaptionHeight) / h));
            if (side.size() > room) {
                std::sort(side.begin(), side.end(), [](const Placed& a, const Placed& b) {
                    return a.label->share > b.label->share;
                });
                side.resize(room);
            }
            std::sort(side.begin(), side.end(),
                      [](const Placed& a, const Placed& b) { return a.y < b.y; });
            // Apart by a line each, inside the cell: pushed down, then back up from the foot.
            const qreal top = pie.cell.top() + h / 2;
            const qreal bottom = pie.cell.bottom() - kCaptionHeight - h / 2;
            for (std::size_t i = 0; i < side.size(); ++i) {
                side[i].y = std::max(side[i].y, i == 0 ? top : side[i - 1].y + h);
            }
            for (std::size_t i = side.size(); i-- > 0;) {
                side[i].y = std::min(side[i].y, i + 1 == side.size() ? bottom : side[i + 1].y - h);
            }
            for (const Placed& p : side) {
                const SliceLabel& l = *p.label;
                const qreal w = fm.horizontalAdvance(l.text);
                qreal x = 0;
                if (all.look.labelLines) {
                    const qreal column = pie.centre.x() + (right ? 1 : -1) * (pie.radius + arm + 4);
                    const QPointF elbow = edgeAt(p.angle, pie.radius + arm * 0.5);
                    QPainterPath line(p.edge);
                    line.lineTo(elbow);
                    line.lineTo(QPointF(column, p.y));
                    painter.setPen(
                        QPen(all.look.colouredLabels ? l.colour : QColor(0x707070), 0.9));
                    painter.setBrush(Qt::NoBrush);
                    painter.drawPath(line);
                    x = right ? column + 3 : column - 3 - w;
                } else {
                    const qreal anchor = edgeAt(p.angle, pie.radius + arm).x();
                    x = right ? anchor : anchor - w;
                }
                painter.setPen(all.look.colouredLabels ? l.colour.darker(115) : QColor(Qt::black));
                painter.drawText(QPointF(x, p.y + (fm.ascent() - fm.descent()) / 2), l.text);
            }
        }
    }
}

} // namespace

void drawCashPies(QChart* chart, const core::ChartData& data, const core::ChartLook& look,
                  const std::function<QColor(int)>& colour, QObject* context,
                  const std::function<void(const QString&)>& tip)
{
    auto all = std::make_shared<Pies>();
    all->look = look;
    // Beyond four pies the labels would crowd: the legend and the tips tell.
    all->labels = data.sets.size() <= 4;
    all->font = chart->font();
    // Slices labelled beside the pie name themselves. Small pies carry their names inside,
    // and the legend tells them in a column while it holds them all; past that the tips
    // and the table do.
    if (all->labels || data.names.size() > 20) {
        chart->legend()->hide();
    } else {
        chart->legend()->setAlignment(Qt::AlignRight);
    }
    for (const core::ChartSet& set : data.sets) {
        double sum = 0;
        for (const double v : set.values) {
            sum += std::max(v, 0.0);
        }
        Pie pie;
        pie.series = new QPieSeries;
        pie.series->setName(toQString(set.name));
        // Slices go in at once: each one appended alone remakes the legend's whole list.
        QList<QPieSlice*> slices;
        for (std::size_t b = 0; b < set.values.size() && b < data.names.size(); ++b) {
            const double v = set.values[b];
            if (v <= 0) {
                continue;
            }
            const double share = v / sum;
            const QString bucket = toQString(data.names[b]);
            const QString value =
                toQString(look.percentLabels ? core::percentText(share)
                                             : core::chartValueText(v, data.money));
            auto* slice = new QPieSlice(bucket, v);
            slices.append(slice);
            const QColor c = colour(static_cast<int>(b));
            slice->setColor(c);
            slice->setBorderColor(Qt::white);
            if (all->labels) {
                slice->setLabelVisible(false);
            } else {
                // Inside a small pie there is room for a name, not for 31 of them, nor in a
                // thin slice.
                slice->setLabelVisible(data.names.size() <= 12 && share >= 0.05);
                slice->setLabelColor(Qt::white);
                slice->setLabelPosition(QPieSlice::LabelInsideHorizontal);
            }
            pie.labels.push_back({bucket + QStringLiteral(": ") + value, c, share, slice});
            const QString shown =
                toQString(set.name) + QStringLiteral(" - ") + bucket + QStringLiteral(": ") +
                toQString(core::chartValueText(v, data.money)) + QStringLiteral(" (") +
                toQString(core::percentText(share)) + QStringLiteral(")");
            QObject::connect(slice, &QPieSlice::hovered, context, [tip, shown](bool on) {
                if (on) {
                    tip(shown);
                }
            });
        }
        pie.series->append(slices);
        chart->addSeries(pie.series);
        pie.caption = new QGraphicsSimpleTextItem(toQString(set.name), chart);
        QFont bold = all->font;
        bold.setBold(true);
        pie.caption->setFont(bold);
        pie.caption->setZValue(6);
        all->pies.push_back(std::move(pie));
    }

    if (chart->legend()->isVisible()) {
        // The legend names each label once, whichever pie shows it first; laid out once.
        chart->legend()->hide();
        std::vector<QString> named;
        for (QLegendMarker* marker : chart->legend()->markers()) {
            const bool first =
                std::find(named.begin(), named.end(), marker->label()) == named.end();
            marker->setVisible(first);
            if (first) {
                named.push_back(marker->label());
            }
        }
        chart->legend()->show();
    }
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [chart, all] { layout(chart, *all); });
    layout(chart, *all);
    new ChartPainterItem(
        chart, [all](QPainter& painter) { paintLabels(painter, *all); }, 4.8);
    if (look.depth) {
        new ChartPainterItem(chart, [all](QPainter& painter) {
            for (const Pie& pie : all->pies) {
                std::vector<RimSlice> rim;
                for (QPieSlice* slice : pie.series->slices()) {
                    rim.push_back({slice->startAngle(), slice->angleSpan(), slice->color()});
                }
                paintPieRim(painter, pie.centre, pie.radius, pie.thickness, rim);
            }
        });
    }
}

} // namespace tavolim::app

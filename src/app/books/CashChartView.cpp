#include "app/books/CashChartView.h"

#include "app/books/ChartDepth.h"
#include "app/shell/QtConversions.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QCursor>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalBarSeries>
#include <QHorizontalPercentBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPercentBarSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace tavolim::app {
namespace {

using core::BarStacking;
using core::GridLines;

// Far apart from one another, and none too pale on white paper.
constexpr std::array<QRgb, 12> kPalette = {0x2f6fb5, 0xe8731c, 0x3a9a3a, 0xc9302c,
                                           0x7e57b3, 0x8c5a3c, 0xd6549d, 0x6b6b6b,
                                           0xa8a021, 0x1fa3b8, 0x1f3f7a, 0x9c1d5a};

QString text(const std::string& s)
{
    return toQString(s);
}

QString valueText(double value, bool money)
{
    return text(core::chartValueText(value, money));
}

// Money with cents, counts whole, shares as percentages; in the Brazilian way through the
// chart's locale.
QValueAxis* valueAxis(bool money, bool percent, double top)
{
    auto* axis = new QValueAxis;
    axis->setLabelFormat(percent ? QStringLiteral("%.0f%%")
                         : money ? QStringLiteral("%.2f")
                                 : QStringLiteral("%.0f"));
    if (percent) {
        axis->setRange(0, 100);
        axis->setTickCount(6);
    } else {
        // Whole counts need whole steps: no range below five.
        axis->setRange(0, std::max(top, money ? 1.0 : 5.0));
        axis->applyNiceNumbers();
    }
    return axis;
}

double largest(const core::ChartData& data)
{
    double top = 0;
    for (const auto& set : data.sets) {
        for (const double v : set.values) {
            top = std::max(top, v);
        }
    }
    return top;
}

void tip(const QString& shown)
{
    QToolTip::showText(QCursor::pos(), shown);
}

// "Jan/2026 - Seg: 1.234,56"
QString pointText(const core::ChartData& data, std::size_t set, std::size_t label)
{
    if (set >= data.sets.size() || label >= data.labels.size() ||
        label >= data.sets[set].values.size()) {
        return {};
    }
    return text(data.sets[set].name) + QStringLiteral(" - ") + text(data.labels[label]) +
           QStringLiteral(": ") + valueText(data.sets[set].values[label], data.money);
}

} // namespace

CashChartView::CashChartView(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("Graph1"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(420, 260);
}

CashChartView::~CashChartView() = default;

QColor CashChartView::colour(int i)
{
    const auto n = static_cast<int>(kPalette.size());
    const QColor base(kPalette[static_cast<std::size_t>(i % n)]);
    // Past the palette the same colours come back lighter, then darker.
    switch ((i / n) % 3) {
    case 1:
        return base.lighter(145);
    case 2:
        return base.darker(140);
    default:
        return base;
    }
}

void CashChartView::draw(const core::ChartData& data, const core::ChartLook& look)
{
    m_data = data;
    m_look = look;
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    chart->setTitle(text(data.title));
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    chart->setTitleFont(titleFont);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(8, 8, 8, 8));
    if (!data.sets.empty() && !data.labels.empty()) {
        if (look.isPie()) {
            drawPies(chart);
        } else if (look.isBars()) {
            drawBars(chart);
        } else if (look.isLines()) {
            drawLines(chart);
        } else {
            drawAreas(chart);
        }
    }
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

void CashChartView::addAxes(QChart* chart, QAbstractAxis* categories, QAbstractAxis* values,
                            bool horizontal)
{
    QAbstractAxis* bottom = horizontal ? values : categories;
    QAbstractAxis* left = horizontal ? categories : values;
    chart->addAxis(bottom, Qt::AlignBottom);
    chart->addAxis(left, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(bottom);
        series->attachAxis(left);
    }
    // Grid lines are named by the way they run: horizontal ones belong to the left axis.
    const GridLines grid = m_look.grid;
    left->setGridLineVisible(grid == GridLines::Horizontal || grid == GridLines::All);
    bottom->setGridLineVisible(grid == GridLines::Vertical || grid == GridLines::All);
    left->setMinorGridLineVisible(false);
    bottom->setMinorGridLineVisible(false);
}

void CashChartView::drawPies(QChart* chart)
{
    const core::ChartData& data = m_data;
    const auto count = static_cast<int>(data.sets.size());
    // Beyond four pies the labels would run into each other: the legend and the tips tell.
    const bool labels = count <= 4;

    struct Pie {
        QPieSeries* series;
        QGraphicsSimpleTextItem* caption;
        QPointF centre;
        qreal radius = 0;
    };
    auto pies = std::make_shared<std::vector<Pie>>();
    std::vector<bool> inLegend(data.labels.size(), false);
    for (int p = 0; p < count; ++p) {
        const core::ChartSet& set = data.sets[static_cast<std::size_t>(p)];
        double sum = 0;
        for (const double v : set.values) {
            sum += std::max(v, 0.0);
        }
        auto* series = new QPieSeries;
        series->setName(text(set.name));
        chart->addSeries(series);
        for (std::size_t b = 0; b < set.values.size() && b < data.labels.size(); ++b) {
            const double v = set.values[b];
            if (v <= 0) {
                continue;
            }
            const double share = v / sum;
            const QString value =
                m_look.percentLabels ? text(core::percentText(share)) : valueText(v, data.money);
            auto* slice = series->append(text(data.labels[b]) + QStringLiteral(": ") + value, v);
            const QColor c = colour(static_cast<int>(b));
            slice->setColor(c);
            slice->setBorderColor(Qt::white);
            slice->setLabelVisible(labels && share >= 0.02);
            slice->setLabelPosition(QPieSlice::LabelOutside);
            slice->setLabelArmLengthFactor(m_look.labelLines ? 0.12 : 0.0);
            slice->setLabelColor(m_look.colouredLabels ? c.darker(115) : QColor(Qt::black));
            const QString shown = text(set.name) + QStringLiteral(" - ") + slice->label() +
                                  QStringLiteral(" (") + text(core::percentText(share)) +
                                  QStringLiteral(")");
            connect(slice, &QPieSlice::hovered, this, [shown](bool on) {
                if (on) {
                    tip(shown);
                }
            });
            // The legend names each bucket once, whatever pie it first shows in.
            QLegendMarker* marker = chart->legend()->markers(series).constLast();
            marker->setLabel(text(data.labels[b]));
            marker->setVisible(!inLegend[b]);
            inLegend[b] = true;
        }
        auto* caption = new QGraphicsSimpleTextItem(text(set.name), chart);
        QFont font = caption->font();
        font.setBold(true);
        caption->setFont(font);
        caption->setZValue(6);
        pies->push_back({series, caption, {}, 0});
    }

    const bool depth = m_look.depth;
    const auto layout = [chart, pies, labels, depth] {
        const QRectF area = chart->plotArea();
        if (area.width() <= 0 || area.height() <= 0 || pies->empty()) {
            return;
        }
        const auto n = static_cast<int>(pies->size());
        int cols = std::clamp(
            static_cast<int>(std::ceil(std::sqrt(n * area.width() / area.height()))), 1, n);
        const int rows = (n + cols - 1) / cols;
        cols = (n + rows - 1) / rows;
        const qreal cellW = area.width() / cols;
        const qreal cellH = area.height() / rows;
        const qreal captionH = 20;
        const qreal room = std::min(cellW, cellH - captionH);
        const qreal diameter = std::max<qreal>(room * (labels ? 0.6 : 0.82), 10);
        for (int p = 0; p < n; ++p) {
            Pie& pie = (*pies)[static_cast<std::size_t>(p)];
            const int r = p / cols;
            const int c = p % cols;
            const qreal thickness = depth ? diameter * 0.09 : 0;
            pie.centre = QPointF(area.left() + (c + 0.5) * cellW,
                                 area.top() + r * cellH + (cellH - captionH - thickness) / 2);
            pie.radius = diameter / 2;
            pie.series->setHorizontalPosition((pie.centre.x() - area.left()) / area.width());
            pie.series->setVerticalPosition((pie.centre.y() - area.top()) / area.height());
            pie.series->setPieSize(diameter / std::min(area.width(), area.height()));
            const QRectF box = pie.caption->boundingRect();
            pie.caption->setPos(pie.centre.x() - box.width() / 2,
                                area.top() + (r + 1) * cellH - captionH + 2);
        }
    };
    connect(chart, &QChart::plotAreaChanged, chart, layout);
    layout();

    if (depth) {
        new ChartPainterItem(chart, [pies](QPainter& painter) {
            for (const Pie& pie : *pies) {
                std::vector<RimSlice> rim;
                for (QPieSlice* slice : pie.series->slices()) {
                    rim.push_back({slice->startAngle(), slice->angleSpan(), slice->color()});
                }
                paintPieRim(painter, pie.centre, pie.radius, pie.radius * 0.18, rim);
            }
        });
    }
}

void CashChartView::drawBars(QChart* chart)
{
    const core::ChartData& data = m_data;
    const core::ChartLook look = m_look;
    QAbstractBarSeries* series = nullptr;
    if (look.stacking == BarStacking::Stacked) {
        series = look.horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                                 : new QStackedBarSeries;
    } else if (look.stacking == BarStacking::Percent) {
        series = look.horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalPercentBarSeries)
                                 : new QPercentBarSeries;
    } else {
        series = look.horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                 : new QBarSeries;
    }
    const auto count = static_cast<int>(data.sets.size());
    series->setBarWidth(look.rowsInDepth ? 0.55 : 0.75);
    for (int j = 0; j < count; ++j) {
        const core::ChartSet& s = data.sets[static_cast<std::size_t>(j)];
        auto* set = new QBarSet(text(s.name));
        for (const double v : s.values) {
            set->append(v);
        }
        const QColor c = colour(j);
        set->setColor(c);
        set->setBorderColor(c.darker(130));
        if (look.rowsInDepth) {
            // The rows are painted one behind another; the chart's own bars only hold the
            // axes and the legend.
            set->setColor(Qt::transparent);
            set->setBorderColor(Qt::transparent);
        }
        connect(set, &QBarSet::hovered, this, [this, j](bool on, int index) {
            if (on) {
                tip(pointText(m_data, static_cast<std::size_t>(j),
                              static_cast<std::size_t>(index)));
            }
        });
        series->append(set);
    }
    chart->addSeries(series);
    if (look.rowsInDepth) {
        const auto markers = chart->legend()->markers(series);
        for (int j = 0; j < markers.size(); ++j) {
            markers[j]->setBrush(colour(j));
            markers[j]->setPen(QPen(colour(j).darker(130)));
        }
    }

    auto* categories = new QBarCategoryAxis;
    for (const std::string& label : data.labels) {
        categories->append(text(label));
    }
    double top = largest(data);
    if (look.stacking == BarStacking::Stacked) {
        top = 0;
        for (std::size_t i = 0; i < data.labels.size(); ++i) {
            double sum = 0;
            for (const auto& s : data.sets) {
                sum += i < s.values.size() ? std::max(s.values[i], 0.0) : 0.0;
            }
            top = std::max(top, sum);
        }
    }
    if (look.rowsInDepth) {
        top *= 1.0 + 0.35 * std::min(1.0, (count - 1) / 4.0); // room for the rows behind
    }
    addAxes(chart, categories, valueAxis(data.money, look.stacking == BarStacking::Percent, top),
            look.horizontal);

    if (!look.depth) {
        return;
    }
    const auto values = data.sets;
    const auto boxes = [chart, series, values, look]() {
        const auto n = static_cast<int>(values.size());
        const std::size_t labels = values.empty() ? 0 : values.front().values.size();
        const qreal bw = series->barWidth();
        const auto at = [&](qreal category, qreal value) {
            return look.horizontal ? chart->mapToPosition(QPointF(value, category), series)
                                   : chart->mapToPosition(QPointF(category, value), series);
        };
        const QPointF step = at(1, 0) - at(0, 0);
        const qreal categoryPx = std::hypot(step.x(), step.y());
        qreal rowStep = 0;
        if (look.rowsInDepth) {
            const QRectF area = chart->plotArea();
            const qreal room =
                std::min(categoryPx * 0.9, (look.horizontal ? area.width() : area.height()) * 0.25);
            rowStep = n > 1 ? room / n : 0;
        }
        // boxes[j][i]: data set j over label i.
        std::vector<std::vector<DepthBox>> grid(static_cast<std::size_t>(n));
        for (std::size_t i = 0; i < labels; ++i) {
            double sum = 0;
            for (const auto& s : values) {
                sum += std::max(s.values[i], 0.0);
            }
            double below = 0;
            for (int j = 0; j < n; ++j) {
                double v = std::max(values[static_cast<std::size_t>(j)].values[i], 0.0);
                if (look.stacking == BarStacking::Percent) {
                    v = sum > 0 ? v / sum * 100 : 0;
                }
                qreal from = static_cast<qreal>(i) - bw / 2;
                qreal to = static_cast<qreal>(i) + bw / 2;
                double base = 0;
                if (look.stacking != BarStacking::SideBySide) {
                    base = below;
                    below += v;
                } else if (!look.rowsInDepth) {
                    from += bw * j / n;
                    to = from + bw / n;
                }
                DepthBox box;
                box.front = QRectF(at(from, base), at(to, base + v)).normalized();
                box.colour = colour(j);
                const qreal thick = look.horizontal ? box.front.height() : box.front.width();
                const qreal d = look.rowsInDepth ? rowStep * 0.8 : std::min(thick * 0.45, 12.0);
                box.depth = QPointF(d, -d);
                box.front.translate(rowStep * j, -rowStep * j);
                grid[static_cast<std::size_t>(j)].push_back(box);
            }
        }
        // What is farther back is painted first: the rows from the back; at one depth, from
        // the left and from below, as the depth goes up and to the right.
        std::vector<DepthBox> out;
        if (look.rowsInDepth) {
            for (auto row = grid.rbegin(); row != grid.rend(); ++row) {
                out.insert(out.end(), row->begin(), row->end());
            }
        } else {
            for (std::size_t i = 0; i < labels; ++i) {
                for (const auto& row : grid) {
                    out.push_back(row[i]);
                }
            }
            if (look.horizontal) {
                std::stable_sort(out.begin(), out.end(), [](const DepthBox& a, const DepthBox& b) {
                    return a.front.bottom() > b.front.bottom();
                });
            }
        }
        return out;
    };
    const bool fronts = look.rowsInDepth;
    new ChartPainterItem(
        chart, [boxes, fronts](QPainter& painter) { paintBoxes(painter, boxes(), fronts); },
        fronts ? 4.5 : 3.5);
}

void CashChartView::drawLines(QChart* chart)
{
    const core::ChartData& data = m_data;
    const core::ChartLook look = m_look;
    const auto [floor, ceiling] = core::logRange(data);
    const double bottom = look.logScale ? floor : 0;
    static constexpr std::array<QScatterSeries::MarkerShape, 6> shapes = {
        QScatterSeries::MarkerShapeCircle,   QScatterSeries::MarkerShapeRectangle,
        QScatterSeries::MarkerShapeTriangle, QScatterSeries::MarkerShapeRotatedRectangle,
        QScatterSeries::MarkerShapeStar,     QScatterSeries::MarkerShapePentagon};

    for (std::size_t j = 0; j < data.sets.size(); ++j) {
        const QColor c = colour(static_cast<int>(j));
        auto* line = new QLineSeries;
        line->setName(text(data.sets[j].name));
        for (std::size_t i = 0; i < data.sets[j].values.size(); ++i) {
            // A log axis has no 0: what is not above its floor stands on it.
            line->append(static_cast<qreal>(i), std::max(data.sets[j].values[i], bottom));
        }
        line->setPen(look.lines ? QPen(c, 2.2) : QPen(Qt::NoPen));
        chart->addSeries(line);
        const auto hover = [this, j](const QPointF& point, bool on) {
            if (on) {
                tip(pointText(m_data, j, static_cast<std::size_t>(std::lround(point.x()))));
            }
        };
        connect(line, &QLineSeries::hovered, this, hover);
        QLegendMarker* lineMarker = chart->legend()->markers(line).constFirst();
        if (look.symbols) {
            auto* points = new QScatterSeries;
            points->setName(line->name());
            points->append(line->points());
            points->setMarkerShape(shapes[j % shapes.size()]);
            points->setMarkerSize(10);
            points->setColor(c);
            points->setBorderColor(c.darker(140));
            chart->addSeries(points);
            connect(points, &QScatterSeries::hovered, this, hover);
            // One legend entry per data set: the line's when there is a line.
            chart->legend()->markers(points).constFirst()->setVisible(!look.lines);
            lineMarker->setVisible(look.lines);
        } else if (!look.lines) {
            lineMarker->setBrush(c);
            lineMarker->setPen(QPen(c));
        }
    }

    auto* categories = new QBarCategoryAxis;
    for (const std::string& label : data.labels) {
        categories->append(text(label));
    }
    QAbstractAxis* values = nullptr;
    if (look.logScale) {
        auto* axis = new QLogValueAxis;
        axis->setBase(10);
        axis->setRange(floor, ceiling);
        axis->setLabelFormat(data.money ? QStringLiteral("%.2f") : QStringLiteral("%.0f"));
        axis->setMinorTickCount(8);
        values = axis;
    } else {
        values = valueAxis(data.money, false, largest(data));
    }
    addAxes(chart, categories, values, false);

    if (look.sticks) {
        const auto sets = data.sets;
        QLineSeries* anchor = qobject_cast<QLineSeries*>(chart->series().constFirst());
        new ChartPainterItem(chart, [chart, anchor, sets, bottom](QPainter& painter) {
            const auto n = static_cast<double>(sets.size());
            for (std::size_t j = 0; j < sets.size(); ++j) {
                // Side by side around the label, so that no stick hides another.
                const qreal offset = n > 1 ? (static_cast<double>(j) - (n - 1) / 2) * 0.5 / n : 0;
                painter.setPen(QPen(colour(static_cast<int>(j)), 3, Qt::SolidLine, Qt::FlatCap));
                for (std::size_t i = 0; i < sets[j].values.size(); ++i) {
                    const qreal x = static_cast<qreal>(i) + offset;
                    const double v = std::max(sets[j].values[i], bottom);
                    painter.drawLine(chart->mapToPosition(QPointF(x, bottom), anchor),
                                     chart->mapToPosition(QPointF(x, v), anchor));
                }
            }
        });
    }
}

void CashChartView::drawAreas(QChart* chart)
{
    const core::ChartData& data = m_data;
    const auto uppers = core::stackedAreas(data, m_look.percentAreas);
    double top = 0;
    for (std::size_t j = 0; j < uppers.size(); ++j) {
        auto* upper = new QLineSeries;
        QLineSeries* lower = j > 0 ? new QLineSeries : nullptr;
        for (std::size_t i = 0; i < uppers[j].size(); ++i) {
            upper->append(static_cast<qreal>(i), uppers[j][i]);
            top = std::max(top, uppers[j][i]);
            if (lower) {
                lower->append(static_cast<qreal>(i), uppers[j - 1][i]);
            }
        }
        auto* area = new QAreaSeries(upper, lower);
        upper->setParent(area);
        if (lower) {
            lower->setParent(area);
        }
        area->setName(text(data.sets[j].name));
        QColor c = colour(static_cast<int>(j));
        area->setBorderColor(c.darker(140));
        c.setAlpha(215);
        area->setColor(c);
        chart->addSeries(area);
        connect(area, &QAreaSeries::hovered, this, [this, j](const QPointF& point, bool on) {
            if (on) {
                tip(pointText(m_data, j, static_cast<std::size_t>(std::lround(point.x()))));
            }
        });
    }
    auto* categories = new QBarCategoryAxis;
    for (const std::string& label : data.labels) {
        categories->append(text(label));
    }
    addAxes(chart, categories, valueAxis(data.money, m_look.percentAreas, top), false);
}

QByteArray CashChartView::png()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    grab().toImage().save(&buffer, "PNG");
    return bytes;
}

QByteArray CashChartView::pdf()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("Gráficos de Caixa"));
    writer.setCreator(QStringLiteral("Tavolim"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    QPainter painter(&writer);
    render(&painter);
    painter.end();
    return bytes;
}

} // namespace tavolim::app

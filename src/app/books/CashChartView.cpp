#include "app/books/CashChartView.h"

#include "app/books/CashPieChart.h"
#include "app/books/ChartDepth.h"
#include "app/shell/QtConversions.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QCursor>
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

// The farthest the rows of "Dimensão-Z" go back.
constexpr qreal kRowsDepthPx = 48;

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
    // What follows the number is taken as it stands: "%" once.
    axis->setLabelFormat(percent ? QStringLiteral("%.0f%")
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

// The days of a month are many and narrow: a smaller type keeps them from being cut short.
QBarCategoryAxis* categoryAxis(const std::vector<std::string>& labels)
{
    auto* axis = new QBarCategoryAxis;
    for (const std::string& label : labels) {
        axis->append(text(label));
    }
    if (labels.size() > 12) {
        QFont font = axis->labelsFont();
        font.setPointSizeF(font.pointSizeF() * 0.8);
        axis->setLabelsFont(font);
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
    if (set >= data.sets.size() || label >= data.names.size() ||
        label >= data.sets[set].values.size()) {
        return {};
    }
    return text(data.sets[set].name) + QStringLiteral(" - ") + text(data.names[label]) +
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
    // Under the chart while the names fit in a row; beside it past that.
    chart->legend()->setAlignment(data.sets.size() > 6 ? Qt::AlignRight : Qt::AlignBottom);
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
    drawCashPies(chart, m_data, m_look, &CashChartView::colour, this, tip);
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
    series->setBarWidth(look.rowsInDepth ? 0.5 : 0.75);
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
        // Room on the right for the rows going back.
        chart->setMargins(QMargins(8, 8, 8 + static_cast<int>(kRowsDepthPx), 8));
        const auto markers = chart->legend()->markers(series);
        for (int j = 0; j < markers.size(); ++j) {
            markers[j]->setBrush(colour(j));
            markers[j]->setPen(QPen(colour(j).darker(130)));
        }
    }

    QBarCategoryAxis* categories = categoryAxis(data.labels);
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
        top *= 1.0 + 0.25 * std::min(1.0, (count - 1) / 3.0); // room for the rows behind
    }
    addAxes(chart, categories, valueAxis(data.money, look.stacking == BarStacking::Percent, top),
            look.horizontal);

    if (!look.depth) {
        return;
    }
    const auto values = data.sets;
    // How far back each row of "Dimensão-Z" stands, in pixels.
    const auto rowStepOf = [chart, series, look, count] {
        if (!look.rowsInDepth || count < 2) {
            return 0.0;
        }
        const QPointF next = look.horizontal ? QPointF(0, 1) : QPointF(1, 0);
        const QPointF step =
            chart->mapToPosition(next, series) - chart->mapToPosition(QPointF(0, 0), series);
        const QRectF area = chart->plotArea();
        const qreal categoryPx = std::hypot(step.x(), step.y());
        const qreal room =
            std::min({categoryPx * (1 - series->barWidth()) * 1.1,
                      (look.horizontal ? area.width() : area.height()) * 0.18, kRowsDepthPx});
        return room / count;
    };
    const auto boxes = [chart, series, values, look, rowStepOf]() {
        const auto n = static_cast<int>(values.size());
        const std::size_t labels = values.empty() ? 0 : values.front().values.size();
        const qreal bw = series->barWidth();
        const auto at = [&](qreal category, qreal value) {
            return look.horizontal ? chart->mapToPosition(QPointF(value, category), series)
                                   : chart->mapToPosition(QPointF(category, value), series);
        };
        const qreal rowStep = rowStepOf();
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
                const qreal d = look.rowsInDepth ? rowStep * 0.75 : std::min(thick * 0.45, 12.0);
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
    if (look.rowsInDepth) {
        // The floor the rows stand on, going back from the axis.
        new ChartPainterItem(
            chart,
            [chart, look, rowStepOf, count](QPainter& painter) {
                const QRectF area = chart->plotArea();
                const qreal back = rowStepOf() * count;
                const QPointF d(back, -back);
                const QPolygonF floor =
                    look.horizontal ? QPolygonF({area.bottomLeft(), area.topLeft(),
                                                 area.topLeft() + d, area.bottomLeft() + d})
                                    : QPolygonF({area.bottomLeft(), area.bottomRight(),
                                                 area.bottomRight() + d, area.bottomLeft() + d});
                painter.setPen(QPen(QColor(0xb0b0b0), 0.8));
                painter.setBrush(QColor(0xececec));
                painter.drawPolygon(floor);
            },
            3.2);
    }
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

    QBarCategoryAxis* categories = categoryAxis(data.labels);
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
    if (look.logScale) {
        // A decade holds one label: the lines between tell 20, 30 ... apart.
        values->setMinorGridLineVisible(values->isGridLineVisible());
    }

    if (look.sticks) {
        const auto sets = data.sets;
        QLineSeries* anchor = qobject_cast<QLineSeries*>(chart->series().constFirst());
        new ChartPainterItem(chart, [chart, anchor, sets, bottom](QPainter& painter) {
            const std::size_t labels = sets.front().values.size();
            for (std::size_t i = 0; i < labels; ++i) {
                // The sticks of one label stand together: the tallest first, so that each
                // reaches its own point and none hides another.
                std::vector<std::size_t> order(sets.size());
                for (std::size_t j = 0; j < order.size(); ++j) {
                    order[j] = j;
                }
                std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
                    return sets[a].values[i] > sets[b].values[i];
                });
                for (const std::size_t j : order) {
                    const auto x = static_cast<qreal>(i);
                    const double v = std::max(sets[j].values[i], bottom);
                    painter.setPen(
                        QPen(colour(static_cast<int>(j)), 3, Qt::SolidLine, Qt::FlatCap));
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
    QBarCategoryAxis* categories = categoryAxis(data.labels);
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

#include "gui/ChartPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <array>
#include <cmath>
#include <vector>

namespace ChartPainter {

namespace {

// Whole-number ticks, about six of them.
double tickInterval(double range)
{
    for (double step : {1.0, 2.0, 5.0, 10.0, 20.0, 25.0, 50.0, 100.0, 200.0, 250.0, 500.0, 1000.0})
        if (range / step <= 8)
            return step;
    return std::ceil(range / 8);
}

QColor barColour(const StatisticSeries::Bar& bar)
{
    const StatisticSeries::Rgb rgb = bar.colour.value_or(StatisticSeries::Green);
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

QString categoryText(double x)
{
    return QString::number(qint64(x));
}

} // namespace

ValueRange valueRange(const StatisticSeries& series)
{
    double lo = series.axisMinimum;
    double hi = series.axisMaximum;
    if (!std::isfinite(lo) || !std::isfinite(hi))
        lo = 0, hi = 1;
    if (hi <= lo)
        hi = lo + 1; // a single value still needs a visible range
    if (series.scale == StatisticSeries::Scale::Fixed && lo > 0)
        lo = std::max(0.0, std::floor(lo - std::max(1.0, (hi - lo) * 0.1)));
    double tick = tickInterval(hi - lo);
    if (series.scale == StatisticSeries::Scale::Automatic) {
        lo = std::floor(lo / tick) * tick;
        hi = std::ceil(hi / tick) * tick;
        tick = tickInterval(hi - lo);
    }
    return {lo, hi, tick};
}

int labelStep(int bars, double labelWidth, double available)
{
    if (bars <= 0)
        return 1;
    for (int step : std::array{1, 2, 5, 10, 20, 25, 50, 100})
        if (double(bars) / step * labelWidth <= available)
            return step;
    return 100;
}

void paint(QPainter& painter, const QRectF& area, const StatisticSeries& series)
{
    painter.save();
    painter.fillRect(area, Qt::white);

    const double unit = std::clamp(std::min(area.width(), area.height()) / 45.0, 8.0, 40.0);
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setStyleHint(QFont::SansSerif);
    labelFont.setPixelSize(int(unit));
    QFont titleFont = labelFont;
    titleFont.setPixelSize(int(unit * 1.25));
    const QFontMetricsF labels(labelFont, painter.device());
    const QFontMetricsF title(titleFont, painter.device());

    const ValueRange range = valueRange(series);
    // Ticks at whole multiples of the interval, as the chart view anchors them at zero.
    std::vector<double> ticks;
    for (double v = std::ceil(range.min / range.tick) * range.tick; v <= range.max + 1e-9; v += range.tick)
        ticks.push_back(v);
    double valueWidth = 0;
    for (double v : ticks)
        valueWidth = std::max(valueWidth, labels.horizontalAdvance(categoryText(v)));

    const double pad = unit;
    QRectF plot = area.adjusted(pad + valueWidth + unit * 0.6, pad + labels.height() / 2, -pad,
                                -(pad + labels.height() * 1.3 + title.height() * 1.3));
    if (plot.width() < 1 || plot.height() < 1)
        plot = area; // too small to hold the labels: bars only

    const auto yOf = [&](double v) {
        const double t = (std::clamp(v, range.min, range.max) - range.min) / (range.max - range.min);
        return plot.bottom() - t * plot.height();
    };

    // Grid and value labels
    painter.setFont(labelFont);
    for (double v : ticks) {
        const double y = yOf(v);
        painter.setPen(QPen(QColor(220, 220, 220), 0));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(plot.left() - unit * 0.3, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(area.left(), y - labels.height() / 2, plot.left() - unit * 0.5 - area.left(),
                                labels.height()),
                         Qt::AlignRight | Qt::AlignVCenter, categoryText(v));
    }

    // Bars, rising from zero (or from the axis' lower end when zero lies below it)
    const int n = int(series.bars.size());
    const double slot = n > 0 ? plot.width() / n : plot.width();
    const double base = yOf(std::clamp(0.0, range.min, range.max));
    for (int i = 0; i < n; ++i) {
        const auto& bar = series.bars[std::size_t(i)];
        const double top = yOf(bar.y);
        const QRectF rect(plot.left() + slot * (i + 0.1), std::min(top, base), slot * 0.8, std::abs(base - top));
        const QColor colour = barColour(bar);
        painter.fillRect(rect, colour);
        if (rect.width() >= 4) {
            painter.setPen(QPen(colour.darker(150), 0));
            painter.drawRect(rect);
        }
    }

    // Axes, category labels and the title
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    double widest = 0;
    for (const auto& bar : series.bars)
        widest = std::max(widest, labels.horizontalAdvance(categoryText(bar.x)));
    const int step = labelStep(n, widest + unit * 0.8, plot.width());
    for (int i = 0; i < n; ++i) {
        const qint64 x = qint64(series.bars[std::size_t(i)].x);
        if (x % step != 0)
            continue;
        const double cx = plot.left() + slot * (i + 0.5);
        painter.drawLine(QPointF(cx, plot.bottom()), QPointF(cx, plot.bottom() + unit * 0.3));
        painter.drawText(QRectF(cx - slot * step / 2, plot.bottom() + unit * 0.3, slot * step, labels.height()),
                         Qt::AlignHCenter | Qt::AlignTop, categoryText(double(x)));
    }
    painter.setFont(titleFont);
    painter.drawText(QRectF(area.left(), area.bottom() - pad / 2 - title.height() * 1.2, area.width(),
                            title.height() * 1.2),
                     Qt::AlignHCenter | Qt::AlignVCenter, series.title);
    painter.restore();
}

} // namespace ChartPainter

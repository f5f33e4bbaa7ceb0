#include "gui/BarChartView.h"

#include "gui/ChartPainter.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetrics>
#include <QTextDocumentFragment>
#include <QValueAxis>

namespace {

QColor toColor(StatisticSeries::Rgb rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

} // namespace

BarChartView::BarChartView(QWidget* parent)
    : QChartView(parent)
{
    setObjectName(QStringLiteral("Chart1"));
    setRenderHint(QPainter::Antialiasing, false);

    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));

    m_set = new QBarSet(QStringLiteral("Kreis"));
    m_set->setColor(toColor(StatisticSeries::Green));
    m_set->setBorderColor(toColor(StatisticSeries::Green).darker(150));
    m_set->setSelectedColor(toColor(StatisticSeries::Red));
    m_series = new QBarSeries;
    m_series->setObjectName(QStringLiteral("Series2"));
    m_series->append(m_set);
    m_series->setBarWidth(0.8);
    m_series->setLabelsVisible(false);
    chart->addSeries(m_series);

    m_axisX = new QCategoryAxis;
    m_axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    QFont small = m_axisX->labelsFont();
    small.setPointSizeF(7);
    m_axisX->setLabelsFont(small);
    QFont titleFont = m_axisX->titleFont();
    titleFont.setPointSizeF(8);
    titleFont.setBold(false);
    m_axisX->setTitleFont(titleFont);
    m_axisX->setGridLineVisible(false);
    m_axisX->setRange(-0.5, 0.5);
    m_axisY = new QValueAxis;
    m_axisY->setLabelsFont(small);
    m_axisY->setLabelFormat(QStringLiteral("%.0f"));
    m_axisY->setTickType(QValueAxis::TicksDynamic);
    m_axisY->setTickAnchor(0);
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    m_series->attachAxis(m_axisX);
    m_series->attachAxis(m_axisY);
    m_axisY->setRange(0, 1);
    m_axisY->setTickInterval(1);

    // The view starts with a default chart whose ownership it hands back on replacement.
    QChart* defaultChart = this->chart();
    setChart(chart);
    delete defaultChart;
}

void BarChartView::showSeries(const StatisticSeries& series)
{
    const bool sameCategories = series.bars.size() == m_shown.bars.size() &&
                                std::equal(series.bars.begin(), series.bars.end(), m_shown.bars.begin(),
                                           [](const auto& a, const auto& b) { return a.x == b.x; });
    m_shown = series;

    const int n = int(series.bars.size());
    if (m_set->count() != n) {
        m_set->remove(0, m_set->count());
        QList<qreal> values;
        values.reserve(n);
        for (const auto& bar : series.bars)
            values << bar.y;
        m_set->append(values);
    } else {
        for (int i = 0; i < n; ++i)
            if (m_set->at(i) != series.bars[i].y)
                m_set->replace(i, series.bars[i].y);
    }

    QList<int> marked;
    for (int i = 0; i < n; ++i) {
        const auto& colour = series.bars[i].colour;
        if (colour && *colour != StatisticSeries::Green)
            marked << i;
    }
    m_set->deselectAllBars();
    if (!marked.isEmpty())
        m_set->selectBars(marked);

    m_axisX->setRange(-0.5, std::max(n, 1) - 0.5);
    updateLabels(!sameCategories);
    // The title is shown as rich text, which would fold the runs of blanks the titles carry.
    m_axisX->setTitleText(series.title.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));

    const ChartPainter::ValueRange range = ChartPainter::valueRange(series);
    m_axisY->setRange(range.min, range.max);
    m_axisY->setTickInterval(range.tick);
}

QString BarChartView::axisTitle() const
{
    return QTextDocumentFragment::fromHtml(m_axisX->titleText())
        .toPlainText()
        .replace(QChar::Nbsp, QLatin1Char(' '));
}

int BarChartView::labelStep() const
{
    const int n = int(m_shown.bars.size());
    if (n == 0)
        return 1;
    QString widest;
    for (const auto& bar : m_shown.bars) {
        const QString text = QString::number(qint64(bar.x));
        if (text.size() > widest.size())
            widest = text;
    }
    const int labelWidth = QFontMetrics(m_axisX->labelsFont()).horizontalAdvance(widest) +
                           16; // the axis elides a label that nearly fills its slot
    return ChartPainter::labelStep(n, labelWidth, std::max(50, width() - 60));
}

void BarChartView::updateLabels(bool force)
{
    const int step = labelStep();
    if (!force && step == m_labelStep)
        return;
    m_labelStep = step;
    for (const QString& label : m_axisX->categoriesLabels())
        m_axisX->remove(label);
    for (int i = 0; i < int(m_shown.bars.size()); ++i) {
        const qint64 x = qint64(m_shown.bars[i].x);
        if (x % step == 0)
            m_axisX->append(QString::number(x), i);
    }
}

void BarChartView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    updateLabels(false);
}

#pragma once

#include "statistics/StatisticSeries.h"

#include <QChartView>

class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QValueAxis;

// Chart1: draws one StatisticSeries as a bar chart. The chart, its series and axes are built once;
// showing a new series replaces the bar values in place, so a redraw never rebuilds the view.
// Bars without a colour, and green bars, take the series colour; other coloured bars are drawn in
// the selection colour (the chart module has no per-bar colour). Bar i sits at position i of the
// category axis, which labels every n-th bar with its x value so that the labels fit the width.
class BarChartView : public QChartView
{
    Q_OBJECT
public:
    explicit BarChartView(QWidget* parent = nullptr);

    void showSeries(const StatisticSeries& series);
    const StatisticSeries& shownSeries() const { return m_shown; }

    QBarSet* barSet() const { return m_set; }
    QCategoryAxis* categoryAxis() const { return m_axisX; }
    QValueAxis* valueAxis() const { return m_axisY; }
    QString axisTitle() const; // the title as plain text

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateLabels(bool force);
    int labelStep() const;

    QBarSeries* m_series = nullptr;
    QBarSet* m_set = nullptr;
    QCategoryAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    StatisticSeries m_shown;
    int m_labelStep = 0;
};

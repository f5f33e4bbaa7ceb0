#pragma once

#include <QWidget>

class BarChartView;
class LottoZahlen;

// "Diagramm": the main chart Chart1 under the toolbar Panel7, which carries the statistic buttons and
// the start date of the statistic window (DateTimePicker2). The statistics attach to the buttons by
// name; the page shows the session's chart and start date after every action.
class ChartPage : public QWidget
{
    Q_OBJECT
public:
    explicit ChartPage(LottoZahlen& window, QWidget* parent = nullptr);

    BarChartView* chart() const { return m_chart; }

private:
    BarChartView* m_chart = nullptr;
};

#pragma once

#include "statistics/StatisticSeries.h"

#include <QRectF>

class QPainter;

// The main chart drawn on any QPainter: the bars in their colours, the value axis with whole-number
// ticks, every n-th category labelled with its x value and the title under the category axis. The
// window's image export and numerant-cli draw with it, and the chart view takes its value axis from
// valueRange(), so a saved picture shows the axis that is on screen.
namespace ChartPainter {

struct ValueRange
{
    double min = 0;
    double max = 1;
    double tick = 1;
};

// The drawn value axis. A fixed scale keeps room below its smallest bar (never below zero), so that
// bar has a height; an automatic one widens to whole ticks. The series keeps its own bounds.
ValueRange valueRange(const StatisticSeries& series);

// Every n-th category gets a label: the smallest n from 1, 2, 5, 10, ... for which labels of
// labelWidth pixels fit into the width available.
int labelStep(int bars, double labelWidth, double available);

// Draws the chart into area, background included.
void paint(QPainter& painter, const QRectF& area, const StatisticSeries& series);

} // namespace ChartPainter

#pragma once

#include "draws/DrawFile.h"
#include "draws/DrawRecord.h"
#include "draws/Game.h"
#include "language/MessageTable.h"
#include "statistics/StatisticSeries.h"
#include "tips/TipSheet.h"

#include <QString>
#include <optional>
#include <vector>

enum class StatisticKind
{
    Frequency,
    Overdue,
    Pairs,
    Triples,
    Quads,
    CrossSums,
    Primes,
    Odd,
    Even,
    TipDistribution,
};

// The name used on the command line ("frequency", "crosssum", ...) and back.
QString statisticName(StatisticKind kind);
std::optional<StatisticKind> statisticKindFromName(const QString& name);
const std::vector<StatisticKind>& allStatisticKinds();

// Whether the statistic counts a draw dated on the start date.
bool usesClosedStart(StatisticKind kind);
// Whether the statistic reads the draw file at all (the tip distribution reads only the sheet).
bool readsDraws(StatisticKind kind);

// What a statistic reads: the draws of one file read, the window of the chart (its start is made closed
// or open by the statistic), the texts, the sheet (for the tip distribution) and the previous chart's
// title (which the frequency keeps when it finds no draw).
struct StatisticInputs
{
    const std::vector<DrawRecord>& records;
    StatisticWindow window;
    const MessageTable& messages;
    const TipSheet& sheet;
    QString previousTitle;
    Game game;
};

// Throws StatisticError when the statistic has nothing to divide by.
StatisticSeries computeStatistic(StatisticKind kind, const StatisticInputs& inputs);

#pragma once

#include "draws/DrawFile.h"
#include "draws/DrawRecord.h"
#include "draws/GameEras.h"
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
// or open by the statistic), the texts, the sheet (for the tip distribution), the previous chart's
// title (which the frequency keeps when it finds no draw) and the rules that say which game a draw
// belongs to.
struct StatisticInputs
{
    const std::vector<DrawRecord>& records;
    StatisticWindow window;
    const MessageTable& messages;
    const TipSheet& sheet;
    QString previousTitle;
    GameRules rules = GameRules::Classic;
};

// The number statistics show bars 1..N of the game of the newest draw they count (as played, every
// number of every counted draw counts); a window that spans two games says so in the title. Throws
// StatisticError when the statistic has nothing to divide by.
StatisticSeries computeStatistic(StatisticKind kind, const StatisticInputs& inputs);

// The games of the first and the newest draw the window lets through; nothing when it lets none.
std::optional<std::pair<Game, Game>> gamesInWindow(const std::vector<DrawRecord>& records,
                                                   const StatisticWindow& window, GameRules rules);

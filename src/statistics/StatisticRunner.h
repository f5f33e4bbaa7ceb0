#pragma once

#include "draws/DrawRecord.h"
#include "statistics/StatisticSeries.h"

#include <QString>
#include <optional>
#include <vector>

class Session;

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

// Computes a statistic from draws already read, with the session's window, texts, sheet and previous
// chart. Throws StatisticError when the statistic has nothing to divide by.
StatisticSeries computeStatistic(const Session& session, StatisticKind kind,
                                 const std::vector<DrawRecord>& records);

// Reads the draw file once, computes the statistic and makes it the main chart. On an error
// (FileError, StatisticError) the chart stays as it was.
StatisticSeries runStatistic(Session& session, StatisticKind kind);

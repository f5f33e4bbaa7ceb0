#pragma once

#include "draws/DrawFile.h"
#include "draws/DrawRecord.h"
#include "draws/Error.h"
#include "draws/Game.h"
#include "language/MessageTable.h"
#include "statistics/StatisticSeries.h"
#include "tips/TipSheet.h"

#include <QString>
#include <vector>

// A statistic that cannot produce a result (no draw in the window for a mean or a share). The caller
// shows the text and keeps the chart as it was.
struct StatisticError : Error
{
    using Error::Error;
};

// The statistics of the main chart as pure functions over the draws of one file read. Each returns a
// complete series: bar i of the number statistics is number i + 1 of the game, and the bounds follow the
// series' scale rule. Numbers outside the game's range in a record are never counted.
namespace Statistics {

enum class GroupSize
{
    Pairs = 2,
    Triples = 3,
    Quads = 4
};
enum class Composition
{
    Primes,
    Odd,
    Even
};

// Nearest whole number, halves to the even neighbour (150.5 -> 150, 151.5 -> 152).
double roundHalfEven(double value);

// Closed start. No draw in the window: zero bars, bounds 0, and the previous title stays.
StatisticSeries frequency(const std::vector<DrawRecord>& records, const StatisticWindow& window,
                          const MessageTable& messages, const QString& previousTitle, const Game& game);
// Open start. Draws since each number was last drawn, counting its own draw as 1; m + 1 when unseen.
StatisticSeries overdue(const std::vector<DrawRecord>& records, const StatisticWindow& window,
                        const MessageTable& messages, const Game& game);
// Open start. A run counts when all its numbers are among the seven drawn numbers (never the bonus).
StatisticSeries groups(const std::vector<DrawRecord>& records, const StatisticWindow& window,
                       const MessageTable& messages, GroupSize size, const Game& game);
// Open start; throws StatisticError when no draw is in the window.
StatisticSeries crossSums(const std::vector<DrawRecord>& records, const StatisticWindow& window,
                          const MessageTable& messages);
// Open start; throws StatisticError when no draw is in the window.
StatisticSeries composition(const std::vector<DrawRecord>& records, const StatisticWindow& window,
                            const MessageTable& messages, Composition kind);
// The tip sheet read row by row up to its first empty cell.
StatisticSeries tipDistribution(const TipSheet& sheet, const MessageTable& messages, const Game& game);

// The text of the error reported when a statistic has no draw to divide by.
QString noDrawsMessage();

} // namespace Statistics

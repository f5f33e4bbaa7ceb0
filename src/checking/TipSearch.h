#pragma once

#include "draws/DrawFile.h"
#include "draws/DrawHistory.h"
#include "language/MessageTable.h"
#include "statistics/StatisticSeries.h"
#include "tips/TipSheet.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// The tip search: walks the draws of the chart window (start date included), shows each as the current
// draw with the hits of all twelve tips, and stops at every draw where a tip reached the chosen number
// of hits to ask whether to go on.
namespace TipSearch {

struct Stop
{
    QDate date;
    int row = 0; // 1-based
    int hits = 0;
    bool bonus = false;
};

enum class End
{
    Completed,
    Cancelled
};

struct Outcome
{
    End end = End::Completed;
    std::optional<CurrentDraw> lastShown; // the draw on display when the search ended
};

inline constexpr const char* DefaultThreshold = "6";

QString thresholdCaption(const MessageTable& messages);
QString thresholdPrompt(const MessageTable& messages);
// The answer as a whole number; nothing when it is not one.
std::optional<int> parseThreshold(const QString& text);
QString notANumberMessage(const QString& text);

QString stopCaption(const MessageTable& messages);
QString stopQuestion(const MessageTable& messages, const Stop& stop);

// Walks `records` within `window` (whose start counts), scoring every row of `sheet` against each draw
// and setting its marks and hit label before any question about that draw. `goOn` is asked at each stop; false ends the search at once (no further tip or draw, no
// bars). `shown` (may be empty) is told each draw after it became the current draw. On completion
// `chart` gets the search's ten bars.
Outcome run(const std::vector<DrawRecord>& records, const StatisticWindow& window, TipSheet& sheet,
            StatisticSeries& chart, int threshold, const std::function<bool(const Stop&)>& goOn,
            const std::function<void(const CurrentDraw&)>& shown = {});

} // namespace TipSearch

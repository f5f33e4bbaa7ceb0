#pragma once

#include "draws/DrawRecord.h"
#include "language/MessageTable.h"

#include <QByteArray>
#include <QDate>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// The draw similarity analysis: each main draw from the start date on (the base draw) is compared,
// by its seven numbers, with every earlier main draw (one count per pair) and with each of the next
// three main draws; the tables count how many numbers the pairs share, 0 to 6.
namespace Similarity {

using Table = std::array<int, 7>;

struct Result
{
    Table database{};
    Table next{};
    Table second{};
    Table third{};
    std::optional<QDate> stoppedAt; // an earlier draw reached the threshold and the user did not go on
    bool stopped = false;           // the stop button
};

struct Hooks
{
    // Asked at every earlier draw that shares `threshold` numbers or more with the base draw; false ends
    // the analysis without a report.
    std::function<bool(const QDate& found)> goOn;
    std::function<void(const QDate& baseDraw)> progress;
    std::function<bool()> stopRequested;
};

Result run(const std::vector<DrawRecord>& records, double startDay, bool mainDrawOnly, int threshold,
           const Hooks& hooks = {});

// The report "Test.rtf" as rich text.
QByteArray reportRtf(const Result& result, const MessageTable& messages);

} // namespace Similarity

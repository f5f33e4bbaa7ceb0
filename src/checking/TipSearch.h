#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

class Session;

// SpeedButton4Click: walks the draws of the chart window (start date included), shows each as the
// current draw with the hits of all twelve tips, and stops at every draw where a tip reached the
// chosen number of hits to ask whether to go on.
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

inline constexpr const char* DefaultThreshold = "6";

QString thresholdCaption(const Session& session); // entry 4
QString thresholdPrompt(const Session& session);  // entry 5
// The answer as a whole number; nothing when it is not one.
std::optional<int> parseThreshold(const QString& text);
QString notANumberMessage(const QString& text);

QString stopCaption(const Session& session);                    // entry 8
QString stopQuestion(const Session& session, const Stop& stop); // entry 6 + date + "   " + entry 7

// `goOn` is asked at each stop; false ends the search at once (no further tip or draw, no bars).
// `shown` (may be empty) is told each draw after it became the current draw.
End run(Session& session, int threshold, const std::function<bool(const Stop&)>& goOn,
        const std::function<void()>& shown = {});

} // namespace TipSearch

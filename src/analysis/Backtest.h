#pragma once

#include "draws/DrawRecord.h"
#include "draws/GameEras.h"
#include "generator/GeneratorOptions.h"
#include "language/MessageTable.h"
#include "tips/TipSheet.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// The parameter backtest: replays the generator over past draws from a start date, each step with the
// same lucky number, checks the tips against the draw after the one they were computed for, and adds
// up the hit classes. Beside it the honest comparison: as many random tickets per step from a stream
// of their own, and the counts the game's odds let one expect.
namespace Backtest {

struct Inputs
{
    const std::vector<DrawRecord>& records;
    const MessageTable& messages;
    GeneratorOptions options; // the review of the pool is switched off for the run
    TipSheet sheet;           // locked rows and the tip count
    GameRules rules = GameRules::Classic;
    double startDay = 0; // the selected date
    double today = 0;    // a start on today's date runs no step
    double statisticsStart = 0;
    bool mainDrawOnly = true;
    std::int32_t luckyNumber = 0;
    bool recomputeOnlyAfterThree = false; // new tips only after a step in which a tip reached 3 hits
};

struct Hooks
{
    std::function<void(double drawDate)> progress; // after each step: the draw just evaluated
    std::function<bool()> stopRequested;
};

// [hits][noBonus, bonus]
using HitCounts = std::array<std::array<double, 2>, 8>;

struct Result
{
    bool stopped = false;
    int steps = 0;
    int computations = 0; // generator runs
    // [hits 0..6][first column without bonus, first with bonus, second without, second with]. Classic: the
    // first column counts draws on a Saturday or Sunday, the second the others; as played, no draw
    // falls on a weekend, so the first column counts Friday draws and the second the others.
    std::array<std::array<int, 4>, 7> counts{};
    HitCounts random{};                     // the random tickets, every hit class
    HitCounts expected{};                   // from the game's odds for as many tickets
    int threeOrMore = 0;                    // tips with three hits or more, seven included
    double expectedThreeOrMoreVariance = 0; // of the count of tickets with three hits or more
    TipSheet sheet;                         // as the last step left it
    double lastDay = 0;                     // the draw the last step reached
};

Result run(const Inputs& inputs, const Hooks& hooks = {});

// The report text "Test.txt", lines joined by CR LF.
QString report(const Result& result, const MessageTable& messages);

// The chance that a ticket of `numbers` numbers shares exactly `hits` with a draw of as many numbers out
// of `highest` (hypergeometric).
double hitProbability(int hits, int highest, int numbers = 7);

// The plain-words verdict on the backtest against the expectation.
struct Verdict
{
    double observed = 0; // tickets with three hits or more
    double expected = 0;
    double sigma = 0;
    QString text;
};
Verdict verdict(const Result& result);

} // namespace Backtest

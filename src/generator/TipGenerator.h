#pragma once

#include "draws/DrawHistory.h"
#include "draws/DrawRecord.h"
#include "draws/Error.h"
#include "draws/GameEras.h"
#include "generator/GeneratorOptions.h"
#include "generator/NumberPool.h"
#include "language/MessageTable.h"
#include "statistics/StatisticSeries.h"
#include "tips/RandomSource.h"
#include "tips/TipSheet.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// One generator run over one read of the draws: finds the three reference draws, clears the unlocked
// rows, builds the pool from the statistics the options ask for, then fills the rows up to the tip
// count with candidates that pass the row rules, within the run's budget of candidates.
namespace TipGenerator {

struct Candidate
{
    int row = 0; // 1-based number of the row being generated
    TipSheet::Row numbers{};
    int crossSum = 0;
    bool pairForced = false; // the forced pair still applies; the run drops it halfway through its budget
};

enum class ReviewAnswer
{
    Ok,
    Recalculate,
    Abort
};

struct Inputs
{
    const std::vector<DrawRecord>& records;
    const MessageTable& messages;
    GeneratorOptions options;
    TipSheet sheet;
    GameRules rules = GameRules::Classic;
    double selectedDay = 0; // the draw the tips are for is looked up from here
    double startDay = 0;    // the statistics' start date
    bool mainDrawOnly = true;
    CurrentDraw shown;  // the draw on display, which stays when there are no draws
    QString chartTitle; // the title on display, which a frequency with no draw keeps
};

// What the window plugs in; every hook may be left empty (the command line leaves them all empty).
struct Hooks
{
    // Asked once per candidate before it is drawn: the window's chance to handle input. True stops the
    // run: the rows still to come stay empty.
    std::function<bool()> stopRequested;
    // Each candidate after it was drawn and sorted. Called very often: keep it cheap and show
    // statusLine() only now and then.
    std::function<void(const Candidate&)> candidate;
    std::function<void(const QString&)> status;
    std::function<void(const QString&)> showPage;      // "TabSheet1", "TabSheet5"
    std::function<void(const StatisticSeries&)> chart; // a statistic the pool was built from
    std::function<void(const TipSheet&)> rowSettled;   // the sheet after each row
    // The pool review: the list to show; on Recalculate the list is read back.
    std::function<ReviewAnswer(NumberPool::List&, const Game&)> reviewPool;
};

enum class End
{
    Completed,     // "Tipps wurden neu berechnet"
    BudgetUsedUp,  // "Ändern Sie die Parameter …"
    PoolTooSmall,  // fewer than seven distinct numbers in the pool: as BudgetUsedUp, no candidate drawn
    Stopped,       // a stop request; as Completed
    ReviewAborted, // the review dialog was left without OK or "&Rechnen": nothing generated
};

struct Outcome
{
    End end = End::Completed;
    int candidates = 0; // drawn over the whole run
    int poolSize = 0;
    TipSheet sheet;                       // unsorted and unchecked: the caller checks it
    QString status;                       // the last status text
    std::optional<StatisticSeries> chart; // the last statistic computed for the pool
    double selectedDay = 0;               // what the run's lookup left selected
    Game game;                            // the game of the draw the tips are for
};

// A locked row holds a number that the game of the run does not have.
struct LockedRowOutOfRange : Error
{
    using Error::Error;
};

Outcome run(const Inputs& inputs, RandomSource& random, const Hooks& hooks = {});

// "3.Tipp:  4 11  17  23  30  38  45  QS: 168"
QString statusLine(const MessageTable& messages, const Candidate& candidate);

} // namespace TipGenerator

#pragma once

#include "analysis/Backtest.h"
#include "analysis/Similarity.h"
#include "checking/TipSearch.h"
#include "generator/TipGenerator.h"
#include "session/Session.h"
#include "statistics/StatisticRunner.h"

#include <functional>

// The actions both front ends offer, each composed of one read of the draw file and the model's pure
// operations on parts of the session. The window adds its prompts and painting around them.
namespace Actions {

enum class LookupOutcome
{
    Shown,
    FileMissing, // created empty; the caller tells the user to read in the draws first
    Empty        // the current draw stays as it was
};

// The text shown wherever draws are needed but none were read in.
QString readDrawsFirstMessage();

// Makes the first draw on or after the selected date (else the newest) the current draw and checks the
// sheet against it. createMissing: a missing draw file is created empty (the window); otherwise it is
// reported as FileMissing and nothing is created (the command line).
LookupOutcome lookup(Session& session, bool createMissing = true);

// The draw bar's arrows, each followed by the complete check.
void previousDraw(Session& session);
void nextDraw(Session& session);

// The complete check of the sheet against the current draw while the sheet is settled; else only the
// tally is cleared. Returns the best hit count.
int check(Session& session);

// Empties the unlocked rows and checks the sheet as if it were settled.
void clearSheet(Session& session);

// Computes a statistic over one read of the draw file and makes it the main chart. On an error the
// chart stays as it was.
StatisticSeries runStatistic(Session& session, StatisticKind kind);

// One generator run over one read of the draw file, in the busy state, followed by the lookup of the
// selected date and the complete check. A missing draw file is created empty and reported through
// drawFileMissing before the run goes on without draws.
TipGenerator::Outcome generate(Session& session, const TipGenerator::Hooks& hooks = {},
                               const std::function<void()>& drawFileMissing = {});

// The tip search over the chart window; `shown` is told each draw after it became the current draw.
TipSearch::Outcome search(Session& session, int threshold,
                          const std::function<bool(const TipSearch::Stop&)>& goOn,
                          const std::function<void()>& shown = {});

// The parameter backtest from the selected date over one read of the draw file, in the busy state. On
// completion the report "Test.txt" is written to the home folder and the sheet, the current draw and
// the selected date are what the last step left; a stop writes nothing and changes nothing.
struct BacktestRun
{
    Backtest::Result result;
    QString reportPath; // empty when stopped
};
BacktestRun backtest(Session& session, std::int32_t luckyNumber, bool recomputeOnlyAfterThree,
                     const Backtest::Hooks& hooks = {});

// The draw similarity analysis from the selected date; "Test.rtf" is written unless the user did not
// go on at a found draw or stopped the run.
struct SimilarityRun
{
    Similarity::Result result;
    QString reportPath; // empty when no report was written
};
SimilarityRun similarity(Session& session, int threshold, const Similarity::Hooks& hooks = {});

// Puts a flag back when the scope ends, whatever way it ends.
class BusyScope
{
public:
    explicit BusyScope(Session& session);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Session& m_session;
};

} // namespace Actions

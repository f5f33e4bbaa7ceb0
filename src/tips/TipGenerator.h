#pragma once

#include "tips/NumberPool.h"
#include "tips/TipSheet.h"

#include <QString>
#include <functional>

class MessageTable;
class Session;

// Label28Click: one generator run. Gathers the three reference draws, clears the unlocked rows, builds
// the pool, then fills the rows up to the tip count with candidates that pass the row rules, within a
// budget of LaufMax candidates over the whole run, and finally checks the new sheet.
namespace TipGenerator {

struct Candidate
{
    int row = 0; // 1-based number of the row being generated
    TipSheet::Row numbers{};
    int crossSum = 0;
};

enum class ReviewAnswer
{
    Ok,
    Recalculate,
    Abort
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
    std::function<void(const QString&)> status;   // status panel 1
    std::function<void(const QString&)> showPage; // "TabSheet1", "TabSheet5"
    std::function<void()> rowSettled;             // repaint the sheet
    // The pool review (CheckBox20): the list to show; on Recalculate the list is read back.
    std::function<ReviewAnswer(NumberPool::List&)> reviewPool;
    // A missing draw file was created empty by the lookup; the window tells the user.
    std::function<void()> drawFileMissing;
};

enum class End
{
    Completed,     // MessageTable entry 26
    BudgetUsedUp,  // entry 25
    PoolTooSmall,  // fewer than seven distinct numbers in the pool: entry 25, no candidate drawn
    Stopped,       // a stop request; entry 26
    ReviewAborted, // the review dialog was left without OK or "&Rechnen": nothing generated
};

struct Outcome
{
    End end = End::Completed;
    int candidates = 0; // the run counter
    int poolSize = 0;
};

Outcome run(Session& session, const Hooks& hooks = {});

// "3.Tipp:  4 11  17  23  30  38  45  QS: 168"
QString statusLine(const MessageTable& messages, const Candidate& candidate);

} // namespace TipGenerator

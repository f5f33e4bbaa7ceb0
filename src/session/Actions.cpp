#include "session/Actions.h"

#include "analysis/ReportFile.h"
#include "draws/DrawDate.h"
#include "tips/TipSheetOps.h"

namespace Actions {

namespace {

void show(Session& s, const CurrentDraw& draw, DrawShownBy shownBy)
{
    s.current = draw;
    s.shownBy = shownBy;
    s.drawShown = true;
    s.setSelectedDate(DrawDate::toQDate(draw.date));
}

void lookupIn(Session& s, const std::vector<DrawRecord>& records)
{
    if (const auto draw = DrawHistory::lookup(records, DrawDate::fromQDate(s.selectedDate))) {
        s.current = *draw;
        s.shownBy = DrawShownBy::Lookup;
        s.drawShown = true;
    }
    // Without ENCORE digits the ticket-number comparison stays off until the user steps.
    s.encoreDigits.clear();
    s.setSelectedDate(DrawDate::toQDate(s.current.date));
    check(s);
}

void step(Session& s, const DrawHistory::Step& landed)
{
    show(s, landed.draw, DrawShownBy::Step);
    if (landed.draw.bonus > 0)
        s.encoreDigits = DrawHistory::encoreDigits(landed.record);
    check(s);
}

} // namespace

QString readDrawsFirstMessage()
{
    return QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein");
}

LookupOutcome lookup(Session& s, bool createMissing)
{
    const DrawFile file = s.drawFile();
    if (!file.exists()) {
        if (createMissing)
            file.createIfMissing();
        return LookupOutcome::FileMissing;
    }
    const std::vector<DrawRecord> records = s.readDraws();
    lookupIn(s, records);
    return records.empty() ? LookupOutcome::Empty : LookupOutcome::Shown;
}

void previousDraw(Session& s)
{
    const std::vector<DrawRecord> records = s.readDraws();
    step(s, DrawHistory::previous(records, s.current, DrawDate::fromQDate(s.selectedDate), s.gameRules,
                                  s.mainDrawOnly));
}

void nextDraw(Session& s)
{
    const std::vector<DrawRecord> records = s.readDraws();
    step(s, DrawHistory::next(records, s.current.position, s.mainDrawOnly));
}

int check(Session& s)
{
    s.tally = {};
    if (!s.sheetSettled)
        return 0;
    const CheckSummary summary = checkSheet(s.sheet, s.current);
    s.tally = summary.tally;
    s.soundDue = s.soundDue || summary.soundDue;
    // Without digits of the draw on display the label shows the plain number, never an old comparison.
    s.ticketComparison = Ticket::compare(s.messages, s.ticketNumber, s.encoreDigits, s.compareTicket == 1);
    return summary.best;
}

void clearSheet(Session& s)
{
    clearUnlocked(s.sheet);
    const bool settled = s.sheetSettled;
    s.sheetSettled = true;
    check(s);
    s.sheetSettled = settled;
}

StatisticSeries runStatistic(Session& s, StatisticKind kind)
{
    const std::vector<DrawRecord> records = readsDraws(kind) ? s.readDraws() : std::vector<DrawRecord>{};
    s.chart =
        computeStatistic(kind, {records, s.window(true), s.messages, s.sheet, s.chart.title, s.gameRules});
    return s.chart;
}

TipGenerator::Outcome generate(Session& s, const TipGenerator::Hooks& hooks,
                               const std::function<void()>& drawFileMissing)
{
    const DrawFile file = s.drawFile();
    if (!file.exists()) {
        file.createIfMissing();
        if (drawFileMissing)
            drawFileMissing();
    }
    const std::vector<DrawRecord> records = s.readDraws();

    BusyScope busy(s);
    s.sheetSettled = false;
    const TipGenerator::Inputs inputs{records,
                                      s.messages,
                                      s.options,
                                      s.sheet,
                                      s.gameRules,
                                      DrawDate::fromQDate(s.selectedDate),
                                      DrawDate::fromQDate(s.startDate),
                                      s.mainDrawOnly,
                                      s.current,
                                      s.chart.title};
    TipGenerator::Outcome outcome;
    try {
        outcome = TipGenerator::run(inputs, s.random, hooks);
    } catch (...) {
        s.sheetSettled = true;
        throw;
    }
    s.sheet = outcome.sheet;
    s.status = outcome.status;
    if (outcome.chart)
        s.chart = *outcome.chart;
    s.setSelectedDate(DrawDate::toQDate(outcome.selectedDay));
    s.sheetSettled = true;
    lookupIn(s, records);
    return outcome;
}

TipSearch::Outcome search(Session& s, int threshold, const std::function<bool(const TipSearch::Stop&)>& goOn,
                          const std::function<void()>& shown)
{
    const std::vector<DrawRecord> records = s.readDraws();
    return TipSearch::run(
        records, s.window(true), s.sheet, s.chart, threshold, goOn,
        [&s, &shown, &records](const CurrentDraw& draw) {
            // The search shows each draw but leaves the date picker alone.
            s.current = draw;
            s.shownBy = DrawShownBy::Search;
            s.drawShown = true;
            // The ticket comparison and the tally follow the draw on display too.
            s.tally = {};
            s.encoreDigits =
                draw.bonus > 0 ? DrawHistory::encoreDigits(records[std::size_t(draw.position)]) : QString();
            s.ticketComparison =
                Ticket::compare(s.messages, s.ticketNumber, s.encoreDigits, s.compareTicket == 1);
            if (shown)
                shown();
        });
}

BacktestRun backtest(Session& s, std::int32_t luckyNumber, bool recomputeOnlyAfterThree,
                     const Backtest::Hooks& hooks)
{
    const std::vector<DrawRecord> records = s.readDraws();
    BusyScope busy(s);
    const Backtest::Inputs inputs{records,
                                  s.messages,
                                  s.options,
                                  s.sheet,
                                  s.gameRules,
                                  DrawDate::fromQDate(s.selectedDate),
                                  DrawDate::fromQDate(s.today),
                                  DrawDate::fromQDate(s.startDate),
                                  s.mainDrawOnly,
                                  luckyNumber,
                                  recomputeOnlyAfterThree};
    BacktestRun run{Backtest::run(inputs, hooks), {}};
    if (run.result.stopped)
        return run;
    run.reportPath = s.home + QLatin1String(ReportFile::BacktestName);
    ReportFile::write(run.reportPath, Backtest::report(run.result, s.messages).toLatin1());
    if (run.result.steps > 0) {
        s.sheet = run.result.sheet;
        s.setSelectedDate(DrawDate::toQDate(run.result.lastDay));
    }
    const bool settled = s.sheetSettled;
    s.sheetSettled = true;
    lookupIn(s, records);
    s.sheetSettled = settled;
    return run;
}

SimilarityRun similarity(Session& s, int threshold, const Similarity::Hooks& hooks)
{
    const std::vector<DrawRecord> records = s.readDraws();
    BusyScope busy(s);
    SimilarityRun run{
        Similarity::run(records, DrawDate::fromQDate(s.selectedDate), s.mainDrawOnly, threshold, hooks), {}};
    if (run.result.stopped || run.result.stoppedAt)
        return run;
    run.reportPath = s.home + QLatin1String(ReportFile::SimilarityName);
    ReportFile::write(run.reportPath, Similarity::reportRtf(run.result, s.messages));
    return run;
}

BusyScope::BusyScope(Session& session)
    : m_session(session)
{
    m_session.busy = true;
}

BusyScope::~BusyScope()
{
    m_session.busy = false;
}

} // namespace Actions

#include "tips/TipGenerator.h"

#include "app/Session.h"
#include "checking/CompleteCheck.h"
#include "checking/DatabaseFilters.h"
#include "checking/DrawLookup.h"
#include "draws/DrawDate.h"
#include "draws/Navigation.h"
#include "statistics/StatisticRunner.h"
#include "tips/RowRules.h"
#include "tips/TipSheetOps.h"

#include <algorithm>

namespace TipGenerator {

namespace {

// Puts back what the run may change, also when the run ends with an error.
class SavedState
{
public:
    explicit SavedState(Session& s)
        : m_s(s)
        , m_checkBox8(s.params.CheckBox8)
        , m_upDown4(s.params.UpDown4)
        , m_upDown5(s.params.UpDown5)
        , m_upDown6(s.params.UpDown6)
    {
    }
    ~SavedState() { restore(); }
    void restore()
    {
        m_s.params.CheckBox8 = m_checkBox8;
        m_s.params.UpDown4 = m_upDown4;
        m_s.params.UpDown5 = m_upDown5;
        m_s.params.UpDown6 = m_upDown6;
        m_s.sortieren = true;
        m_s.berechnungLaeuft = false;
    }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    Session& m_s;
    bool m_checkBox8;
    int m_upDown4, m_upDown5, m_upDown6;
};

RowRules::DrawNumbers currentNumbers(const Session& s)
{
    RowRules::DrawNumbers n{};
    for (int i = 0; i < 8; ++i)
        n[std::size_t(i)] = s.current.zahl[std::size_t(i + 1)];
    return n;
}

StatisticKind kindOf(NumberPool::Source source)
{
    switch (source) {
    case NumberPool::Source::Frequency:
        return StatisticKind::Frequency;
    case NumberPool::Source::Overdue:
        return StatisticKind::Overdue;
    case NumberPool::Source::Pairs:
        return StatisticKind::Pairs;
    case NumberPool::Source::Triples:
        return StatisticKind::Triples;
    case NumberPool::Source::Quads:
        return StatisticKind::Quads;
    }
    return StatisticKind::Frequency;
}

struct RowGenerator
{
    Session& s;
    const Hooks& hooks;
    const std::vector<int>& pool;
    const RowRules& rules;
    const DatabaseFilters& filters;
    int laufMax = 0;
    int counter = 0;
    bool stopped = false;

    TipSheet::Row generate(int rowNumber)
    {
        Candidate c;
        c.row = rowNumber;
        auto& n = c.numbers;
        int p = 0;
        const auto size = std::uint32_t(pool.size());
        while (p < TipSheet::Cells && counter < laufMax) {
            if (hooks.stopRequested && hooks.stopRequested()) {
                stopped = true;
                break;
            }
            if (++counter == laufMax / 2)
                s.params.CheckBox8 = false; // the forced pair is dropped for the rest of the run
            while (p < TipSheet::Cells) {
                const int v = pool[s.random.random(size)];
                n[std::size_t(p)] = v;
                if (std::find(n.begin(), n.begin() + p, v) == n.begin() + p)
                    ++p;
            }
            c.crossSum = 0;
            for (int v : n)
                c.crossSum += v;
            std::sort(n.begin(), n.end());
            if (hooks.candidate)
                hooks.candidate(c);
            const CalcParameters& params = s.params; // read now: options may change between candidates
            if (rules.firstFailing(n, c.crossSum, params, &filters, DrawDate::fromQDate(s.startDate)) != 0) {
                n = {};
                p = 0;
            }
        }
        if (counter >= laufMax)
            n = {}; // even a candidate accepted with the last count of the budget
        return stopped ? TipSheet::Row{} : n;
    }
};

} // namespace

QString statusLine(const MessageTable& messages, const Candidate& c)
{
    QString line = QString::number(c.row) + QLatin1Char('.') + messages.text(24) + QStringLiteral(":  ");
    for (int i = 0; i < TipSheet::Cells; ++i) {
        if (i == 1)
            line += QLatin1Char(' ');
        else if (i > 1)
            line += QStringLiteral("  ");
        line += QString::number(c.numbers[std::size_t(i)]);
    }
    return line + QStringLiteral("  QS: ") + QString::number(c.crossSum);
}

Outcome run(Session& s, const Hooks& hooks)
{
    auto status = [&](const QString& text) {
        s.status = text;
        if (hooks.status)
            hooks.status(text);
    };
    auto showPage = [&](const char* page) {
        if (hooks.showPage)
            hooks.showPage(QLatin1String(page));
    };

    SavedState saved(s);
    s.berechnungLaeuft = true;
    s.sortieren = false;
    const int laufMax = s.params.UpDown7 * 1000;
    s.laufMax = laufMax;

    // The three reference draws, then the selected draw on display again.
    const QDate selected = s.selectedDate;
    std::array<RowRules::DrawNumbers, 3> draws{};
    if (lookup(s) == LookupOutcome::FileMissing && hooks.drawFileMissing)
        hooks.drawFileMissing();
    draws[0] = currentNumbers(s);
    previousDraw(s);
    draws[1] = currentNumbers(s);
    previousDraw(s);
    draws[2] = currentNumbers(s);
    s.setSelectedDate(selected);
    lookup(s);

    clearUnlocked(s);

    // One read of the draw file serves the statistics and the database rules of the whole run.
    const std::vector<DrawRecord> records = s.drawFile().readAll();
    NumberPool::Inputs in;
    in.params = &s.params;
    in.messages = &s.messages;
    in.draws = draws;
    in.status = status;
    in.statistic = [&](NumberPool::Source source) {
        showPage("TabSheet5");
        s.chart = computeStatistic(s, kindOf(source), records);
        return s.chart;
    };
    NumberPool pool = NumberPool::build(in);

    if (s.params.CheckBox20 && hooks.reviewPool) {
        showPage("TabSheet1");
        NumberPool::List list = pool.toList();
        switch (hooks.reviewPool(list)) {
        case ReviewAnswer::Ok:
            break;
        case ReviewAnswer::Recalculate:
            pool = NumberPool::rebuildFromList(list);
            break;
        case ReviewAnswer::Abort:
            return {End::ReviewAborted, 0, pool.size()};
        }
    }

    status(s.messages.text(23));
    showPage("TabSheet1");

    const DatabaseFilters filters(records, DrawDate::fromQDate(s.selectedDate), s.mainDrawOnly);
    RowRules rules(draws);
    RowGenerator generator{s, hooks, pool.entries(), rules, filters, laufMax, 0, false};
    const bool poolUsable = pool.distinctNumbers() >= TipSheet::Cells;
    bool poolTooSmall = false;

    for (int r = 0; r < TipSheet::Rows; ++r) {
        TipSheet::Row row{};
        if (s.sheet.locked[std::size_t(r)]) {
            // Taken as it stands; empty cells stay empty and share nothing with other rows.
            for (int i = 0; i < TipSheet::Cells; ++i) {
                const int v = s.sheet.cells[std::size_t(r)][std::size_t(i)];
                row[std::size_t(i)] = v >= 1 && v <= Game::HighestNumber ? v : 0;
            }
        } else if (r < s.sheet.tipCount && generator.counter < laufMax && !generator.stopped) {
            if (poolUsable)
                row = generator.generate(r + 1);
            else
                poolTooSmall = true;
        }
        s.sheet.cells[std::size_t(r)] = row;
        rules.addSettled(row);
        if (hooks.rowSettled)
            hooks.rowSettled();
    }

    Outcome outcome{End::Completed, generator.counter, pool.size()};
    if (generator.counter >= laufMax)
        outcome.end = End::BudgetUsedUp;
    else if (poolTooSmall)
        outcome.end = End::PoolTooSmall;
    else if (generator.stopped)
        outcome.end = End::Stopped;

    s.sortieren = true;
    const bool incomplete = outcome.end == End::BudgetUsedUp || outcome.end == End::PoolTooSmall;
    status(s.messages.text(incomplete ? 25 : 26));
    saved.restore();
    lookup(s);
    completeCheck(s);
    return outcome;
}

} // namespace TipGenerator

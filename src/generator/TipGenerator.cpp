#include "generator/TipGenerator.h"

#include "checking/DatabaseFilters.h"
#include "draws/DrawDate.h"
#include "generator/RowRules.h"
#include "statistics/StatisticRunner.h"
#include "tips/TipSheetOps.h"

#include <algorithm>

namespace TipGenerator {

namespace {

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
    GeneratorOptions& options;
    RandomSource& random;
    const Hooks& hooks;
    const std::vector<int>& pool;
    const RowRules& rules;
    const DatabaseFilters& filters;
    double statisticStart = 0;
    int budget = 0;
    int counter = 0;
    bool stopped = false;

    TipSheet::Row generate(int rowNumber)
    {
        Candidate c;
        c.row = rowNumber;
        auto& n = c.numbers;
        int p = 0;
        const auto size = std::uint32_t(pool.size());
        while (p < TipSheet::Cells && counter < budget) {
            if (hooks.stopRequested && hooks.stopRequested()) {
                stopped = true;
                break;
            }
            if (++counter == budget / 2)
                options.forcePair = false; // the forced pair is dropped for the rest of the run
            while (p < TipSheet::Cells) {
                const int v = pool[random.random(size)];
                n[std::size_t(p)] = v;
                if (std::find(n.begin(), n.begin() + p, v) == n.begin() + p)
                    ++p;
            }
            c.crossSum = 0;
            for (int v : n)
                c.crossSum += v;
            std::sort(n.begin(), n.end());
            c.pairForced = options.forcePair;
            if (hooks.candidate)
                hooks.candidate(c);
            if (rules.firstFailing(n, c.crossSum, options, &filters, statisticStart) !=
                RowRules::Rule::None) {
                n = {};
                p = 0;
            }
        }
        if (counter >= budget)
            n = {}; // even a candidate accepted with the last count of the budget
        return stopped ? TipSheet::Row{} : n;
    }
};

} // namespace

QString statusLine(const MessageTable& messages, const Candidate& c)
{
    QString line =
        QString::number(c.row) + QLatin1Char('.') + messages.text(Msg::Tip) + QStringLiteral(":  ");
    for (int i = 0; i < TipSheet::Cells; ++i) {
        if (i == 1)
            line += QLatin1Char(' ');
        else if (i > 1)
            line += QStringLiteral("  ");
        line += QString::number(c.numbers[std::size_t(i)]);
    }
    return line + QStringLiteral("  QS: ") + QString::number(c.crossSum);
}

Outcome run(const Inputs& in, RandomSource& random, const Hooks& hooks)
{
    Outcome outcome;
    auto status = [&](const QString& text) {
        outcome.status = text;
        if (hooks.status)
            hooks.status(text);
    };
    auto showPage = [&](const char* page) {
        if (hooks.showPage)
            hooks.showPage(QLatin1String(page));
    };

    GeneratorOptions options = in.options;
    const int budget = options.budget();
    const DrawHistory::ReferenceDraws reference =
        DrawHistory::referenceDraws(in.records, in.selectedDay, in.rules, in.mainDrawOnly, in.shown);
    outcome.selectedDay = reference.day;
    const Game game = GameEras::forTipsAfter(DrawDate::toQDate(reference.draws[0].date), in.rules);
    outcome.game = game;

    TipSheet& sheet = outcome.sheet;
    sheet = in.sheet;
    for (int r = 0; r < TipSheet::Rows; ++r) {
        if (!sheet.locked[std::size_t(r)])
            continue;
        for (int v : sheet.cells[std::size_t(r)])
            if (v != 0 && !game.contains(v))
                throw LockedRowOutOfRange(
                    QStringLiteral("Der festgehaltene %1. Tipp enthält die Zahl %2, die es in %3 nicht gibt.")
                        .arg(r + 1)
                        .arg(v)
                        .arg(GameEras::label(game)));
    }
    clearUnlocked(sheet);

    StatisticWindow window{in.startDay, reference.day, true, in.mainDrawOnly};
    QString chartTitle = in.chartTitle;
    NumberPool::Inputs poolInputs;
    poolInputs.options = &options;
    poolInputs.messages = &in.messages;
    poolInputs.game = game;
    poolInputs.draws = reference.draws;
    poolInputs.status = status;
    poolInputs.statistic = [&](NumberPool::Source source) {
        showPage("TabSheet5");
        outcome.chart =
            computeStatistic(kindOf(source), {in.records, window, in.messages, sheet, chartTitle, in.rules});
        chartTitle = outcome.chart->title;
        if (hooks.chart)
            hooks.chart(*outcome.chart);
        return *outcome.chart;
    };
    NumberPool pool = NumberPool::build(poolInputs);
    outcome.poolSize = pool.size();

    if (options.reviewPool && hooks.reviewPool) {
        showPage("TabSheet1");
        NumberPool::List list = pool.toList(game);
        switch (hooks.reviewPool(list, game)) {
        case ReviewAnswer::Ok:
            break;
        case ReviewAnswer::Recalculate:
            pool = NumberPool::rebuildFromList(list, game);
            break;
        case ReviewAnswer::Abort:
            outcome.end = End::ReviewAborted;
            return outcome;
        }
    }

    status(in.messages.text(Msg::GenerationStarted));
    showPage("TabSheet1");

    const DatabaseFilters filters(in.records, reference.day, in.mainDrawOnly, game, in.rules);
    RowRules rules(game, reference.draws);
    RowGenerator generator{options, random, hooks, pool.entries(), rules, filters, in.startDay, budget};
    const bool poolUsable = pool.distinctNumbers() >= TipSheet::Cells;
    bool poolTooSmall = false;

    for (int r = 0; r < TipSheet::Rows; ++r) {
        TipSheet::Row row{};
        if (sheet.locked[std::size_t(r)]) {
            // Taken as it stands; empty cells stay empty and share nothing with other rows.
            for (int i = 0; i < TipSheet::Cells; ++i) {
                const int v = sheet.cells[std::size_t(r)][std::size_t(i)];
                row[std::size_t(i)] = game.contains(v) ? v : 0;
            }
        } else if (r < sheet.tipCount && generator.counter < budget && !generator.stopped) {
            if (poolUsable)
                row = generator.generate(r + 1);
            else
                poolTooSmall = true;
        }
        sheet.cells[std::size_t(r)] = row;
        // A locked row with a number twice is shown invalid and kept, but is no tip to keep apart from.
        if (!TipSheet::hasRepeat(row))
            rules.addSettled(row);
        if (hooks.rowSettled)
            hooks.rowSettled(sheet);
    }

    outcome.candidates = generator.counter;
    outcome.poolSize = pool.size();
    if (generator.counter >= budget)
        outcome.end = End::BudgetUsedUp;
    else if (poolTooSmall)
        outcome.end = End::PoolTooSmall;
    else if (generator.stopped)
        outcome.end = End::Stopped;

    const bool incomplete = outcome.end == End::BudgetUsedUp || outcome.end == End::PoolTooSmall;
    status(in.messages.text(incomplete ? Msg::ChangeOptionsForAllTips : Msg::TipsGenerated));
    return outcome;
}

} // namespace TipGenerator

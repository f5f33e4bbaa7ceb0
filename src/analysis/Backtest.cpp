#include "analysis/Backtest.h"

#include "checking/CompleteCheck.h"
#include "draws/DrawDate.h"
#include "draws/DrawHistory.h"
#include "generator/TipGenerator.h"

#include <cmath>

namespace Backtest {

namespace {

double choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    double c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

// Whether a draw counts in the report's first column.
bool firstColumn(const QDate& date, GameRules rules)
{
    if (rules == GameRules::Classic)
        return date.dayOfWeek() == Qt::Saturday || date.dayOfWeek() == Qt::Sunday;
    return date.dayOfWeek() == Qt::Friday;
}

// Random tickets from their own stream, so that the backtest's own choices stay as they are.
void scoreRandomTickets(int count, const CurrentDraw& draw, const Game& game, RandomSource& random,
                        HitCounts& into)
{
    for (int t = 0; t < count; ++t) {
        TipSheet::Row ticket{};
        for (int k = 0; k < TipSheet::Cells;) {
            const int v = int(random.random(std::uint32_t(game.highestNumber))) + 1;
            if (std::find(ticket.begin(), ticket.begin() + k, v) != ticket.begin() + k)
                continue;
            ticket[std::size_t(k++)] = v;
        }
        const HitResult hit = scoreTip(ticket, draw);
        into[std::size_t(std::min(hit.hits, Game::NumbersPerDraw))][hit.bonusHit ? 1 : 0] += 1;
    }
}

} // namespace

double hitProbability(int hits, int highest, int numbers)
{
    return choose(numbers, hits) * choose(highest - numbers, numbers - hits) / choose(highest, numbers);
}

Result run(const Inputs& in, const Hooks& hooks)
{
    Result r;
    r.sheet = in.sheet;
    GeneratorOptions options = in.options;
    options.reviewPool = false; // no dialog at every step
    RandomSource random;
    RandomSource tickets;
    tickets.seed = in.luckyNumber ^ std::int32_t(0x2545F491);

    CurrentDraw shown;
    auto select = [&](double day) {
        if (const auto draw = DrawHistory::lookup(in.records, day)) {
            shown = *draw;
            return DrawHistory::pickerDay(draw->date, day);
        }
        return day;
    };
    double start = in.startDay;
    double picker = select(start);
    double previous = in.today;
    int threeOrMore = 4; // so that the first step computes tips
    while (previous != start) {
        if (hooks.stopRequested && hooks.stopRequested()) {
            r.stopped = true;
            return r;
        }
        previous = start;
        random.seed = in.luckyNumber;
        if (!in.recomputeOnlyAfterThree || threeOrMore != 0) {
            const TipGenerator::Inputs generator{
                in.records, in.messages,        options,         r.sheet, in.rules,
                picker,     in.statisticsStart, in.mainDrawOnly, shown,   QString()};
            const TipGenerator::Outcome outcome = TipGenerator::run(generator, random);
            r.sheet = outcome.sheet;
            ++r.computations;
            picker = select(outcome.selectedDay);
        }
        // One draw on: a week later in the classic rules, the next draw as played.
        const double target = picker + (in.rules == GameRules::Classic ? GameEras::ClassicStepDays : 1);
        const double stepDay = DrawHistory::pickerDay(target, picker);
        picker = select(stepDay);
        const CheckSummary check = checkSheet(r.sheet, shown);
        ++r.steps;
        threeOrMore = 0;
        const QDate drawDate = DrawDate::toQDate(shown.date);
        const int column = firstColumn(drawDate, in.rules) ? 0 : 2;
        int ticketCount = 0;
        for (int i = 0; i <= Game::NumbersPerDraw; ++i) {
            const int tips = check.tally[std::size_t(i)][0] + check.tally[std::size_t(i)][1];
            ticketCount += tips;
            // Seven hits reach "three or more" too, though the report has no line for them.
            if (i >= 3)
                threeOrMore += tips;
            if (i > 6)
                continue;
            r.counts[std::size_t(i)][std::size_t(column)] += check.tally[std::size_t(i)][0];
            r.counts[std::size_t(i)][std::size_t(column + 1)] += check.tally[std::size_t(i)][1];
        }
        r.threeOrMore += threeOrMore;

        const Game game = GameEras::on(drawDate, in.rules);
        scoreRandomTickets(ticketCount, shown, game, tickets, r.random);
        const int others = game.highestNumber - Game::NumbersPerDraw;
        double pThreeOrMore = 0;
        for (int k = 0; k <= Game::NumbersPerDraw; ++k) {
            const double p = hitProbability(k, game.highestNumber);
            const double bonus = shown.bonus > 0 ? double(Game::NumbersPerDraw - k) / others : 0;
            r.expected[std::size_t(k)][0] += ticketCount * p * (1 - bonus);
            r.expected[std::size_t(k)][1] += ticketCount * p * bonus;
            if (k >= 3)
                pThreeOrMore += p;
        }
        r.expectedThreeOrMoreVariance += ticketCount * pThreeOrMore * (1 - pThreeOrMore);

        start = picker;
        r.lastDay = picker;
        if (hooks.progress)
            hooks.progress(shown.date);
    }
    return r;
}

QString report(const Result& r, const MessageTable& messages)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = messages.text(Msg::BacktestHeading) + crlf;
    auto line = [&](const QString& label, int first, int second) {
        text += label + QStringLiteral("\t=>\t") + QString::number(first) + QStringLiteral("\t=>\t") +
                QString::number(second) + crlf;
    };
    for (int i = 0; i <= 6; ++i) {
        const auto& c = r.counts[std::size_t(i)];
        line(QString::number(i) + QLatin1Char('x'), c[0], c[2]);
        if (i <= 5)
            line(QString::number(i) + QStringLiteral("x + Bonus"), c[1], c[3]);
    }
    text += crlf;
    text += QString::number(r.steps) + QLatin1Char(' ') + messages.text(Msg::Draws) + crlf;
    return text;
}

Verdict verdict(const Result& r)
{
    Verdict v;
    v.observed = r.threeOrMore;
    for (int k = 3; k <= Game::NumbersPerDraw; ++k)
        v.expected += r.expected[std::size_t(k)][0] + r.expected[std::size_t(k)][1];
    v.sigma = std::sqrt(r.expectedThreeOrMoreVariance);
    const double difference = v.observed - v.expected;
    const QString figures = QStringLiteral(" (%1 Tipps mit 3 oder mehr Richtigen, erwartet %2 ± %3)")
                                .arg(v.observed, 0, 'f', 0)
                                .arg(v.expected, 0, 'f', 1)
                                .arg(v.sigma, 0, 'f', 1);
    // Within two standard deviations of the expected count, a difference is what chance alone gives.
    if (r.steps == 0)
        v.text = QStringLiteral("Keine Ziehung ausgewertet.");
    else if (difference > 2 * v.sigma)
        v.text = QStringLiteral("Besser als zufällige Tipps") + figures;
    else if (difference < -2 * v.sigma)
        v.text = QStringLiteral("Schlechter als zufällige Tipps") + figures;
    else
        v.text = QStringLiteral("Nicht besser als zufällige Tipps") + figures;
    return v;
}

} // namespace Backtest

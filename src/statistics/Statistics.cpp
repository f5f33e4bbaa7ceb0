#include "statistics/Statistics.h"

#include "draws/Game.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace Statistics {

namespace {

using Counts = std::array<int, Game::MaxHighestNumber + 1>; // index 0 unused

StatisticSeries::Rgb numberColour(int n)
{
    return Game::isPrime(n) ? StatisticSeries::Red : StatisticSeries::Green;
}

// Bars 1..N of the game, coloured red for primes and green otherwise, fixed scale.
StatisticSeries numberSeries(const Counts& counts, const QString& title, const Game& game)
{
    StatisticSeries s;
    s.bars.reserve(std::size_t(game.highestNumber));
    for (int n = 1; n <= game.highestNumber; ++n)
        s.bars.push_back({double(n), double(counts[n]), numberColour(n)});
    s.setFixedBoundsFromBars();
    s.title = title;
    return s;
}

QString number(double value)
{
    return QString::number(qint64(value));
}

const QString Blanks4 = QStringLiteral("    ");
const QString Blanks5 = QStringLiteral("     ");

} // namespace

double roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5)
        return lower;
    if (fraction > 0.5)
        return lower + 1;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

QString noDrawsMessage()
{
    return QStringLiteral("Im gewählten Zeitraum liegt keine Ziehung (Division durch Null).");
}

StatisticSeries frequency(const std::vector<DrawRecord>& records, const StatisticWindow& window,
                          const MessageTable& messages, const QString& previousTitle, const Game& game)
{
    Counts counts{};
    qint64 draws = 0;
    qint64 sumOfCrossSums = 0;
    for (const DrawRecord& r : records) {
        if (!window.accepts(r))
            continue;
        for (int n : r.zahlen)
            if (game.contains(n))
                ++counts[n];
        ++draws;
        sumOfCrossSums += r.crossSum();
    }
    if (draws == 0)
        return numberSeries(counts, previousTitle, game);
    const double mean = roundHalfEven(double(sumOfCrossSums) / double(draws));
    return numberSeries(counts,
                        messages.text(Msg::NumberDistribution) + Blanks5 + messages.text(Msg::Draws) +
                            QStringLiteral(": ") + number(double(draws)) + Blanks4 +
                            messages.text(Msg::CrossSumTitle) + QStringLiteral(": ") + number(mean),
                        game);
}

StatisticSeries overdue(const std::vector<DrawRecord>& records, const StatisticWindow& window,
                        const MessageTable& messages, const Game& game)
{
    Counts age;
    age.fill(1);
    for (const DrawRecord& r : records) {
        if (!window.accepts(r))
            continue;
        for (int& a : age)
            ++a;
        for (int n : r.zahlen)
            if (game.contains(n))
                age[n] = 1;
    }
    return numberSeries(age, messages.text(Msg::OverdueQuestion), game);
}

StatisticSeries groups(const std::vector<DrawRecord>& records, const StatisticWindow& window,
                       const MessageTable& messages, GroupSize groupSize, const Game& game)
{
    const int size = int(groupSize);
    // Starting numbers examined; a quad starting two below the highest number never completes.
    const int highest = game.highestNumber;
    const int lastStart = groupSize == GroupSize::Pairs ? highest - 1 : highest - 2;
    const int barCount = groupSize == GroupSize::Pairs     ? highest - 1
                         : groupSize == GroupSize::Triples ? highest - 2
                                                           : highest;
    static_assert(Game::MaxHighestNumber < 64, "a draw is kept as a bit set");
    const std::uint64_t run = (std::uint64_t(1) << size) - 1;
    Counts groupCount{};
    qint64 draws = 0;
    qint64 hits = 0;
    for (const DrawRecord& r : records) {
        if (!window.accepts(r))
            continue;
        ++draws;
        std::uint64_t drawn = 0; // bit n: number n drawn
        for (int n : r.zahlen)
            if (game.contains(n))
                drawn |= std::uint64_t(1) << n;
        for (int k = 1; k <= lastStart; ++k) {
            if (((drawn >> k) & run) == run) {
                ++groupCount[k];
                ++hits;
            }
        }
    }

    StatisticSeries s;
    s.bars.reserve(barCount);
    for (int k = 1; k <= barCount; ++k)
        s.bars.push_back({double(k), double(groupCount[k]), std::nullopt});
    const Msg word = groupSize == GroupSize::Pairs     ? Msg::Pairs
                     : groupSize == GroupSize::Triples ? Msg::Triples
                                                       : Msg::Quads;
    if (groupSize == GroupSize::Quads)
        s.setAutomaticBoundsFromBars();
    else
        s.setFixedBoundsFromBars();
    s.title = messages.text(Msg::Draws) + QStringLiteral(": ") + number(double(draws)) + Blanks5 +
              messages.text(word) + QLatin1Char(' ') + messages.text(Msg::Found) + QStringLiteral(" : ") +
              number(double(hits));
    return s;
}

StatisticSeries crossSums(const std::vector<DrawRecord>& records, const StatisticWindow& window,
                          const MessageTable& messages)
{
    // A record holds bytes, so a sum of seven of them stays below this.
    std::vector<int> sumCount(Game::NumbersPerDraw * 255 + 1, 0);
    int smallest = int(sumCount.size());
    int largest = -1;
    qint64 draws = 0;
    qint64 sumOfCrossSums = 0;
    for (const DrawRecord& r : records) {
        if (!window.accepts(r))
            continue;
        const int sum = r.crossSum();
        ++sumCount[sum];
        smallest = std::min(smallest, sum);
        largest = std::max(largest, sum);
        ++draws;
        sumOfCrossSums += sum;
    }
    if (draws == 0)
        throw StatisticError{noDrawsMessage()};

    StatisticSeries s;
    s.bars.reserve(largest - smallest + 1);
    for (int sum = smallest; sum <= largest; ++sum)
        s.bars.push_back({double(sum), double(sumCount[sum]), std::nullopt});
    s.setAutomaticBoundsFromBars();
    const double mean = roundHalfEven(double(sumOfCrossSums) / double(draws));
    s.title = messages.text(Msg::CrossSumDistribution) + Blanks5 + messages.text(Msg::Draws) +
              QStringLiteral(": ") + number(double(draws)) + Blanks4 + messages.text(Msg::CrossSumAxis) +
              QStringLiteral(": ") + number(mean);
    return s;
}

StatisticSeries composition(const std::vector<DrawRecord>& records, const StatisticWindow& window,
                            const MessageTable& messages, Composition kind)
{
    auto matches = [kind](int n) {
        switch (kind) {
        case Composition::Primes:
            return Game::isPrime(n);
        case Composition::Odd:
            return n % 2 == 1;
        case Composition::Even:
            return n % 2 == 0;
        }
        return false;
    };
    std::array<int, Game::NumbersPerDraw + 1> classCount{};
    qint64 draws = 0;
    for (const DrawRecord& r : records) {
        if (!window.accepts(r))
            continue;
        ++draws;
        int i = 0;
        for (int n : r.zahlen)
            if (matches(n))
                ++i;
        ++classCount[i];
    }
    if (draws == 0)
        throw StatisticError{noDrawsMessage()};

    StatisticSeries s;
    qint64 matching = 0;
    for (int i = 0; i <= Game::NumbersPerDraw; ++i) {
        s.bars.push_back({double(i), double(classCount[i]), std::nullopt});
        matching += qint64(i) * classCount[i];
    }
    s.setFixedBoundsFromBars();
    const double share = roundHalfEven(double(matching) * 100.0 / double(draws * Game::NumbersPerDraw));
    const Msg first = kind == Composition::Primes ? Msg::PrimesPerTip
                      : kind == Composition::Odd  ? Msg::OddPerTip
                                                  : Msg::EvenPerTip;
    const QString separator = kind == Composition::Primes ? QStringLiteral(". ") : QStringLiteral(".  ");
    s.title = messages.text(first) + QLatin1Char(' ') + number(double(draws)) + QLatin1Char(' ') +
              messages.text(Msg::Draws) + separator + number(share) + QStringLiteral("% ") +
              messages.text(Msg(int(first) + 1)) + QLatin1Char('.');
    return s;
}

StatisticSeries tipDistribution(const TipSheet& sheet, const MessageTable& messages, const Game& game)
{
    Counts counts{};
    for (const TipSheet::Row& row : sheet.cells) {
        if (TipSheet::hasRepeat(row))
            continue; // shown invalid on the sheet, so it counts nowhere
        for (int n : row) {
            if (n == 0)
                return numberSeries(counts, messages.text(Msg::TipDistribution), game);
            if (game.contains(n))
                ++counts[n];
        }
    }
    return numberSeries(counts, messages.text(Msg::TipDistribution), game);
}

} // namespace Statistics

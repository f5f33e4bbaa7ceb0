#include "generator/RowRules.h"

#include "checking/DatabaseFilters.h"

#include <bit>

template <typename Numbers>
RowRules::NumberSet RowRules::NumberSet::of(const Numbers& numbers, int size, const Game& game)
{
    NumberSet s;
    for (int i = 0; i < size; ++i) {
        const int v = numbers[std::size_t(i)];
        if (!game.contains(v))
            continue; // an empty cell or a number no candidate can hold
        const std::uint64_t bit = std::uint64_t(1) << v;
        s.repeats = s.repeats || (s.mask & bit);
        s.mask |= bit;
        ++s.counts[std::size_t(v)];
    }
    return s;
}

int RowRules::NumberSet::shared(std::uint64_t candidateMask, const Row& candidate) const
{
    if (!repeats)
        return std::popcount(mask & candidateMask);
    int n = 0;
    for (int v : candidate)
        n += counts[std::size_t(v) & 63];
    return n;
}

RowRules::RowRules(const Game& game, const std::array<CurrentDraw, 3>& draws)
    : m_game(game)
{
    for (int n = 1; n <= game.highestNumber; ++n)
        if (Game::isPrime(n))
            m_primes |= std::uint64_t(1) << n;
    for (std::size_t i = 0; i < draws.size(); ++i)
        m_draws[i] = NumberSet::of(draws[i].numbers, Game::NumbersPerDraw, game);
}

void RowRules::addSettled(const Row& row)
{
    if (m_settled < TipSheet::Rows)
        m_history[std::size_t(m_settled++)] = NumberSet::of(row, TipSheet::Cells, m_game);
}

std::uint64_t RowRules::maskOf(const Row& row)
{
    // Candidates hold numbers of the game only, so no range check is needed on this hot path.
    std::uint64_t mask = 0;
    for (int v : row)
        mask |= std::uint64_t(1) << (v & 63);
    return mask;
}

int RowRules::sharedCount(const Row& a, const Row& b)
{
    int n = 0;
    for (int x : a)
        for (int y : b)
            n += x != 0 && x == y;
    return n;
}

int RowRules::primeCount(const Row& row)
{
    int n = 0;
    for (int v : row)
        n += Game::isPrime(v);
    return n;
}

RowRules::Rule RowRules::firstFailing(const Row& c, int crossSum, const GeneratorOptions& o,
                                      const DatabaseFilters* filters, double statisticStart) const
{
    const std::uint64_t mask = maskOf(c);

    if (m_settled > 0) {
        const auto& overlap = o.overlapWithSheet;
        int lowest = TipSheet::Cells + 1, highest = -1;
        bool outside = false;
        for (int r = 0; r < m_settled; ++r) {
            const int shared = m_history[std::size_t(r)].shared(mask, c);
            lowest = std::min(lowest, shared);
            highest = std::max(highest, shared);
            outside = outside || shared > overlap.max || shared < overlap.min;
        }
        if ((overlap.maxOn && lowest > overlap.max) || (overlap.minOn && highest < overlap.min) ||
            (overlap.everyPair && outside))
            return Rule::OverlapWithSheet;
    }
    const std::uint64_t pairs = mask & (mask >> 1); // bit n: n and n + 1 both in the row
    if (o.forcePair && pairs == 0)
        return Rule::NoPair;
    if (o.noRunsOfThree && (pairs & (pairs >> 1)) != 0)
        return Rule::RunOfThree;
    if (crossSum < o.crossSum.min || crossSum > o.crossSum.max)
        return Rule::CrossSum;
    constexpr Rule drawRules[] = {Rule::SharedWithLastDraw, Rule::SharedWithSecondLastDraw,
                                  Rule::SharedWithThirdLastDraw};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& bound = o.sharedWithDraw[i];
        // A bound of 0 took the draw's numbers out of the pool instead.
        if (bound.on && bound.max > 0 && m_draws[i].shared(mask, c) > bound.max)
            return drawRules[i];
    }
    if (o.minEven.on || o.minOdd.on) {
        int even = 0;
        for (int i = 0; i < TipSheet::Cells - 1; ++i) // the largest number is not counted
            even += c[std::size_t(i)] % 2 == 0;
        if (o.minEven.on && even < o.minEven.min)
            return Rule::TooFewEven;
        if (o.minOdd.on && TipSheet::Cells - 1 - even < o.minOdd.min)
            return Rule::TooFewOdd;
    }
    if (filters) {
        const bool bonus = o.bonusCountsAsHit;
        const auto& shortWindow = o.lastDrawsShort;
        const auto& longWindow = o.lastDrawsLong;
        if (shortWindow.on && !filters->neverHitInRecentDraws(c, shortWindow.hits, shortWindow.draws, bonus))
            return Rule::HitInLastDrawsShort;
        if (longWindow.on && !filters->neverHitInRecentDraws(c, longWindow.hits, longWindow.draws, bonus))
            return Rule::HitInLastDrawsLong;
        if (o.notInDatabase.on && !filters->neverHitSince(c, o.notInDatabase.hits, statisticStart, bonus))
            return Rule::HitInDatabase;
    }
    if (o.minPrimes.on && std::popcount(mask & m_primes) < o.minPrimes.min)
        return Rule::TooFewPrimes;
    return Rule::None;
}

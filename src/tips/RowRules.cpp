#include "tips/RowRules.h"

#include "checking/DatabaseFilters.h"

#include <bit>

namespace {
constexpr std::uint64_t primeMask()
{
    std::uint64_t mask = 0;
    for (int n = 1; n <= Game::HighestNumber; ++n)
        if (Game::isPrime(n))
            mask |= std::uint64_t(1) << n;
    return mask;
}
constexpr std::uint64_t kPrimes = primeMask();
} // namespace

template <typename Numbers> RowRules::NumberSet RowRules::NumberSet::of(const Numbers& numbers, int size)
{
    NumberSet s;
    for (int i = 0; i < size; ++i) {
        const int v = numbers[std::size_t(i)];
        if (v < 1 || v > Game::HighestNumber)
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

RowRules::RowRules(const std::array<DrawNumbers, 3>& draws)
{
    for (std::size_t i = 0; i < draws.size(); ++i)
        m_draws[i] = NumberSet::of(draws[i], Game::NumbersPerDraw);
}

void RowRules::addSettled(const Row& row)
{
    if (m_settled < TipSheet::Rows)
        m_history[std::size_t(m_settled++)] = NumberSet::of(row, TipSheet::Cells);
}

std::uint64_t RowRules::maskOf(const Row& row)
{
    std::uint64_t mask = 0;
    for (int v : row)
        if (v >= 1 && v <= Game::HighestNumber)
            mask |= std::uint64_t(1) << v;
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

int RowRules::firstFailing(const Row& c, int crossSum, const CalcParameters& p,
                           const DatabaseFilters* filters, double statisticStart) const
{
    const std::uint64_t mask = maskOf(c);

    if (m_settled > 0) {
        int lowest = TipSheet::Cells + 1, highest = -1;
        bool outside = false;
        for (int r = 0; r < m_settled; ++r) {
            const int shared = m_history[std::size_t(r)].shared(mask, c);
            lowest = std::min(lowest, shared);
            highest = std::max(highest, shared);
            outside = outside || shared > p.UpDown3 || shared < p.UpDown9;
        }
        if ((p.CheckBox3 && lowest > p.UpDown3) || (p.CheckBox24 && highest < p.UpDown9) ||
            (p.CheckBox27 && outside))
            return 1;
    }
    const std::uint64_t pairs = mask & (mask >> 1); // bit n: n and n + 1 both in the row
    if (p.CheckBox8 && pairs == 0)
        return 2;
    if (p.CheckBox18 && (pairs & (pairs >> 1)) != 0)
        return 3;
    if (crossSum < p.UpDown1 || crossSum > p.UpDown2)
        return 4;
    const std::pair<bool, int> drawBounds[] = {
        {p.CheckBox4 && p.UpDown4 > 0, p.UpDown4},
        {p.CheckBox5 && p.UpDown5 > 0, p.UpDown5},
        {p.CheckBox23 && p.UpDown11 > 0, p.UpDown11},
    };
    for (std::size_t i = 0; i < 3; ++i)
        if (drawBounds[i].first && m_draws[i].shared(mask, c) > drawBounds[i].second)
            return 5 + int(i);
    if (p.CheckBox25 || p.CheckBox26) {
        int even = 0;
        for (int i = 0; i < TipSheet::Cells - 1; ++i) // the largest number is not counted
            even += c[std::size_t(i)] % 2 == 0;
        if (p.CheckBox25 && even < p.UpDown15)
            return 8;
        if (p.CheckBox26 && TipSheet::Cells - 1 - even < p.UpDown16)
            return 9;
    }
    if (filters) {
        if (p.CheckBox28 && !filters->dreierodervierer(c, p.UpDown17, p.UpDown18, p.CheckBox35))
            return 10;
        if (p.CheckBox34 && !filters->dreierodervierer(c, p.UpDown20, p.UpDown21, p.CheckBox35))
            return 11;
        if (p.CheckBox9 && !filters->secheroderfuenfer(c, p.UpDown6, statisticStart, p.CheckBox35))
            return 12;
    }
    if (p.CheckBox22 && std::popcount(mask & kPrimes) < p.UpDown10)
        return 13;
    return 0;
}

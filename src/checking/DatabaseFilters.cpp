#include "checking/DatabaseFilters.h"

#include "checking/HitRule.h"

#include <algorithm>
#include <bit>
#include <limits>

DatabaseFilters::DatabaseFilters(const std::vector<DrawRecord>& records, double end, bool mainDrawOnly,
                                 const Game& game, GameRules rules)
    : m_end(end)
    , m_game(game)
    , m_rules(rules)
{
    for (const DrawRecord& r : records) {
        if (r.datum > end || (mainDrawOnly && r.bonus == 0))
            continue;
        m_dates.push_back(r.datum);
        std::array<int, Game::NumbersPerDraw + 1> n{};
        for (int i = 0; i < Game::NumbersPerDraw; ++i)
            n[std::size_t(i)] = r.zahlen[std::size_t(i)];
        n[Game::NumbersPerDraw] = r.bonus;
        m_numbers.push_back(n);
    }
    m_count = int(m_dates.size());
    m_words = (m_count + 63) / 64;
    const std::size_t cells = std::size_t(Game::MaxHighestNumber + 1) * std::size_t(m_words);
    m_main.assign(cells, 0);
    m_bonus.assign(cells, 0);
    for (int d = 0; d < m_count; ++d) {
        const std::size_t word = std::size_t(d / 64);
        const std::uint64_t bit = std::uint64_t(1) << (d % 64);
        const auto& n = m_numbers[std::size_t(d)];
        for (int i = 0; i < Game::NumbersPerDraw; ++i) {
            const int v = n[std::size_t(i)];
            if (!m_game.contains(v))
                continue; // never equals a tip number
            std::uint64_t& slot = m_main[std::size_t(v) * std::size_t(m_words) + word];
            if (slot & bit)
                m_anyIrregular = true; // a number drawn twice counts twice
            slot |= bit;
        }
        if (m_game.contains(n[Game::NumbersPerDraw]))
            m_bonus[std::size_t(n[Game::NumbersPerDraw]) * std::size_t(m_words) + word] |= bit;
    }
}

double DatabaseFilters::recentStart(int draws) const
{
    if (m_rules == GameRules::Classic)
        return windowStart(m_end, draws);
    if (draws >= m_count)
        return -std::numeric_limits<double>::infinity();
    return m_dates[std::size_t(m_count - draws - 1)];
}

double DatabaseFilters::windowStart(double end, int draws)
{
    // The window was always counted at two draws a week, whatever the game's rhythm.
    constexpr double DrawsPerWeek = 2;
    return end - double(draws) / DrawsPerWeek * 7;
}

const DatabaseFilters::Window& DatabaseFilters::window(double start) const
{
    for (const Window& w : m_windows)
        if (w.start == start)
            return w;
    if (m_windows.size() >= 8) // options changed during a run; keep only the recent ones
        m_windows.erase(m_windows.begin());
    Window w;
    w.start = start;
    w.mask.assign(std::size_t(m_words), 0);
    w.firstWord = m_words;
    for (int d = 0; d < m_count; ++d)
        if (m_dates[std::size_t(d)] > start) {
            w.mask[std::size_t(d / 64)] |= std::uint64_t(1) << (d % 64);
            w.firstWord = std::min(w.firstWord, d / 64);
            w.endWord = d / 64 + 1;
        }
    m_windows.push_back(std::move(w));
    return m_windows.back();
}

bool DatabaseFilters::staysBelow(const TipSheet::Row& tip, int threshold, double start,
                                 bool bonusCounts) const
{
    const Window& w = window(start);
    if (w.firstWord >= w.endWord)
        return true;
    if (threshold <= 0)
        return false;

    std::uint64_t seen = 0;
    bool regularTip = true;
    for (int v : tip) {
        if (m_game.contains(v)) {
            const std::uint64_t bit = std::uint64_t(1) << v;
            regularTip = regularTip && !(seen & bit);
            seen |= bit;
        } else {
            regularTip = false; // an empty cell stops the hit rule at that position
        }
    }
    if (!regularTip || m_anyIrregular)
        return slowStaysBelow(tip, threshold, w, bonusCounts);
    if (threshold > Game::NumbersPerDraw + 1)
        return true;

    const std::size_t words = std::size_t(m_words);
    const std::uint64_t* main[Game::NumbersPerDraw];
    const std::uint64_t* bonus[Game::NumbersPerDraw];
    for (int i = 0; i < Game::NumbersPerDraw; ++i) {
        main[i] = m_main.data() + std::size_t(tip[std::size_t(i)]) * words;
        bonus[i] = m_bonus.data() + std::size_t(tip[std::size_t(i)]) * words;
    }
    for (int word = w.firstWord; word < w.endWord; ++word) {
        // Bit-sliced counters c0..c3: per draw the number of hits so far.
        std::uint64_t c0 = 0, c1 = 0, c2 = 0, c3 = 0;
        auto add = [&](std::uint64_t x) {
            const std::uint64_t k0 = c0 & x;
            c0 ^= x;
            const std::uint64_t k1 = c1 & k0;
            c1 ^= k0;
            const std::uint64_t k2 = c2 & k1;
            c2 ^= k1;
            c3 |= k2;
        };
        std::uint64_t bonusHit = 0;
        for (int i = 0; i < Game::NumbersPerDraw; ++i) {
            add(main[i][word]);
            bonusHit |= bonus[i][word];
        }
        if (bonusCounts)
            add(bonusHit);
        // count >= threshold, compared from the highest bit down
        const std::uint64_t c[4] = {c0, c1, c2, c3};
        std::uint64_t greater = 0, equal = ~std::uint64_t(0);
        for (int b = 3; b >= 0; --b) {
            if (threshold & (1 << b)) {
                equal &= c[b];
            } else {
                greater |= equal & c[b];
                equal &= ~c[b];
            }
        }
        if ((greater | equal) & w.mask[std::size_t(word)])
            return false;
    }
    return true;
}

bool DatabaseFilters::slowStaysBelow(const TipSheet::Row& tip, int threshold, const Window& w,
                                     bool bonusCounts) const
{
    for (int d = 0; d < m_count; ++d) {
        if (!(w.mask[std::size_t(d / 64)] >> (d % 64) & 1))
            continue;
        const auto& n = m_numbers[std::size_t(d)];
        const HitResult hit =
            scoreTip(tip, {n[0], n[1], n[2], n[3], n[4], n[5], n[6]}, n[Game::NumbersPerDraw]);
        if (hit.hits + (bonusCounts && hit.bonusHit ? 1 : 0) >= threshold)
            return false;
    }
    return true;
}

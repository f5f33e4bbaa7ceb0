#pragma once

#include "draws/DrawRecord.h"
#include "draws/Game.h"
#include "draws/GameEras.h"
#include "tips/TipSheet.h"

#include <cstdint>
#include <vector>

// Did any past draw of a window give a tip at least a given number of hits? Built once per generator run
// from one read of the draw file. Each number of the game keeps
// a bitset over the draws (one bit per draw), so a tip is checked 64 draws at a time by adding its
// seven bitsets in bit-sliced counters; the scan stops at the first 64 draws that reach the threshold.
class DatabaseFilters
{
public:
    DatabaseFilters() = default;
    // The draws up to `end` (the selected date) that the main-draw filter lets through.
    // As played, "the last N draws" are the last N draws the filter lets through; classic counts them at
    // two draws a week back from the end date.
    DatabaseFilters(const std::vector<DrawRecord>& records, double end, bool mainDrawOnly, const Game& game,
                    GameRules rules = GameRules::Classic);

    double end() const { return m_end; }
    int drawCount() const { return m_count; }

    // True when no draw with start < date <= end gave the tip `threshold` hits or more. With
    // bonusCounts a tip number equal to the bonus number adds one hit.
    bool staysBelow(const TipSheet::Row& tip, int threshold, double start, bool bonusCounts) const;

    // The window of the whole database: every draw after the statistics' start date.
    bool neverHitSince(const TipSheet::Row& tip, int threshold, double startDate, bool bonusCounts) const
    {
        return staysBelow(tip, threshold, startDate, bonusCounts);
    }
    // The window of the last `draws` draws up to the end date.
    bool neverHitInRecentDraws(const TipSheet::Row& tip, int threshold, int draws, bool bonusCounts) const
    {
        return staysBelow(tip, threshold, recentStart(draws), bonusCounts);
    }
    // Classic: the start of the window, counted at two draws a week back from the end date.
    static double windowStart(double end, int draws);
    // The start (exclusive) of the window holding the last `draws` draws.
    double recentStart(int draws) const;

private:
    struct Window
    {
        double start = 0;
        std::vector<std::uint64_t> mask;
        int firstWord = 0;
        int endWord = 0; // one past the last word with a draw in the window
    };
    const Window& window(double start) const;
    bool slowStaysBelow(const TipSheet::Row& tip, int threshold, const Window& w, bool bonusCounts) const;

    double m_end = 0;
    Game m_game;
    GameRules m_rules = GameRules::Classic;
    int m_count = 0;
    int m_words = 0;
    std::vector<double> m_dates;
    std::vector<std::array<int, Game::NumbersPerDraw + 1>>
        m_numbers;                         // main numbers and bonus, for the exact path
    std::vector<std::uint64_t> m_main;     // [number * m_words + word]
    std::vector<std::uint64_t> m_bonus;    // [number * m_words + word]
    bool m_anyIrregular = false;           // a draw holds a number twice: count exactly
    mutable std::vector<Window> m_windows; // the few windows a run asks for
};

#pragma once

#include "draws/DrawRecord.h"
#include "tips/TipSheet.h"

#include <cstdint>
#include <vector>

// Secheroderfuenfer and dreierodervierer: did any past draw of a window give a tip at least a given
// number of hits? Built once per generator run from one read of the draw file. Each number 1..49 keeps
// a bitset over the draws (one bit per draw), so a tip is checked 64 draws at a time by adding its
// seven bitsets in bit-sliced counters; the scan stops at the first 64 draws that reach the threshold.
class DatabaseFilters
{
public:
    DatabaseFilters() = default;
    // The draws up to `end` (the selected date) that the main-draw filter lets through.
    DatabaseFilters(const std::vector<DrawRecord>& records, double end, bool mainDrawOnly);

    double end() const { return m_end; }
    int drawCount() const { return m_count; }

    // True when no draw with start < date <= end gave the tip `threshold` hits or more. With
    // bonusCounts a tip number equal to the bonus number adds one hit.
    bool staysBelow(const TipSheet::Row& tip, int threshold, double start, bool bonusCounts) const;

    // Secheroderfuenfer: the window starts after the chart's start date (DateTimePicker2).
    bool secheroderfuenfer(const TipSheet::Row& tip, int threshold, double startDate, bool bonusCounts) const
    {
        return staysBelow(tip, threshold, startDate, bonusCounts);
    }
    // dreierodervierer: the last `ziehzahl` draws at two draws a week before the end date.
    bool dreierodervierer(const TipSheet::Row& tip, int gewinner, int ziehzahl, bool bonusCounts) const
    {
        return staysBelow(tip, gewinner, windowStart(m_end, ziehzahl), bonusCounts);
    }
    static double windowStart(double end, int ziehzahl);

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
    int m_count = 0;
    int m_words = 0;
    std::vector<double> m_dates;
    std::vector<std::array<int, 8>> m_numbers; // main numbers and bonus, for the exact path
    std::vector<std::uint64_t> m_main;         // [number * m_words + word]
    std::vector<std::uint64_t> m_bonus;        // [number * m_words + word]
    bool m_anyIrregular = false;               // a draw holds a number twice: count exactly
    mutable std::vector<Window> m_windows;     // the few windows a run asks for
};

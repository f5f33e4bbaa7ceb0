#pragma once

#include "tips/CalcParameters.h"
#include "tips/TipSheet.h"

#include <array>
#include <cstdint>

class DatabaseFilters;

// The thirteen acceptance rules a candidate row must pass, in their fixed order (cheap rules first,
// the three database rules late). Holds what a run settled so far and the three reference draws, both
// as bit masks, so that a rejected candidate costs a few instructions.
class RowRules
{
public:
    using Row = TipSheet::Row;
    using DrawNumbers = std::array<int, 8>; // seven main numbers, then the bonus

    // Numbers as a bit mask plus exact counts for a row that holds a number twice.
    struct NumberSet
    {
        std::uint64_t mask = 0;
        bool repeats = false;
        std::array<std::uint8_t, 64> counts{};

        template <typename Numbers> static NumberSet of(const Numbers& numbers, int size);
        // Pairs of positions with equal numbers; the candidate's numbers are distinct.
        int shared(std::uint64_t candidateMask, const Row& candidate) const;
    };

    explicit RowRules(const std::array<DrawNumbers, 3>& draws = {});

    void addSettled(const Row& row);
    int settled() const { return m_settled; }

    // The number (1..13) of the first rule that rejects the candidate, 0 when it passes. The candidate
    // holds seven distinct numbers in ascending order. Database rules are skipped without filters.
    int firstFailing(const Row& candidate, int crossSum, const CalcParameters& p,
                     const DatabaseFilters* filters, double statisticStart) const;

    // Pairs of positions (i, j) with a[i] == b[j], empty cells excluded.
    static int sharedCount(const Row& a, const Row& b);
    static int primeCount(const Row& row);
    static std::uint64_t maskOf(const Row& row);

private:
    std::array<NumberSet, 3> m_draws;
    std::array<NumberSet, TipSheet::Rows> m_history;
    int m_settled = 0;
};

#pragma once

#include "draws/DrawHistory.h"
#include "draws/Game.h"
#include "generator/GeneratorOptions.h"
#include "tips/TipSheet.h"

#include <array>
#include <cstdint>

class DatabaseFilters;

// The acceptance rules a candidate row must pass, in their fixed order (cheap rules first, the three
// database rules late). Holds what a run settled so far and the three reference draws, both
// as bit masks, so that a rejected candidate costs a few instructions.
class RowRules
{
public:
    using Row = TipSheet::Row;

    enum class Rule
    {
        None,             // the candidate passes
        OverlapWithSheet, // shares too many or too few numbers with the tips settled so far
        NoPair,           // a pair of neighbours is forced but missing
        RunOfThree,       // three neighbours in a row
        CrossSum,         // cross sum outside the range
        SharedWithLastDraw,
        SharedWithSecondLastDraw,
        SharedWithThirdLastDraw,
        TooFewEven,
        TooFewOdd,
        HitInLastDrawsShort,
        HitInLastDrawsLong,
        HitInDatabase,
        TooFewPrimes,
    };

    // Numbers as a bit mask plus exact counts for a row that holds a number twice.
    struct NumberSet
    {
        std::uint64_t mask = 0;
        bool repeats = false;
        std::array<std::uint8_t, 64> counts{};

        template <typename Numbers> static NumberSet of(const Numbers& numbers, int size, const Game& game);
        // Pairs of positions with equal numbers; the candidate's numbers are distinct.
        int shared(std::uint64_t candidateMask, const Row& candidate) const;
    };

    explicit RowRules(const Game& game, const std::array<CurrentDraw, 3>& draws = {});

    void addSettled(const Row& row);
    int settled() const { return m_settled; }

    // The first rule that rejects the candidate, Rule::None when it passes. The candidate holds seven
    // distinct numbers in ascending order. Database rules are skipped without filters.
    Rule firstFailing(const Row& candidate, int crossSum, const GeneratorOptions& options,
                      const DatabaseFilters* filters, double statisticStart) const;

    // Pairs of positions (i, j) with a[i] == b[j], empty cells excluded.
    static int sharedCount(const Row& a, const Row& b);
    static int primeCount(const Row& row);
    static std::uint64_t maskOf(const Row& row);

private:
    Game m_game;
    std::uint64_t m_primes = 0;
    std::array<NumberSet, 3> m_draws;
    std::array<NumberSet, TipSheet::Rows> m_history;
    int m_settled = 0;
};

#pragma once

#include "draws/Game.h"

#include <array>

// The draw that tips are checked against: numbers in entries 1..7 (record order), bonus in entry 8.
struct CurrentDraw
{
    double datum1 = 0;
    std::array<int, 9> zahl{}; // index 0 unused
    int position = 0;
    bool operator==(const CurrentDraw&) const = default;
};

struct HitResult
{
    int gewinn = 0;             // hits of drawn numbers
    bool zusatz = false;        // a tip number equals the bonus number
    std::array<int, 9> treffer{}; // per tip position 1..7: 0 none, 1 hit, 2 bonus hit
    bool super = false;
    bool operator==(const HitResult&) const = default;
};

// Zettelcheck: compares a tip with the draw's numbers. A tip entry below 0 stands for a text that is
// not a whole number and stops the comparison at that point, as it would for an empty cell; pass
// tipFromCells() for sheet rows, where an empty cell is 0.
HitResult zettelcheck(const std::array<int, Game::NumbersPerDraw>& tip, const std::array<int, 9>& zahl);

inline std::array<int, Game::NumbersPerDraw> tipFromCells(const std::array<int, Game::NumbersPerDraw>& cells)
{
    auto tip = cells;
    for (int& v : tip)
        if (v == 0)
            v = -1;
    return tip;
}

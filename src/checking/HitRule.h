#pragma once

#include "draws/DrawHistory.h"
#include "tips/TipSheet.h"

// How a tip fared against a draw.
struct HitResult
{
    int hits = 0;          // tip numbers among the seven drawn numbers
    bool bonusHit = false; // a tip number equals the bonus number
    std::array<TipSheet::Mark, TipSheet::Cells> marks{};
    bool operator==(const HitResult&) const = default;
};

// Compares a tip with a draw's seven numbers and its bonus. A cell that is empty (0) stops the
// comparison at that point: the cells before it are compared with the first drawn number only, as the
// hit rule always did for a row still being typed.
HitResult scoreTip(const TipSheet::Row& tip, const std::array<int, Game::NumbersPerDraw>& numbers, int bonus);
inline HitResult scoreTip(const TipSheet::Row& tip, const CurrentDraw& draw)
{
    return scoreTip(tip, draw.numbers, draw.bonus);
}

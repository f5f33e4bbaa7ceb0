#include "checking/HitRule.h"

HitResult scoreTip(const TipSheet::Row& tip, const std::array<int, Game::NumbersPerDraw>& numbers, int bonus)
{
    HitResult r;
    for (int j = 0; j <= Game::NumbersPerDraw; ++j) {
        const bool isBonus = j == Game::NumbersPerDraw;
        const int drawn = isBonus ? bonus : numbers[std::size_t(j)];
        for (std::size_t k = 0; k < tip.size(); ++k) {
            const int v = tip[k];
            if (v <= 0)
                return r;
            if (v != drawn)
                continue;
            if (isBonus) {
                r.marks[k] = TipSheet::Mark::Bonus;
                r.bonusHit = true;
            } else {
                r.marks[k] = TipSheet::Mark::Hit;
                ++r.hits;
            }
        }
    }
    return r;
}

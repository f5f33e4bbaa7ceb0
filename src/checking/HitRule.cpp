#include "checking/HitRule.h"

HitResult zettelcheck(const std::array<int, Game::NumbersPerDraw>& tip, const std::array<int, 9>& zahl)
{
    HitResult r;
    for (int j = 1; j <= 8; ++j) {
        for (int k = 1; k <= Game::NumbersPerDraw; ++k) {
            const int v = tip[k - 1];
            if (v < 0)
                return r;
            if (v == zahl[j]) {
                if (j <= 7) {
                    r.treffer[k] = 1;
                    ++r.gewinn;
                } else {
                    r.treffer[k] = 2;
                    r.zusatz = true;
                }
            }
        }
    }
    return r;
}

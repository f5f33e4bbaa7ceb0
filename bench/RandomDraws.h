#pragma once

#include "draws/DrawDate.h"
#include "draws/DrawRecord.h"
#include "draws/Game.h"

#include <QDate>
#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <vector>

// Weekly draws of 7 of 49 with a bonus, the same for every run of a benchmark with the same seed.
inline std::vector<DrawRecord> weeklyRandomDraws(int count, unsigned seed, const QDate& first)
{
    std::mt19937 random(seed);
    std::vector<DrawRecord> records;
    for (int d = 0; d < count; ++d) {
        std::array<int, 49> pool;
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), random);
        std::sort(pool.begin(), pool.begin() + Game::NumbersPerDraw);
        DrawRecord r;
        r.datum = DrawDate::fromQDate(first.addDays(qint64(d) * 7));
        for (int i = 0; i < Game::NumbersPerDraw; ++i)
            r.zahlen[std::size_t(i)] = std::uint8_t(pool[std::size_t(i)]);
        r.bonus = std::uint8_t(pool[Game::NumbersPerDraw]);
        records.push_back(r);
    }
    return records;
}

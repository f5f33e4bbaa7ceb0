#pragma once

// Small helpers shared by the generator tests: draw records and a home folder with a draw file.

#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "session/Actions.h"
#include "tips/RandomSource.h"

#include <QTemporaryDir>
#include <array>
#include <vector>

namespace Fixture {

inline DrawRecord draw(const QDate& date, std::array<int, 7> numbers, int bonus)
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(date);
    for (int i = 0; i < 7; ++i)
        r.zahlen[std::size_t(i)] = std::uint8_t(numbers[std::size_t(i)]);
    r.bonus = std::uint8_t(bonus);
    return r;
}

// `count` main draws, one a week up to and including `last`, numbers from a fixed seed.
inline std::vector<DrawRecord> weeklyDraws(int count, const QDate& last, std::int32_t seed = 99)
{
    RandomSource random;
    random.seed = seed;
    std::vector<DrawRecord> records;
    for (int i = count - 1; i >= 0; --i) {
        std::array<int, 7> n{};
        int bonus = 0;
        for (int k = 0; k < 8;) {
            const int v = int(random.random(49)) + 1;
            bool seen = v == bonus;
            for (int j = 0; j < k && j < 7; ++j)
                seen = seen || n[std::size_t(j)] == v;
            if (seen)
                continue;
            if (k < 7)
                n[std::size_t(k)] = v;
            else
                bonus = v;
            ++k;
        }
        records.push_back(draw(last.addDays(-7 * i), n, bonus));
    }
    return records;
}

// A session on a temporary home whose draw file holds the given records; dates pinned.
struct Home
{
    QTemporaryDir dir;
    Session session;

    explicit Home(const std::vector<DrawRecord>& records)
        : session(dir.path() + QLatin1Char('/'))
    {
        session.drawFile().replaceAll(records);
        session.today = QDate(2024, 6, 1);
        session.setSelectedDate(records.empty() ? session.today : DrawDate::toQDate(records.back().datum));
        session.setStartDate(QDate(2011, 5, 22));
        session.sheetSettled = true;
        session.gameRules = GameRules::Classic; // weekly draws of 7 of 49
    }
};

} // namespace Fixture

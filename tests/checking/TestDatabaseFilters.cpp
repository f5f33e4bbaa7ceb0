#include "../generator/GeneratorFixture.h"
#include "checking/DatabaseFilters.h"
#include "checking/HitRule.h"

#include <QTest>

namespace {
const QDate kEnd(2024, 6, 1);
double day(const QDate& d)
{
    return DrawDate::fromQDate(d);
}
} // namespace

class TestDatabaseFilters : public QObject
{
    Q_OBJECT
private slots:
    // Which draws a window examines: start excluded, end included, draws / 2 weeks back.
    void windows_data()
    {
        QTest::addColumn<int>("daysBeforeEnd");
        QTest::addColumn<int>("ziehzahl");
        QTest::addColumn<bool>("examined");
        QTest::addRow("on the end date") << 0 << 10 << true;
        QTest::addRow("after the end date") << -1 << 10 << false;
        QTest::addRow("34 days before") << 34 << 10 << true;
        QTest::addRow("35 days before: the start") << 35 << 10 << false;
        QTest::addRow("odd count: 17.5 days") << 17 << 5 << true;
        QTest::addRow("odd count: 18 days") << 18 << 5 << false;
    }
    void windows()
    {
        QFETCH(int, daysBeforeEnd);
        QFETCH(int, ziehzahl);
        QFETCH(bool, examined);
        const std::vector<DrawRecord> records{
            Fixture::draw(kEnd.addDays(-daysBeforeEnd), {1, 2, 3, 4, 5, 6, 7}, 8)};
        const DatabaseFilters f(records, day(kEnd), true, Game::classic());
        QCOMPARE(!f.neverHitInRecentDraws({1, 2, 3, 10, 11, 12, 13}, 3, ziehzahl, false), examined);
        QCOMPARE(DatabaseFilters::windowStart(day(kEnd), 10), day(kEnd) - 35);
    }

    void databaseWindowStartsAfterTheStartDate()
    {
        const QDate start(2015, 1, 3);
        const DatabaseFilters onStart({Fixture::draw(start, {1, 2, 3, 4, 5, 6, 7}, 8)}, day(kEnd), true,
                                      Game::classic());
        QVERIFY(onStart.neverHitSince({1, 2, 3, 4, 5, 6, 7}, 5, day(start), false));
        const DatabaseFilters after({Fixture::draw(start.addDays(1), {1, 2, 3, 4, 5, 6, 7}, 8)}, day(kEnd),
                                    true, Game::classic());
        QVERIFY(!after.neverHitSince({1, 2, 3, 4, 5, 6, 7}, 5, day(start), false));
        // a match outside the window does not count
        QVERIFY(after.neverHitSince({1, 2, 3, 4, 5, 6, 7}, 5, day(start.addDays(1)), false));
    }

    void bonusAndMainDrawFilter()
    {
        const std::vector<DrawRecord> records{Fixture::draw(kEnd, {1, 2, 3, 4, 10, 11, 12}, 5)};
        const DatabaseFilters f(records, day(kEnd), true, Game::classic());
        const TipSheet::Row tip{1, 2, 3, 4, 5, 30, 40};
        QVERIFY(f.neverHitSince(tip, 5, 0, false));  // 4 hits, bonus not counted
        QVERIFY(!f.neverHitSince(tip, 5, 0, true));  // 4 + bonus reach 5
        QVERIFY(!f.neverHitSince(tip, 0, 0, false)); // threshold 0: any draw of the window

        const std::vector<DrawRecord> extra{Fixture::draw(kEnd, {1, 2, 3, 4, 5, 11, 12}, 0)};
        QVERIFY(DatabaseFilters(extra, day(kEnd), true, Game::classic()).neverHitSince(tip, 5, 0, false));
        QVERIFY(!DatabaseFilters(extra, day(kEnd), false, Game::classic()).neverHitSince(tip, 5, 0, false));
        QVERIFY(DatabaseFilters({}, day(kEnd), true, Game::classic())
                    .neverHitSince(tip, 0, 0, false)); // empty window
    }

    // The bit-sliced scan against the hit rule itself, over many words of draws, windows and
    // thresholds, with and without the bonus; includes a draw holding a number twice.
    void agreesWithTheHitRule()
    {
        std::vector<DrawRecord> records = Fixture::weeklyDraws(300, kEnd, 7);
        records[150].zahlen = {9, 9, 10, 11, 12, 13, 14};
        RandomSource random;
        random.seed = 5;
        for (int irregular = 0; irregular < 2; ++irregular) {
            std::vector<DrawRecord> data = records;
            if (!irregular)
                data[150].zahlen[1] = 15;
            const DatabaseFilters f(data, day(kEnd.addDays(-20)), true, Game::classic());
            for (int i = 0; i < 3000; ++i) {
                TipSheet::Row tip{};
                const DrawRecord source =
                    Fixture::weeklyDraws(1, kEnd, std::int32_t(random.random(1u << 30)))[0];
                for (int k = 0; k < 7; ++k) // half of the tips share numbers with the old draws
                    tip[std::size_t(k)] = i % 2 ? source.zahlen[std::size_t(k)]
                                                : data[std::size_t(i % 300)].zahlen[std::size_t(k)];
                if (i % 2 == 0)
                    tip[6] = source.bonus;
                const int threshold = 2 + int(random.random(4));
                const bool bonus = random.random(2) == 1;
                const double start = day(kEnd.addDays(-7 * int(random.random(320))));
                bool expected = true;
                for (const DrawRecord& r : data) {
                    if (r.datum <= start || r.datum > f.end())
                        continue;
                    const HitResult hit = scoreTip(tip, CurrentDraw::of(r, 0));
                    expected = expected && hit.hits + (bonus && hit.bonusHit) < threshold;
                }
                QCOMPARE(f.staysBelow(tip, threshold, start, bonus), expected);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDatabaseFilters)
#include "TestDatabaseFilters.moc"

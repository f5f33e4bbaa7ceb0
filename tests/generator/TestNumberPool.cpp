#include "generator/NumberPool.h"
#include "language/MessageTable.h"

#include <QTest>
#include <map>

namespace {

StatisticSeries series(const std::vector<double>& ys, double min, double max)
{
    StatisticSeries s;
    for (std::size_t i = 0; i < ys.size(); ++i)
        s.bars.push_back({double(i + 1), ys[i], std::nullopt});
    s.axisMinimum = min;
    s.axisMaximum = max;
    return s;
}

struct PoolRun
{
    GeneratorOptions options;
    MessageTable messages;
    std::map<NumberPool::Source, StatisticSeries> statistics;
    std::array<CurrentDraw, 3> draws{{{0, {1, 2, 3, 4, 5, 6, 7}, 8, 0}, {}, {}}};
    QStringList status;
    std::vector<NumberPool::Source> computed;

    PoolRun()
    {
        // only what a test switches on
        options.preferRare.on = options.preferOverdue.on = false;
        options.sharedWithDraw[0].on = options.sharedWithDraw[1].on = options.sharedWithDraw[2].on = false;
    }

    NumberPool build()
    {
        NumberPool::Inputs in;
        in.options = &options;
        in.messages = &messages;
        in.draws = draws;
        in.status = [this](const QString& t) { status << t; };
        in.statistic = [this](NumberPool::Source s) {
            computed.push_back(s);
            return statistics[s];
        };
        return NumberPool::build(in);
    }
};

} // namespace

class TestNumberPool : public QObject
{
    Q_OBJECT
private slots:
    void baseBlock()
    {
        PoolRun run;
        const NumberPool pool = run.build();
        QCOMPARE(pool.size(), 50);
        QCOMPARE(pool.count(1), 2);
        QCOMPARE(pool.count(49), 1);
        QVERIFY(run.computed.empty());
    }

    void removals()
    {
        PoolRun run;
        run.options.sharedWithDraw[0].on =
            true; // UpDown4 = 0: the last draw's main numbers go, not its bonus
        NumberPool pool = run.build();
        for (int v = 1; v <= 7; ++v)
            QCOMPARE(pool.count(v), 0);
        QCOMPARE(pool.count(8), 1);
        QCOMPARE(pool.size(), 42);

        run.options.sharedWithDraw[0].max = 1; // a bound above 0 is a row rule instead
        QCOMPARE(run.build().size(), 50);

        run = PoolRun();
        run.options.avoidMonthNumbers = true;
        pool = run.build();
        QCOMPARE(pool.size(), 37);
        QVERIFY(std::all_of(pool.entries().begin(), pool.entries().end(), [](int v) { return v >= 13; }));

        run = PoolRun();
        run.options.weakenDateNumbers = true;
        pool = run.build();
        QCOMPARE(pool.size(), 19);
        QCOMPARE(pool.count(1), 1);
        for (int v = 2; v <= 31; ++v)
            QCOMPARE(pool.count(v), 0);
        for (int v = 32; v <= 49; ++v)
            QCOMPARE(pool.count(v), 1);
    }

    void gapsAreFilledWithTheLastEntry()
    {
        NumberPool pool({5, 1, 2, 5, 3, 5});
        pool.removeIf([](int v) { return v == 5; });
        QCOMPARE(pool.entries(), (std::vector<int>{3, 1, 2}));
    }

    void numberBands_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QList<int>>("entriesPerValue"); // for y = 10, 13, 14, 16, 17, 30, 31, 35, 36, 40
        QTest::addColumn<QString>("band");
        QTest::addRow("frequent 30 percent")
            << "CheckBox2" << 30 << QList<int>{0, 0, 0, 0, 0, 0, 2, 2, 3, 3} << "Min: 31  Max: 40  0";
        QTest::addRow("rare 20 percent")
            << "CheckBox14" << 20 << QList<int>{3, 3, 2, 2, 0, 0, 0, 0, 0, 0} << "Min: 10  Max: 16  0";
        QTest::addRow("overdue 30 percent")
            << "CheckBox10" << 30 << QList<int>{0, 0, 0, 0, 0, 0, 2, 2, 3, 3} << "Min: 31  Max: 40  0";
    }
    void numberBands()
    {
        QFETCH(QString, option);
        QFETCH(int, percent);
        QFETCH(QList<int>, entriesPerValue);
        QFETCH(QString, band);
        const std::vector<double> ys{10, 13, 14, 16, 17, 30, 31, 35, 36, 40};
        PoolRun run;
        run.options.onlyPreferredNumbers = true; // only the preferred numbers
        run.options.set(option, 1);
        run.options.preferFrequent.percent = run.options.preferRare.percent =
            run.options.preferOverdue.percent = percent;
        run.statistics[NumberPool::Source::Frequency] = series(ys, 10, 40);
        run.statistics[NumberPool::Source::Overdue] = series(ys, 10, 40);
        const NumberPool pool = run.build();
        for (int k = 0; k < int(ys.size()); ++k)
            QCOMPARE(pool.count(k + 1), entriesPerValue[k]);
        QCOMPARE(run.status.last(), band);
        QVERIFY(run.status.first().startsWith(QStringLiteral("Berechnung der ")));
    }

    void groupBands()
    {
        PoolRun run;
        run.options.onlyPreferredNumbers = true;
        run.options.pairs.frequent = true; // pairs above 7 (30 % below the maximum 10)
        run.options.pairs.rare = true;     // pairs above 0 up to 3, from the same statistic
        // bar k stands for the pair k+1, k+2; the last bar is never examined
        run.statistics[NumberPool::Source::Pairs] = series({8, 7, 0, 3, 1, 10}, 0, 10);
        const NumberPool pool = run.build();
        QCOMPARE(run.computed.size(), std::size_t(1));
        const std::vector<int> expected{1, 2, 4, 5, 5, 6};
        QCOMPARE(pool.entries(), expected);
        QCOMPARE(run.status.at(0), QStringLiteral("Berechnung der  Paarbildung"));
        QCOMPARE(run.status.at(1), QStringLiteral("Min: 7  Max: 10  0"));

        run = PoolRun();
        run.options.onlyPreferredNumbers = true;
        run.options.quads.rare = true; // the rarest quads compute their statistic themselves
        run.statistics[NumberPool::Source::Quads] = series({0, 2, 5, 4, 4}, 0, 5);
        QCOMPARE(run.build().entries(), (std::vector<int>{2, 3, 4, 5}));
    }

    void neighboursCountTheBonusZero()
    {
        PoolRun run;
        run.options.onlyPreferredNumbers = true;
        run.options.preferNeighboursOfLastDraw = true;
        run.draws[0] = {0, {1, 10, 20, 30, 40, 48, 49}, 0, 0};
        const NumberPool pool = run.build();
        QCOMPARE(pool.count(1), 4); // from the bonus 0
        QCOMPARE(pool.count(2), 4);
        QCOMPARE(pool.count(9), 4);
        QCOMPARE(pool.count(49), 4); // neighbour of 48; 49 itself adds only 48
        QCOMPARE(pool.count(48), 4);
        QCOMPARE(pool.count(47), 4);
        QCOMPARE(pool.size(), 4 * 13);
        QCOMPARE(run.status.last(),
                 QStringLiteral("Berechnung der  benachbarten Zahlen der letzten Ziehung"));
    }

    void reviewList()
    {
        NumberPool::List list = NumberPool(std::vector<int>{3, 3, 5}).toList(Game::classic());
        QVERIFY(list[3].checked && list[3].weight == QLatin1String("2"));
        QVERIFY(!list[4].checked && list[4].weight == QLatin1String("0"));

        list = {};
        for (int v = 1; v <= 7; ++v)
            list[std::size_t(v)] = {true, QStringLiteral("1")};
        QCOMPARE(NumberPool::rebuildFromList(list, Game::classic()).entries(),
                 (std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7}));

        list = {};
        list[1] = {true, QStringLiteral("0")};
        list[2] = {true, QStringLiteral("-1")};
        list[3] = {true, QStringLiteral("2")};
        list[4] = {false, QStringLiteral("9")};
        list[5] = {true, QStringLiteral("viel")};
        list[6] = {true, QStringLiteral("2000000000")};
        const NumberPool pool = NumberPool::rebuildFromList(list, Game::classic());
        QCOMPARE(pool.count(1), 2);
        QCOMPARE(pool.count(2), 0);
        QCOMPARE(pool.count(3), 3);
        QCOMPARE(pool.count(4), 0);
        QCOMPARE(pool.count(5), 2);
        QCOMPARE(pool.count(6), NumberPool::MaxReviewWeight + 1);
    }
};

QTEST_GUILESS_MAIN(TestNumberPool)
#include "TestNumberPool.moc"

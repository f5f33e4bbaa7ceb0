#include "../generator/GeneratorFixture.h"
#include "analysis/Backtest.h"
#include "analysis/Similarity.h"

#include <QFile>
#include <QTest>

namespace {
const QDate kFirst(2024, 1, 5); // a Friday
std::vector<DrawRecord> fridays(int count, std::array<int, 7> numbers = {1, 2, 3, 4, 5, 6, 7})
{
    std::vector<DrawRecord> r;
    for (int i = 0; i < count; ++i)
        r.push_back(Fixture::draw(kFirst.addDays(7 * i), numbers, 8));
    return r;
}
double day(const QDate& d)
{
    return DrawDate::fromQDate(d);
}
} // namespace

// The parameter backtest and the draw similarity analysis as the model computes them, classic rules.
class TestAnalyses : public QObject
{
    Q_OBJECT

    MessageTable m_messages;

    Backtest::Result backtest(const std::vector<DrawRecord>& records, const QDate& start,
                              const TipSheet& sheet = {}, GeneratorOptions options = {},
                              bool recompute = false)
    {
        TipSheet s = sheet;
        if (s.tipCount == 6 && sheet == TipSheet{})
            s.tipCount = 3;
        const Backtest::Inputs in{records,
                                  m_messages,
                                  options,
                                  s,
                                  GameRules::Classic,
                                  day(start),
                                  day(QDate(2030, 1, 1)),
                                  day(QDate(2011, 5, 22)),
                                  true,
                                  4711,
                                  recompute};
        return Backtest::run(in);
    }

private slots:
    void stepsFromTheStartToTheLastDraw_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("steps");
        QTest::addRow("on the last draw: one step") << kFirst.addDays(7 * 9) << 1;
        QTest::addRow("earlier: the last draw twice") << kFirst.addDays(7 * 6) << 4;
    }
    void stepsFromTheStartToTheLastDraw()
    {
        QFETCH(QDate, start);
        QFETCH(int, steps);
        const auto r = backtest(fridays(10), start);
        QCOMPARE(r.steps, steps);
        int checked = 0, weekend = 0;
        for (const auto& line : r.counts) {
            checked += line[0] + line[1] + line[2] + line[3];
            weekend += line[0] + line[1];
        }
        QCOMPARE(checked, 3 * steps); // three tips a step, none with seven hits
        QCOMPARE(weekend, 0);         // Fridays only
        QCOMPARE(Backtest::report(r, m_messages).split(QStringLiteral("\r\n")).at(15),
                 QString::number(steps) + QStringLiteral(" Ziehungen"));
    }

    void startOnTodayRunsNoStep()
    {
        const QDate today(2030, 1, 1);
        const std::vector<DrawRecord> records = fridays(10);
        const Backtest::Inputs in{records, m_messages, {}, {},   GameRules::Classic, day(today), day(today),
                                  0,       true,       1,  false};
        const auto r = Backtest::run(in);
        QCOMPARE(r.steps, 0);
        QCOMPARE(Backtest::report(r, m_messages),
                 QStringLiteral("Aktuelle Einstellung brachten für Sa. bzw. Mi.\r\n"
                                "0x\t=>\t0\t=>\t0\r\n0x + Bonus\t=>\t0\t=>\t0\r\n1x\t=>\t0\t=>\t0\r\n"
                                "1x + Bonus\t=>\t0\t=>\t0\r\n2x\t=>\t0\t=>\t0\r\n2x + Bonus\t=>\t0\t=>\t0\r\n"
                                "3x\t=>\t0\t=>\t0\r\n3x + Bonus\t=>\t0\t=>\t0\r\n4x\t=>\t0\t=>\t0\r\n"
                                "4x + Bonus\t=>\t0\t=>\t0\r\n5x\t=>\t0\t=>\t0\r\n5x + Bonus\t=>\t0\t=>\t0\r\n"
                                "6x\t=>\t0\t=>\t0\r\n\r\n0 Ziehungen\r\n"));
    }

    void weekendDrawsFillTheFirstColumn()
    {
        std::vector<DrawRecord> saturdays;
        for (int i = 0; i < 6; ++i)
            saturdays.push_back(Fixture::draw(kFirst.addDays(1 + 7 * i), {1, 2, 3, 4, 5, 6, 7}, 8));
        const auto r = backtest(saturdays, kFirst.addDays(1));
        int weekday = 0;
        for (const auto& line : r.counts)
            weekday += line[2] + line[3];
        QCOMPARE(weekday, 0);
    }

    // New tips only after a step with three hits: a locked row that never hits keeps the first tips; one
    // that always hits seven recomputes at every step.
    void recomputeOnlyAfterThreeHits()
    {
        GeneratorOptions impossible; // no generated tip passes: only the locked row is checked
        impossible.budgetThousands = 1;
        impossible.crossSum = {279, 21};
        TipSheet sheet;
        sheet.locked[0] = true;
        sheet.cells[0] = {40, 41, 42, 43, 44, 45, 46};
        const auto never = backtest(fridays(8), kFirst, sheet, impossible, true);
        QCOMPARE(never.computations, 1);
        QCOMPARE(never.counts[0][2], never.steps);
        sheet.cells[0] = {1, 2, 3, 4, 5, 6, 7};
        const auto always = backtest(fridays(8), kFirst, sheet, impossible, true);
        QCOMPARE(always.computations, always.steps);
        QCOMPARE(backtest(fridays(8), kFirst, sheet, impossible, false).computations, always.steps);
    }

    void sameSeedSameReport()
    {
        const auto draws = Fixture::weeklyDraws(60, QDate(2016, 6, 3));
        const auto a = backtest(draws, QDate(2016, 3, 1));
        const auto b = backtest(draws, QDate(2016, 3, 1));
        QCOMPARE(Backtest::report(a, m_messages), Backtest::report(b, m_messages));
        QCOMPARE(a.random, b.random);
        QVERIFY(a.steps > 10);
    }

    void expectedCountsFollowTheOdds()
    {
        // 7 of 49: C(7,k) C(42,7-k) / C(49,7)
        QCOMPARE(Backtest::hitProbability(7, 49), 1.0 / 85900584.0);
        QVERIFY(qFuzzyCompare(Backtest::hitProbability(3, 49), 35.0 * 111930.0 / 85900584.0));
        double total = 0;
        for (int k = 0; k <= 7; ++k)
            total += Backtest::hitProbability(k, 49);
        QVERIFY(qFuzzyCompare(total, 1.0));
        // Over a run the expected counts add up to the tickets checked.
        const auto r = backtest(fridays(10), kFirst);
        double expected = 0, random = 0;
        for (const auto& line : r.expected)
            expected += line[0] + line[1];
        for (const auto& line : r.random)
            random += line[0] + line[1];
        QVERIFY(qFuzzyCompare(expected, 3.0 * r.steps));
        QCOMPARE(random, 3.0 * r.steps);
        QVERIFY(Backtest::verdict(r).text.startsWith(QStringLiteral("Nicht besser")) ||
                Backtest::verdict(r).text.startsWith(QStringLiteral("Besser")));
    }

    // Four draws counted by hand; the last base draw has no next draw.
    void similarityTables()
    {
        const std::vector<DrawRecord> records{
            Fixture::draw(kFirst, {1, 2, 3, 4, 5, 6, 7}, 8),
            Fixture::draw(kFirst.addDays(7), {1, 2, 3, 10, 11, 12, 13}, 8),
            Fixture::draw(kFirst.addDays(14), {1, 2, 20, 21, 22, 23, 24}, 8),
            Fixture::draw(kFirst.addDays(14), {1, 2, 3, 4, 5, 6, 30}, 0), // no main draw: not looked at
            Fixture::draw(kFirst.addDays(21), {1, 30, 31, 32, 33, 34, 35}, 8),
        };
        const auto r = Similarity::run(records, day(kFirst.addDays(7)), true, 7);
        // Base draws 2, 3 and 4 against every earlier draw: 2-1: 3; 3-1: 2, 3-2: 2; 4-1: 1, 4-2: 1, 4-3: 1
        QCOMPARE(r.database, (Similarity::Table{0, 3, 2, 1, 0, 0, 0}));
        QCOMPARE(r.next, (Similarity::Table{0, 1, 1, 0, 0, 0, 0}));   // 2-3: 2, 3-4: 1
        QCOMPARE(r.second, (Similarity::Table{0, 1, 0, 0, 0, 0, 0})); // 2-4: 1
        QCOMPARE(r.third, Similarity::Table{});
        QVERIFY(!r.stoppedAt);

        int asked = 0;
        Similarity::Hooks no;
        no.goOn = [&](const QDate&) { return ++asked > 5; };
        const auto stopped = Similarity::run(records, day(kFirst), true, 3, no);
        QCOMPARE(stopped.stoppedAt, std::optional<QDate>(kFirst)); // base draw 2 shares three with draw 1
        QCOMPARE(asked, 1);

        const QByteArray rtf = Similarity::reportRtf(r, m_messages);
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(
            rtf.contains("Treffer von Ziehungen in der Datenbank\\par\r\n0x    =>0\\par\r\n1x    =>3\\par"));
        QVERIFY(rtf.contains("Wie oft gab es bei der n\\u228?chsten Ziehung"));
    }
};

QTEST_GUILESS_MAIN(TestAnalyses)
#include "TestAnalyses.moc"

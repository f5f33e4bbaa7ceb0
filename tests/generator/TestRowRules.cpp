#include "GeneratorFixture.h"
#include "checking/DatabaseFilters.h"
#include "generator/RowRules.h"

#include <QTest>

using Row = TipSheet::Row;
using Rule = RowRules::Rule;
Q_DECLARE_METATYPE(Row)
Q_DECLARE_METATYPE(QList<Row>)
Q_DECLARE_METATYPE(RowRules::Rule)

namespace {
const QDate kEnd(2024, 6, 1);
CurrentDraw drawOf(std::array<int, 7> numbers, int bonus)
{
    CurrentDraw d;
    d.numbers = numbers;
    d.bonus = bonus;
    return d;
}
const std::array<CurrentDraw, 3> kDraws{
    drawOf({1, 2, 3, 4, 5, 6, 7}, 8),         // last
    drawOf({10, 11, 12, 13, 14, 15, 16}, 17), // second-last
    drawOf({20, 21, 22, 23, 24, 25, 26}, 27), // third-last
};
} // namespace

class TestRowRules : public QObject
{
    Q_OBJECT
private slots:
    // Every rule at its boundary. The options start from the defaults without the three database
    // rules; each row switches on what it tests.
    void rules_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QList<Row>>("settled");
        QTest::addColumn<Row>("candidate");
        QTest::addColumn<Rule>("failing");
        const Row a{2, 4, 9, 17, 30, 38, 45};
        const Row b{2, 5, 18, 19, 33, 41, 47};
        // clang-format off
        QTest::addRow("1 shares the maximum")        << "" << QList<Row>{a} << Row{2, 4, 18, 28, 31, 39, 46} << Rule::None;
        QTest::addRow("1 shares one more")           << "" << QList<Row>{a} << Row{2, 4, 9, 28, 31, 39, 46} << Rule::OverlapWithSheet;
        QTest::addRow("1 one of two rows too close") << "" << QList<Row>{a, b} << Row{2, 4, 9, 28, 31, 39, 46} << Rule::OverlapWithSheet;
        QTest::addRow("1 without 27: one row fits")  << "CheckBox27=0" << QList<Row>{a, b} << Row{2, 4, 9, 28, 31, 39, 46} << Rule::None;
        QTest::addRow("1 without 27: none fits")     << "CheckBox27=0" << QList<Row>{a, b} << Row{2, 4, 9, 19, 33, 39, 46} << Rule::OverlapWithSheet;
        QTest::addRow("1 lower bound missed")        << "UpDown9=1" << QList<Row>{a} << Row{3, 18, 28, 31, 39, 46, 48} << Rule::OverlapWithSheet;
        QTest::addRow("1 lower bound met")           << "UpDown9=1" << QList<Row>{a} << Row{2, 18, 28, 31, 39, 46, 48} << Rule::None;
        QTest::addRow("1 empty row shares nothing")  << "UpDown9=1" << QList<Row>{Row{}} << Row{2, 18, 28, 31, 39, 46, 48} << Rule::OverlapWithSheet;
        QTest::addRow("1 locked row with a repeat")  << "" << QList<Row>{Row{9, 9, 9, 0, 0, 0, 0}} << Row{2, 9, 18, 28, 31, 39, 46} << Rule::OverlapWithSheet;
        QTest::addRow("2 no pair")                   << "CheckBox8=1" << QList<Row>{} << Row{2, 4, 18, 28, 31, 39, 46} << Rule::NoPair;
        QTest::addRow("2 pair")                      << "CheckBox8=1" << QList<Row>{} << Row{2, 4, 17, 18, 31, 39, 46} << Rule::None;
        QTest::addRow("3 three in a row")            << "" << QList<Row>{} << Row{2, 4, 17, 18, 19, 39, 46} << Rule::RunOfThree;
        QTest::addRow("3 switched off")              << "CheckBox18=0" << QList<Row>{} << Row{2, 4, 17, 18, 19, 39, 46} << Rule::None;
        QTest::addRow("4 sum 49")                    << "" << QList<Row>{} << Row{1, 2, 4, 6, 8, 9, 19} << Rule::CrossSum;
        QTest::addRow("4 sum 50")                    << "" << QList<Row>{} << Row{1, 2, 4, 6, 8, 9, 20} << Rule::None;
        QTest::addRow("4 sum 201 above 200")         << "UpDown2=200" << QList<Row>{} << Row{18, 28, 29, 31, 46, 48, 1} << Rule::CrossSum;
        QTest::addRow("4 sum 200")                   << "UpDown2=200" << QList<Row>{} << Row{1, 18, 28, 29, 31, 45, 48} << Rule::None;
        QTest::addRow("5 two of the last draw")      << "UpDown4=1" << QList<Row>{} << Row{1, 2, 18, 28, 31, 39, 46} << Rule::SharedWithLastDraw;
        QTest::addRow("5 one of the last draw")      << "UpDown4=1" << QList<Row>{} << Row{1, 18, 28, 30, 31, 39, 46} << Rule::None;
        QTest::addRow("5 bound 0 is no row rule")    << "" << QList<Row>{} << Row{1, 2, 18, 28, 31, 39, 46} << Rule::None;
        QTest::addRow("6 two of the second-last")    << "" << QList<Row>{} << Row{10, 12, 18, 28, 31, 39, 46} << Rule::SharedWithSecondLastDraw;
        QTest::addRow("6 bound 0 is no row rule")    << "UpDown5=0" << QList<Row>{} << Row{10, 12, 18, 28, 31, 39, 46} << Rule::None;
        QTest::addRow("7 three of the third-last")   << "" << QList<Row>{} << Row{20, 22, 24, 28, 31, 39, 46} << Rule::SharedWithThirdLastDraw;
        QTest::addRow("7 two of the third-last")     << "" << QList<Row>{} << Row{20, 22, 29, 28, 31, 39, 46} << Rule::None;
        QTest::addRow("8 three even of six")         << "CheckBox25=1,UpDown15=3" << QList<Row>{} << Row{2, 4, 9, 15, 21, 30, 40} << Rule::None;
        QTest::addRow("8 seventh not counted")       << "CheckBox25=1,UpDown15=3" << QList<Row>{} << Row{1, 4, 9, 15, 21, 30, 40} << Rule::TooFewEven;
        QTest::addRow("9 four odd of six")           << "CheckBox26=1,UpDown16=4" << QList<Row>{} << Row{1, 3, 5, 8, 19, 30, 41} << Rule::None;
        QTest::addRow("9 seventh not counted")       << "CheckBox26=1,UpDown16=4" << QList<Row>{} << Row{1, 3, 6, 8, 19, 30, 41} << Rule::TooFewOdd;
        QTest::addRow("10 three hits in 10 draws")   << "CheckBox28=1" << QList<Row>{} << Row{18, 30, 31, 33, 38, 40, 48} << Rule::HitInLastDrawsShort;
        QTest::addRow("10 two hits in 10 draws")     << "CheckBox28=1" << QList<Row>{} << Row{18, 28, 30, 31, 38, 40, 48} << Rule::None;
        QTest::addRow("11 four hits in 100 draws")   << "CheckBox34=1" << QList<Row>{} << Row{2, 18, 29, 40, 41, 43, 44} << Rule::HitInLastDrawsLong;
        QTest::addRow("11 three hits in 100 draws")  << "CheckBox34=1" << QList<Row>{} << Row{2, 18, 29, 38, 40, 41, 44} << Rule::None;
        QTest::addRow("12 five hits")                << "CheckBox9=1" << QList<Row>{} << Row{2, 40, 41, 43, 44, 46, 18} << Rule::HitInDatabase;
        QTest::addRow("12 four hits")                << "CheckBox9=1" << QList<Row>{} << Row{2, 40, 41, 43, 44, 47, 18} << Rule::None;
        QTest::addRow("12 four hits and the bonus")  << "CheckBox9=1,CheckBox35=1" << QList<Row>{} << Row{2, 40, 41, 43, 44, 47, 18} << Rule::HitInDatabase;
        QTest::addRow("13 no prime")                 << "CheckBox22=1" << QList<Row>{} << Row{1, 4, 9, 15, 21, 30, 40} << Rule::TooFewPrimes;
        QTest::addRow("13 two primes")               << "CheckBox22=1" << QList<Row>{} << Row{2, 3, 9, 15, 21, 30, 40} << Rule::None;
        // clang-format on
    }
    void rules()
    {
        QFETCH(QString, options);
        QFETCH(QList<Row>, settled);
        QFETCH(Row, candidate);
        QFETCH(Rule, failing);

        GeneratorOptions p;
        p.notInDatabase.on = p.lastDrawsShort.on = p.lastDrawsLong.on = false;
        for (const QString& option : options.split(QLatin1Char(','), Qt::SkipEmptyParts))
            QVERIFY(
                p.set(option.section(QLatin1Char('='), 0, 0), option.section(QLatin1Char('='), 1).toInt()));
        // Window of the database rules: one draw a week before the end, one 100 days before it.
        const std::vector<DrawRecord> records{
            Fixture::draw(kEnd.addDays(-100), {40, 41, 42, 43, 44, 45, 46}, 47),
            Fixture::draw(kEnd.addDays(-7), {30, 31, 32, 33, 34, 35, 36}, 37),
        };
        const DatabaseFilters filters(records, DrawDate::fromQDate(kEnd), true, Game::classic());

        RowRules rules(Game::classic(), kDraws);
        for (const Row& r : settled)
            rules.addSettled(r);
        std::sort(candidate.begin(), candidate.end());
        int sum = 0;
        for (int v : candidate)
            sum += v;
        QCOMPARE(rules.firstFailing(candidate, sum, p, &filters, DrawDate::fromQDate(QDate(2011, 5, 22))),
                 failing);
    }

    void sharedCountCountsPairsOfPositions()
    {
        QCOMPARE(RowRules::sharedCount({1, 2, 3, 4, 5, 6, 7}, {5, 6, 7, 8, 9, 10, 11}), 3);
        QCOMPARE(RowRules::sharedCount({1, 1, 3, 0, 0, 0, 0}, {1, 2, 3, 4, 5, 6, 7}), 3);
        QCOMPARE(RowRules::sharedCount({0, 0, 0, 0, 0, 0, 0}, {0, 2, 3, 4, 5, 6, 7}), 0);
        QCOMPARE(RowRules::primeCount({2, 3, 9, 15, 21, 30, 47}), 3);
    }
};

QTEST_GUILESS_MAIN(TestRowRules)
#include "TestRowRules.moc"

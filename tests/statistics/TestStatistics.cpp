#include "draws/DrawDate.h"
#include "draws/Error.h"
#include "session/Actions.h"
#include "statistics/StatisticRunner.h"
#include "statistics/Statistics.h"

#include <QTemporaryDir>
#include <QTest>
#include <initializer_list>

using Bars = QList<double>;
Q_DECLARE_METATYPE(StatisticKind)

namespace {

DrawRecord draw(const QDate& date, std::initializer_list<int> numbers, int bonus = 49)
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(date);
    int i = 0;
    for (int n : numbers)
        r.zahlen[i++] = std::uint8_t(n);
    r.bonus = std::uint8_t(bonus);
    return r;
}

Bars values(const StatisticSeries& s)
{
    Bars v;
    for (const auto& b : s.bars)
        v << b.y;
    return v;
}

double y(const StatisticSeries& s, int x)
{
    for (const auto& b : s.bars)
        if (int(b.x) == x)
            return b.y;
    return -1;
}

const QDate Start(2020, 1, 1);
const QDate End(2020, 12, 31);

StatisticWindow window(bool closedStart, bool mainDrawOnly = true)
{
    return {DrawDate::fromQDate(Start), DrawDate::fromQDate(End), closedStart, mainDrawOnly};
}

// Two draws inside the window: 1..7 (cross sum 28) and 8..14 (cross sum 77).
std::vector<DrawRecord> twoDraws()
{
    return {draw(QDate(2020, 1, 3), {1, 2, 3, 4, 5, 6, 7}),
            draw(QDate(2020, 1, 10), {8, 9, 10, 11, 12, 13, 14})};
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private slots:
    void roundHalfEven_data();
    void roundHalfEven();
    void windowStart();
    void mainDrawFilter();
    void frequency();
    void frequencyWithoutDraws();
    void overdue();
    void groups();
    void crossSums();
    void composition();
    void noDrawsIsAnError();
    void tipDistribution();
    void titles_data();
    void titles();
    void runnerReplacesChartAndKeepsCurrentDraw();
    void runnerErrorsKeepChart();
};

void TestStatistics::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::addRow("below half") << 57.142857 << 57.0;
    QTest::addRow("above half") << 42.857142 << 43.0;
    QTest::addRow("half to even below") << 150.5 << 150.0;
    QTest::addRow("half to even above") << 151.5 << 152.0;
    QTest::addRow("whole") << 28.0 << 28.0;
    QTest::addRow("zero half") << 0.5 << 0.0;
}

void TestStatistics::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(Statistics::roundHalfEven(value), rounded);
}

void TestStatistics::windowStart()
{
    // On the start date, on the end date, and a day after the end.
    const std::vector<DrawRecord> records{draw(Start, {1, 2, 3, 4, 5, 6, 7}),
                                          draw(End, {8, 9, 10, 11, 12, 13, 14}),
                                          draw(End.addDays(1), {15, 16, 17, 18, 19, 20, 21})};
    MessageTable m;
    const auto freq = Statistics::frequency(records, window(true), m, {}, Game::classic());
    QCOMPARE(y(freq, 1), 1.0);
    QCOMPARE(y(freq, 8), 1.0);
    QCOMPARE(y(freq, 15), 0.0);

    const auto late = Statistics::overdue(records, window(false), m, Game::classic());
    QCOMPARE(y(late, 8), 1.0);
    QCOMPARE(y(late, 1), 2.0); // not counted: the same as never drawn in one window draw
    QCOMPARE(y(late, 15), 2.0);
}

void TestStatistics::mainDrawFilter()
{
    const std::vector<DrawRecord> records{draw(QDate(2020, 2, 1), {1, 2, 3, 4, 5, 6, 7}, 0)};
    MessageTable m;
    const auto filtered =
        Statistics::frequency(records, window(true, true), m, QStringLiteral("old"), Game::classic());
    QCOMPARE(y(filtered, 1), 0.0);
    QCOMPARE(filtered.title, QStringLiteral("old"));
    const auto all = Statistics::frequency(records, window(true, false), m, {}, Game::classic());
    QCOMPARE(y(all, 1), 1.0);
    QVERIFY(all.title.contains(QStringLiteral("Ziehungen: 1")));
    // A skipped record neither ages nor resets a number.
    const auto late = Statistics::overdue(records, window(false, true), m, Game::classic());
    QCOMPARE(values(late), Bars(49, 1.0));
}

void TestStatistics::frequency()
{
    // Seven draws cover every number 1..49 once; the bonus numbers must not count.
    std::vector<DrawRecord> records;
    for (int d = 0; d < 7; ++d) {
        const int b = d * 7;
        records.push_back(
            draw(QDate(2020, 3, 1).addDays(7 * d), {b + 1, b + 2, b + 3, b + 4, b + 5, b + 6, b + 7}, 1));
    }
    const auto s = Statistics::frequency(records, window(true), MessageTable(), {}, Game::classic());
    QCOMPARE(values(s), Bars(49, 1.0));
    QCOMPARE(s.scale, StatisticSeries::Scale::Fixed);
    QCOMPARE(s.axisMinimum, 1.0);
    QCOMPARE(s.axisMaximum, 1.0);
    for (int i = 0; i < 49; ++i) {
        QCOMPARE(s.bars[i].x, double(i + 1));
        QCOMPARE(*s.bars[i].colour, Game::isPrime(i + 1) ? StatisticSeries::Red : StatisticSeries::Green);
    }

    records.push_back(draw(QDate(2020, 6, 1), {1, 2, 3, 4, 5, 6, 8}));
    const auto t = Statistics::frequency(records, window(true), MessageTable(), {}, Game::classic());
    QCOMPARE(t.axisMinimum, 1.0);
    QCOMPARE(t.axisMaximum, 2.0);
    QCOMPARE(y(t, 7), 1.0);
    QCOMPARE(y(t, 8), 2.0);
}

void TestStatistics::frequencyWithoutDraws()
{
    const auto s =
        Statistics::frequency({}, window(true), MessageTable(), QStringLiteral("vorher"), Game::classic());
    QCOMPARE(values(s), Bars(49, 0.0));
    QCOMPARE(s.axisMinimum, 0.0);
    QCOMPARE(s.axisMaximum, 0.0);
    QCOMPARE(s.title, QStringLiteral("vorher"));
}

void TestStatistics::overdue()
{
    const std::vector<DrawRecord> records{draw(QDate(2020, 1, 3), {1, 2, 3, 4, 5, 6, 7}),
                                          draw(QDate(2020, 1, 10), {1, 9, 10, 11, 12, 13, 14}, 8),
                                          draw(QDate(2020, 1, 17), {15, 16, 17, 18, 19, 20, 21})};
    const auto s = Statistics::overdue(records, window(false), MessageTable(), Game::classic());
    QCOMPARE(s.bars.size(), size_t(49));
    QCOMPARE(y(s, 15), 1.0); // latest draw
    QCOMPARE(y(s, 9), 2.0);  // the draw before it
    QCOMPARE(y(s, 1), 2.0);  // drawn twice: the later draw counts
    QCOMPARE(y(s, 2), 3.0);
    QCOMPARE(y(s, 8), 4.0); // bonus only: never drawn, m + 1
    QCOMPARE(y(s, 49), 4.0);
    QCOMPARE(s.axisMinimum, 1.0);
    QCOMPARE(s.axisMaximum, 4.0);
    QCOMPARE(*s.bars[1].colour, StatisticSeries::Red);
}

void TestStatistics::groups()
{
    using Statistics::GroupSize;
    const std::vector<DrawRecord> records{
        draw(QDate(2020, 1, 3), {5, 6, 7, 20, 30, 40, 45}),
        draw(QDate(2020, 1, 10), {12, 33, 35, 37, 39, 41, 46}, 13), // bonus 13 would complete 12-13
        draw(QDate(2020, 1, 17), {46, 47, 48, 49, 1, 3, 10}),
    };
    MessageTable m;
    const auto pairs = Statistics::groups(records, window(false), m, GroupSize::Pairs, Game::classic());
    QCOMPARE(pairs.bars.size(), size_t(48));
    QCOMPARE(y(pairs, 5), 1.0);
    QCOMPARE(y(pairs, 6), 1.0);
    QCOMPARE(y(pairs, 7), 0.0);
    QCOMPARE(y(pairs, 12), 0.0);
    QCOMPARE(y(pairs, 48), 1.0);
    QCOMPARE(pairs.scale, StatisticSeries::Scale::Fixed);
    QCOMPARE(pairs.axisMaximum, 1.0);
    QVERIFY(!pairs.bars[0].colour);

    const auto triples = Statistics::groups(records, window(false), m, GroupSize::Triples, Game::classic());
    QCOMPARE(triples.bars.size(), size_t(47));
    QCOMPARE(y(triples, 5), 1.0);
    QCOMPARE(y(triples, 6), 0.0);
    QCOMPARE(y(triples, 47), 1.0);

    const auto quads = Statistics::groups(records, window(false), m, GroupSize::Quads, Game::classic());
    QCOMPARE(quads.bars.size(), size_t(49));
    QCOMPARE(y(quads, 46), 1.0);
    QCOMPARE(y(quads, 47), 0.0);
    QCOMPARE(y(quads, 48), 0.0);
    QCOMPARE(y(quads, 49), 0.0);
    QCOMPARE(quads.scale, StatisticSeries::Scale::Automatic);
    QCOMPARE(quads.axisMinimum, 0.0);
    QCOMPARE(quads.axisMaximum, 1.0);
}

void TestStatistics::crossSums()
{
    // Cross sums 150 and 160; the one on the start date (28) is outside the open window.
    const std::vector<DrawRecord> records{draw(Start, {1, 2, 3, 4, 5, 6, 7}),
                                          draw(QDate(2020, 5, 1), {10, 15, 20, 25, 30, 1, 49}),
                                          draw(End, {10, 15, 20, 25, 30, 11, 49})};
    const auto s = Statistics::crossSums(records, window(false), MessageTable());
    QCOMPARE(s.bars.size(), size_t(11));
    QCOMPARE(s.bars.front().x, 150.0);
    QCOMPARE(s.bars.back().x, 160.0);
    Bars expected(11, 0.0);
    expected.front() = expected.back() = 1;
    QCOMPARE(values(s), expected);
    QCOMPARE(s.scale, StatisticSeries::Scale::Automatic);
    QCOMPARE(s.axisMinimum, 0.0);
    QCOMPARE(s.axisMaximum, 1.0);
    QVERIFY(s.title.endsWith(QStringLiteral("Quersumme: 155")));

    const auto one = Statistics::crossSums({records[1]}, window(false), MessageTable());
    QCOMPARE(one.bars.size(), size_t(1));
    QCOMPARE(one.bars[0].x, 150.0);
}

void TestStatistics::composition()
{
    using Statistics::Composition;
    MessageTable m;
    const std::vector<DrawRecord> primes{draw(QDate(2020, 1, 3), {2, 3, 5, 7, 11, 13, 17}, 19)};
    const auto p = Statistics::composition(primes, window(false), m, Composition::Primes);
    QCOMPARE(values(p), (Bars{0, 0, 0, 0, 0, 0, 0, 1}));
    QCOMPARE(p.bars.front().x, 0.0);
    QCOMPARE(p.axisMaximum, 1.0);
    QVERIFY(p.title.contains(QStringLiteral(". 100% waren")));

    const std::vector<DrawRecord> low{draw(QDate(2020, 1, 3), {1, 2, 3, 4, 5, 6, 7})};
    const auto odd = Statistics::composition(low, window(false), m, Composition::Odd);
    QCOMPARE(y(odd, 4), 1.0);
    QVERIFY(odd.title.contains(QStringLiteral(".  57% waren")));
    const auto even = Statistics::composition(low, window(false), m, Composition::Even);
    QCOMPARE(y(even, 3), 1.0);
    QVERIFY(even.title.contains(QStringLiteral(".  43% waren")));
}

void TestStatistics::noDrawsIsAnError()
{
    const std::vector<DrawRecord> onStart{draw(Start, {1, 2, 3, 4, 5, 6, 7})};
    QVERIFY_THROWS_EXCEPTION(StatisticError, Statistics::crossSums(onStart, window(false), MessageTable()));
    QVERIFY_THROWS_EXCEPTION(StatisticError, Statistics::composition(onStart, window(false), MessageTable(),
                                                                     Statistics::Composition::Even));
}

void TestStatistics::tipDistribution()
{
    TipSheet sheet;
    sheet.cells[0] = {1, 2, 3, 4, 5, 6, 7};
    sheet.cells[1] = {7, 7, 8, 9, 10, 11, 12}; // 7 twice in one tip: left out, as on the sheet
    sheet.cells[2] = {13, 14, 0, 15, 16, 17, 18};
    sheet.cells[3] = {40, 41, 42, 43, 44, 45, 46}; // after the first empty cell
    const auto s = Statistics::tipDistribution(sheet, MessageTable(), Game::classic());
    QCOMPARE(s.bars.size(), size_t(49));
    QCOMPARE(y(s, 7), 1.0);
    QCOMPARE(y(s, 8), 0.0);
    QCOMPARE(y(s, 14), 1.0);
    QCOMPARE(y(s, 15), 0.0);
    QCOMPARE(y(s, 40), 0.0);
    QCOMPARE(s.axisMinimum, 0.0);
    QCOMPARE(s.axisMaximum, 1.0);
    QCOMPARE(*s.bars[6].colour, StatisticSeries::Red);
    QCOMPARE(s.title, QStringLiteral("Zahlenverteilung des Tippes"));
}

void TestStatistics::titles_data()
{
    QTest::addColumn<StatisticKind>("kind");
    QTest::addColumn<QString>("title");
    // clang-format off
    QTest::addRow("frequency") << StatisticKind::Frequency << QStringLiteral("Zahlenverteilung     Ziehungen: 2    Quersumme: 52");
    QTest::addRow("overdue")   << StatisticKind::Overdue   << QStringLiteral("Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?");
    QTest::addRow("pairs")     << StatisticKind::Pairs     << QStringLiteral("Ziehungen: 2     Paare gefunden : 12");
    QTest::addRow("triples")   << StatisticKind::Triples   << QStringLiteral("Ziehungen: 2     Dreier gefunden : 10");
    QTest::addRow("quads")     << StatisticKind::Quads     << QStringLiteral("Ziehungen: 2     Vierer gefunden : 8");
    QTest::addRow("crosssum")  << StatisticKind::CrossSums << QStringLiteral("Quersummenverteilung     Ziehungen: 2    Quersumme: 52");
    QTest::addRow("primes")    << StatisticKind::Primes    << QStringLiteral("Anzahl der Primzahlen pro Tipp bei 2 Ziehungen. 43% waren Primzahlen.");
    QTest::addRow("odd")       << StatisticKind::Odd       << QStringLiteral("Anzahl der ungeraden Zahlen pro Tipp bei 2 Ziehungen.  50% waren Ungerade.");
    QTest::addRow("even")      << StatisticKind::Even      << QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei 2 Ziehungen.  50% waren Gerade.");
    QTest::addRow("tips")      << StatisticKind::TipDistribution << QStringLiteral("Zahlenverteilung des Tippes");
    // clang-format on
}

void TestStatistics::titles()
{
    QFETCH(StatisticKind, kind);
    QFETCH(QString, title);
    Session s;
    s.startDate = Start;
    s.selectedDate = End;
    QCOMPARE(
        computeStatistic(kind, {twoDraws(), s.window(true), s.messages, s.sheet, s.chart.title, s.gameRules})
            .title,
        title);
}

void TestStatistics::runnerReplacesChartAndKeepsCurrentDraw()
{
    QTemporaryDir dir;
    Session s(dir.path() + QLatin1Char('/'));
    s.drawFile().replaceAll(twoDraws());
    s.startDate = Start;
    s.selectedDate = End;
    s.current.numbers = {40, 41, 42, 43, 44, 45, 46};
    s.current.bonus = 47;
    const CurrentDraw before = s.current;

    const auto first = Actions::runStatistic(s, StatisticKind::Pairs);
    QCOMPARE(s.chart, first);
    QCOMPARE(s.current, before);
    QCOMPARE(Actions::runStatistic(s, StatisticKind::Pairs), first); // replaced, never appended
    QCOMPARE(s.chart.bars.size(), size_t(49));                       // pairs of 7 of 50, the game of 2020

    Actions::runStatistic(s, StatisticKind::Primes);
    QCOMPARE(s.current, before);
    QCOMPARE(Actions::runStatistic(s, StatisticKind::Frequency).bars.size(), size_t(50));
    s.gameRules = GameRules::Classic;
    QCOMPARE(Actions::runStatistic(s, StatisticKind::Frequency).bars.size(), size_t(49));
}

void TestStatistics::runnerErrorsKeepChart()
{
    QTemporaryDir dir;
    Session s(dir.path() + QLatin1Char('/'));
    s.startDate = Start;
    s.selectedDate = End;
    QVERIFY_THROWS_EXCEPTION(FileError, Actions::runStatistic(s, StatisticKind::Frequency));

    s.drawFile().replaceAll({draw(Start, {1, 2, 3, 4, 5, 6, 7})}); // only on the (open) start date
    const auto chart = Actions::runStatistic(s, StatisticKind::Frequency);
    QCOMPARE(chart.bars.size(), size_t(50)); // no draw counted: the game at the window's end
    for (auto kind :
         {StatisticKind::CrossSums, StatisticKind::Primes, StatisticKind::Odd, StatisticKind::Even}) {
        QVERIFY_THROWS_EXCEPTION(StatisticError, Actions::runStatistic(s, kind));
        QCOMPARE(s.chart, chart);
    }
}

QTEST_GUILESS_MAIN(TestStatistics)
#include "TestStatistics.moc"

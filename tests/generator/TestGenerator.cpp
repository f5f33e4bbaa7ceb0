#include "GeneratorFixture.h"
#include "generator/RowRules.h"
#include "generator/TipGenerator.h"

#include <QTest>
#include <numeric>

using TipGenerator::End;
using Row = TipSheet::Row;

namespace {
const QDate kLast(2024, 6, 1);

bool empty(const Row& r)
{
    return r == Row{};
}
} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

    std::vector<DrawRecord> m_draws = Fixture::weeklyDraws(300, kLast);

    Row mainNumbers(int weeksBack) const
    {
        Row r{};
        const auto& z = m_draws[m_draws.size() - 1 - std::size_t(weeksBack)].zahlen;
        std::copy(z.begin(), z.end(), r.begin());
        return r;
    }

private slots:
    void defaultsFillTheTipCount()
    {
        Fixture::Home home(m_draws);
        Session& s = home.session;
        s.random.seed = 4711;
        QStringList status, pages;
        TipGenerator::Hooks hooks;
        hooks.status = [&](const QString& t) { status << t; };
        hooks.showPage = [&](const QString& p) { pages << p; };
        const auto outcome = Actions::generate(s, hooks);

        QCOMPARE(outcome.end, End::Completed);
        QCOMPARE(s.status, QStringLiteral("Tipps wurden neu berechnet"));
        QVERIFY(status.contains(QStringLiteral("Beginn der Tippberechnung")));
        QVERIFY(status.contains(QStringLiteral("Berechnung der  aussehenden Zahlen")));
        QCOMPARE(pages.first(), QStringLiteral("TabSheet5"));
        QCOMPARE(pages.last(), QStringLiteral("TabSheet1"));
        QVERIFY(s.sheetSettled && !s.busy);
        QCOMPARE(s.options.budget(), 50000);
        QCOMPARE(s.current.date, DrawDate::fromQDate(kLast)); // the selected draw is shown again
        for (int r = 0; r < TipSheet::Rows; ++r) {
            QCOMPARE(s.sheet.rowComplete(r), r < 6);
            if (r >= 6)
                continue;
            const Row& row = s.sheet.cells[std::size_t(r)];
            QVERIFY(std::is_sorted(row.begin(), row.end()));
            const int sum = std::accumulate(row.begin(), row.end(), 0);
            QVERIFY(sum >= 50 && sum <= 250);
            QCOMPARE(RowRules::sharedCount(row, mainNumbers(0)), 0);
            QVERIFY(RowRules::sharedCount(row, mainNumbers(1)) <= 1);
            QVERIFY(RowRules::sharedCount(row, mainNumbers(2)) <= 2);
            for (int i = 0; i + 2 < 7; ++i)
                QVERIFY(row[std::size_t(i + 2)] != row[std::size_t(i)] + 2);
            for (int other = 0; other < r; ++other)
                QVERIFY(RowRules::sharedCount(row, s.sheet.cells[std::size_t(other)]) <= 2);
        }

        const TipSheet first = s.sheet;
        s.random.seed = 4711;
        Actions::generate(s);
        QCOMPARE(s.sheet.cells, first.cells);
    }

    void lockedRowStaysAndCounts_data()
    {
        QTest::addColumn<int>("tipCount");
        QTest::addRow("two tips") << 2;
        QTest::addRow("four tips") << 4;
    }
    void lockedRowStaysAndCounts()
    {
        QFETCH(int, tipCount);
        Fixture::Home home(m_draws);
        Session& s = home.session;
        s.sheet.tipCount = tipCount;
        s.sheet.cells[2] = {30, 5, 17, 1, 49, 22, 8};
        s.sheet.locked[2] = true;
        s.sheet.cells[8] = {1, 2, 3, 4, 5, 6, 7}; // unlocked: cleared
        s.random.seed = 12;
        Actions::generate(s);
        QCOMPARE(s.sheet.cells[2], (Row{1, 5, 8, 17, 22, 30, 49})); // checked, so sorted
        for (int r = 0; r < TipSheet::Rows; ++r)
            if (r != 2)
                QCOMPARE(s.sheet.rowComplete(r), r < tipCount);
        if (tipCount == 4)
            QVERIFY(RowRules::sharedCount(s.sheet.cells[3], s.sheet.cells[2]) <= 2);
    }

    void budgetRunsOut()
    {
        Fixture::Home home(m_draws);
        Session& s = home.session;
        s.options.budgetThousands = 1;
        s.options.minPrimes.on = true; // six primes and six even numbers: impossible
        s.options.minPrimes.min = 6;
        s.options.minEven.on = true;
        s.options.minEven.min = 6;
        s.options.forcePair = true;
        s.sheet.cells[5] = {3, 9, 14, 20, 33, 41, 44};
        s.sheet.locked[5] = true;
        std::vector<bool> forcedPair;
        TipGenerator::Hooks hooks;
        hooks.candidate = [&](const TipGenerator::Candidate& c) { forcedPair.push_back(c.pairForced); };
        const auto outcome = Actions::generate(s, hooks);

        QCOMPARE(outcome.end, End::BudgetUsedUp);
        QCOMPARE(outcome.candidates, 1000);
        QCOMPARE(s.status, QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"));
        QCOMPARE(forcedPair.size(), std::size_t(1000));
        QVERIFY(forcedPair[498] && !forcedPair[499]); // dropped from candidate 500 on
        QVERIFY(s.options.forcePair);                 // the option itself stays
        for (int r = 0; r < TipSheet::Rows; ++r)
            QCOMPARE(empty(s.sheet.cells[std::size_t(r)]), r != 5);
    }

    void stopRequestEndsTheRun()
    {
        Fixture::Home home(m_draws);
        Session& s = home.session;
        s.options.minPrimes.on = true;
        s.options.minPrimes.min = 6; // nothing passes, so the stop decides
        int asked = 0;
        TipGenerator::Hooks hooks;
        hooks.stopRequested = [&] { return ++asked > 3; };
        const auto outcome = Actions::generate(s, hooks);
        QCOMPARE(outcome.end, End::Stopped);
        QCOMPARE(outcome.candidates, 3);
        QCOMPARE(asked, 4); // not asked again for the rows that follow
        QCOMPARE(s.status, QStringLiteral("Tipps wurden neu berechnet"));
        for (const Row& r : s.sheet.cells)
            QVERIFY(empty(r));
    }

    // Open-ended cases: each ends orderly with the state put back.
    void poolTooSmall()
    {
        Fixture::Home home(m_draws);
        Session& s = home.session;
        s.options.preferRare.on = s.options.preferOverdue.on = false;
        s.options.onlyPreferredNumbers = true; // only preferred numbers, and none are preferred
        s.sheet.cells[0] = {1, 2, 3, 4, 5, 6, 7};
        s.sheet.locked[0] = true;
        const auto outcome = Actions::generate(s);
        QCOMPARE(outcome.end, End::PoolTooSmall);
        QCOMPARE(outcome.candidates, 0);
        QCOMPARE(s.status, QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"));
        QCOMPARE(s.sheet.cells[0], (Row{1, 2, 3, 4, 5, 6, 7}));
        QVERIFY(empty(s.sheet.cells[1]));
        QVERIFY(s.sheetSettled && !s.busy);
    }

    void lockedRowWithEmptyCellsIsKept()
    {
        Fixture::Home home(m_draws);
        Session& s = home.session;
        s.sheet.tipCount = 3;
        s.sheet.cells[0] = {9, 5, 0, 0, 0, 0, 0};
        s.sheet.locked[0] = true;
        const auto outcome = Actions::generate(s);
        QCOMPARE(outcome.end, End::Completed);
        QCOMPARE(s.sheet.cells[0], (Row{9, 5, 0, 0, 0, 0, 0}));
        QVERIFY(s.sheet.rowComplete(1) && s.sheet.rowComplete(2));
    }

    void reviewAbortEndsBeforeAnyRow()
    {
        Fixture::Home home(m_draws);
        Session& s = home.session;
        s.options.reviewPool = true;
        s.status = QStringLiteral("vorher");
        int boxZeroChecked = 0;
        TipGenerator::Hooks hooks;
        hooks.reviewPool = [&](NumberPool::List& list, const Game&) {
            boxZeroChecked = int(list[0].checked); // the list arrives with box 0 unused
            return TipGenerator::ReviewAnswer::Abort;
        };
        const GeneratorOptions before = s.options;
        s.sheet.cells[3] = {1, 2, 3, 4, 5, 6, 7};
        const auto outcome = Actions::generate(s, hooks);
        QCOMPARE(outcome.end, End::ReviewAborted);
        QCOMPARE(boxZeroChecked, 0);
        QCOMPARE(s.options, before);
        QVERIFY(s.sheetSettled && !s.busy);
        QVERIFY(!s.status.startsWith(QStringLiteral("Tipps")) &&
                !s.status.startsWith(QStringLiteral("Ändern")));
        for (const Row& r : s.sheet.cells)
            QVERIFY(empty(r));
    }

    void reviewRecalculateRebuildsThePool()
    {
        Fixture::Home home(m_draws);
        Session& s = home.session;
        s.sheet.tipCount = 1;
        for (const char* option :
             {"CheckBox18", "CheckBox4", "CheckBox5", "CheckBox23", "CheckBox9", "CheckBox28", "CheckBox34"})
            s.options.set(QLatin1String(option), 0);
        s.options.crossSum.min = 21;
        s.options.reviewPool = true;
        TipGenerator::Hooks hooks;
        hooks.reviewPool = [](NumberPool::List& list, const Game&) {
            for (int v = 1; v <= 49; ++v)
                list[std::size_t(v)] = {v <= 7, QStringLiteral("1")};
            return TipGenerator::ReviewAnswer::Recalculate;
        };
        const auto outcome = Actions::generate(s, hooks);
        QCOMPARE(outcome.poolSize, 14);
        QCOMPARE(s.sheet.cells[0], (Row{1, 2, 3, 4, 5, 6, 7}));
    }

    void statusLine()
    {
        const MessageTable messages;
        TipGenerator::Candidate c{3, {4, 11, 17, 23, 30, 38, 45}, 168};
        QCOMPARE(TipGenerator::statusLine(messages, c),
                 QStringLiteral("3.Tipp:  4 11  17  23  30  38  45  QS: 168"));
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "TestGenerator.moc"

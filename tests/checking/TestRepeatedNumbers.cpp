#include "../generator/GeneratorFixture.h"
#include "draws/Error.h"
#include "tipfiles/TipPrintout.h"

#include <QTest>

using Row = TipSheet::Row;
using Flags = std::array<bool, TipSheet::Cells>;

// A row holding a number twice stays on the sheet as typed, but no check, count or search takes it, as
// none takes an incomplete row (the tip distribution's case is in TestStatistics). The draw 1, 2, 3, 40, 41,
// 42, 43 with bonus 7 is the one checked.
class TestRepeatedNumbers : public QObject
{
    Q_OBJECT

    const Row m_repeat{1, 1, 1, 1, 1, 1, 40}; // scored naively: seven hits against the draw
    const Row m_valid{1, 2, 3, 4, 5, 6, 7};
    const QDate m_day{2019, 6, 14};

private slots:
    void repeatedCells_data()
    {
        QTest::addColumn<Row>("row");
        QTest::addColumn<Flags>("repeated");
        QTest::newRow("distinct") << Row{1, 2, 3, 4, 5, 6, 7} << Flags{};
        QTest::newRow("empty cells are no repeat") << Row{0, 0, 3, 0, 5, 0, 0} << Flags{};
        QTest::newRow("one pair") << Row{9, 2, 3, 9, 5, 6, 7} << Flags{true, false, false, true};
        QTest::newRow("three times, partly typed")
            << Row{4, 0, 4, 0, 0, 4, 0} << Flags{true, false, true, false, false, true, false};
    }
    void repeatedCells()
    {
        QFETCH(Row, row);
        QFETCH(Flags, repeated);
        QCOMPARE(TipSheet::repeatedCells(row), repeated);
        QCOMPARE(TipSheet::hasRepeat(row), repeated != Flags{});
    }

    void completeCheckLeavesTheRowOut()
    {
        Session s;
        s.sheetSettled = true;
        s.current.numbers = {1, 2, 3, 40, 41, 42, 43};
        s.current.bonus = 7;
        s.sheet.cells[0] = {40, 1, 1, 1, 1, 1, 1};
        s.sheet.cells[1] = m_valid;
        QCOMPARE(Actions::check(s), 3);
        QCOMPARE(s.sheet.cells[0], (Row{40, 1, 1, 1, 1, 1, 1})); // as typed, not sorted
        QVERIFY(s.sheet.hitText[0].isEmpty() && s.sheet.crossSumText[0].isEmpty() && !s.sheet.hitRed[0]);
        QCOMPARE(s.sheet.marks[0], (std::array<TipSheet::Mark, 7>{}));
        QCOMPARE(s.tally[3][1], 1);
        int tallied = 0;
        for (const auto& line : s.tally)
            tallied += line[0] + line[1];
        QCOMPARE(tallied, 1);
    }

    void searchLeavesTheRowOut()
    {
        Fixture::Home h({Fixture::draw(m_day, {1, 2, 3, 40, 41, 42, 43}, 7)});
        Session& s = h.session;
        s.setStartDate(m_day.addDays(-7));
        s.sheet.cells[0] = m_repeat;
        s.sheet.cells[1] = m_valid;
        std::vector<int> rows;
        Actions::search(s, 3, [&](const TipSearch::Stop& stop) {
            rows.push_back(stop.row);
            return true;
        });
        QCOMPARE(rows, std::vector<int>{2});
        QVERIFY(s.sheet.hitText[0].isEmpty());
    }

    void printoutRefusesTheRowByName()
    {
        TipSheet sheet;
        sheet.cells[0] = m_valid;
        sheet.cells[3] = m_repeat;
        try {
            TipPrintout::lines(sheet, m_day, GameRules::Classic, QStringLiteral("Tipp"));
            QFAIL("a row with a number twice was printed");
        } catch (const FileError& e) {
            QVERIFY2(e.message.startsWith(QStringLiteral("Tipp 4 ")), qPrintable(e.message));
        }
    }

    void lockedRowIsKeptButNoReferenceForTheOverlapRule()
    {
        // Were the locked row a reference, no candidate sharing a number with it could pass; as it is
        // none, the run draws what it draws beside a locked row that holds nothing.
        auto run = [this](const Row& locked, Row* kept) {
            Fixture::Home h(Fixture::weeklyDraws(60, m_day));
            Session& s = h.session;
            s.random.seed = 4711;
            s.sheet.tipCount = 2; // one row generated, right after the locked one
            s.sheet.cells[0] = locked;
            s.sheet.locked[0] = true;
            s.options.overlapWithSheet.maxOn = true;
            s.options.overlapWithSheet.max = 0;
            std::vector<Row> candidates;
            TipGenerator::Hooks hooks;
            hooks.candidate = [&](const TipGenerator::Candidate& c) { candidates.push_back(c.numbers); };
            Actions::generate(s, hooks);
            *kept = s.sheet.cells[0];
            return candidates;
        };
        Row kept{};
        const std::vector<Row> beside = run({1, 1, 2, 3, 4, 5, 6}, &kept);
        QCOMPARE(kept, (Row{1, 1, 2, 3, 4, 5, 6}));
        QCOMPARE(beside, run(Row{}, &kept));
        QVERIFY(std::any_of(beside.begin(), beside.end(), [](const Row& r) {
            return std::any_of(r.begin(), r.end(), [](int v) { return v >= 1 && v <= 6; });
        }));
    }
};

QTEST_GUILESS_MAIN(TestRepeatedNumbers)
#include "TestRepeatedNumbers.moc"

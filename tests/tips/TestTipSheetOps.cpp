#include "checking/CompleteCheck.h"
#include "session/Actions.h"
#include "tips/TipSheetOps.h"

#include <QTest>

using Row = TipSheet::Row;

class TestTipSheetOps : public QObject
{
    Q_OBJECT

    static NumberChecks checks(std::initializer_list<int> numbers)
    {
        NumberChecks c{};
        for (int n : numbers)
            c[n] = true;
        return c;
    }

private slots:
    void cellRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::addRow("leading zero") << "07" << 7;
        QTest::addRow("highest") << "49" << 49;
        QTest::addRow("lowest") << "1" << 1;
        QTest::addRow("above range") << "50" << 0;
        QTest::addRow("zero") << "0" << 0;
        QTest::addRow("negative") << "-3" << 0;
        QTest::addRow("letters") << "ab" << 0;
        QTest::addRow("digits and letters") << "4a" << 0;
        QTest::addRow("blanks") << "   " << 0;
        QTest::addRow("empty") << "" << 0;
    }
    void cellRule()
    {
        QFETCH(QString, typed);
        QFETCH(int, value);
        QCOMPARE(TipSheet::cellValue(typed, Game::classic()), value);
        QCOMPARE(TipSheet::cellText(value), value ? QString::number(value) : QString());
    }

    void clearKeepsLockedRows()
    {
        Session s;
        s.current.numbers = {1, 2, 3, 4, 5, 6, 7};
        s.current.bonus = 8;
        for (int r = 0; r < TipSheet::Rows; ++r)
            s.sheet.cells[r] = {r + 1, r + 2, r + 3, r + 4, r + 5, r + 6, r + 7};
        s.sheetSettled = true;
        Actions::check(s);
        toggleLock(s.sheet, 1);
        toggleLock(s.sheet, 4);
        const TipSheet before = s.sheet;
        s.sheetSettled = false;

        Actions::clearSheet(s);
        QVERIFY(!s.sheetSettled); // put back after the check
        for (int r = 0; r < TipSheet::Rows; ++r) {
            if (r == 1 || r == 4) {
                QCOMPARE(s.sheet.cells[r], before.cells[r]);
                QCOMPARE(s.sheet.hitText[r], before.hitText[r]);
                QCOMPARE(s.sheet.crossSumText[r], before.crossSumText[r]);
                QCOMPARE(s.sheet.marks[r], before.marks[r]);
            } else {
                QCOMPARE(s.sheet.cells[r], Row{});
                QVERIFY(s.sheet.hitText[r].isEmpty());
                QVERIFY(s.sheet.crossSumText[r].isEmpty());
            }
        }
        QCOMPARE(s.tally[6][1], 1); // rows 2 and 5 checked again
        QCOMPARE(s.tally[3][1], 1);
    }

    void lockToggles()
    {
        TipSheet sheet;
        toggleLock(sheet, 3);
        QVERIFY(sheet.locked[3]);
        toggleLock(sheet, 3);
        QVERIFY(!sheet.locked[3]);
    }

    void tipEdit_data()
    {
        QTest::addColumn<NumberChecks>("checked");
        QTest::addColumn<Row>("after");
        const Row before{3, 12, 17, 25, 33, 41, 48};
        QTest::addRow("unchanged") << checksOfRow(before, Game::classic()) << before;
        QTest::addRow("48 swapped for 49")
            << checks({3, 12, 17, 25, 33, 41, 49}) << Row{3, 12, 17, 25, 33, 41, 49};
        QTest::addRow("five boxes") << checks({1, 2, 40, 44, 45}) << Row{1, 2, 40, 44, 45, 41, 48};
        QTest::addRow("nine boxes keep the smallest")
            << checks({49, 1, 2, 3, 4, 5, 6, 7, 8}) << Row{1, 2, 3, 4, 5, 6, 7};
        QTest::addRow("none") << checks({}) << before;
    }
    void tipEdit()
    {
        QFETCH(NumberChecks, checked);
        Row row{3, 12, 17, 25, 33, 41, 48};
        applyChecksToRow(row, checked, Game::classic());
        QTEST(row, "after");
    }

    void rowToChecks()
    {
        const NumberChecks c = checksOfRow({3, 0, 17, 0, 0, 0, 49}, Game::classic());
        QCOMPARE(std::count(c.begin(), c.end(), true), 3);
        QVERIFY(c[3] && c[17] && c[49] && !c[0]);
    }
};

QTEST_GUILESS_MAIN(TestTipSheetOps)
#include "TestTipSheetOps.moc"

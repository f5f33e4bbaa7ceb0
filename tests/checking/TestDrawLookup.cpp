#include "draws/DrawDate.h"
#include "session/Actions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

DrawRecord record(const QDate& date, std::array<int, 7> numbers, int bonus, const char* encore = "0000000")
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(date);
    for (int k = 0; k < 7; ++k)
        r.zahlen[k] = std::uint8_t(numbers[k]);
    r.bonus = std::uint8_t(bonus);
    for (int k = 0; k < 7; ++k)
        r.spiel77[k] = std::uint8_t(encore[k] - '0');
    return r;
}

} // namespace

// Lookup by date and the previous/next arrows over a small draw file: Friday main draws, one Tuesday
// draw, and two records without bonus behind a main draw.
class TestDrawLookup : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_checks = 0;

    Session sessionWith(const std::vector<DrawRecord>& records)
    {
        Session s(m_dir.path() + QLatin1Char('/'));
        s.gameRules = GameRules::Classic; // steps by date, one week back
        s.drawFile().replaceAll(records);
        s.sheetSettled = true;
        s.sheet.cells[0] = {5, 12, 19, 1, 2, 3, 4};
        return s;
    }
    Session standard()
    {
        return sessionWith({
            record({2009, 9, 25}, {5, 12, 19, 23, 34, 38, 44}, 7, "0471126"),  // 0 Fri
            record({2009, 10, 2}, {1, 2, 3, 4, 5, 6, 7}, 9, "1111111"),        // 1 Fri
            record({2009, 10, 2}, {11, 12, 13, 14, 15, 16, 17}, 0),            // 2 secondary
            record({2009, 10, 2}, {21, 22, 23, 24, 25, 26, 27}, 0),            // 3 secondary
            record({2009, 10, 6}, {31, 32, 33, 34, 35, 36, 37}, 8, "2222222"), // 4 Tue
            record({2009, 10, 9}, {41, 42, 43, 44, 45, 46, 47}, 1, "3333333"), // 5 Fri, newest
        });
    }
    static QDate currentDate(const Session& s) { return DrawDate::toQDate(s.current.date); }
    static QString drawLine(const Session& s) { return DrawHistory::drawLine(s.current, s.shownBy); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void lookup_data()
    {
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<int>("position");
        QTest::addRow("on a draw date") << QDate(2009, 10, 6) << 4;
        QTest::addRow("between two draws") << QDate(2009, 10, 7) << 5;
        QTest::addRow("after the newest draw") << QDate(2026, 1, 1) << 5;
        QTest::addRow("several records on a day") << QDate(2009, 9, 28) << 1;
    }
    void lookup()
    {
        QFETCH(QDate, selected);
        Session s = standard();
        s.encoreDigits = QStringLiteral("1234567");
        s.selectedDate = selected;
        QCOMPARE(Actions::lookup(s), Actions::LookupOutcome::Shown);
        QTEST(s.current.position, "position");
        QCOMPARE(s.selectedDate, currentDate(s));
        QVERIFY(s.encoreDigits.isEmpty());
        QVERIFY(!drawLine(s).contains(QLatin1String("B:")));
        QVERIFY(!s.sheet.hitText[0].isEmpty()); // the sheet was checked
    }

    void lookupLineOfFirstAndLaterRecords()
    {
        Session s = standard();
        s.selectedDate = QDate(2009, 9, 25);
        Actions::lookup(s);
        QCOMPARE(drawLine(s), QStringLiteral("Fr 25.09.09     5  12  19  23  34  38  44"));
        QCOMPARE(DrawHistory::crossSumLine(s.current), QStringLiteral("QS: 175"));
        QCOMPARE(s.sheet.hitText[0], QStringLiteral("3"));
        s.selectedDate = QDate(2009, 10, 9);
        Actions::lookup(s);
        QCOMPARE(drawLine(s), QStringLiteral("Fr 09.10.09    41  42  43  44  45  46  47"));
    }

    void lookupWithoutFile()
    {
        Session s(m_dir.path() + QStringLiteral("/missing/"));
        QVERIFY(QDir().mkpath(s.home));
        QCOMPARE(Actions::lookup(s, false), Actions::LookupOutcome::FileMissing);
        QVERIFY(!s.drawFile().exists()); // the command line never creates it
        QCOMPARE(Actions::lookup(s), Actions::LookupOutcome::FileMissing);
        QVERIFY(s.drawFile().exists());
        QCOMPARE(QFile(s.drawFile().path()).size(), 0);
        QVERIFY(!s.drawShown);

        s.sheetSettled = true;
        s.sheet.cells[0] = {9, 8, 7, 6, 5, 4, 3};
        QCOMPARE(Actions::lookup(s), Actions::LookupOutcome::Empty);
        QVERIFY(!s.drawShown);
        QCOMPARE(s.current, CurrentDraw{});
        QCOMPARE(s.sheet.cells[0], (TipSheet::Row{3, 4, 5, 6, 7, 8, 9})); // checked all the same
    }

    void showsDrawLineAndEncore()
    {
        Session s = standard();
        s.current.position = 5;
        Actions::nextDraw(s); // from the newest: stays there
        QCOMPARE(s.current.position, 5);
        QCOMPARE(currentDate(s), QDate(2009, 10, 9));
        s.current.position = -1;
        Actions::nextDraw(s);
        QCOMPARE(s.current.position, 0);
        QCOMPARE(drawLine(s), QStringLiteral("Fr 25.09.09    5  12  19  23  34  38  44 B: 7"));
        QCOMPARE(DrawHistory::crossSumLine(s.current), QStringLiteral("QS: 175"));
        QCOMPARE(s.encoreDigits, QStringLiteral("0471126"));
        QCOMPARE(s.selectedDate, QDate(2009, 9, 25));
        QCOMPARE(s.sheet.hitText[0], QStringLiteral("3"));
    }

    void previous_data()
    {
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<int>("position");
        QTest::addColumn<QDate>("shown");
        QTest::addRow("from a Friday over the Tuesday") << QDate(2009, 10, 9) << 1 << QDate(2009, 10, 2);
        QTest::addRow("oldest shows the newest") << QDate(2009, 9, 25) << 5 << QDate(2009, 10, 9);
        QTest::addRow("from the Tuesday: no draw a week before")
            << QDate(2009, 10, 6) << 5 << QDate(2009, 10, 9);
    }
    void previous()
    {
        QFETCH(QDate, selected);
        Session s = standard();
        s.selectedDate = selected;
        Actions::previousDraw(s);
        QTEST(s.current.position, "position");
        QTEST(currentDate(s), "shown");
        QTEST(s.selectedDate, "shown");
    }

    void nextSkipsRecordsWithoutBonus()
    {
        Session s = standard();
        s.selectedDate = QDate(2009, 10, 2);
        s.current.position = 1;
        Actions::nextDraw(s);
        QCOMPARE(s.current.position, 4);
        QCOMPARE(currentDate(s), QDate(2009, 10, 6));
        QCOMPARE(s.encoreDigits, QStringLiteral("2222222"));
    }

    void nextShowsRecordWithoutBonusWhenAllDrawsCount()
    {
        Session s = standard();
        s.mainDrawOnly = false;
        s.current.position = 1;
        s.encoreDigits = QStringLiteral("1111111");
        Actions::nextDraw(s);
        QCOMPARE(s.current.position, 2);
        QCOMPARE(drawLine(s), QStringLiteral("Fr 02.10.09    11  12  13  14  15  16  17"));
        QCOMPARE(s.encoreDigits, QStringLiteral("1111111"));
    }

    void skipIntoEndOfFileKeepsPosition()
    {
        Session s = sessionWith({
            record({2009, 10, 2}, {1, 2, 3, 4, 5, 6, 7}, 9),
            record({2009, 10, 9}, {11, 12, 13, 14, 15, 16, 17}, 0),
            record({2009, 10, 9}, {21, 22, 23, 24, 25, 26, 27}, 0),
        });
        s.current.position = 0;
        Actions::nextDraw(s);
        QCOMPARE(s.current.position, 1);
        QCOMPARE(s.current.numbers[0], 21);
    }

    void emptyFileShowsZeroRecord()
    {
        Session s = sessionWith({});
        s.selectedDate = QDate(2020, 1, 3);
        Actions::previousDraw(s);
        QCOMPARE(drawLine(s), QStringLiteral("Sa 30.12.99    0  0  0  0  0  0  0"));
        QCOMPARE(DrawHistory::crossSumLine(s.current), QStringLiteral("QS: 0"));
        QCOMPARE(s.selectedDate, QDate(2020, 1, 3)); // the picker refuses 1899
    }
};

QTEST_GUILESS_MAIN(TestDrawLookup)
#include "TestDrawLookup.moc"

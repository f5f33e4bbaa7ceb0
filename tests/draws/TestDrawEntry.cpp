#include "draws/DrawDate.h"
#include "draws/DrawEntry.h"
#include "draws/Error.h"
#include "session/Actions.h"
#include "session/DrawMaintenance.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QDate d(const char* text)
{
    return DrawDate::parse(QLatin1String(text));
}

DrawRecord draw(const char* date, std::array<std::uint8_t, 7> numbers, std::uint8_t bonus,
                std::array<std::uint8_t, 7> encore = {})
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(d(date));
    r.zahlen = numbers;
    r.bonus = bonus;
    r.spiel77 = encore;
    return r;
}

DrawEntryValue typed(const char* date, std::array<int, 7> numbers, int bonus)
{
    DrawEntryValue v;
    v.date = d(date);
    v.numbers = numbers;
    v.bonus = bonus;
    return v;
}

// 02.10.2009 holds a main draw and a draw without bonus.
const std::vector<DrawRecord> kStored{
    draw("25.09.2009", {5, 12, 19, 23, 34, 38, 44}, 7, {0, 4, 7, 1, 1, 2, 6}),
    draw("02.10.2009", {8, 27, 28, 29, 31, 32, 35}, 11),
    draw("02.10.2009", {1, 2, 3, 5, 14, 16, 25}, 0),
    draw("09.10.2009", {5, 15, 25, 38, 42, 46, 47}, 26),
};

} // namespace

class TestDrawEntry : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

    Session session()
    {
        Session s(m_home.path() + QLatin1Char('/'));
        s.today = d("18.01.2020");
        return s;
    }
    std::vector<DrawRecord> stored() { return session().drawFile().readAll(); }

private slots:
    void init()
    {
        QFile::remove(session().drawFile().path());
        session().drawFile().replaceAll(kStored);
    }

    void recordSortsAllSevenAndKeepsTheBonus()
    {
        const DrawEntryValue shown = DrawEntryValue::of(kStored[0]);
        DrawEntryValue v = typed("25.09.2009", {40, 3, 17, 9, 1, 25, 11}, 33);
        v.encore = shown.encore;
        const DrawRecord r = DrawEntry::record(v, shown);
        QCOMPARE(r.zahlen, (std::array<std::uint8_t, 7>{1, 3, 9, 11, 17, 25, 40}));
        QCOMPARE(r.bonus, 33);
        // A correction keeps the draw's ENCORE digits; a draw of another date does not borrow them.
        QCOMPARE(r.spiel77, kStored[0].spiel77);
        v.date = d("16.10.2009");
        QCOMPARE(DrawEntry::record(v, shown).spiel77, (std::array<std::uint8_t, 7>{}));
    }

    void startsFromTheDrawOfTheDay()
    {
        QCOMPARE(DrawEntry::start(kStored, d("02.10.2009")).value, DrawEntryValue::of(kStored[1]));
        QCOMPARE(DrawEntry::start(kStored, d("03.10.2009")).value, DrawEntryValue::of(kStored[3]));
        const DrawEntry::Start blank = DrawEntry::start({}, d("03.10.2009"));
        QVERIFY(blank.blank);
        QCOMPARE(blank.value, typed("03.10.2009", {}, 0));
        QCOMPARE(blank.remembered, d("03.10.2009"));
    }

    void problems_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("first"); // the first number; the others are 10..15
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QString>("problem");
        // clang-format off
        QTest::addRow("fine")                << d("02.10.2009") << 1  << 7  << QString();
        QTest::addRow("without bonus")       << d("02.10.2009") << 1  << 0  << QString();
        QTest::addRow("not filled in")       << d("02.10.2009") << 0  << 7  << QStringLiteral("Bitte alle 7 Zahlen von 1 bis 49 eingeben.");
        QTest::addRow("50 in 7 aus 49")      << d("10.05.2019") << 50 << 7  << QStringLiteral("Bitte alle 7 Zahlen von 1 bis 49 eingeben.");
        QTest::addRow("50 in 7 aus 50")      << d("14.05.2019") << 50 << 7  << QString();
        QTest::addRow("a number twice")      << d("02.10.2009") << 12 << 7  << QStringLiteral("Die Zahl 12 kommt zweimal vor.");
        QTest::addRow("bonus among them")    << d("02.10.2009") << 1  << 13 << QStringLiteral("Die Bonuszahl 13 ist schon eine der Zahlen.");
        QTest::addRow("bonus out of range")  << d("02.10.2009") << 1  << 50 << QStringLiteral("Die Bonuszahl muss von 1 bis 49 reichen.");
        QTest::addRow("before the first draw") << d("18.09.2009") << 1 << 7 << QStringLiteral("Das Datum muss zwischen 25.09.2009 und 31.12.2199 liegen.");
        // clang-format on
    }
    void problems()
    {
        QFETCH(QDate, date);
        QFETCH(int, first);
        QFETCH(int, bonus);
        QFETCH(QString, problem);
        DrawEntryValue v{date, {first, 10, 11, 12, 13, 14, 15}, bonus, {}, {}};
        QCOMPARE(DrawEntry::problem(v, session().gameOn(date)), problem);
    }

    void storing_data()
    {
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<std::vector<DrawRecord>>("expected");
        QTest::addColumn<QDate>("shown"); // the date of the draw on the draw bar afterwards
        const DrawRecord typedDraw = draw("02.10.2009", {1, 3, 9, 11, 17, 25, 40}, 33);
        DrawRecord later = typedDraw;
        later.datum = DrawDate::fromQDate(d("16.10.2009"));
        // clang-format off
        QTest::addRow("replaces every record of its date")
            << d("02.10.2009") << d("02.10.2009") << std::vector{kStored[0], typedDraw, kStored[3]} << d("02.10.2009");
        QTest::addRow("a later date is appended, the draw shown before stays")
            << d("02.10.2009") << d("16.10.2009") << std::vector{kStored[0], kStored[1], kStored[2], kStored[3], later} << d("02.10.2009");
        // clang-format on
    }
    void storing()
    {
        QFETCH(QDate, selected);
        QFETCH(QDate, date);
        QFETCH(std::vector<DrawRecord>, expected);
        QFETCH(QDate, shown);
        Session s = session();
        s.setSelectedDate(selected);
        const DrawEntry::Start start = DrawMaintenance::beginEntry(s);
        DrawEntryValue v = typed("02.10.2009", {40, 3, 17, 9, 1, 25, 11}, 33);
        v.date = date;
        DrawMaintenance::storeEntry(s, v, start);
        DrawMaintenance::endEntry(s, start);
        QCOMPARE(stored(), expected);
        QCOMPARE(DrawDate::toQDate(s.current.date), shown);
    }

    void refusedDrawLeavesTheFile()
    {
        Session s = session();
        const DrawEntry::Start start = DrawMaintenance::beginEntry(s);
        QVERIFY_THROWS_EXCEPTION(
            Error, DrawMaintenance::storeEntry(s, typed("16.10.2009", {1, 1, 2, 3, 4, 5, 6}, 7), start));
        QCOMPARE(stored(), kStored);
    }

    void firstDrawIntoAnEmptyFile()
    {
        QVERIFY(QFile::remove(session().drawFile().path()));
        Session s = session();
        s.setSelectedDate(d("02.10.2009"));
        const DrawEntry::Start start = DrawMaintenance::beginEntry(s);
        QVERIFY(start.blank);
        QCOMPARE(start.value.date, d("02.10.2009"));
        DrawMaintenance::storeEntry(s, typed("02.10.2009", {40, 3, 17, 9, 1, 25, 11}, 33), start);
        DrawMaintenance::endEntry(s, start);
        QCOMPARE(stored(), std::vector{draw("02.10.2009", {1, 3, 9, 11, 17, 25, 40}, 33)});
        QVERIFY(s.drawShown);
        QCOMPARE(s.current.bonus, 33);
    }

    void deletingADateRemovesAllItsRecords()
    {
        Session s = session();
        s.setSelectedDate(d("02.10.2009"));
        Actions::lookup(s);
        DrawMaintenance::deleteShown(s);
        QCOMPARE(stored(), (std::vector{kStored[0], kStored[3]}));
        // The lookup of the same date now shows the next later draw.
        QCOMPARE(DrawDate::toQDate(s.current.date), d("09.10.2009"));
    }
};

QTEST_GUILESS_MAIN(TestDrawEntry)
#include "TestDrawEntry.moc"

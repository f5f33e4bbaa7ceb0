#include "draws/DrawDate.h"
#include "draws/UpdateAnswer.h"

#include <QTest>

using Dates = QList<QDate>;
using Digits = std::array<int, 7>;
Q_DECLARE_METATYPE(GameRules)

namespace {

QDate d(const char* text)
{
    return DrawDate::parse(QLatin1String(text));
}

Dates list(const std::vector<QDate>& dates)
{
    return Dates(dates.begin(), dates.end());
}

} // namespace

class TestUpdateAnswer : public QObject
{
    Q_OBJECT

private slots:
    void requestDates_data()
    {
        QTest::addColumn<QDate>("newest"); // invalid: no stored draw
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<GameRules>("rules");
        QTest::addColumn<Dates>("dates");
        const auto classic = GameRules::Classic;
        const auto played = GameRules::AsPlayed;
        // clang-format off
        QTest::addRow("classic: Friday 03.01.2020, today Saturday 18.01.2020")
            << d("03.01.2020") << d("18.01.2020") << d("18.01.2020") << classic << Dates{d("10.01.2020"), d("17.01.2020")};
        QTest::addRow("as played: every Tuesday and Friday after it")
            << d("03.01.2020") << d("18.01.2020") << d("18.01.2020") << played
            << Dates{d("07.01.2020"), d("10.01.2020"), d("14.01.2020"), d("17.01.2020")};
        QTest::addRow("classic: newest draw dated today") << d("17.01.2020") << d("17.01.2020") << d("17.01.2020") << classic << Dates{};
        QTest::addRow("as played: newest draw dated today") << d("17.01.2020") << d("17.01.2020") << d("17.01.2020") << played << Dates{};
        QTest::addRow("classic: a Tuesday draw keeps its weekday")
            << d("07.01.2020") << d("07.01.2020") << d("18.01.2020") << classic << Dates{d("14.01.2020")};
        QTest::addRow("as played: into the Tuesday game of 2019")
            << d("10.05.2019") << d("10.05.2019") << d("18.05.2019") << played << Dates{d("14.05.2019"), d("17.05.2019")};
        QTest::addRow("classic, no draw stored: from the selected date")
            << QDate() << d("01.01.2020") << d("10.01.2020") << classic << Dates{d("01.01.2020"), d("08.01.2020")};
        QTest::addRow("as played, no draw stored: from the first draw day on or after it")
            << QDate() << d("01.01.2020") << d("10.01.2020") << played << Dates{d("03.01.2020"), d("07.01.2020"), d("10.01.2020")};
        // clang-format on
    }
    void requestDates()
    {
        QFETCH(QDate, newest);
        QFETCH(QDate, selected);
        QFETCH(QDate, today);
        QFETCH(GameRules, rules);
        QFETCH(Dates, dates);
        const std::optional<QDate> stored = newest.isValid() ? std::optional(newest) : std::nullopt;
        QCOMPARE(list(UpdateAnswer::requestDates(stored, selected, today, rules)), dates);
    }

    void query()
    {
        QCOMPARE(UpdateAnswer::query(d("07.01.2020")), QStringLiteral("Programm=Korvex&Datum=20200107"));
    }

    void parseLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QByteArray>("numbers"); // seven numbers and the bonus, as stored
        QTest::addColumn<Digits>("encore");
        const Digits none{};
        const Digits digits{0, 4, 7, 1, 1, 2, 6};
        // clang-format off
        QTest::addRow("main draw")           << QByteArray("x,5,12,19,23,34,38,44,7,0471126;frei") << true << QByteArray("\x05\x0c\x13\x17\x22\x26\x2c\x07") << digits;
        QTest::addRow("first field ignored") << QByteArray("10.01.2020 Fr,5,12,19,23,34,38,44,7,0471126;") << true << QByteArray("\x05\x0c\x13\x17\x22\x26\x2c\x07") << digits;
        QTest::addRow("blanks around values")<< QByteArray("x, 5 ,12,19,23,34,38,44, 7 ,04711260;") << true << QByteArray("\x05\x0c\x13\x17\x22\x26\x2c\x07") << digits;
        QTest::addRow("draw without bonus")  << QByteArray("x,1,2,3,4,5,6,7,0,") << true << QByteArray("\x01\x02\x03\x04\x05\x06\x07\x00", 8) << none;
        QTest::addRow("letter in ENCORE")    << QByteArray("x,5,12,19,23,34,38,44,7,047A126;") << true << QByteArray("\x05\x0c\x13\x17\x22\x26\x2c\x07") << none;
        QTest::addRow("ENCORE too short")    << QByteArray("x,5,12,19,23,34,38,44,7,04711;") << true << QByteArray("\x05\x0c\x13\x17\x22\x26\x2c\x07") << none;
        QTest::addRow("ENCORE without ;")    << QByteArray("x,5,12,19,23,34,38,44,7,0471126") << true << QByteArray("\x05\x0c\x13\x17\x22\x26\x2c\x07") << none;
        QTest::addRow("lowest byte")         << QByteArray("x,300,256,3,4,5,6,7,8,") << true << QByteArray("\x2c\x00\x03\x04\x05\x06\x07\x08", 8) << none;
        QTest::addRow("nine fields")         << QByteArray("x,5,12,19,23,34,38,44,7") << false << QByteArray() << none;
        QTest::addRow("letter in a number")  << QByteArray("x,5,1x,19,23,34,38,44,7,0471126;") << false << QByteArray() << none;
        QTest::addRow("empty number")        << QByteArray("x,5,,19,23,34,38,44,7,0471126;") << false << QByteArray() << none;
        QTest::addRow("number too long")     << QByteArray("x,5,99999999999,19,23,34,38,44,7,;") << false << QByteArray() << none;
        QTest::addRow("notice of the server")<< QByteArray("Wartungsarbeiten bis 18 Uhr") << false << QByteArray() << none;
        // clang-format on
    }
    void parseLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, readable);
        QFETCH(QByteArray, numbers);
        QFETCH(Digits, encore);
        DrawRecord before;
        before.super6 = {1, 2, 3, 4, 5, 6};
        before.spiel77 = {9, 9, 9, 9, 9, 9, 9};
        const auto r = UpdateAnswer::parseLine(line, d("10.01.2020"), before);
        QCOMPARE(r.has_value(), readable);
        if (!r)
            return;
        QCOMPARE(r->datum, DrawDate::fromQDate(d("10.01.2020")));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(r->zahlen.data()), 7) + char(r->bonus), numbers);
        QCOMPARE(Digits(std::to_array<int>({r->spiel77[0], r->spiel77[1], r->spiel77[2], r->spiel77[3],
                                            r->spiel77[4], r->spiel77[5], r->spiel77[6]})),
                 encore);
        // Super 6 is not sent: the record before lends its digits.
        QCOMPARE(r->super6, before.super6);
    }

    void parseBody_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("unreadableLine");
        const QByteArray main = "x,5,12,19,23,34,38,44,7,0471126;";
        const QByteArray extra = "x,1,2,3,4,6,8,9,0,;";
        // clang-format off
        QTest::addRow("two lines, CR LF")          << main + "\r\n" + extra + "\r\n" << 2 << 0;
        QTest::addRow("blank lines passed over")   << "\n" + main + "\n\n" + extra   << 2 << 0;
        QTest::addRow("CR alone ends a line")      << main + "\r" + extra + "\r"     << 2 << 0;
        QTest::addRow("empty body")                << QByteArray()                   << 0 << 0;
        QTest::addRow("nine fields after a draw")  << main + "\nx,1,2,3,4,6,8,9,0\n" + extra << 1 << 2;
        QTest::addRow("notice first")              << "Keine Ziehung\n" + main       << 0 << 1;
        QTest::addRow("second main draw")          << main + "\n" + main             << 1 << 2;
        QTest::addRow("a number twice")            << extra + "\nx,1,2,3,4,6,8,8,0,;" << 1 << 2;
        // clang-format on
    }
    void parseBody()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, records);
        QFETCH(int, unreadableLine);
        const auto parsed = UpdateAnswer::parse(body, d("10.01.2020"), DrawRecord{});
        QCOMPARE(int(parsed.records.size()), records);
        QCOMPARE(parsed.unreadableLine, unreadableLine);
        if (records == 2) {
            // In the order of the lines, each lending its Super 6 digits to the next.
            QCOMPARE(parsed.records[0].bonus, 7);
            QCOMPARE(parsed.records[1].bonus, 0);
        }
    }

    void shownBody()
    {
        QCOMPARE(UpdateAnswer::shownBody("Gr\xfc\xdf"
                                         "e\r\nZeile\x01"),
                 QStringLiteral("Grüße\r\nZeile\\x01"));
        QCOMPARE(UpdateAnswer::shownBody("Gr\xc3\xbc\xc3\x9f"
                                         "e"),
                 QStringLiteral("Grüße"));
        QCOMPARE(UpdateAnswer::shownBody(QByteArray(10, 'a'), 4), QStringLiteral("aaaa…"));
        // Escapes count towards the limit (found by fuzzing: NUL bytes quadrupled the text).
        QCOMPARE(UpdateAnswer::shownBody(QByteArray(10, '\0'), 9), QStringLiteral("\\x00\\x00…"));
    }
};

QTEST_GUILESS_MAIN(TestUpdateAnswer)
#include "TestUpdateAnswer.moc"

#include "../TestFiles.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"
#include "draws/Error.h"
#include "draws/OperatorCsv.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kHeader = OperatorCsv::header() + "\r\n";

QByteArray row(const char* rest)
{
    return QByteArray("\"LOTTO MAX\",") + rest + "\r\n";
}

} // namespace

// The operator's download layout: the same draws as the own layout, its own checks, and the layout
// written back by the command line.
class TestOperatorCsv : public QObject
{
    Q_OBJECT

private slots:
    void sameDrawFileAsOwnLayout();
    void writtenLayoutReadsBack();
    void goodFiles_data();
    void goodFiles();
    void badRowLeavesDrawFileUnchanged_data();
    void badRowLeavesDrawFileUnchanged();
};

void TestOperatorCsv::sameDrawFileAsOwnLayout()
{
    // The same six weeks in both layouts: MAXMILLIONS draws and the change to 7 of 50 on 14.05.2019.
    QTemporaryDir dir;
    const QString ownDat = dir.filePath(QStringLiteral("own.dat"));
    const QString operatorDat = dir.filePath(QStringLiteral("operator.dat"));
    QCOMPARE(DrawImport::importFile(QStringLiteral(TEST_DATA_DIR "/own-2019-04-12_to_2019-05-24.csv"),
                                    DrawFile(ownDat)),
             11);
    QCOMPARE(DrawImport::importFile(QStringLiteral(TEST_DATA_DIR "/operator-2019-04-12_to_2019-05-24.csv"),
                                    DrawFile(operatorDat)),
             11);
    QCOMPARE(fileBytes(operatorDat), fileBytes(ownDat));

    const auto records = DrawFile(operatorDat).readAll();
    QCOMPARE(DrawDate::format(records[4].datum), QStringLiteral("03.05.2019"));
    QCOMPARE(records[4].bonus, std::uint8_t(0)); // MAXMILLIONS: same date, no bonus, after the main draw
    QVERIFY(records[3].isMainDraw());
    QCOMPARE(records[3].datum, records[4].datum);
}

void TestOperatorCsv::writtenLayoutReadsBack()
{
    const auto own = DrawImport::parse(fileBytes(QStringLiteral(TEST_DATA_DIR "/own-2019-04-12_to_2019-05-24.csv")));
    QVERIFY(own.ok());
    const QByteArray written = OperatorCsv::write(own.records);
    QVERIFY(written.startsWith(OperatorCsv::header() + '\n'));
    QVERIFY2(written.contains("\"LOTTO MAX\",4,1,\"2019-05-03\",1,19,20,22,34,39,47,0\n"), written.constData());
    const auto back = DrawImport::parse(written);
    QVERIFY2(back.ok(), qPrintable(back.error));
    QCOMPARE(back.records, own.records);

    // A date without main draw (a draw typed in without bonus) leads with sequence 0 and reads back.
    DrawRecord alone;
    alone.datum = DrawDate::fromQDate(QDate(2026, 4, 14));
    alone.zahlen = {1, 2, 3, 4, 5, 6, 52};
    const auto single = DrawImport::parse(OperatorCsv::write({alone}));
    QVERIFY2(single.ok(), qPrintable(single.error));
    QCOMPARE(single.records, std::vector<DrawRecord>{alone});
}

void TestOperatorCsv::goodFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("draws"); // date and bonus of each record

    const QByteArray main = row("1,0,\"2019-05-10\",16,17,31,34,36,39,41,10");
    // clang-format off
    QTest::addRow("CR LF")             << kHeader + main << QStringList{"10.05.2019 10"};
    QTest::addRow("LF, byte order mark, blank end") << "\xEF\xBB\xBF" + OperatorCsv::header() + "\n" + main.chopped(2) + "\n\n"
                                       << QStringList{"10.05.2019 10"};
    QTest::addRow("unquoted fields")   << kHeader + "LOTTO MAX,1,0,2019-05-10,16,17,31,34,36,39,41,10\n" << QStringList{"10.05.2019 10"};
    QTest::addRow("MAXMILLIONS after the main draw") << kHeader + main + row("1,1,\"2019-05-10\",1,2,3,4,5,6,7,0")
                                                        + row("1,2,\"2019-05-10\",8,9,10,11,12,13,14,0")
                                       << QStringList{"10.05.2019 10", "10.05.2019 0", "10.05.2019 0"};
    QTest::addRow("50 from 14.05.2019") << kHeader + main + row("2,0,\"2019-05-14\",9,24,27,33,40,44,50,41")
                                       << QStringList{"10.05.2019 10", "14.05.2019 41"};
    QTest::addRow("52 from 14.04.2026, no bonus") << kHeader + row("1,0,\"2026-04-14\",1,2,3,4,5,6,52,0")
                                       << QStringList{"14.04.2026 0"};
    // clang-format on
}

void TestOperatorCsv::goodFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, draws);
    const auto result = DrawImport::parse(text);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QStringList got;
    for (const DrawRecord& r : result.records)
        got << DrawDate::format(r.datum) + QLatin1Char(' ') + QString::number(r.bonus);
    QCOMPARE(got, draws);
}

void TestOperatorCsv::badRowLeavesDrawFileUnchanged_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("problem");

    const QByteArray main = row("1,0,\"2019-05-10\",16,17,31,34,36,39,41,10");
    const QByteArray next = row("2,0,\"2019-05-14\",9,24,27,33,40,44,48,41");
    // clang-format off
    QTest::addRow("other header")         << "\"PRODUCT\",\"DRAW NUMBER\",\"DRAW DATE\",\"NUMBER DRAWN 1\"\r\n" + main << 1 << "Kopfzeile";
    QTest::addRow("MAXMILLIONS first")    << kHeader + row("1,1,\"2019-05-10\",1,2,3,4,5,6,7,0") + main << 2 << "ohne die Hauptziehung";
    QTest::addRow("MAXMILLIONS of a date without main draw") << kHeader + main + row("2,1,\"2019-05-14\",1,2,3,4,5,6,7,0") << 3 << "ohne die Hauptziehung vom 14.05.2019";
    QTest::addRow("MAXMILLIONS with bonus") << kHeader + main + row("1,1,\"2019-05-10\",1,2,3,4,5,6,7,8") << 3 << "keine Bonuszahl";
    QTest::addRow("sequence backwards")   << kHeader + main + row("1,2,\"2019-05-10\",1,2,3,4,5,6,7,0")
                                             + row("1,1,\"2019-05-10\",8,9,10,11,12,13,14,0") << 4 << "Laufnummer 1 nach Laufnummer 2";
    QTest::addRow("two main draws")       << kHeader + main + row("1,0,\"2019-05-10\",1,2,3,4,5,6,7,8") << 3 << "zweite Hauptziehung";
    QTest::addRow("date out of order")    << kHeader + next + main << 3 << "vor dem der Zeile davor (14.05.2019)";
    QTest::addRow("50 in 7 aus 49")       << kHeader + row("1,0,\"2019-05-10\",16,17,31,34,36,39,50,10") << 2 << "Feld 11: die Zahl 50 liegt nicht in 1..49";
    QTest::addRow("51 in 7 aus 50")       << kHeader + main + row("2,0,\"2019-05-14\",9,24,27,33,40,44,51,41") << 3 << "1..50";
    QTest::addRow("MAXMILLIONS out of range") << kHeader + main + row("1,1,\"2019-05-10\",0,2,3,4,5,6,7,0") << 3 << "die Zahl 0";
    QTest::addRow("bonus out of range")   << kHeader + row("1,0,\"2019-05-10\",16,17,31,34,36,39,41,60") << 2 << "Bonuszahl 60";
    QTest::addRow("repeated number")      << kHeader + main + row("2,0,\"2019-05-14\",9,9,27,33,40,44,48,41") << 3 << "wiederholt die Zahl 9";
    QTest::addRow("bad row in the middle") << kHeader + main + row("2,0,\"2019-05-14\",9,x,27,33,40,44,48,41")
                                             + row("3,0,\"2019-05-17\",4,21,23,39,40,42,50,17") << 3 << "Feld 6 ist keine ganze Zahl";
    QTest::addRow("own date format")      << kHeader + row("1,0,\"10.05.2019\",16,17,31,34,36,39,41,10") << 2 << "Feld 4 ist kein Datum";
    QTest::addRow("other product")        << kHeader + "\"LOTTO 6/49\",1,0,\"2019-05-10\",16,17,31,34,36,39,41,10\r\n" << 2 << "Produkt";
    QTest::addRow("missing column")       << kHeader + row("1,0,\"2019-05-10\",16,17,31,34,36,39,41") << 2 << "11 statt 12 Felder";
    QTest::addRow("open quote")           << kHeader + row("1,0,\"2019-05-10,16,17,31,34,36,39,41,10") << 2 << "Anführungszeichen";
    QTest::addRow("empty line inside")    << kHeader + main + "\r\n" + next << 3 << "leere Zeile";
    // clang-format on
}

void TestOperatorCsv::badRowLeavesDrawFileUnchanged()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(QString, problem);

    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("download.csv"));
    const QString dat = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    writeFile(csv, text);
    writeFile(dat, QByteArray(32, '\x11') + "tail");
    try {
        DrawImport::importFile(csv, DrawFile(dat));
        QFAIL("a bad row was imported");
    } catch (const FileError& e) {
        QVERIFY2(e.message.contains(QStringLiteral("Zeile %1 ").arg(line)), qPrintable(e.message));
        QVERIFY2(e.message.contains(problem), qPrintable(e.message));
    }
    QCOMPARE(fileBytes(dat), QByteArray(32, '\x11') + "tail");
}

QTEST_GUILESS_MAIN(TestOperatorCsv)
#include "TestOperatorCsv.moc"

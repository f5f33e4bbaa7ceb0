#include "../TestFiles.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"
#include "draws/Error.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

} // namespace

class TestDrawImport : public QObject
{
    Q_OBJECT

private slots:
    void exampleLine();
    void lowestByte();
    void goodFiles_data();
    void goodFiles();
    void badLineLeavesDrawFileUnchanged_data();
    void badLineLeavesDrawFileUnchanged();
    void missingCsvLeavesDrawFileUnchanged();
};

void TestDrawImport::exampleLine()
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("LOTTOMAX.csv"));
    const QString dat = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    writeFile(csv, "25.09.2009,5,12,19,23,34,38,44,7\n");
    QCOMPARE(DrawImport::importFile(csv, DrawFile(dat)), 1);

    DrawRecord expected;
    expected.datum = DrawDate::fromQDate(QDate(2009, 9, 25));
    expected.zahlen = {5, 12, 19, 23, 34, 38, 44};
    expected.bonus = 7;
    const auto read = DrawFile(dat).readAll();
    QCOMPARE(read.size(), size_t(1));
    QCOMPARE(read[0], expected);
    // No digit-game results and zero padding.
    QCOMPARE(fileBytes(dat).mid(16), QByteArray(16, '\0'));
}

void TestDrawImport::lowestByte()
{
    const auto result = DrawImport::parse("01.01.2020,256,300,511,-1,1,2,49,300\n");
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.records.size(), size_t(1));
    QCOMPARE(result.records[0].zahlen, (std::array<std::uint8_t, 7>{0, 44, 255, 255, 1, 2, 49}));
    QCOMPARE(result.records[0].bonus, std::uint8_t(44));
}

void TestDrawImport::goodFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("dates");

    const QByteArray a = "01.01.2020,1,2,3,4,5,6,7,8";
    const QByteArray b = "08.01.2020,1,2,3,4,5,6,7,0";
    const QStringList both{"01.01.2020", "08.01.2020"};
    QTest::addRow("LF, final line break") << a + '\n' + b + '\n' << both;
    QTest::addRow("no final line break") << a + '\n' + b << both;
    QTest::addRow("CR LF") << a + "\r\n" + b + "\r\n" << both;
    QTest::addRow("blank lines at the end") << a + '\n' + b + "\n\r\n  \n" << both;
    QTest::addRow("byte order mark") << "\xEF\xBB\xBF" + a + '\n' + b << both;
    QTest::addRow("blanks around fields")
        << QByteArray("01.01.2020 , 1, 2,3,4,5,6,7, 8 \n") << QStringList{"01.01.2020"};
    QTest::addRow("short day and month")
        << QByteArray("1.2.2020,1,2,3,4,5,6,7,8") << QStringList{"01.02.2020"};
    QTest::addRow("file order kept, newest first") << b + '\n' + a << QStringList{"08.01.2020", "01.01.2020"};
    QTest::addRow("empty file") << QByteArray() << QStringList{};
}

void TestDrawImport::goodFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, dates);
    const auto result = DrawImport::parse(text);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QStringList got;
    for (const DrawRecord& r : result.records)
        got << DrawDate::format(r.datum);
    QCOMPARE(got, dates);
}

void TestDrawImport::badLineLeavesDrawFileUnchanged_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("problem");

    const QByteArray good = "01.01.2020,1,2,3,4,5,6,7,8\n";
    QTest::addRow("header line") << "Datum,Z1,Z2,Z3,Z4,Z5,Z6,Z7,Bonus\n" + good << 1 << "Feld 1";
    QTest::addRow("empty line inside") << good + "\n" + good << 2 << "leere Zeile";
    QTest::addRow("missing field") << good + good + "15.01.2020,1,2,3,4,5,6,7\n" << 3 << "8 statt 9 Felder";
    QTest::addRow("extra field") << good + "15.01.2020,1,2,3,4,5,6,7,8,9\n" << 2 << "mehr als 9 Felder";
    QTest::addRow("not a number") << good + "15.01.2020,1,2,x3,4,5,6,7,8\n" << 2 << "Feld 4";
    QTest::addRow("empty bonus") << good + "15.01.2020,1,2,3,4,5,6,7,\n" << 2 << "Feld 9";
    QTest::addRow("too large for a whole number")
        << good + "15.01.2020,99999999999,2,3,4,5,6,7,8" << 2 << "Feld 2";
    QTest::addRow("no such day") << good + "31.02.2020,1,2,3,4,5,6,7,8\n" << 2 << "Feld 1";
    QTest::addRow("other date format") << "2020-01-15,1,2,3,4,5,6,7,8\n" + good << 1 << "Feld 1";
    QTest::addRow("bad last line") << good + good + "x" << 3 << "Felder";
}

void TestDrawImport::badLineLeavesDrawFileUnchanged()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(QString, problem);

    const auto result = DrawImport::parse(text);
    QCOMPARE(result.errorLine, line);
    QVERIFY2(result.error.contains(problem), qPrintable(result.error));
    QVERIFY(result.records.empty());

    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("LOTTOMAX.csv"));
    const QString dat = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    writeFile(csv, text);
    writeFile(dat, QByteArray(32, '\x11') + QByteArray(32, '\x22') + "tail");
    const QByteArray before = fileBytes(dat);
    try {
        DrawImport::importFile(csv, DrawFile(dat));
        QFAIL("a bad line was imported");
    } catch (const FileError& e) {
        QVERIFY2(e.message.contains(QStringLiteral("Zeile %1").arg(line)), qPrintable(e.message));
        QVERIFY2(e.message.contains(QStringLiteral("LOTTOMAX.csv")), qPrintable(e.message));
    }
    QCOMPARE(fileBytes(dat), before);
}

void TestDrawImport::missingCsvLeavesDrawFileUnchanged()
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("LOTTOMAX.csv"));
    const QString dat = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    writeFile(dat, QByteArray(32, '\x11'));
    for (bool folder : {false, true}) {
        if (folder)
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("LOTTOMAX.csv")));
        try {
            DrawImport::importFile(csv, DrawFile(dat));
            QFAIL("no error for a missing CSV file");
        } catch (const FileError& e) {
            QVERIFY2(e.message.contains(QStringLiteral("LOTTOMAX.csv")), qPrintable(e.message));
        }
        QCOMPARE(fileBytes(dat), QByteArray(32, '\x11'));
    }
}

QTEST_GUILESS_MAIN(TestDrawImport)
#include "TestDrawImport.moc"

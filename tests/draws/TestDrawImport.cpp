#include "../TestFiles.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"
#include "draws/Error.h"
#include "draws/OperatorCsv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct CliRun
{
    int exitCode = -1;
    QByteArray err;
};

CliRun importWithCli(const QString& home, const QString& csv)
{
    QProcess cli;
    cli.start(QStringLiteral(NUMERANT_CLI_PATH), {QStringLiteral("--home"), home, QStringLiteral("import"), csv});
    if (!cli.waitForFinished(60000))
        return {};
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1, cli.readAllStandardError()};
}

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
    void fileWithoutDrawRefused_data();
    void fileWithoutDrawRefused();
    void refusalPrintedWhole_data();
    void refusalPrintedWhole();
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
    const auto result = DrawImport::parse("01.01.2020,256,300,511,-2,1,2,49,300\n");
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.records.size(), size_t(1));
    QCOMPARE(result.records[0].zahlen, (std::array<std::uint8_t, 7>{0, 44, 255, 254, 1, 2, 49}));
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
    QTest::addRow("draws without bonus after the main draw of a date")
        << a + "\n01.01.2020,9,10,11,12,13,14,15,0\n01.01.2020,16,17,18,19,20,21,22,0\n" + b
        << QStringList{"01.01.2020", "01.01.2020", "01.01.2020", "08.01.2020"};
    QTest::addRow("first and last supported day")
        << QByteArray("25.09.2009,1,2,3,4,5,6,7,8\n31.12.2199,1,2,3,4,5,6,7,8\n")
        << QStringList{"25.09.2009", "31.12.2199"};
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
    const QByteArray next = "08.01.2020,1,2,3,4,5,6,7,8\n";
    // clang-format off
    QTest::addRow("header line")        << "Datum,Z1,Z2,Z3,Z4,Z5,Z6,Z7,Bonus\n" + good << 1 << "Feld 1";
    QTest::addRow("empty line inside")  << good + "\n" + next << 2 << "leere Zeile";
    QTest::addRow("missing field")      << good + next + "15.01.2020,1,2,3,4,5,6,7\n" << 3 << "8 statt 9 Felder";
    QTest::addRow("extra field")        << good + "15.01.2020,1,2,3,4,5,6,7,8,9\n" << 2 << "mehr als 9 Felder";
    QTest::addRow("not a number")       << good + "15.01.2020,1,2,x3,4,5,6,7,8\n" << 2 << "Feld 4";
    QTest::addRow("empty bonus")        << good + "15.01.2020,1,2,3,4,5,6,7,\n" << 2 << "Feld 9";
    QTest::addRow("too large for a whole number") << good + "15.01.2020,99999999999,2,3,4,5,6,7,8" << 2 << "Feld 2";
    QTest::addRow("no such day")        << good + "31.02.2020,1,2,3,4,5,6,7,8\n" << 2 << "Feld 1";
    QTest::addRow("other date format")  << "2020-01-15,1,2,3,4,5,6,7,8\n" + good << 1 << "Feld 1";
    QTest::addRow("bad last line")      << good + next + "x" << 3 << "Felder";
    QTest::addRow("before the first draw of the game") << "24.09.2009,1,2,3,4,5,6,7,8\n" + good << 1 << "25.09.2009";
    QTest::addRow("beyond 2199")        << good + "01.01.2200,1,2,3,4,5,6,7,8\n" << 2 << "31.12.2199";
    QTest::addRow("newest first")       << next + good << 2 << "vor dem der Zeile davor (08.01.2020)";
    QTest::addRow("backwards after a run") << good + next + "15.01.2020,1,2,3,4,5,6,7,0\n" + good << 4 << "aufsteigend";
    QTest::addRow("two main draws on one date") << good + "01.01.2020,9,10,11,12,13,14,15,3\n" << 2 << "Zeile 1";
    QTest::addRow("main draw after the extra draws") << good + "01.01.2020,9,10,11,12,13,14,15,0\n"
                                                              "01.01.2020,16,17,18,19,20,21,22,3\n" << 3 << "zweite Ziehung mit Bonuszahl";
    QTest::addRow("repeated number")    << good + "15.01.2020,5,5,5,5,5,10,11,40\n" << 2 << "wiederholt die Zahl 5";
    QTest::addRow("repeated number in an extra draw") << good + "01.01.2020,9,10,11,12,13,14,9,0\n" << 2 << "Feld 8 wiederholt die Zahl 9 aus Feld 2";
    QTest::addRow("same lowest byte")   << good + "15.01.2020,5,261,6,7,8,9,10,40\n" << 2 << "wiederholt die Zahl 5";
    QTest::addRow("NUL byte in a field") << good + QByteArray("15.01.2020,1,2\0,3,4,5,6,7,8\n", 28) << 2 << "\"2\\x00\"";
    QTest::addRow("UTF-16 little endian") << QByteArray("\xFF\xFE" "0\0001\000.\0000\0001\000", 12) << 1 << "UTF-16 gespeichert (Byte-Order-Mark FF FE";
    QTest::addRow("UTF-16 big endian")  << QByteArray("\xFE\xFF\0000\0001", 6) << 1 << "UTF-16 gespeichert (Byte-Order-Mark FE FF";
    // clang-format on
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
        QVERIFY2(e.message.contains(problem), qPrintable(e.message));
        QVERIFY(!e.message.contains(QChar(0)));
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

void TestDrawImport::fileWithoutDrawRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("devNull"); // import /dev/null instead of a file with the text

    QTest::addRow("empty file") << QByteArray() << false;
    QTest::addRow("blank lines") << QByteArray("\n\r\n   \n\t\n") << false;
    QTest::addRow("byte order mark only") << QByteArray("\xEF\xBB\xBF\r\n") << false;
    QTest::addRow("the operator's header only") << QByteArray(OperatorCsv::header() + "\r\n") << false;
    QTest::addRow("/dev/null") << QByteArray() << true;
}

void TestDrawImport::fileWithoutDrawRefused()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, devNull);

    QTemporaryDir dir;
    const QString csv = devNull ? QStringLiteral("/dev/null") : dir.filePath(QStringLiteral("LOTTOMAX.csv"));
    const QString dat = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    if (!devNull)
        writeFile(csv, text);
    writeFile(dat, QByteArray(32, '\x11'));
    try {
        DrawImport::importFile(csv, DrawFile(dat));
        QFAIL("a file without draws was imported");
    } catch (const FileError& e) {
        QVERIFY2(e.message.contains(QStringLiteral("keine Ziehung")), qPrintable(e.message));
        QVERIFY2(e.message.contains(QDir::toNativeSeparators(csv)), qPrintable(e.message));
    }
    QCOMPARE(fileBytes(dat), QByteArray(32, '\x11'));
}

void TestDrawImport::refusalPrintedWhole_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("named");

    QTest::addRow("NUL byte") << QByteArray("01.01.2020,1,2,3,4,5,6,7,8\n08.01.2020,\0,2,3,4,5,6,7,8\n", 54)
                              << QByteArray("Zeile 2");
    QByteArray utf16("\xFF\xFE");
    for (char c : QByteArray("01.01.2020,1,2,3,4,5,6,7,8\r\n"))
        utf16 += QByteArray(1, c) + '\0';
    QTest::addRow("UTF-16") << utf16 << QByteArray("UTF-16");
}

void TestDrawImport::refusalPrintedWhole()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, named);

    QTemporaryDir home;
    const QString csv = home.filePath(QStringLiteral("LOTTOMAX.csv"));
    writeFile(csv, text);
    const CliRun run = importWithCli(home.path(), csv);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(named), run.err.constData());
    QVERIFY2(run.err.trimmed().endsWith("Die Ziehungsdatei wurde nicht verändert."), run.err.constData());
}

QTEST_GUILESS_MAIN(TestDrawImport)
#include "TestDrawImport.moc"

#include "../TestFiles.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/Error.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <unistd.h>

namespace {

QDate day(const char* text)
{
    return DrawDate::parse(QString::fromLatin1(text));
}

// "dd.mm.yyyy:bonus" per record; the numbers are the same for every record.
std::vector<DrawRecord> records(const QStringList& entries)
{
    std::vector<DrawRecord> out;
    for (const QString& entry : entries) {
        DrawRecord r;
        r.datum = DrawDate::fromQDate(DrawDate::parse(entry.section(QLatin1Char(':'), 0, 0)));
        r.zahlen = {1, 2, 3, 4, 5, 6, 7};
        r.bonus = std::uint8_t(entry.section(QLatin1Char(':'), 1, 1).toInt());
        out.push_back(r);
    }
    return out;
}

QStringList describe(const std::vector<DrawRecord>& recs)
{
    QStringList out;
    for (const DrawRecord& r : recs)
        out << DrawDate::format(r.datum) + QLatin1Char(':') + QString::number(r.bonus);
    return out;
}

} // namespace

class TestDrawFile : public QObject
{
    Q_OBJECT

private slots:
    void recordLayout();
    void scanRule_data();
    void scanRule();
    void rewrite_data();
    void rewrite();
    void insertDropsOldWednesdays();
    void trailingPartialRecordIgnored();
    void absurdDatesSkipped_data();
    void absurdDatesSkipped();
    void missingFileThrows();
    void lockedFileRefused();
    void readOnlyFolderKeepsOldFile();
};

void TestDrawFile::recordLayout()
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(QDate(2009, 9, 25));
    r.zahlen = {5, 12, 19, 23, 34, 38, 44};
    r.bonus = 7;
    r.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    r.super6 = {9, 8, 7, 6, 5, 4};
    // 40081.0 days as a little-endian double, numbers, bonus, ENCORE, Super 6, zero padding.
    const QByteArray expected = QByteArray::fromHex("000000002092e340"
                                                    "050c131722262c"
                                                    "07"
                                                    "01020304050607"
                                                    "090807060504"
                                                    "000000");
    QCOMPARE(r.toBytes(), expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    DrawFile(path).replaceAll({r});
    QCOMPARE(fileBytes(path), expected);

    // A record written by someone else, padding not zero: read field by field.
    QByteArray foreign = QByteArray::fromHex("000000002053e540" // 43673.0 = 27.07.2019
                                             "01020304053031"
                                             "00"
                                             "09000000000001"
                                             "000000000000"
                                             "ffeedd");
    writeFile(path, foreign);
    const auto read = DrawFile(path).readAll();
    QCOMPARE(read.size(), size_t(1));
    QCOMPARE(DrawDate::toQDate(read[0].datum), QDate(2019, 7, 27));
    QCOMPARE(read[0].zahlen, (std::array<std::uint8_t, 7>{1, 2, 3, 4, 5, 48, 49}));
    QCOMPARE(read[0].bonus, std::uint8_t(0));
    QVERIFY(!read[0].isMainDraw());
    QCOMPARE(read[0].spiel77, (std::array<std::uint8_t, 7>{9, 0, 0, 0, 0, 0, 1}));
    QCOMPARE(read[0].super6, (std::array<std::uint8_t, 6>{}));
    QCOMPARE(read[0].crossSum(), 1 + 2 + 3 + 4 + 5 + 48 + 49);
}

void TestDrawFile::scanRule_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("bonus");
    QTest::addColumn<bool>("closedStart");
    QTest::addColumn<bool>("mainDrawOnly");
    QTest::addColumn<bool>("counted");

    // Window 10.01.2020 .. 20.01.2020.
    // clang-format off
    QTest::addRow("on start, closed")         << day("10.01.2020") << 5 << true  << true  << true;
    QTest::addRow("on start, open")           << day("10.01.2020") << 5 << false << true  << false;
    QTest::addRow("before start, closed")     << day("09.01.2020") << 5 << true  << true  << false;
    QTest::addRow("after start, open")        << day("11.01.2020") << 5 << false << true  << true;
    QTest::addRow("on end")                   << day("20.01.2020") << 5 << false << true  << true;
    QTest::addRow("after end")                << day("21.01.2020") << 5 << true  << true  << false;
    QTest::addRow("no bonus, main draw only") << day("15.01.2020") << 0 << true  << true  << false;
    QTest::addRow("no bonus, all draws")      << day("15.01.2020") << 0 << true  << false << true;
    QTest::addRow("no bonus outside window")  << day("21.01.2020") << 0 << true  << false << false;
    // clang-format on
}

void TestDrawFile::scanRule()
{
    QFETCH(QDate, date);
    QFETCH(int, bonus);
    QFETCH(bool, closedStart);
    QFETCH(bool, mainDrawOnly);
    QFETCH(bool, counted);
    StatisticWindow window{DrawDate::fromQDate(day("10.01.2020")), DrawDate::fromQDate(day("20.01.2020")),
                           closedStart, mainDrawOnly};
    DrawRecord r;
    r.datum = DrawDate::fromQDate(date);
    r.bonus = std::uint8_t(bonus);
    QCOMPARE(window.accepts(r), counted);
}

void TestDrawFile::rewrite_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("operation"); // "insert DATE" puts a record with bonus 9; "delete DATE"
    QTest::addColumn<QStringList>("after");

    const QStringList file{"04.06.2020:4", "10.06.2020:5", "10.06.2020:0", "12.06.2020:6"};
    QTest::addRow("insert replaces every record of its date")
        << file << "insert 10.06.2020" << QStringList{"04.06.2020:4", "10.06.2020:9", "12.06.2020:6"};
    QTest::addRow("insert goes in front of the first later record")
        << file << "insert 11.06.2020"
        << QStringList{"04.06.2020:4", "10.06.2020:5", "10.06.2020:0", "11.06.2020:9", "12.06.2020:6"};
    QTest::addRow("insert after every record appends")
        << file << "insert 13.06.2020"
        << QStringList{"04.06.2020:4", "10.06.2020:5", "10.06.2020:0", "12.06.2020:6", "13.06.2020:9"};
    QTest::addRow("insert into an empty file")
        << QStringList{} << "insert 13.06.2020" << QStringList{"13.06.2020:9"};
    QTest::addRow("delete removes both records of a date")
        << file << "delete 10.06.2020" << QStringList{"04.06.2020:4", "12.06.2020:6"};
    QTest::addRow("delete of a missing date keeps everything") << file << "delete 11.06.2020" << file;
}

void TestDrawFile::rewrite()
{
    QFETCH(QStringList, before);
    QFETCH(QString, operation);
    QFETCH(QStringList, after);

    QTemporaryDir dir;
    const DrawFile file(dir.filePath(QStringLiteral("ZahlenMax.dat")));
    file.replaceAll(records(before));
    const QString date = operation.section(QLatin1Char(' '), 1);
    if (operation.startsWith(QLatin1String("insert")))
        file.insert(records({date + QStringLiteral(":9")}).front());
    else
        file.removeDate(DrawDate::fromQDate(DrawDate::parse(date)));
    QCOMPARE(describe(file.readAll()), after);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ZahlenMax.dat")});
}

void TestDrawFile::insertDropsOldWednesdays()
{
    // Records this old are no longer read from the file, so the rule is seen on the records alone.
    QCOMPARE(day("28.05.1986").dayOfWeek(), int(Qt::Wednesday));
    QCOMPARE(day("04.06.1986").dayOfWeek(), int(Qt::Wednesday));
    const auto out = DrawFile::withInserted(records({"28.05.1986:3", "04.06.1986:4", "12.06.2020:6"}),
                                            records({"10.06.2020:9"}).front());
    QCOMPARE(describe(out), (QStringList{"04.06.1986:4", "10.06.2020:9", "12.06.2020:6"}));
}

void TestDrawFile::trailingPartialRecordIgnored()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    const auto two = records({"01.01.2020:1", "08.01.2020:2"});
    writeFile(path, two[0].toBytes() + two[1].toBytes() + QByteArray(31, '\x7f'));
    QCOMPARE(DrawFile(path).readAll(), two);
    writeFile(path, QByteArray(31, '\x7f'));
    QVERIFY(DrawFile(path).readAll().empty());
}

void TestDrawFile::absurdDatesSkipped_data()
{
    QTest::addColumn<double>("datum");
    QTest::addColumn<bool>("kept");

    const double first = DrawDate::fromQDate(QDate(2009, 9, 25));
    const double last = DrawDate::fromQDate(QDate(2199, 12, 31));
    // clang-format off
    QTest::addRow("first supported day") << first                                    << true;
    QTest::addRow("last supported day")  << last                                     << true;
    QTest::addRow("day before")          << first - 1                                << false;
    QTest::addRow("day after")           << last + 1                                 << false;
    QTest::addRow("zero")                << 0.0                                      << false;
    QTest::addRow("NaN")                 << std::numeric_limits<double>::quiet_NaN() << false;
    QTest::addRow("infinity")            << std::numeric_limits<double>::infinity()  << false;
    QTest::addRow("minus infinity")      << -std::numeric_limits<double>::infinity() << false;
    QTest::addRow("beyond any calendar") << 1e300                                    << false;
    // clang-format on
}

void TestDrawFile::absurdDatesSkipped()
{
    QFETCH(double, datum);
    QFETCH(bool, kept);

    auto recs = records({"01.01.2020:1", "01.01.2020:0", "08.01.2020:2"});
    recs[1].datum = datum;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    writeFile(path, recs[0].toBytes() + recs[1].toBytes() + recs[2].toBytes());

    const DrawFile::Contents contents = DrawFile(path).read();
    QCOMPARE(contents.skipped, kept ? 0 : 1);
    QCOMPARE(contents.records.size(), kept ? size_t(3) : size_t(2));
    QCOMPARE(contents.records.front(), recs[0]);
    QCOMPARE(contents.records.back(), recs[2]);
    QCOMPARE(DrawFile(path).readAll(), contents.records);
}

void TestDrawFile::missingFileThrows()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    try {
        DrawFile(path).readAll();
        QFAIL("no error for a missing draw file");
    } catch (const FileError& e) {
        QVERIFY2(e.message.contains(QStringLiteral("ZahlenMax.dat")), qPrintable(e.message));
    }
    DrawFile(path).createIfMissing();
    QVERIFY(DrawFile(path).exists());
    QVERIFY(DrawFile(path).readAll().empty());
}

void TestDrawFile::lockedFileRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    const DrawFile file(path);
    file.replaceAll(records({"01.01.2020:1", "08.01.2020:2"}));
    const QByteArray old = fileBytes(path);

    // Another writer holds the lock for longer than a writer waits.
    QLockFile other(path + QStringLiteral(".lock"));
    QVERIFY(other.tryLock(0));
    QElapsedTimer timer;
    timer.start();
    try {
        file.insert(records({"15.01.2020:3"}).front());
        QFAIL("written while another process held the lock");
    } catch (const FileError& e) {
        QVERIFY2(e.message.contains(QStringLiteral("anderen Programm")), qPrintable(e.message));
        QVERIFY2(e.message.contains(QStringLiteral("ZahlenMax.dat")), qPrintable(e.message));
    }
    QVERIFY(timer.elapsed() >= DrawFile::LockWaitMs - 100);
    QCOMPARE(fileBytes(path), old);

    other.unlock();
    file.insert(records({"15.01.2020:3"}).front());
    QCOMPARE(describe(file.readAll()), (QStringList{"01.01.2020:1", "08.01.2020:2", "15.01.2020:3"}));
}

void TestDrawFile::readOnlyFolderKeepsOldFile()
{
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    const DrawFile file(path);
    file.replaceAll(records({"01.01.2020:1", "08.01.2020:2"}));
    const QByteArray old = fileBytes(path);
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY_THROWS_EXCEPTION(FileError, file.replaceAll(records({"15.01.2020:3"})));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(fileBytes(path), old);
}

QTEST_GUILESS_MAIN(TestDrawFile)
#include "TestDrawFile.moc"

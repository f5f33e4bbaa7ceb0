#include "../TestFiles.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/Error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
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
    void trailingPartialRecordIgnored();
    void missingFileThrows();
    void failedRewriteKeepsOldFile_data();
    void failedRewriteKeepsOldFile();
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
    QByteArray foreign = QByteArray::fromHex("0000000000c2e140" // 36368.0 = 27.07.1999
                                             "01020304053031"
                                             "00"
                                             "09000000000001"
                                             "000000000000"
                                             "ffeedd");
    writeFile(path, foreign);
    const auto read = DrawFile(path).readAll();
    QCOMPARE(read.size(), size_t(1));
    QCOMPARE(DrawDate::toQDate(read[0].datum), QDate(1999, 7, 27));
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

    const QStringList file{"28.05.1986:3", "04.06.1986:4", "10.06.2020:5", "10.06.2020:0", "12.06.2020:6"};
    QTest::addRow("insert replaces every record of its date, drops old Wednesday")
        << file << "insert 10.06.2020" << QStringList{"04.06.1986:4", "10.06.2020:9", "12.06.2020:6"};
    QTest::addRow("insert goes in front of the first later record")
        << file << "insert 11.06.2020"
        << QStringList{"04.06.1986:4", "10.06.2020:5", "10.06.2020:0", "11.06.2020:9", "12.06.2020:6"};
    QTest::addRow("insert after every record appends")
        << file << "insert 13.06.2020" << QStringList{"28.05.1986:3", "04.06.1986:4", "10.06.2020:5",
                                                      "10.06.2020:0", "12.06.2020:6", "13.06.2020:9"};
    QTest::addRow("insert into an empty file")
        << QStringList{} << "insert 13.06.2020" << QStringList{"13.06.2020:9"};
    QTest::addRow("delete removes both records of a date")
        << file << "delete 10.06.2020" << QStringList{"28.05.1986:3", "04.06.1986:4", "12.06.2020:6"};
    QTest::addRow("delete of a missing date keeps everything") << file << "delete 11.06.2020" << file;
}

void TestDrawFile::rewrite()
{
    QFETCH(QStringList, before);
    QFETCH(QString, operation);
    QFETCH(QStringList, after);
    QCOMPARE(day("28.05.1986").dayOfWeek(), int(Qt::Wednesday));
    QCOMPARE(day("04.06.1986").dayOfWeek(), int(Qt::Wednesday));

    QTemporaryDir dir;
    const DrawFile file(dir.filePath(QStringLiteral("ZahlenMax.dat")));
    file.replaceAll(records(before));
    const QString date = operation.section(QLatin1Char(' '), 1);
    if (operation.startsWith(QLatin1String("insert")))
        file.insert(records({date + QStringLiteral(":9")}).front());
    else
        file.removeDate(DrawDate::fromQDate(DrawDate::parse(date)));
    QCOMPARE(describe(file.readAll()), after);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ZahlenMax.dat")});
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

void TestDrawFile::failedRewriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("blocker"); // a folder standing where the temporary file goes, or "read-only"

    QTest::addRow("replace") << "replace"
                             << "ZahlenMax.dat~";
    QTest::addRow("insert") << "insert"
                            << "ZahlenMax.dat~";
    QTest::addRow("delete") << "delete"
                            << "Zahlen.da~";
    QTest::addRow("replace in read-only folder") << "replace"
                                                 << "read-only";
}

void TestDrawFile::failedRewriteKeepsOldFile()
{
    QFETCH(QString, operation);
    QFETCH(QString, blocker);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    const DrawFile file(path);
    file.replaceAll(records({"01.01.2020:1", "08.01.2020:2"}));
    const QByteArray old = fileBytes(path);

    const bool readOnly = blocker == QLatin1String("read-only");
    if (readOnly) {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QVERIFY(QDir(dir.path()).mkdir(blocker));
    }

    bool thrown = false;
    try {
        if (operation == QLatin1String("replace"))
            file.replaceAll(records({"15.01.2020:3"}));
        else if (operation == QLatin1String("insert"))
            file.insert(records({"01.01.2020:3"}).front());
        else
            file.removeDate(DrawDate::fromQDate(day("01.01.2020")));
    } catch (const FileError& e) {
        thrown = true;
        QVERIFY2(e.message.contains(QStringLiteral("~")) || readOnly, qPrintable(e.message));
    }
    if (readOnly)
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(thrown);
    QCOMPARE(fileBytes(path), old);
}

QTEST_GUILESS_MAIN(TestDrawFile)
#include "TestDrawFile.moc"

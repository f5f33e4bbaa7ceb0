#include "../TestFiles.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "dd.mm.yyyy n1 ... n7 bonus" per draw, ";" between draws.
std::vector<DrawRecord> draws(const QString& text)
{
    std::vector<DrawRecord> out;
    for (const QString& draw : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList f = draw.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        DrawRecord r;
        r.datum = DrawDate::fromQDate(DrawDate::parse(f[0]));
        for (int i = 0; i < 7; ++i)
            r.zahlen[i] = std::uint8_t(f[1 + i].toInt());
        r.bonus = std::uint8_t(f[8].toInt());
        out.push_back(r);
    }
    return out;
}

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun cli(const QString& home, const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(NUMERANT_CLI_PATH), QStringList{QStringLiteral("--home"), home} + args);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace

// Adding the draws of a file to the stored ones: newer ones appended, known ones skipped, differing ones
// reported and left alone.
class TestDrawMerge : public QObject
{
    Q_OBJECT

private slots:
    void merge_data();
    void merge();
    void mergeFromCommandLine();
    void operatorLayoutFromCommandLineImportsAgain();
};

void TestDrawMerge::merge_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("appended"); // dates
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QStringList>("conflicts"); // date and whether a stored draw was there

    const QString a = "10.05.2019 16 17 31 34 36 39 41 10;";
    const QString aExtra = "10.05.2019 1 2 3 4 5 6 7 0;";
    const QString b = "14.05.2019 9 24 27 33 40 44 48 41;";
    const QString c = "17.05.2019 4 21 23 39 40 42 50 17;";
    // clang-format off
    QTest::addRow("into no draws")           << "" << a + b << "10.05.2019 14.05.2019" << 0 << QStringList{};
    QTest::addRow("newer appended, known skipped") << a + aExtra + b << a + aExtra + b + c << "17.05.2019" << 3 << QStringList{};
    QTest::addRow("nothing new")             << a + b << a + b << "" << 2 << QStringList{};
    QTest::addRow("numbers in another order") << a << "10.05.2019 41 39 36 34 31 17 16 10;" << "" << 1 << QStringList{};
    QTest::addRow("differing draw kept")     << a + b << a + "14.05.2019 9 24 27 33 40 44 49 41;" + c << "17.05.2019" << 1 << QStringList{"14.05.2019 stored"};
    QTest::addRow("other bonus")             << a << "10.05.2019 16 17 31 34 36 39 41 11;" << "" << 0 << QStringList{"10.05.2019 stored"};
    QTest::addRow("older draw missing")      << b << a + b << "" << 1 << QStringList{"10.05.2019 none"};
    QTest::addRow("extra draw not stored")   << a + b << a + aExtra + b << "" << 2 << QStringList{"10.05.2019 none"};
    QTest::addRow("newest date's extra draws") << a << a + aExtra << "" << 1 << QStringList{"10.05.2019 none"};
    // clang-format on
}

void TestDrawMerge::merge()
{
    QFETCH(QString, stored);
    QFETCH(QString, file);
    QFETCH(QString, appended);
    QFETCH(int, skipped);
    QFETCH(QStringList, conflicts);

    const auto result = DrawImport::merge(draws(stored), draws(file));
    QStringList appendedDates;
    for (const DrawRecord& r : result.appended)
        appendedDates << DrawDate::format(r.datum);
    QCOMPARE(appendedDates.join(QLatin1Char(' ')), appended);
    QCOMPARE(result.skipped, skipped);
    QStringList got;
    for (const auto& conflict : result.conflicts)
        got << DrawDate::format(conflict.file.datum) + (conflict.stored ? QStringLiteral(" stored") : QStringLiteral(" none"));
    QCOMPARE(got, conflicts);
}

void TestDrawMerge::mergeFromCommandLine()
{
    QTemporaryDir home;
    const QString dat = home.filePath(QStringLiteral("ZahlenMax.dat"));
    const QString older = home.filePath(QStringLiteral("older.csv"));
    writeFile(older, "12.04.2019,2,20,21,30,31,39,45,18\n19.04.2019,2,16,21,33,39,42,47,2\n");
    QCOMPARE(cli(home.path(), {"import", older}).exitCode, 0);

    // The operator's download of six weeks: one stored draw differs (bonus 2 instead of 1), the rest is new.
    const CliRun run = cli(home.path(), {"import", "--merge", TEST_DATA_DIR "/operator-2019-04-12_to_2019-05-24.csv"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject report = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(report.value("added").toInt(), 9);
    QCOMPARE(report.value("skipped").toInt(), 1);
    const QJsonArray conflicts = report.value("conflicts").toArray();
    QCOMPARE(conflicts.size(), 1);
    const QJsonObject conflict = conflicts.at(0).toObject();
    QCOMPARE(conflict.value("date").toString(), QStringLiteral("19.04.2019"));
    QCOMPARE(conflict.value("file").toObject().value("bonus").toInt(), 1);
    QCOMPARE(conflict.value("stored").toObject().value("bonus").toInt(), 2);
    const auto records = DrawFile(dat).readAll();
    QCOMPARE(records.size(), size_t(11));
    QCOMPARE(records[1].bonus, std::uint8_t(2)); // the stored draw stays as it was
    QCOMPARE(DrawDate::format(records.back().datum), QStringLiteral("24.05.2019"));

    // Merged again, nothing is new; a bad line changes nothing either.
    const QByteArray before = fileBytes(dat);
    const CliRun again = cli(home.path(), {"import", "--merge", TEST_DATA_DIR "/own-2019-04-12_to_2019-05-24.csv"});
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(again.out).object().value("added").toInt(), 0);
    QCOMPARE(QJsonDocument::fromJson(again.out).object().value("skipped").toInt(), 10);
    const QString bad = home.filePath(QStringLiteral("bad.csv"));
    writeFile(bad, "31.05.2019,1,2,3,4,5,6,7,8\n04.06.2019,1,2,3\n");
    const CliRun refused = cli(home.path(), {"import", "--merge", bad});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains("Zeile 2"), refused.err.constData());
    QCOMPARE(fileBytes(dat), before);
}

void TestDrawMerge::operatorLayoutFromCommandLineImportsAgain()
{
    QTemporaryDir first, second;
    QCOMPARE(cli(first.path(), {"import", TEST_DATA_DIR "/own-2019-04-12_to_2019-05-24.csv"}).exitCode, 0);
    const CliRun exported = cli(first.path(), {"draws", "--format", "operator"});
    QCOMPARE(exported.exitCode, 0);
    QVERIFY(exported.out.startsWith("\"PRODUCT\",\"DRAW NUMBER\",\"SEQUENCE NUMBER\",\"DRAW DATE\""));
    const QString csv = second.filePath(QStringLiteral("operator.csv"));
    writeFile(csv, exported.out);
    QCOMPARE(cli(second.path(), {"import", csv}).exitCode, 0);
    QCOMPARE(fileBytes(second.filePath(QStringLiteral("ZahlenMax.dat"))),
             fileBytes(first.filePath(QStringLiteral("ZahlenMax.dat"))));
    QCOMPARE(cli(first.path(), {"draws", "--format", "json"}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestDrawMerge)
#include "TestDrawMerge.moc"

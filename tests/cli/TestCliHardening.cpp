#include "../TestFiles.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

// The command line given what a careless or hostile user gives it: tips with a number twice, dates no
// picker shows, an output nobody can write, odd home folders, a draw file with damaged records.
class TestCliHardening : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

    struct Result
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };

    static Result runIn(const QString& home, const QStringList& args, const QString& stdoutFile = {})
    {
        QProcess process;
        if (!stdoutFile.isEmpty())
            process.setStandardOutputFile(stdoutFile);
        process.start(QStringLiteral(NUMERANT_CLI_PATH), QStringList{QStringLiteral("--home"), home} + args);
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }
    Result run(QStringList args) const
    {
        args.replaceInStrings(QStringLiteral("@home"), m_home.path());
        return runIn(m_home.path(), args);
    }

    static DrawRecord record(const QDate& d, std::array<int, 7> numbers, int bonus)
    {
        DrawRecord r;
        r.datum = DrawDate::fromQDate(d);
        for (int k = 0; k < 7; ++k)
            r.zahlen[k] = std::uint8_t(numbers[k]);
        r.bonus = std::uint8_t(bonus);
        return r;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        // The last draw holds a number five times, as an import once let through.
        DrawFile(m_home.filePath(QStringLiteral("ZahlenMax.dat")))
            .replaceAll({record({2009, 9, 25}, {5, 12, 19, 23, 34, 38, 44}, 7),
                         record({2009, 10, 2}, {1, 2, 3, 40, 41, 42, 43}, 7),
                         record({2019, 6, 14}, {5, 5, 5, 5, 5, 10, 11}, 40)});
        writeFile(m_home.filePath(QStringLiteral("repeat.tlt")),
                  "1,2,3,4,5,6,7\r\n8,9,9,10,11,12,13\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n4711\r\n");
    }

    void repeatedNumberInTipRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString tip = QStringLiteral("5,5,5,5,5,5,10");
        // clang-format off
        QTest::addRow("check --tip")  << QStringList{"check", "--date", "14.06.2019", "--tip", tip} << 2 << tip;
        QTest::addRow("second --tip") << QStringList{"check", "--tip", "1,2,3,4,5,6,7", "--tip", "1,2,3,4,5,6,1"}
                                      << 2 << "1,2,3,4,5,6,1";
        QTest::addRow("search --tip") << QStringList{"search", "--threshold", "1", "--tip", tip} << 2 << tip;
        QTest::addRow("stat --tip")   << QStringList{"stat", "tipdistribution", "--tip", tip} << 2 << tip;
        QTest::addRow("print --tip")  << QStringList{"print", "--tip", tip} << 2 << tip;
        QTest::addRow("generate --lock") << QStringList{"generate", "--seed", "1", "--lock", "3=1,2,3,4,5,6,6"}
                                         << 2 << "1,2,3,4,5,6,6";
        QTest::addRow("check --tip-file") << QStringList{"check", "--tip-file", "@home/repeat.tlt"}
                                          << 1 << "Tipp 2";
        QTest::addRow("print --tip-file") << QStringList{"print", "--tip-file", "@home/repeat.tlt"}
                                          << 1 << "8,9,9,10,11,12,13";
        // clang-format on
    }

    void repeatedNumberInTipRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Result r = run(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(m_home.filePath(QStringLiteral("Tipp.txt"))));
    }

    void repeatedNumberInDrawCountsAtMostSeven()
    {
        const Result r = run({QStringLiteral("check"), QStringLiteral("--date"), QStringLiteral("14.06.2019"),
                              QStringLiteral("--tip"), QStringLiteral("5,6,7,8,9,10,11")});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject out = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(out.value(QStringLiteral("tally")).toArray().size(), 8);
        QCOMPARE(out.value(QStringLiteral("tally")).toArray().at(7).toArray(), (QJsonArray{1, 0}));
    }

    void datesBeforeThePickers_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected"); // in stdout for exit 0, in stderr otherwise
        // clang-format off
        QTest::addRow("search from 2000 finds 2009") << QStringList{"search", "--threshold", "3", "--start",
                                                        "01.01.2000", "--date", "31.12.2009", "--tip", "5,12,19,1,2,8,9"}
                                                     << 0 << "25.09.2009";
        QTest::addRow("search up to 2000 finds nothing") << QStringList{"search", "--threshold", "0", "--start",
                                                            "01.01.1999", "--date", "01.01.2000", "--tip", "1,2,3,4,5,6,7"}
                                                         << 0 << "[]";
        QTest::addRow("stat counts from 2000") << QStringList{"stat", "frequency", "--start", "01.01.2000",
                                                  "--end", "31.12.2009"}
                                               << 0 << "Ziehungen: 2";
        QTest::addRow("generate --date refused") << QStringList{"generate", "--seed", "1", "--date", "01.01.2000"}
                                                 << 2 << "25.09.2009";
        QTest::addRow("generate --start refused") << QStringList{"generate", "--seed", "1", "--start", "24.09.2009"}
                                                  << 2 << "25.09.2009";
        // clang-format on
    }

    void datesBeforeThePickers()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        const Result r = run(args);
        QCOMPARE(r.exitCode, exitCode);
        const QByteArray& where = exitCode == 0 ? r.out : r.err;
        QVERIFY2(QString::fromUtf8(where).contains(expected), where.constData());
    }

    void printBeforeFirstDrawLoadsIt()
    {
        const Result r = run({QStringLiteral("print"), QStringLiteral("--date"), QStringLiteral("24.09.2009"),
                              QStringLiteral("--tip"), QStringLiteral("1,2,3,4,5,6,7")});
        QCOMPARE(r.exitCode, 0);
        const QString path = m_home.filePath(QStringLiteral("Tipp.txt"));
        const QString printout = QString::fromLatin1(fileBytes(path));
        QFile::remove(path);
        // The draw after the one loaded for 24.09.2009, i.e. after 25.09.2009.
        QVERIFY2(printout.startsWith(QStringLiteral("Torvanes Numerant Tipp für Freitag 02.10.09")),
                 qPrintable(printout));
    }

    void failedOutputIsAnError_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addRow("draws") << QStringList{"draws"};
        QTest::addRow("lookup") << QStringList{"lookup", "--date", "01.10.2009"};
        QTest::addRow("options") << QStringList{"options"};
        QTest::addRow("help") << QStringList{"--help"};
    }

    void failedOutputIsAnError()
    {
        QFETCH(QStringList, args);
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        const Result r = runIn(m_home.path(), args, QStringLiteral("/dev/full"));
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("cannot write to standard output"), r.err.constData());
    }

    void messageWithNulArrivesWhole()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("nul.tlt"));
        writeFile(file, QByteArray("1,1,2,3,4,5,6\0after the NUL\r\n", 30));
        const Result r = run({QStringLiteral("check"), QStringLiteral("--tip-file"), file});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QByteArray("6\0after the NUL", 15)), r.err.constData());
    }

    void readOnlyCommandCreatesNoHome_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("created");
        // clang-format off
        QTest::addRow("lookup")   << QStringList{"lookup"} << false;
        QTest::addRow("check")    << QStringList{"check", "--tip", "1,2,3,4,5,6,7"} << false;
        QTest::addRow("draws")    << QStringList{"draws"} << false;
        QTest::addRow("stat")     << QStringList{"stat", "frequency"} << false;
        QTest::addRow("search")   << QStringList{"search", "--tip", "1,2,3,4,5,6,7"} << false;
        QTest::addRow("options")  << QStringList{"options"} << false;
        QTest::addRow("generate") << QStringList{"generate", "--seed", "1"} << false;
        QTest::addRow("print writes Tipp.txt") << QStringList{"print", "--date", "01.10.2009", "--tip", "1,2,3,4,5,6,7"} << true;
        // clang-format on
    }

    void readOnlyCommandCreatesNoHome()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, created);
        QTemporaryDir dir;
        const QString home = dir.filePath(QStringLiteral("missing/home"));
        const Result r = runIn(home, args);
        QCOMPARE(QDir(home).exists(), created);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("missing"))).exists(), created);
        QVERIFY2(created ? r.exitCode == 0 : r.exitCode >= 0, r.err.constData());
    }

    void emptyHomeIsUsageError()
    {
        const Result r = runIn(QString(), {QStringLiteral("lookup")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("--home"), r.err.constData());
    }

    void skippedRecordsWarnedOnce()
    {
        QTemporaryDir dir;
        DrawRecord absurd = record({2009, 10, 9}, {1, 2, 3, 4, 5, 6, 7}, 8);
        absurd.datum = std::numeric_limits<double>::quiet_NaN();
        writeFile(dir.filePath(QStringLiteral("ZahlenMax.dat")),
                  record({2009, 9, 25}, {5, 12, 19, 23, 34, 38, 44}, 7).toBytes() + absurd.toBytes());
        for (const QStringList& args :
             {QStringList{QStringLiteral("draws")},
              QStringList{QStringLiteral("generate"), QStringLiteral("--seed"), QStringLiteral("1")}}) {
            const Result r = runIn(dir.path(), args);
            QCOMPARE(r.exitCode, 0);
            QCOMPARE(r.err.count("warning: 1 record(s)"), 1);
        }
        const Result clean = run({QStringLiteral("draws")});
        QCOMPARE(clean.exitCode, 0);
        QVERIFY(clean.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliHardening)
#include "TestCliHardening.moc"

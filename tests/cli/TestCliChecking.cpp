#include "draws/DrawDate.h"
#include "draws/DrawFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// lookup and check from the shell over a draw file of two Friday draws.
class TestCliChecking : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

    int run(const QStringList& args, QJsonObject* json = nullptr)
    {
        QProcess process;
        process.start(QStringLiteral(NUMERANT_CLI_PATH),
                      QStringList{QStringLiteral("--home"), m_home.path()} + args);
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        if (json)
            *json = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        return process.exitCode();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        auto record = [](const QDate& d, std::array<int, 7> numbers, int bonus) {
            DrawRecord r;
            r.datum = DrawDate::fromQDate(d);
            for (int k = 0; k < 7; ++k)
                r.zahlen[k] = std::uint8_t(numbers[k]);
            r.bonus = std::uint8_t(bonus);
            return r;
        };
        DrawFile(m_home.filePath(QStringLiteral("ZahlenMax.dat")))
            .replaceAll({record({2009, 9, 25}, {5, 12, 19, 23, 34, 38, 44}, 7),
                         record({2009, 10, 2}, {1, 2, 3, 40, 41, 42, 43}, 7)});
    }

    void lookup()
    {
        QJsonObject out;
        QCOMPARE(
            run({QStringLiteral("lookup"), QStringLiteral("--date"), QStringLiteral("26.09.2009")}, &out), 0);
        QCOMPARE(out.value(QStringLiteral("date")).toString(), QStringLiteral("02.10.2009"));
        QCOMPARE(out.value(QStringLiteral("position")).toInt(), 1);
        QCOMPARE(out.value(QStringLiteral("bonus")).toInt(), 7);
        QCOMPARE(out.value(QStringLiteral("drawLine")).toString(),
                 QStringLiteral("Fr 02.10.09    1  2  3  40  41  42  43"));
        QCOMPARE(run({QStringLiteral("lookup"), QStringLiteral("--date"), QStringLiteral("1.13.2009")}), 2);
    }

    void check()
    {
        QJsonObject out;
        QCOMPARE(run({QStringLiteral("check"), QStringLiteral("--tip"), QStringLiteral("7,6,5,4,3,2,1"),
                      QStringLiteral("--tip"), QStringLiteral("1,2,3,40,41,42")},
                     &out),
                 2); // six numbers
        QCOMPARE(
            run({QStringLiteral("check"), QStringLiteral("--tip"), QStringLiteral("7,6,5,4,3,2,1")}, &out),
            0);
        const QJsonObject row = out.value(QStringLiteral("rows")).toArray().at(0).toObject();
        QCOMPARE(row.value(QStringLiteral("numbers")).toArray(), (QJsonArray{1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(row.value(QStringLiteral("marks")).toArray(), (QJsonArray{1, 1, 1, 0, 0, 0, 2}));
        QCOMPARE(row.value(QStringLiteral("label")).toString(), QStringLiteral("3 + B"));
        QCOMPARE(row.value(QStringLiteral("crossSum")).toInt(), 28);
        QVERIFY(out.value(QStringLiteral("rows")).toArray().at(1).isNull());
        QCOMPARE(out.value(QStringLiteral("best")).toInt(), 3);
        QCOMPARE(out.value(QStringLiteral("tally")).toArray().at(3).toArray(), (QJsonArray{0, 1}));
    }

    void missingDrawFileIsAnError()
    {
        QTemporaryDir empty;
        QProcess process;
        process.start(QStringLiteral(NUMERANT_CLI_PATH),
                      {QStringLiteral("--home"), empty.path(), QStringLiteral("lookup")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(!QFile::exists(empty.filePath(QStringLiteral("ZahlenMax.dat"))));
    }
};

QTEST_GUILESS_MAIN(TestCliChecking)
#include "TestCliChecking.moc"

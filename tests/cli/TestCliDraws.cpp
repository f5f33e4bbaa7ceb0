#include "../TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {


const QByteArray kDraws = "25.09.2009,5,12,19,23,34,38,44,7\r\n"
                          "02.10.2009,8,27,28,29,31,32,35,11\r\n"
                          "02.10.2009,1,2,3,5,14,16,25,0\r\n"
                          "09.10.2009,5,15,25,38,42,46,47,26\r\n";

} // namespace

class TestCliDraws : public QObject
{
    Q_OBJECT

private slots:
    void importThenDraws();
    void exitCodes_data();
    void messagesInTheChosenLanguage();
    void exitCodes();
};

void TestCliDraws::importThenDraws()
{
    QTemporaryDir home;
    writeFile(home.filePath(QStringLiteral("LOTTOMAX.csv")), kDraws);
    const QStringList base{QStringLiteral("--home"), home.path()};

    CliResult run = runCli(base + QStringList{QStringLiteral("import")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QByteArray("4\n"));
    QCOMPARE(QFileInfo(home.filePath(QStringLiteral("ZahlenMax.dat"))).size(), 4 * 32);

    run = runCli(base + QStringList{QStringLiteral("draws")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QByteArray("25.09.2009,5,12,19,23,34,38,44,7,0000000\n"
                                 "02.10.2009,8,27,28,29,31,32,35,11,0000000\n"
                                 "02.10.2009,1,2,3,5,14,16,25,0,0000000\n"
                                 "09.10.2009,5,15,25,38,42,46,47,26,0000000\n"));

    // The first nine fields import again unchanged.
    QByteArray again;
    for (const QByteArray& line : run.out.split('\n'))
        if (!line.isEmpty())
            again += line.left(line.lastIndexOf(',')) + '\n';
    const QString copy = home.filePath(QStringLiteral("copy.csv"));
    writeFile(copy, again);
    const QByteArray before = fileBytes(home.filePath(QStringLiteral("ZahlenMax.dat")));
    QCOMPARE(runCli(base + QStringList{QStringLiteral("import"), copy}).code, 0);
    QCOMPARE(fileBytes(home.filePath(QStringLiteral("ZahlenMax.dat"))), before);

    run = runCli(base + QStringList{QStringLiteral("draws"), QStringLiteral("--from"),
                                    QStringLiteral("02.10.2009"), QStringLiteral("--to"),
                                    QStringLiteral("08.10.2009")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QByteArray("02.10.2009,8,27,28,29,31,32,35,11,0000000\n"
                                 "02.10.2009,1,2,3,5,14,16,25,0,0000000\n"));
}

void TestCliDraws::exitCodes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("csv"); // written as LOTTOMAX.csv when not empty
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("errorPart");

    const QByteArray bad = kDraws + "Datum,1,2,3,4,5,6,7,8\r\n";
    // clang-format off
    QTest::addRow("help lists the commands") << QStringList{"--help"} << QByteArray() << 0 << QByteArray();
    QTest::addRow("draws of an empty range") << QStringList{"draws", "--from", "01.01.2030"} << QByteArray() << 0 << QByteArray();
    QTest::addRow("bad line")          << QStringList{"import"} << bad << 1 << QByteArray("Zeile 5");
    QTest::addRow("missing CSV")       << QStringList{"import"} << QByteArray() << 1 << QByteArray("LOTTOMAX.csv");
    QTest::addRow("named CSV missing") << QStringList{"import", "nowhere.csv"} << QByteArray() << 1 << QByteArray("nowhere.csv");
    QTest::addRow("bad date option")   << QStringList{"draws", "--from", "2009-10-02"} << QByteArray() << 2 << QByteArray("--from");
    QTest::addRow("date option without value") << QStringList{"draws", "--to"} << QByteArray() << 2 << QByteArray("--to");
    QTest::addRow("two files")         << QStringList{"import", "a.csv", "b.csv"} << QByteArray() << 2 << QByteArray("b.csv");
    QTest::addRow("unknown option")    << QStringList{"draws", "--all"} << QByteArray() << 2 << QByteArray("--all");
    QTest::addRow("unknown command")   << QStringList{"drawz"} << QByteArray() << 2 << QByteArray("drawz");
    QTest::addRow("no command")        << QStringList{} << QByteArray() << 2 << QByteArray("no command given");
    QTest::addRow("unknown language")  << QStringList{"--language", "de_DE", "draws"} << QByteArray() << 2 << QByteArray("--language");
    // clang-format on
}

void TestCliDraws::exitCodes()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, csv);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, errorPart);

    QTemporaryDir home;
    const QString dat = home.filePath(QStringLiteral("ZahlenMax.dat"));
    const QByteArray old = QByteArray(32, '\0');
    writeFile(dat, old);
    if (!csv.isEmpty())
        writeFile(home.filePath(QStringLiteral("LOTTOMAX.csv")), csv);

    const CliResult run = runCli(QStringList{QStringLiteral("--home"), home.path()} + args);
    QCOMPARE(run.code, exitCode);
    if (exitCode != 0) {
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(run.err.contains(errorPart), run.err.constData());
        // Wrong usage: the one line that is wrong and where the usage is, not the whole help.
        if (exitCode == 2) {
            QVERIFY2(run.err.startsWith("numerant-cli: ") && run.err.count('\n') == 2, run.err.constData());
            QVERIFY(run.err.endsWith("\nsee numerant-cli --help\n"));
        }
    } else if (args.first() == QLatin1String("--help")) {
        QVERIFY(run.out.contains("\n  import [FILE]"));
        QVERIFY(run.out.contains("\n  draws [--from dd.mm.yyyy] [--to dd.mm.yyyy]"));
    }
    QCOMPARE(fileBytes(dat), old);
    QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("~")),
             QStringList());
}

// Texts of the message table come from the language files beside the program.
void TestCliDraws::messagesInTheChosenLanguage()
{
    QTemporaryDir home;
    writeFile(home.filePath(QStringLiteral("LOTTOMAX.csv")), kDraws);
    QCOMPARE(runCli({QStringLiteral("--home"), home.path(), QStringLiteral("import")}).code, 0);
    auto status = [&](const QStringList& language) {
        const CliResult run = runCli(language + QStringList{QStringLiteral("--home"), home.path(), QStringLiteral("generate"),
                                                      QStringLiteral("--seed"), QStringLiteral("1")});
        return QJsonDocument::fromJson(run.out).object().value(QStringLiteral("status")).toString();
    };
    QCOMPARE(status({}), QStringLiteral("Tipps wurden neu berechnet"));
    QCOMPARE(status({QStringLiteral("--language"), QStringLiteral("de")}), QStringLiteral("Tipps wurden neu berechnet"));
    const QString english = status({QStringLiteral("--language"), QStringLiteral("en")});
    QVERIFY(!english.isEmpty() && english != QStringLiteral("Tipps wurden neu berechnet"));
}

QTEST_GUILESS_MAIN(TestCliDraws)
#include "TestCliDraws.moc"

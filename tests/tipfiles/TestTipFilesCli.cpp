#include "../TestFiles.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "session/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// numerant-cli print: the printout from a tip file, from --tip, and from the sheet the window stored.
class TestTipFilesCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    QTemporaryDir m_home;

    CliResult run(const QStringList& args) { return runCliIn(m_home.path(), m_config.path(), args); }
    QByteArray printout() const
    {
        QFile f(m_home.filePath(QStringLiteral("Tipp.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void printsFromFileTipsOrStoredSheet()
    {
        const QString tipFile = m_home.filePath(QStringLiteral("t.tlt"));
        QFile f(tipFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("3,12,17,25,33,41,48\r\n\r\n1,2,3,4,5,6,7\r\n");
        f.close();

        CliResult r = run({QStringLiteral("print"), QStringLiteral("--tip-file"), tipFile,
                        QStringLiteral("--date"), QStringLiteral("11.06.2021")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.trimmed(), m_home.filePath(QStringLiteral("Tipp.txt")).toUtf8());
        QCOMPARE(printout(), QByteArray("Torvanes Numerant Tipp f\xfcr Dienstag 15.06.21\r\n") +
                                 QByteArray(46, '~') +
                                 "\r\n\r\n 1. Tipp:  3   12   17   25   33   41   48\r\n"
                                 " 3. Tipp:  1    2    3    4    5    6    7\r\n");

        // The sheet of the last closed window.
        SettingsStore store(m_config.filePath(QStringLiteral("Torvane/Korvex.json")));
        for (int c = 0; c < 7; ++c)
            store.writeText(QStringLiteral("Edit%1").arg(101 + c), QString::number(40 + c));
        store.commit();
        r = run({QStringLiteral("print"), QStringLiteral("--date"), QStringLiteral("11.06.2021")});
        QCOMPARE(r.code, 0);
        QVERIFY(printout().endsWith("\r\n\r\n12. Tipp: 40   41   42   43   44   45   46\r\n"));

        const QByteArray before = printout();
        r = run({QStringLiteral("print"), QStringLiteral("--date"), QStringLiteral("11.06.2021"),
                 QStringLiteral("--tip"), QStringLiteral("1,2,3,4,5,6,7"), QStringLiteral("--tip-file"),
                 tipFile});
        QCOMPARE(r.code, 2);
        r = run({QStringLiteral("print"), QStringLiteral("--tip-file"),
                 m_home.filePath(QStringLiteral("no.tlt")), QStringLiteral("--date"),
                 QStringLiteral("11.06.2021")});
        QCOMPARE(r.code, 1);
        QCOMPARE(printout(), before);
    }

    void generateWritesTheSheetAsTipFile()
    {
        QTemporaryDir home;
        std::vector<DrawRecord> draws;
        for (int i = 0; i < 120; ++i) {
            DrawRecord r;
            r.datum = DrawDate::fromQDate(QDate(2015, 1, 2).addDays(7 * i));
            for (int k = 0; k < 7; ++k)
                r.zahlen[std::size_t(k)] = std::uint8_t(1 + (i * 7 + k * 11) % 49);
            r.bonus = std::uint8_t(1 + (i * 3) % 49);
            draws.push_back(r);
        }
        DrawFile(home.filePath(QStringLiteral("ZahlenMax.dat"))).replaceAll(draws);
        const QString out = home.filePath(QStringLiteral("gen.tlt"));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(NUMERANT_CLI_PATH),
                {QStringLiteral("--home"), home.path(), QStringLiteral("generate"), QStringLiteral("--seed"),
                 QStringLiteral("4711"), QStringLiteral("--date"), QStringLiteral("01.01.2017"),
                 QStringLiteral("--out"), out});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QJsonArray rows = QJsonDocument::fromJson(p.readAllStandardOutput())
                                    .object()
                                    .value(QStringLiteral("rows"))
                                    .toArray();
        QCOMPARE(rows.size(), 12);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = f.readAll().split('\n');
        QCOMPARE(lines.size(), 14); // thirteen lines and the end of the last
        for (int r = 0; r < 12; ++r) {
            QByteArray expected = ",,,,,,";
            if (rows[r].isArray()) {
                QStringList numbers;
                for (const auto& v : rows[r].toArray())
                    numbers << QString::number(v.toInt());
                expected = numbers.join(QLatin1Char(',')).toLatin1();
            }
            QCOMPARE(lines[r], expected + '\r');
        }
        QVERIFY(rows[0].isArray());

        // A device as the output is written, not replaced by a file (as root its folder is writable).
        if (QFileInfo(QStringLiteral("/dev/full")).exists()) {
            const CliResult full = runCliIn(home.path(), home.path(),
                                            {QStringLiteral("generate"), QStringLiteral("--seed"), QStringLiteral("4711"),
                                             QStringLiteral("--date"), QStringLiteral("01.01.2017"),
                                             QStringLiteral("--out"), QStringLiteral("/dev/full")});
            QCOMPARE(full.code, 1);
            QVERIFY2(full.err.contains("/dev/full"), full.err.constData());
            QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
        }
    }
};

QTEST_GUILESS_MAIN(TestTipFilesCli)
#include "TestTipFilesCli.moc"

#include "checking/DatabaseFilters.h"
#include "draws/DrawDate.h"
#include "draws/DrawImport.h"
#include "gui/LottoZahlen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <set>

// The game as played on real draws cut around the era changes: 7 of 49 on Fridays up to 10.05.2019,
// 7 of 50 on Tuesdays and Fridays from 14.05.2019, 7 of 52 from 14.04.2026 (those draws are known
// without their bonus, so they are stored as draws without bonus).
class TestGameAsPlayed : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QTemporaryDir m_config; // no stored settings: the game rules are the default, "as played"

    struct Run
    {
        int exitCode = -1;
        QByteArray out;
    };
    Run cli(const QStringList& args)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(NUMERANT_CLI_PATH),
                      QStringList{QStringLiteral("--home"), m_home.path()} + args);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), process.readAllStandardOutput()};
    }
    QJsonObject json(const QStringList& args)
    {
        const Run run = cli(args);
        return run.exitCode == 0 ? QJsonDocument::fromJson(run.out).object() : QJsonObject{};
    }

    std::vector<DrawRecord> records()
    {
        return DrawFile(m_home.filePath(QStringLiteral("ZahlenMax.dat"))).readAll();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid() && m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        const Run import =
            cli({QStringLiteral("import"), QStringLiteral(TEST_DATA_DIR "/eras-2018-2026.csv")});
        QCOMPARE(import.out.trimmed(), QByteArray("37"));
    }

    void erasAndDrawDays()
    {
        QCOMPARE(GameEras::on(QDate(2019, 5, 10), GameRules::AsPlayed).highestNumber, 49);
        QCOMPARE(GameEras::on(QDate(2019, 5, 14), GameRules::AsPlayed).highestNumber, 50);
        QCOMPARE(GameEras::on(QDate(2026, 4, 14), GameRules::AsPlayed).highestNumber, 52);
        QCOMPARE(GameEras::on(QDate(2026, 4, 14), GameRules::Classic), Game::classic());
        // The draw after the last weekly one is a Tuesday of the new game.
        QCOMPARE(GameEras::nextDrawDay(QDate(2019, 5, 10), GameRules::AsPlayed), QDate(2019, 5, 14));
        QCOMPARE(GameEras::nextDrawDay(QDate(2019, 5, 10), GameRules::Classic), QDate(2019, 5, 17));
        QCOMPARE(GameEras::nextDrawDay(QDate(2019, 5, 14), GameRules::AsPlayed), QDate(2019, 5, 17));
        QCOMPARE(GameEras::forTipsAfter(QDate(2026, 4, 10), GameRules::AsPlayed).highestNumber, 52);
    }

    void arrowsStepDrawByDraw()
    {
        const QStringList from{QStringLiteral("lookup"), QStringLiteral("--date"),
                               QStringLiteral("17.05.2019")};
        const QString previous = QStringLiteral("previous");
        const QString step = QStringLiteral("--step");
        QCOMPARE(json(from + QStringList{step, previous})[QStringLiteral("date")].toString(),
                 QStringLiteral("14.05.2019"));
        const QJsonObject twice = json(from + QStringList{step, previous, step, previous});
        QCOMPARE(twice[QStringLiteral("date")].toString(), QStringLiteral("10.05.2019"));
        QCOMPARE(twice[QStringLiteral("game")].toObject(),
                 (QJsonObject{{QStringLiteral("highest"), 49},
                              {QStringLiteral("numbers"), 7},
                              {QStringLiteral("drawDays"), QJsonArray{QStringLiteral("Fri")}}}));
        const QJsonObject back =
            json(from + QStringList{step, previous, step, previous, step, QStringLiteral("next")});
        QCOMPARE(back[QStringLiteral("date")].toString(), QStringLiteral("14.05.2019"));
        QCOMPARE(back[QStringLiteral("game")].toObject()[QStringLiteral("drawDays")].toArray(),
                 (QJsonArray{QStringLiteral("Tue"), QStringLiteral("Fri")}));
        // The classic rules step a week back by date, as they always did.
        QCOMPARE(json(QStringList{QStringLiteral("--game"), QStringLiteral("classic")} + from +
                      QStringList{step, previous})[QStringLiteral("date")]
                     .toString(),
                 QStringLiteral("10.05.2019"));
    }

    void tipWithFiftyFollowsTheDraw()
    {
        const QStringList tip{QStringLiteral("--tip"), QStringLiteral("4,21,23,39,40,42,50")};
        const QJsonObject checked = json(
            QStringList{QStringLiteral("check"), QStringLiteral("--date"), QStringLiteral("17.05.2019")} +
            tip);
        QCOMPARE(checked[QStringLiteral("best")].toInt(), 7);
        QCOMPARE(
            cli(QStringList{QStringLiteral("check"), QStringLiteral("--date"), QStringLiteral("14.12.2018")} +
                tip)
                .exitCode,
            2);
    }

    void frequencyCountsEveryFifty()
    {
        const QJsonObject chart =
            json({QStringLiteral("stat"), QStringLiteral("frequency"), QStringLiteral("--start"),
                  QStringLiteral("01.01.2019"), QStringLiteral("--end"), QStringLiteral("31.12.2025")});
        const QJsonArray bars = chart[QStringLiteral("bars")].toArray();
        QCOMPARE(bars.size(), 50);
        QCOMPARE(bars[49].toObject()[QStringLiteral("y")].toInt(), 5); // five draws of the fixture hold a 50
        QVERIFY(
            chart[QStringLiteral("title")].toString().endsWith(QStringLiteral("(7 aus 49 und 7 aus 50)")));
    }

    void lastTenDrawsAreTenDrawsInBothEras_data()
    {
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QDate>("eleventhLast");
        QTest::addRow("weekly 7 of 49") << QDate(2019, 5, 10) << QDate(2019, 3, 1);
        QTest::addRow("twice a week 7 of 50") << QDate(2019, 6, 28) << QDate(2019, 5, 24);
    }
    void lastTenDrawsAreTenDrawsInBothEras()
    {
        QFETCH(QDate, end);
        QFETCH(QDate, eleventhLast);
        const auto all = records();
        const DatabaseFilters filters(all, DrawDate::fromQDate(end), true,
                                      GameEras::on(end, GameRules::AsPlayed), GameRules::AsPlayed);
        const double start = filters.recentStart(10);
        QCOMPARE(DrawDate::toQDate(start), eleventhLast);
        int inWindow = 0;
        for (const DrawRecord& r : all)
            inWindow += r.isMainDraw() && r.datum > start && r.datum <= DrawDate::fromQDate(end);
        QCOMPARE(inWindow, 10);

        // The tenth-last draw itself is in the window: a tip equal to it has seven hits there.
        auto tipOf = [](const DrawRecord& r) {
            TipSheet::Row tip{};
            for (int k = 0; k < 7; ++k)
                tip[std::size_t(k)] = r.zahlen[std::size_t(k)];
            return tip;
        };
        const auto tenthLast = std::find_if(
            all.begin(), all.end(), [&](const DrawRecord& r) { return r.isMainDraw() && r.datum > start; });
        QVERIFY(!filters.neverHitInRecentDraws(tipOf(*tenthLast), 4, 10, false));
        QVERIFY(filters.neverHitInRecentDraws(tipOf(*tenthLast), 4, 9, false));
    }

    void generatorUsesTheWholeNewRange()
    {
        std::set<int> drawn;
        for (int seed = 1; seed <= 12; ++seed) {
            const QJsonObject run =
                json({QStringLiteral("generate"), QStringLiteral("--seed"), QString::number(seed),
                      QStringLiteral("--date"), QStringLiteral("21.04.2026"), QStringLiteral("--tips"),
                      QStringLiteral("12")});
            for (const auto& row : run[QStringLiteral("rows")].toArray())
                for (const auto& v : row.toArray())
                    drawn.insert(v.toInt());
        }
        QVERIFY(!drawn.empty());
        QCOMPARE(*drawn.rbegin(), 52); // never 53
        QVERIFY(drawn.count(51) && drawn.count(52));
    }

    void printoutNamesTheNextDrawDay()
    {
        const QStringList print{QStringLiteral("print"), QStringLiteral("--date"),
                                QStringLiteral("10.05.2019"), QStringLiteral("--tip"),
                                QStringLiteral("1,2,3,4,5,6,7")};
        QCOMPARE(cli(print).exitCode, 0);
        QFile file(m_home.filePath(QStringLiteral("Tipp.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readLine().startsWith("Torvanes Numerant Tipp f\xfcr Dienstag 14.05.19"));
        file.close();
        QCOMPARE(cli(QStringList{QStringLiteral("--game"), QStringLiteral("classic")} + print).exitCode, 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readLine().startsWith("Torvanes Numerant Tipp f\xfcr Freitag 17.05.19"));
    }

    // In the window: a cell takes 50 for tips after a draw of 2019's new game and refuses it before.
    void tipCellFollowsTheDrawOnDisplay()
    {
        LottoZahlen window(LottoZahlen::Options{m_home.path() + QLatin1Char('/'), false});
        Session& s = window.session();
        s.sheetSettled = true;
        auto lookup = [&](const QDate& date) {
            s.setSelectedDate(date);
            window.lookupAction();
        };
        auto* cell = window.control<QLineEdit>(QStringLiteral("Edit1"));
        lookup(QDate(2019, 5, 17));
        QCOMPARE(window.control<QLabel>(QStringLiteral("LabelSpiel"))->text(), QStringLiteral("7 aus 50"));
        cell->setText(QStringLiteral("50"));
        QCOMPARE(cell->text(), QStringLiteral("50"));
        lookup(QDate(2019, 5, 3));
        QCOMPARE(window.control<QLabel>(QStringLiteral("LabelSpiel"))->text(), QStringLiteral("7 aus 49"));
        cell->clear();
        cell->setText(QStringLiteral("50"));
        QCOMPARE(cell->text(), QString());
    }
};

QTEST_MAIN(TestGameAsPlayed)
#include "TestGameAsPlayed.moc"

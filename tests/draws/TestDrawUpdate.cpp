#include "../TestFiles.h"
#include "UpdateServer.h"
#include "draws/DrawDate.h"
#include "draws/Error.h"
#include "session/DrawUpdate.h"
#include "session/SettingsStore.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

// The update talks to a local server, which may take its time under the sanitizers.
CliResult runUpdateCli(const QStringList& args)
{
    return runCli(args, QProcessEnvironment::systemEnvironment(), 60000);
}

QDate d(const char* text)
{
    return DrawDate::parse(QLatin1String(text));
}

// Real draws of January 2020 (the ENCORE digits are made up); 17.01. had a second draw without bonus.
const QString k0310 = QStringLiteral("03.01.2020,8,18,20,24,31,37,39,34,1234567;");
const QString k1001 = QStringLiteral("10.01.2020,10,13,14,24,28,47,48,12,0471126;");
const QString k1701 = QStringLiteral("17.01.2020,5,6,36,39,40,46,48,34,7654321;\r\n"
                                     "17.01.2020,8,13,14,19,23,41,44,0,;\r\n");

DrawRecord draw(const char* date, std::array<std::uint8_t, 7> numbers, std::uint8_t bonus,
                std::array<std::uint8_t, 7> encore = {})
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(d(date));
    r.zahlen = numbers;
    r.bonus = bonus;
    r.spiel77 = encore;
    return r;
}

const DrawRecord kNewest = draw("03.01.2020", {8, 18, 20, 24, 31, 37, 39}, 34, {1, 2, 3, 4, 5, 6, 7});

struct Recorded
{
    QStringList progress;
    QStringList notes;
    DrawUpdate::Hooks hooks()
    {
        DrawUpdate::Hooks h;
        h.progress = [this](const QString& t) { progress << t; };
        h.note = [this](const QString& t) { notes << t; };
        return h;
    }
};


} // namespace

class TestDrawUpdate : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

    QString home() const { return m_home.path() + QLatin1Char('/'); }
    Session session(const UpdateServer& server, const char* today = "18.01.2020")
    {
        Session s(home());
        s.today = d(today);
        s.gameRules = GameRules::Classic;
        s.updateServer = server.url();
        return s;
    }
    std::vector<DrawRecord> stored() const
    {
        return DrawFile(home() + QLatin1String(DrawFile::DefaultName)).readAll();
    }

private slots:
    void init() { DrawFile(home() + QLatin1String(DrawFile::DefaultName)).replaceAll({kNewest}); }

    void asksEveryWeekAndAppendsEveryLine()
    {
        UpdateServer server({{QStringLiteral("20200110"), UpdateServer::answer(200, k1001)},
                             {QStringLiteral("20200117"), UpdateServer::answer(200, k1701)}});
        QVERIFY(server.port() > 0);
        Session s = session(server);
        Recorded seen;
        DrawUpdate update(s, seen.hooks());
        const DrawUpdate::Outcome outcome = update.run();

        QCOMPARE(server.requestedDates(),
                 (QStringList{QStringLiteral("20200110"), QStringLiteral("20200117")}));
        const auto requests = server.requests();
        QCOMPARE(requests[0].query, QStringLiteral("Programm=Korvex&Datum=20200110"));
        for (const auto& r : requests) {
            QCOMPARE(r.headers[QStringLiteral("user-agent")].toString(),
                     QStringLiteral("Mozilla/3.0 (compatible; Indy Library)"));
            QCOMPARE(r.headers[QStringLiteral("accept")].toString(), QStringLiteral("text/html, */*"));
        }
        // The cookie of the first answer goes with the second request.
        QVERIFY(!requests[0].headers.contains(QStringLiteral("cookie")));
        QCOMPARE(requests[1].headers[QStringLiteral("cookie")].toString(), QStringLiteral("sitzung=4711"));

        QCOMPARE(outcome.end, DrawUpdate::End::Completed);
        QCOMPARE(outcome.appended, 3);
        DrawRecord second = draw("17.01.2020", {8, 13, 14, 19, 23, 41, 44}, 0);
        second.super6 = kNewest.super6;
        QCOMPARE(
            stored(),
            (std::vector{kNewest, draw("10.01.2020", {10, 13, 14, 24, 28, 47, 48}, 12, {0, 4, 7, 1, 1, 2, 6}),
                         draw("17.01.2020", {5, 6, 36, 39, 40, 46, 48}, 34, {7, 6, 5, 4, 3, 2, 1}), second}));
        QCOMPARE(
            seen.progress,
            (QStringList{QStringLiteral("Loading"), QStringLiteral("Received %1 bytes").arg(k1001.size()),
                         QStringLiteral("Loading"), QStringLiteral("Received %1 bytes").arg(k1701.size())}));
        QCOMPARE(seen.notes, (QStringList{DrawUpdate::Disclaimer, QStringLiteral("17.01.2020"),
                                          DrawUpdate::Disclaimer, QStringLiteral("24.01.2020")}));
        // The lookup after the update finds nothing after 17.01.2020 and shows the last record.
        QCOMPARE(s.current, CurrentDraw::of(second, 3));
        QCOMPARE(s.selectedDate, d("17.01.2020"));
        QVERIFY(!s.busy);
    }

    void otherStatusesAndRedirects()
    {
        QJsonObject moved = UpdateServer::answer(200, QStringLiteral("x,1,2,3,4,5,6,7,8,;"));
        moved.insert(QStringLiteral("redirect"), true);
        UpdateServer server({{QStringLiteral("20200110"), UpdateServer::answer(500)},
                             {QStringLiteral("20200117"), UpdateServer::answer(404, QStringLiteral("weg"))},
                             {QStringLiteral("20200124"), moved},
                             {QStringLiteral("20200131"), UpdateServer::answer(204)},
                             {QStringLiteral("20200207"), UpdateServer::answer(200, k1001)}});
        Session s = session(server, "07.02.2020");
        Recorded seen;
        const DrawUpdate::Outcome outcome = DrawUpdate(s, seen.hooks()).run();
        QCOMPARE(outcome.end, DrawUpdate::End::Completed);
        QCOMPARE(outcome.requests, 5);
        QVERIFY2(seen.progress.contains(QStringLiteral("10.01.2020 noch nicht da!")),
                 qPrintable(seen.progress.join('|')));
        QVERIFY(seen.progress.contains(QStringLiteral("Failed : 404 Not Found")));
        QVERIFY(seen.progress.contains(QStringLiteral("Failed : 204 No Content")));
        const auto records = stored();
        QCOMPARE(records.size(), 3u);
        QCOMPARE(records[1].datum, DrawDate::fromQDate(d("24.01.2020")));
        QCOMPARE(records[2].datum, DrawDate::fromQDate(d("07.02.2020")));
        // The redirect was followed with the cookie.
        const auto requests = server.requests();
        const auto it = std::find_if(requests.begin(), requests.end(), [](const auto& r) {
            return r.path == QLatin1String("/zahlen/moved.asp");
        });
        QVERIFY(it != requests.end());
        QCOMPARE(it->headers[QStringLiteral("cookie")].toString(), QStringLiteral("sitzung=4711"));
    }

    void unreadableLineEndsTheUpdate()
    {
        const QString body =
            QStringLiteral("x,5,6,36,39,40,46,48,34,7654321;\nx,8,13,14,19,23,41,44,0\nx,1,2,3,4,5,6,7,0,;");
        UpdateServer server({{QStringLiteral("20200110"), UpdateServer::answer(200, k1001)},
                             {QStringLiteral("20200117"), UpdateServer::answer(200, body)}});
        Session s = session(server, "31.01.2020");
        const DrawUpdate::Outcome outcome = DrawUpdate(s, {}).run();
        QCOMPARE(outcome.end, DrawUpdate::End::Unreadable);
        QCOMPARE(outcome.unreadableLine, 2);
        QCOMPARE(outcome.appended, 2);
        QCOMPARE(stored().size(), 3u);
        QCOMPARE(server.requestedDates().size(), 2);
        QVERIFY(DrawUpdate::unreadableMessage(outcome).contains(QStringLiteral("17.01.2020")));
        QVERIFY(DrawUpdate::unreadableMessage(outcome).endsWith(body));
        QCOMPARE(DrawDate::toQDate(s.current.date), d("17.01.2020"));
    }

    void nothingToAskWhenTheNewestDrawIsToday()
    {
        UpdateServer server({});
        Session s = session(server, "03.01.2020");
        const DrawUpdate::Outcome outcome = DrawUpdate(s, {}).run();
        QCOMPARE(outcome.requests, 0);
        QVERIFY(server.requests().isEmpty());
        QCOMPARE(stored(), std::vector{kNewest});
    }

    void silentServerTimesOutAndTheUpdateGoesOn()
    {
        UpdateServer server({{QStringLiteral("20200110"), UpdateServer::answer(200, k1001, 20)},
                             {QStringLiteral("20200117"), UpdateServer::answer(200, k1701)}});
        Session s = session(server);
        s.updateTimeoutMs = 400;
        Recorded seen;
        QElapsedTimer clock;
        clock.start();
        const DrawUpdate::Outcome outcome = DrawUpdate(s, seen.hooks()).run();
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY2(seen.progress.contains(QStringLiteral("Failed : keine Antwort nach 0.4 s")),
                 qPrintable(seen.progress.join('|')));
        QCOMPARE(outcome.appended, 2);
    }

    void stopDuringARequest()
    {
        UpdateServer server({{QStringLiteral("20200110"), UpdateServer::answer(200, k1001, 20)},
                             {QStringLiteral("20200117"), UpdateServer::answer(200, k1701)}});
        Session s = session(server);
        Recorded seen;
        DrawUpdate update(s, seen.hooks());
        QTimer::singleShot(300, [&update] { update.stop(); });
        QElapsedTimer clock;
        clock.start();
        const DrawUpdate::Outcome outcome = update.run();
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(seen.progress, (QStringList{DrawUpdate::Loading, DrawUpdate::Stopped}));
        QCOMPARE(outcome.end, DrawUpdate::End::Stopped);
        QCOMPARE(outcome.appended, 0);
        QCOMPARE(server.requestedDates(), QStringList{QStringLiteral("20200110")});
        QCOMPARE(stored(), std::vector{kNewest});
    }

    void stopAfterAnAnswerKeepsIt()
    {
        UpdateServer server({{QStringLiteral("20200110"), UpdateServer::answer(200, k1001)},
                             {QStringLiteral("20200117"), UpdateServer::answer(200, k1701)}});
        Session s = session(server);
        DrawUpdate* running = nullptr;
        DrawUpdate::Hooks hooks;
        hooks.betweenRequests = [&running] { running->stop(); };
        DrawUpdate update(s, hooks);
        running = &update;
        const DrawUpdate::Outcome outcome = update.run();
        QCOMPARE(outcome.end, DrawUpdate::End::Stopped);
        QCOMPARE(outcome.appended, 1);
        QCOMPARE(server.requestedDates(), QStringList{QStringLiteral("20200110")});
    }

    void tornRecordIsCutBeforeAppending()
    {
        const QString path = home() + QLatin1String(DrawFile::DefaultName);
        writeFile(path, kNewest.toBytes() + QByteArray(13, '\x7f'));
        UpdateServer server({{QStringLiteral("20200110"), UpdateServer::answer(200, k1001)}});
        Session s = session(server, "16.01.2020");
        DrawUpdate(s, {}).run();
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes.size(), 2 * DrawRecord::Size);
        QCOMPARE(stored()[1].datum, DrawDate::fromQDate(d("10.01.2020")));
    }

    void unusableSettingsAreRefusedBeforeAnyRequest_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("proxyHost");
        QTest::addColumn<QString>("proxyPort");
        QTest::addColumn<QString>("error");
        // clang-format off
        QTest::addRow("port with a letter") << QString() << "127.0.0.1" << "80a"   << "Der Proxy-Port \"80a\" ist keine ganze Zahl von 1 bis 65535.";
        QTest::addRow("port too large")     << QString() << "127.0.0.1" << "70000" << "Der Proxy-Port \"70000\" ist keine ganze Zahl von 1 bis 65535.";
        QTest::addRow("not a web address")  << "ftp://127.0.0.1" << "" << "80"     << "Die Adresse des Update-Servers \"ftp://127.0.0.1\" ist ungültig.";
        QTest::addRow("no address")         << " " << "" << "80"                   << "Die Adresse des Update-Servers \" \" ist ungültig.";
        // clang-format on
    }
    void unusableSettingsAreRefusedBeforeAnyRequest()
    {
        QFETCH(QString, server);
        QFETCH(QString, proxyHost);
        QFETCH(QString, proxyPort);
        QFETCH(QString, error);
        UpdateServer peer({});
        Session s = session(peer);
        if (!server.isNull())
            s.updateServer = server;
        s.proxyHost = proxyHost;
        s.proxyPort = proxyPort;
        try {
            DrawUpdate update(s, {});
            QFAIL("no error");
        } catch (const Error& e) {
            QCOMPARE(e.message, error);
        }
        QVERIFY(!s.busy);
        QVERIFY(peer.requests().isEmpty());
    }

    void serverAddressIsStoredWithTheOtherSettings()
    {
        Session s(home());
        QCOMPARE(s.updateServer, QString::fromLatin1(UpdateAnswer::DefaultServer));
        s.updateServer = QStringLiteral("http://127.0.0.1:8080");
        const QString path = m_home.filePath(QStringLiteral("Korvex.json"));
        SettingsStore store(path);
        StoredSettings::save(store, s);
        Session restored(home());
        StoredSettings::restoreAll(SettingsStore(path, SettingsStore::Mode::ReadOnly), restored);
        QCOMPARE(restored.updateServer, s.updateServer);
    }

    void noConnectionIsAFailureAndTheUpdateGoesOn()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const quint16 port = closed.serverPort();
        closed.close();
        Session s(home());
        s.today = d("18.01.2020");
        s.gameRules = GameRules::Classic;
        s.updateServer = QStringLiteral("127.0.0.1:%1").arg(port);
        Recorded seen;
        const DrawUpdate::Outcome outcome = DrawUpdate(s, seen.hooks()).run();
        QCOMPARE(outcome.requests, 2);
        QCOMPARE(seen.progress.filter(QStringLiteral("Failed : ")).size(), 2);
        QCOMPARE(stored(), std::vector{kNewest});
    }

    void throughTheProxy()
    {
        TinyProxy proxy;
        QVERIFY2(proxy.ready(), "tinyproxy did not start (scripts/setup-debian installs it)");
        UpdateServer server({{QStringLiteral("20200110"), UpdateServer::answer(200, k1001)}});
        Session s = session(server, "16.01.2020");
        s.proxyHost = QStringLiteral("127.0.0.1");
        s.proxyPort = QString::number(proxy.port());
        QCOMPARE(DrawUpdate(s, {}).run().appended, 1);
        const auto requests = server.requests();
        QCOMPARE(requests.size(), 1);
        QVERIFY2(requests[0].headers[QStringLiteral("via")].toString().contains(QLatin1String("tinyproxy")),
                 "the request did not pass the proxy");
    }

    void commandLine()
    {
        UpdateServer server(
            {{QStringLiteral("20200110"), UpdateServer::answer(200, k1001)},
             {QStringLiteral("20200117"), UpdateServer::answer(200, QStringLiteral("Wartung"))}});
        const QStringList base{QStringLiteral("--home"),
                               m_home.path(),
                               QStringLiteral("--game"),
                               QStringLiteral("classic"),
                               QStringLiteral("update"),
                               QStringLiteral("--server"),
                               server.url()};
        CliResult run = runUpdateCli(base + QStringList{QStringLiteral("--today"), QStringLiteral("16.01.2020")});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QByteArray("1\n"));
        QVERIFY2(run.err.contains(
                     "Loading\nReceived 43 bytes\nNot guarantee the accuracy of the numbers!\n17.01.2020\n"),
                 run.err.constData());

        run = runUpdateCli(base + QStringList{QStringLiteral("--today"), QStringLiteral("18.01.2020")});
        QCOMPARE(run.code, 1);
        QCOMPARE(run.out, QByteArray("0\n"));
        QVERIFY2(run.err.contains("Zeile 1):\n\nWartung"), run.err.constData());

        run = runUpdateCli(base + QStringList{QStringLiteral("--proxy"), QStringLiteral("127.0.0.1:x")});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains("Proxy-Port"));
        QCOMPARE(runUpdateCli(base + QStringList{QStringLiteral("--proxy"), QStringLiteral("nohost")}).code, 2);
        QCOMPARE(server.requestedDates().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestDrawUpdate)
#include "TestDrawUpdate.moc"

#include "SmtpTestServer.h"
#include "mail/SmtpClient.h"

#include <QFile>
#include <QTcpServer>
#include <QTest>

// The SMTP client against a real server on loopback: what arrives (MIME tree, headers, envelope),
// STARTTLS, AUTH LOGIN, certificate checks, refused recipients and servers that fail.
class TestMailClient : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_certs;
    QTemporaryDir m_files;

    static SmtpAccount account(int port, const QString& user = {}, const QString& password = {},
                               bool verify = false)
    {
        SmtpAccount a;
        a.server = {QStringLiteral("127.0.0.1"), port};
        a.user = user;
        a.password = password;
        a.verifyCertificate = verify;
        return a;
    }
    static MailMessage message()
    {
        MailMessage m;
        m.fromAddress = QStringLiteral("absender@example.org");
        m.toAddress = QStringLiteral("empfaenger@example.org");
        m.subject = QStringLiteral("Test");
        m.body = QStringLiteral("Hallo");
        return m;
    }
    QString file(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_files.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path;
    }
    static SmtpTestServer::Options plain()
    {
        SmtpTestServer::Options o;
        o.tls = false;
        return o;
    }
    static SmtpTestServer::Options withLogin(bool tls, bool offerAuth, const QString& user,
                                             const QString& password)
    {
        SmtpTestServer::Options o;
        o.tls = tls;
        o.offerAuth = offerAuth;
        o.user = user;
        o.password = password;
        return o;
    }
    void startServer(SmtpTestServer& server, const SmtpTestServer::Options& options = {})
    {
        QVERIFY2(server.start(options, m_certs.path()), "the test SMTP server did not start");
    }

private slots:
    void initTestCase() { QVERIFY2(SmtpTestServer::makeCertificate(m_certs.path()), "openssl failed"); }

    void mimeStructure_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<bool>("attach");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::addRow("text only")           << QString()          << false << "multipart/alternative(text/plain)";
        QTest::addRow("text and html")       << "<html>x</html>"   << false << "multipart/alternative(text/plain,text/html)";
        QTest::addRow("both, attachments")   << "<html>x</html>"   << true
            << "multipart/mixed(multipart/alternative(text/plain,text/html),image/png,application/octet-stream)";
        QTest::addRow("text, attachments")   << QString()          << true
            << "multipart/mixed(text/plain,image/png,application/octet-stream)";
        // clang-format on
    }
    void mimeStructure()
    {
        QFETCH(QString, html);
        QFETCH(bool, attach);
        QFETCH(QString, expected);
        SmtpTestServer server;
        startServer(server, plain());

        MailMessage m = message();
        m.body = QStringLiteral("Grüße\nzweite Zeile\r\ndritte");
        m.htmlBody = html;
        const QByteArray png("\x89PNG\r\n\x1a\n\0\1\2\3", 12);
        const QByteArray other(300, '\xfe');
        if (attach)
            m.attachments = QStringList{file(QStringLiteral("bild.png"), png),
                                        m_files.filePath(QStringLiteral("fehlt.txt")), QString(),
                                        file(QStringLiteral("daten.qqzx"), other)};
        const SendResult r = SmtpClient::send(account(server.port), m);
        QVERIFY2(r.sent, qPrintable(r.error));

        const auto got = server.received();
        QCOMPARE(got.size(), 1);
        const QJsonObject tree = got[0].tree();
        QCOMPARE(shape(tree), expected);
        QCOMPARE(got[0].meta[QStringLiteral("defects")].toArray().size(), 0);

        const QJsonObject text = attach && !html.isEmpty() ? partAt(tree, {0, 0}) : partAt(tree, {0});
        QCOMPARE(text[QStringLiteral("charset")].toString().toLower(), QStringLiteral("utf-8"));
        QCOMPARE(text[QStringLiteral("cte")].toString(), QStringLiteral("8bit"));
        QCOMPARE(contentOf(text), QStringLiteral("Grüße\r\nzweite Zeile\r\ndritte").toUtf8());
        if (!html.isEmpty()) {
            const QJsonObject htmlPart = attach ? partAt(tree, {0, 1}) : partAt(tree, {1});
            QCOMPARE(htmlPart[QStringLiteral("charset")].toString().toLower(), QStringLiteral("utf-8"));
            QCOMPARE(contentOf(htmlPart), html.toUtf8());
        }
        if (attach) {
            const auto parts = tree[QStringLiteral("parts")].toArray();
            const QJsonObject image = parts.at(1).toObject();
            QCOMPARE(image[QStringLiteral("disposition")].toString(), QStringLiteral("attachment"));
            QCOMPARE(image[QStringLiteral("filename")].toString(), QStringLiteral("bild.png"));
            QCOMPARE(image[QStringLiteral("name")].toString(), QStringLiteral("bild.png"));
            QCOMPARE(contentOf(image), png);
            const QJsonObject last = parts.last().toObject();
            QCOMPARE(last[QStringLiteral("filename")].toString(), QStringLiteral("daten.qqzx"));
            QCOMPARE(contentOf(last), other);
        }
    }

    void headersAndEnvelope()
    {
        SmtpTestServer server;
        startServer(server, plain());
        MailMessage m = message();
        m.fromName = QStringLiteral("Jürgen Müller");
        m.toName = QStringLiteral("Service \"Team\"");
        m.cc = QStringLiteral(" kopie1@example.org, ,kopie2@example.org");
        m.bcc = QStringLiteral("geheim@example.org");
        // A line break in the subject must not start a header of its own.
        m.subject = QStringLiteral("Tipp vom 05.03.2026 – Glück\r\nBcc: spion@example.org");
        m.receipt = true;
        SendResult r = SmtpClient::send(account(server.port), m);
        QVERIFY2(r.sent, qPrintable(r.error));
        m.receipt = false;
        r = SmtpClient::send(account(server.port), m);
        QVERIFY2(r.sent, qPrintable(r.error));

        const auto got = server.received();
        QCOMPARE(got.size(), 2);
        const auto& mail = got[0];
        QCOMPARE(mail.meta[QStringLiteral("mail_from")].toString(), QStringLiteral("absender@example.org"));
        QCOMPARE(mail.meta[QStringLiteral("rcpt_tos")].toArray(),
                 QJsonArray({"empfaenger@example.org", "kopie1@example.org", "kopie2@example.org",
                             "geheim@example.org"}));
        QCOMPARE(mail.header("From"), QStringLiteral("Jürgen Müller <absender@example.org>"));
        QCOMPARE(mail.header("To"), QStringLiteral("\"Service \\\"Team\\\"\" <empfaenger@example.org>"));
        QCOMPARE(mail.header("Cc"), QStringLiteral("kopie1@example.org, kopie2@example.org"));
        QCOMPARE(mail.header("Bcc"), QString());
        QCOMPARE(mail.header("Subject"),
                 QStringLiteral("Tipp vom 05.03.2026 – Glück  Bcc: spion@example.org"));
        QCOMPARE(mail.header("X-Mailer"), QStringLiteral("Torvane Software"));
        QCOMPARE(mail.header("Return-Receipt-To"), QStringLiteral("Jürgen Müller <absender@example.org>"));
        QVERIFY(!mail.header("Date").isEmpty());
        QVERIFY(mail.header("Message-ID").endsWith(QLatin1String("@example.org>")));
        QCOMPARE(got[1].header("Return-Receipt-To"), QString());
    }

    void startTlsAndLogin_data()
    {
        QTest::addColumn<bool>("tls");
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("authenticated");
        QTest::addRow("STARTTLS offered, login")
            << true << QStringLiteral("lotto.spieler@example.org") << true;
        QTest::addRow("STARTTLS offered, no user") << true << QString() << false;
        QTest::addRow("no STARTTLS, no user") << false << QString() << false;
    }
    void startTlsAndLogin()
    {
        QFETCH(bool, tls);
        QFETCH(QString, user);
        QFETCH(bool, authenticated);
        const QString password = QStringLiteral("geh eim:ÄÖü=");
        SmtpTestServer server;
        startServer(server, withLogin(tls, true, QStringLiteral("lotto.spieler@example.org"), password));
        QStringList status;
        const SendResult r = SmtpClient::send(account(server.port, user, password), message(),
                                              [&status](const QString& s) { status << s; });
        QVERIFY2(r.sent, qPrintable(r.error));
        QVERIFY(r.connected);

        const auto got = server.received();
        QCOMPARE(got.size(), 1);
        QCOMPARE(got[0].meta[QStringLiteral("tls")].toBool(), tls);
        QCOMPARE(got[0].meta[QStringLiteral("authenticated")].toBool(), authenticated);
        const QJsonArray logins = got[0].meta[QStringLiteral("logins")].toArray();
        if (authenticated) {
            // The server decoded the Base64 of both: they arrive as typed, through LOGIN.
            QCOMPARE(logins.size(), 1);
            QCOMPARE(logins[0].toObject()[QStringLiteral("mechanism")].toString(), QStringLiteral("LOGIN"));
            QCOMPARE(logins[0].toObject()[QStringLiteral("login")].toString(), user);
            QCOMPARE(logins[0].toObject()[QStringLiteral("password")].toString(), password);
        } else {
            QCOMPARE(logins.size(), 0);
            QVERIFY(!status.contains(QStringLiteral("AUTH LOGIN")));
        }
        QCOMPARE(status.contains(QStringLiteral("STARTTLS")), tls);
        // The status shows the conversation but never the login, plain or encoded.
        QVERIFY(status.size() > 5);
        const QString all = status.join(QLatin1Char('\n'));
        for (const QString& secret : {user, password})
            if (!secret.isEmpty()) {
                QVERIFY(!all.contains(secret));
                QVERIFY(!all.contains(QString::fromLatin1(secret.toUtf8().toBase64())));
            }
    }

    void loginFailures_data()
    {
        QTest::addColumn<bool>("tls");
        QTest::addColumn<bool>("offerAuth");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("error");
        QTest::addRow("wrong password") << true << true << "falsch"
                                        << "Anmeldung am Server abgelehnt: 535";
        // A password never goes over an unencrypted connection.
        QTest::addRow("no STARTTLS") << false << true << "geheim"
                                     << "keine Verschlüsselung (STARTTLS)";
        // A server that takes mail without a login would get it unauthenticated.
        QTest::addRow("no AUTH offered") << true << false << "geheim"
                                         << "keine Anmeldung (AUTH LOGIN)";
    }
    void loginFailures()
    {
        QFETCH(bool, tls);
        QFETCH(bool, offerAuth);
        QFETCH(QString, password);
        QFETCH(QString, error);
        SmtpTestServer server;
        startServer(server, withLogin(tls, offerAuth, QStringLiteral("spieler"), QStringLiteral("geheim")));
        const SendResult r =
            SmtpClient::send(account(server.port, QStringLiteral("spieler"), password), message());
        QVERIFY(!r.sent);
        QVERIFY(r.connected);
        QVERIFY2(r.error.contains(error), qPrintable(r.error));
        QCOMPARE(server.received().size(), 0);
    }

    void certificateIsVerifiedByDefault()
    {
        SmtpTestServer server;
        startServer(server);
        SmtpAccount a = account(server.port);
        a.verifyCertificate = true;
        SendResult r = SmtpClient::send(a, message());
        QVERIFY(!r.sent);
        QVERIFY2(r.error.contains(QLatin1String("VerifyCertificate=0")), qPrintable(r.error));
        QCOMPARE(server.received().size(), 0);

        a.verifyCertificate = false;
        r = SmtpClient::send(a, message());
        QVERIFY2(r.sent, qPrintable(r.error));
        QCOMPARE(server.received().size(), 1);
    }

    void refusedRecipients()
    {
        SmtpTestServer server;
        SmtpTestServer::Options options = plain();
        options.refuse =
            QStringList{QStringLiteral("niemand@example.org"), QStringLiteral("keiner@example.org")};
        startServer(server, options);

        MailMessage m = message();
        m.cc = QStringLiteral("niemand@example.org");
        SendResult r = SmtpClient::send(account(server.port), m);
        QVERIFY2(r.sent, qPrintable(r.error));
        QCOMPARE(r.refused.size(), 1);
        QVERIFY2(r.refused[0].startsWith(QLatin1String("550")) &&
                     r.refused[0].contains(QLatin1String("niemand")),
                 qPrintable(r.refused[0]));
        QCOMPARE(server.received().at(0).meta[QStringLiteral("rcpt_tos")].toArray(),
                 QJsonArray({"empfaenger@example.org"}));

        m.toAddress = QStringLiteral("keiner@example.org");
        r = SmtpClient::send(account(server.port), m);
        QVERIFY(!r.sent);
        QCOMPARE(r.refused.size(), 2);
        QVERIFY2(r.error.contains(QLatin1String("550")), qPrintable(r.error));
        QCOMPARE(server.received().size(), 1);
    }

    void serverThatFails()
    {
        // Nobody listens: refused at once, before any connection stood.
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 closedPort = closed.serverPort();
        closed.close();
        SendResult r = SmtpClient::send(account(closedPort), message());
        QVERIFY(!r.sent);
        QVERIFY(!r.connected);
        QVERIFY2(r.error.contains(QLatin1String("Keine Verbindung")), qPrintable(r.error));

        // Someone listens but never greets: the reply timeout ends it.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        SmtpAccount a = account(silent.serverPort());
        a.responseTimeoutSeconds = 2;
        QElapsedTimer clock;
        clock.start();
        r = SmtpClient::send(a, message());
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY(!r.sent);
        QVERIFY2(r.error.contains(QLatin1String("antwortet nicht")), qPrintable(r.error));
    }

    void refusesBadInputBeforeConnecting_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("error");
        QTest::addRow("no sender") << QString() << "a@example.org"
                                   << "Absenderadresse";
        QTest::addRow("no recipient") << "a@example.org" << QString() << "Kein Empfänger";
        QTest::addRow("command in address") << "a@example.org"
                                            << "b@example.org>\r\nRSET"
                                            << "Empfängeradresse";
    }
    void refusesBadInputBeforeConnecting()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, error);
        MailMessage m = message();
        m.fromAddress = from;
        m.toAddress = to;
        const SendResult r = SmtpClient::send(account(1), m);
        QVERIFY(!r.sent && !r.connected);
        QVERIFY2(r.error.contains(error), qPrintable(r.error));
    }
};

QTEST_GUILESS_MAIN(TestMailClient)
#include "TestMailClient.moc"

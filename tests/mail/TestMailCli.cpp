#include "../TestFiles.h"
#include "SmtpTestServer.h"

#include <QDate>
#include <QProcess>

// numerant-cli mail: the tip e-mail from a tip file with attachments, sent to a real server with the
// stored mail settings; and what it refuses.
class TestMailCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    QTemporaryDir m_certs;
    QTemporaryDir m_home;

    CliResult run(const QStringList& args)
    {
        return runCliIn(m_home.path(), m_config.path(), args, QProcessEnvironment::systemEnvironment(), 60000);
    }
    void settingsFor(int port)
    {
        writeFile(m_home.filePath(QStringLiteral("numerant.ini")),
                  QStringLiteral("[SMTP]\nHost=127.0.0.1:%1\nUser=spieler\nPass=geheim\nVerifyCertificate=0\n"
                                 "[MAIL]\nFrom=ich@example.org\nTo=alt@example.org\nCC=kopie@example.org\n")
                      .arg(port)
                      .toUtf8());
    }

private slots:
    void initTestCase() { QVERIFY(SmtpTestServer::makeCertificate(m_certs.path())); }

    void sendsTheTipMailWithAttachments()
    {
        SmtpTestServer server;
        SmtpTestServer::Options options;
        options.user = QStringLiteral("spieler");
        options.password = QStringLiteral("geheim");
        QVERIFY(server.start(options, m_certs.path()));
        settingsFor(server.port);
        writeFile(m_home.filePath(QStringLiteral("t.tlt")), "3,12,17,25,33,41,48\r\n\r\n1,2,3,4,5,6,7\r\n");
        writeFile(m_home.filePath(QStringLiteral("notiz.pdf")), "%PDF-1.4 x");

        const CliResult r =
            run({QStringLiteral("mail"), QStringLiteral("--to"), QStringLiteral("freund@example.org"),
                 QStringLiteral("--tip-file"), QStringLiteral("t.tlt"), QStringLiteral("--attach"),
                 QStringLiteral("notiz.pdf")});
        QVERIFY2(r.code == 0, r.err.constData());
        const QString subject = QStringLiteral("Torvane Numerant Tipp vom ") +
                                QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        QCOMPARE(QJsonDocument::fromJson(r.out).object(),
                 QJsonObject({{"to", "freund@example.org"},
                              {"cc", QJsonArray{"kopie@example.org"}},
                              {"subject", subject},
                              {"attachments", QJsonArray{"notiz.pdf"}},
                              {"refused", QJsonArray{}}}));

        const auto got = server.received();
        QCOMPARE(got.size(), 1);
        QCOMPARE(got[0].meta[QStringLiteral("rcpt_tos")].toArray(),
                 QJsonArray({"freund@example.org", "kopie@example.org"}));
        QVERIFY(got[0].meta[QStringLiteral("authenticated")].toBool());
        QCOMPARE(got[0].header("Subject"), subject);
        const QJsonObject tree = got[0].tree();
        QCOMPARE(shape(tree), QStringLiteral("multipart/mixed(text/plain,application/pdf)"));
        const QList<QByteArray> lines = contentOf(partAt(tree, {0})).split('\n');
        QCOMPARE(lines.mid(0, 5), QList<QByteArray>({"3,12,17,25,33,41,48\r", "1,2,3,4,5,6,7\r", " \r", " \r",
                                                     "Web-Link f\xc3\xbcr Online Auswertung:\r"}));
        QVERIFY(
            lines.value(5).startsWith("http://www.torvane.example/auswerten.asp?Programm=Korvex&Z1_1=3&"));
        QCOMPARE(contentOf(partAt(tree, {1})), QByteArray("%PDF-1.4 x"));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("host"); // null: no settings file
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QStringList to{"mail", "--to", "a@example.org"};
        QTest::addRow("no --to") << QStringList{"mail"} << "127.0.0.1:1" << 2 << "--to";
        QTest::addRow("no settings") << to << QString() << 1 << "numerant.ini";
        QTest::addRow("missing attachment")
            << to + QStringList{"--attach", "fehlt.pdf"} << "127.0.0.1:1" << 1 << "fehlt.pdf";
        QTest::addRow("bad host") << to << "smtp://x/" << 1 << "Ungültiger SMTP-Server";
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, host);
        QFETCH(int, code);
        QFETCH(QString, message);
        QFile::remove(m_home.filePath(QStringLiteral("numerant.ini")));
        if (!host.isNull())
            writeFile(m_home.filePath(QStringLiteral("numerant.ini")),
                      "[SMTP]\nHost=" + host.toUtf8() + "\n[MAIL]\nFrom=ich@example.org\n");
        const CliResult r = run(args);
        QCOMPARE(r.code, code);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMailCli)
#include "TestMailCli.moc"

#include "../TestFiles.h"
#include "SmtpTestServer.h"
#include "gui/LottoZahlen.h"
#include "gui/MainUnit.h"
#include "mail/MailSettings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTimer>
#include <memory>

// The mail dialog in the real window: the tip e-mail button, the settings file, the HTML and
// attachment buttons, and sending to a real server off the window's thread.
class TestMailView : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    QTemporaryDir m_certs;
    QTemporaryDir m_home;
    std::unique_ptr<LottoZahlen> m_window;

    QString settingsPath() const { return m_home.filePath(QLatin1String(MailSettings::FileName)); }
    MainUnit& dialog() { return m_window->mailDialog(); }
    template <typename T> T* field(const char* name)
    {
        auto* w = dialog().findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString text(const char* name) { return field<QLineEdit>(name)->text(); }
    QString memo(const char* name) { return field<QPlainTextEdit>(name)->toPlainText(); }
    void click(const char* name) { field<QAbstractButton>(name)->click(); }
    void newWindow()
    {
        m_window =
            std::make_unique<LottoZahlen>(LottoZahlen::Options{m_home.path() + QLatin1Char('/'), false});
        m_window->session().today = QDate(2026, 3, 5);
    }
    // A window whose settings file points at the server, ready to send one short message.
    void windowFor(int port, const QString& extraSmtp = {})
    {
        writeFile(settingsPath(),
                  QStringLiteral("[SMTP]\nHost=127.0.0.1:%1\nUser=spieler\nPass=geh eim\n%2\n[MAIL]\n"
                                 "From=ich@example.org\nTo=du@example.org\n")
                      .arg(port)
                      .arg(extraSmtp)
                      .toUtf8());
        newWindow();
        dialog().show();
        field<QPlainTextEdit>("Body")->setPlainText(QStringLiteral("Hallo"));
    }
    // Clicks "Send Mail" and waits for the end; the click itself must return at once.
    void sendAndWait(int timeoutMs = 15000)
    {
        QElapsedTimer clock;
        clock.start();
        click("btnSendMail");
        QVERIFY2(clock.elapsed() < 1000, "sending blocked the window");
        QVERIFY(dialog().isSending());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog().isSending(), timeoutMs);
    }
    SmtpTestServer::Options loginServer() const
    {
        SmtpTestServer::Options o;
        o.user = QStringLiteral("spieler");
        o.password = QStringLiteral("geh eim");
        return o;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        QVERIFY(SmtpTestServer::makeCertificate(m_certs.path()));
    }
    void init() { QFile::remove(settingsPath()); }
    void cleanup() { m_window.reset(); }

    void tipButtonFillsTheDialogAndClosingKeepsTheSettings()
    {
        writeFile(settingsPath(),
                  "[SMTP]\nHost=smtp.example.org\nVerifyCertificate=0\n[MAIL]\nTo=alt@example.org\n");
        newWindow();
        QCOMPARE(text("ledHost"), QStringLiteral("smtp.example.org"));
        QCOMPARE(text("ledTo"), QStringLiteral("alt@example.org"));
        QCOMPARE(text("LedUser"), QString());
        QCOMPARE(field<QLineEdit>("LEdPass")->echoMode(), QLineEdit::Password);
        QCOMPARE(text("ledSubject"), QStringLiteral("Bitte vergeben Sie einen Betreff für Ihre Nachricht"));
        QVERIFY(field<QCheckBox>("Bestaetigung")->isChecked());
        QCOMPARE(memo("StatusMemo"), QStringLiteral("Status...\n"));

        Session& s = m_window->session();
        s.sheet.cells[0] = {3, 12, 17, 25, 33, 41, 48};
        s.sheet.cells[2] = {1, 2, 3, 4, 5, 6, 49};
        field<QPlainTextEdit>("HTMLBody")->setPlainText(QStringLiteral("bleibt"));
        bool shownModal = false;
        QTimer::singleShot(0, this, [&] {
            shownModal = dialog().isVisible() && dialog().isModal();
            field<QLineEdit>("ledHost")->setText(QStringLiteral("mail.example.org:587"));
            field<QLineEdit>("LedUser")->setText(QStringLiteral("spieler"));
            field<QLineEdit>("LEdPass")->setText(QStringLiteral("Geheim 1"));
            field<QLineEdit>("ledFrom")->setText(QStringLiteral("ich@example.org"));
            field<QLineEdit>("ledTo")->setText(QStringLiteral("du@example.org"));
            field<QLineEdit>("ledCC")->setText(QStringLiteral("wir@example.org"));
            field<QLineEdit>("BCCEmail")->setText(QStringLiteral("nicht@example.org"));
            dialog().reject();
        });
        m_window->control<QAbstractButton>(QStringLiteral("SpeedButton36"))->click();
        QVERIFY(shownModal);
        QCOMPARE(text("ledSubject"), QStringLiteral("Torvane Numerant Tipp vom 05.03.2026"));
        const QStringList body = memo("Body").split(QLatin1Char('\n'));
        QCOMPARE(body.mid(0, 5),
                 QStringList({QStringLiteral("3,12,17,25,33,41,48"), QStringLiteral("1,2,3,4,5,6,49"),
                              QStringLiteral(" "), QStringLiteral(" "),
                              QStringLiteral("Web-Link für Online Auswertung:")}));
        QVERIFY(body.value(5).startsWith(
            QLatin1String("http://www.torvane.example/auswerten.asp?Programm=Korvex&Z1_1=3&Z1_2=12&")));
        QCOMPARE(memo("HTMLBody"), QStringLiteral("bleibt"));

        // Closing wrote the six fields (BCC is not kept) and kept the verification switch.
        const MailSettings expected{QStringLiteral("mail.example.org:587"),
                                    QStringLiteral("spieler"),
                                    QStringLiteral("Geheim 1"),
                                    QStringLiteral("ich@example.org"),
                                    QStringLiteral("du@example.org"),
                                    QStringLiteral("wir@example.org"),
                                    false};
        QCOMPARE(MailSettings::load(settingsPath()), expected);
        QVERIFY(fileBytes(settingsPath()).contains("Pass=Geheim 1\n"));

        newWindow();
        QCOMPARE(dialog().settings(), expected);
        QCOMPARE(text("BCCEmail"), QString());
    }

    void htmlAndAttachmentButtons()
    {
        newWindow();
        field<QPlainTextEdit>("Body")->setPlainText(QStringLiteral("a b\nc"));
        click("MailFormHTMLButton");
        QCOMPARE(memo("HTMLBody"), QStringLiteral("<html><body>a &nbsp;b\n<br>c</body></html>"));

        const QString first = m_home.filePath(QStringLiteral("eins.txt"));
        const QString second = m_home.filePath(QStringLiteral("zwei.pdf"));
        m_window->prompts().nextAnswers = {first, QString(), second};
        click("btnAttachment");
        click("btnAttachment"); // cancelled: nothing added
        click("btnAttachment");
        QCOMPARE(memo("ledAttachment"), first + QLatin1Char('\n') + second);
    }

    void sendsOffTheWindowThreadAndCloses()
    {
        SmtpTestServer server;
        QVERIFY(server.start(loginServer(), m_certs.path()));
        windowFor(server.port, QStringLiteral("VerifyCertificate=0"));
        sendAndWait();
        QVERIFY(!dialog().isVisible());
        const auto got = server.received();
        QCOMPARE(got.size(), 1);
        QVERIFY(got[0].meta[QStringLiteral("authenticated")].toBool());
        const QStringList status = memo("StatusMemo").split(QLatin1Char('\n'));
        QCOMPARE(status.first(), QStringLiteral("Status: Nachricht gesendet"));
        QCOMPARE(status.value(status.size() - 2),
                 QStringLiteral("Status: Verbinde mit 127.0.0.1:%1").arg(server.port));
        QVERIFY(m_window->prompts().shown.isEmpty());
    }

    void refusedRecipientGetsABox()
    {
        SmtpTestServer server;
        SmtpTestServer::Options options = loginServer();
        options.refuse = QStringList{QStringLiteral("niemand@example.org")};
        QVERIFY(server.start(options, m_certs.path()));
        windowFor(server.port, QStringLiteral("VerifyCertificate=0"));
        field<QLineEdit>("ledCC")->setText(QStringLiteral("niemand@example.org"));
        m_window->prompts().nextAnswers = {QStringLiteral("ok"), QStringLiteral("ok")};
        sendAndWait();
        QCOMPARE(m_window->prompts().shown.size(), 1);
        QVERIFY2(m_window->prompts().shown[0].startsWith(QLatin1String("ERROR: 550")),
                 qPrintable(m_window->prompts().shown[0]));
        QCOMPARE(server.received().size(), 1);
    }

    void errorsComeFirstInTheStatusAndInABox()
    {
        // The test's own certificate is not trusted unless the settings file says so.
        SmtpTestServer server;
        QVERIFY(server.start(loginServer(), m_certs.path()));
        windowFor(server.port);
        m_window->prompts().nextAnswers = {QStringLiteral("ok"), QStringLiteral("ok")};
        sendAndWait();
        QCOMPARE(m_window->prompts().shown.size(), 1);
        QVERIFY(m_window->prompts().shown[0].contains(QLatin1String("VerifyCertificate=0")));
        QCOMPARE(memo("StatusMemo").section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("ERROR: ") + m_window->prompts().shown[0]);
        QVERIFY(!dialog().isVisible()); // the server was reached: the view closed
        QCOMPARE(server.received().size(), 0);
    }

    void silentHostEndsWithinTimeAndViewStaysOpen()
    {
        QTcpServer silent; // takes the connection, never greets
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        windowFor(silent.serverPort(), QStringLiteral("VerifyCertificate=0"));
        m_window->prompts().nextAnswers = {QStringLiteral("ok"), QStringLiteral("ok")};
        QElapsedTimer clock;
        clock.start();
        click("btnSendMail");
        QVERIFY(dialog().isSending());
        dialog().reject(); // no closing in the middle of a send
        QVERIFY(dialog().isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog().isSending(), 30000);
        QVERIFY(clock.elapsed() < 30000);
        QVERIFY2(memo("StatusMemo").startsWith(QLatin1String("ERROR: ")), qPrintable(memo("StatusMemo")));
        QCOMPARE(m_window->prompts().shown.size(), 1);
        QVERIFY(dialog().isVisible()); // never connected: the view stays open for a correction
        QVERIFY(field<QAbstractButton>("btnSendMail")->isEnabled());
    }
};

QTEST_MAIN(TestMailView)
#include "TestMailView.moc"

#include "../TestFiles.h"
#include "draws/Error.h"
#include "mail/MailMessage.h"
#include "mail/MailSettings.h"
#include "mail/TipMail.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

// The mail model without a server: the settings file, the server address, the HTML button and the tip
// e-mail's texts.
class TestMailModel : public QObject
{
    Q_OBJECT

private slots:
    void settingsRoundTrip_data()
    {
        QTest::addColumn<MailSettings>("settings");
        MailSettings plain{QStringLiteral("smtp.example.org:587"),
                           QStringLiteral("spieler@example.org"),
                           QStringLiteral("geheim"),
                           QStringLiteral("spieler@example.org"),
                           QStringLiteral("freund@example.org"),
                           QStringLiteral("a@example.org, b@example.org"),
                           true};
        QTest::addRow("plain") << plain;
        QTest::addRow("empty") << MailSettings{};
        MailSettings odd = plain;
        odd.password = QStringLiteral("  =\"Pässwörd\"; #1 ");
        odd.user = QStringLiteral("\"quoted\"");
        odd.verifyCertificate = false;
        QTest::addRow("blanks, quotes, umlauts, no verification") << odd;
    }
    void settingsRoundTrip()
    {
        QFETCH(MailSettings, settings);
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(MailSettings::FileName));
        MailSettings::save(path, settings);
        QCOMPARE(MailSettings::load(path), settings);
        // Plain text, as the file is meant to be read and edited by hand.
        if (!settings.password.isEmpty())
            QVERIFY(fileBytes(path).contains(settings.password.toUtf8()));
    }

    void settingsFileIsReadableByItsOwnerOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(MailSettings::FileName));
        writeFile(path, "[SMTP]\nPass=alt\n");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                QFile::ReadOther));
        MailSettings s;
        s.password = QStringLiteral("neu");
        MailSettings::save(path, s);
        struct stat st = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0600));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QLatin1String(MailSettings::FileName)});

        // A folder that cannot take the file: an error that names it, nothing half-written.
        QVERIFY_THROWS_EXCEPTION(FileError,
                                 MailSettings::save(dir.filePath(QStringLiteral("fehlt/x.ini")), s));
    }

    void settingsReadFromHandWrittenFile()
    {
        const MailSettings s =
            MailSettings::parse("; comment\r\n[smtp]\r\n host = smtp.example.org \r\nUSER=u\r\n"
                                "VerifyCertificate=0\r\n[Other]\r\nFrom=x@y\r\n[MAIL]\r\n"
                                "From=ich@example.org\r\nTo=\r\nunknown=1\r\nno line\r\n");
        MailSettings expected;
        expected.host = QStringLiteral("smtp.example.org");
        expected.user = QStringLiteral("u");
        expected.from = QStringLiteral("ich@example.org");
        expected.verifyCertificate = false;
        QCOMPARE(s, expected);
        QTemporaryDir dir;
        QCOMPARE(MailSettings::load(dir.filePath(QStringLiteral("fehlt.ini"))), MailSettings{});
    }

    void hostAndPort_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("host"); // empty: refused
        QTest::addColumn<int>("port");
        // clang-format off
        QTest::addRow("plain host")   << "smtp.example.org"      << "smtp.example.org" << 25;
        QTest::addRow("with port")    << " smtp.example.org:587 " << "smtp.example.org" << 587;
        QTest::addRow("IPv4")         << "127.0.0.1:2525"        << "127.0.0.1"        << 2525;
        QTest::addRow("IPv6")         << "[::1]:465"             << "::1"              << 465;
        QTest::addRow("empty")        << ""                      << ""                 << 0;
        QTest::addRow("port 0")       << "smtp.example.org:0"    << ""                 << 0;
        QTest::addRow("port 65536")   << "smtp.example.org:65536" << ""                << 0;
        QTest::addRow("no port")      << "smtp.example.org:"     << ""                 << 0;
        QTest::addRow("url")          << "smtp://evil/x"         << ""                 << 0;
        QTest::addRow("user part")    << "me@smtp.example.org"   << ""                 << 0;
        QTest::addRow("blank inside") << "smtp example.org"      << ""                 << 0;
        QTest::addRow("bad IPv6")     << "[evil/]:25"            << ""                 << 0;
        // clang-format on
    }
    void hostAndPort()
    {
        QFETCH(QString, text);
        QFETCH(QString, host);
        QFETCH(int, port);
        const auto parsed = HostAndPort::parse(text);
        if (host.isEmpty()) {
            QVERIFY(!parsed);
        } else {
            QVERIFY(parsed);
            QCOMPARE(parsed->host, host);
            QCOMPARE(parsed->port, port);
        }
    }

    void htmlFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        QTest::addRow("two lines") << "a b\nc"
                                   << "<html><body>a &nbsp;b\n<br>c</body></html>";
        QTest::addRow("markup stays text")
            << "1 < 2 & x"
            << "<html><body>1 &nbsp;&lt; &nbsp;2 &nbsp;&amp; &nbsp;x</body></html>";
        QTest::addRow("empty") << ""
                               << "<html><body></body></html>";
    }
    void htmlFromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, html);
        QCOMPARE(MailText::htmlFromText(text), html);
    }

    void tipMail_data()
    {
        QTest::addColumn<TipSheet>("sheet");
        QTest::addColumn<QStringList>("tipLines");
        TipSheet sheet;
        sheet.cells[0] = {3, 12, 17, 25, 33, 41, 48};
        sheet.cells[1] = {0, 5, 6, 7, 8, 9, 10}; // first field empty: no line
        sheet.cells[2] = {1, 2, 3, 4, 5, 6, 49};
        QTest::addRow("tips 1 and 3")
            << sheet << QStringList{QStringLiteral("3,12,17,25,33,41,48"), QStringLiteral("1,2,3,4,5,6,49")};
        QTest::addRow("empty sheet") << TipSheet{} << QStringList{};
    }
    void tipMail()
    {
        QFETCH(TipSheet, sheet);
        QFETCH(QStringList, tipLines);
        const QStringList lines = TipMail::bodyLines(sheet);
        QCOMPARE(lines.mid(0, tipLines.size()), tipLines);
        QCOMPARE(lines.mid(tipLines.size(), 3),
                 QStringList({QStringLiteral(" "), QStringLiteral(" "),
                              QStringLiteral("Web-Link für Online Auswertung:")}));
        QCOMPARE(lines.size(), tipLines.size() + 4);

        // The link: every position of all twelve tips, tip first, position second, "&" between pairs.
        const QString link = lines.last();
        const QString prefix = QStringLiteral("http://www.torvane.example/auswerten.asp?Programm=Korvex&");
        QVERIFY(link.startsWith(prefix));
        const QStringList pairs = link.mid(prefix.size()).split(QLatin1Char('&'));
        QCOMPARE(pairs.size(), TipSheet::Rows * TipSheet::Cells);
        for (int t = 0; t < TipSheet::Rows; ++t)
            for (int p = 0; p < TipSheet::Cells; ++p)
                QCOMPARE(pairs[t * TipSheet::Cells + p], QStringLiteral("Z%1_%2=%3")
                                                             .arg(t + 1)
                                                             .arg(p + 1)
                                                             .arg(TipSheet::cellText(sheet.cells[t][p])));
    }

    void tipMailSubject()
    {
        QCOMPARE(TipMail::subject(QDate(2026, 3, 5)), QStringLiteral("Torvane Numerant Tipp vom 05.03.2026"));
    }
};

QTEST_GUILESS_MAIN(TestMailModel)
#include "TestMailModel.moc"

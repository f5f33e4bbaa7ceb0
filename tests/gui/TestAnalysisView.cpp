#include "../generator/GeneratorFixture.h"
#include "gui/ComparisonDialog.h"
#include "gui/LottoZahlen.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QUrl>

// Both historic analyses in the real window: prompts, busy state, the stop button, the reports and the
// comparison with random tickets.
class TestAnalysisView : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<LottoZahlen> m_window;
    QStringList m_opened;

    QAbstractButton* button(const char* name)
    {
        return m_window->control<QAbstractButton>(QLatin1String(name));
    }
    QString report(const char* name) { return m_home.filePath(QLatin1String(name)); }

public slots:
    void open(const QUrl& url) { m_opened << url.toLocalFile(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
        DrawFile(report("ZahlenMax.dat")).replaceAll(Fixture::weeklyDraws(400, QDate(2018, 12, 28)));
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    void init()
    {
        m_window =
            std::make_unique<LottoZahlen>(LottoZahlen::Options{m_home.path() + QLatin1Char('/'), false});
        m_window->session().gameRules = GameRules::Classic;
        m_window->session().sheetSettled = true;
        m_window->show();
        m_opened.clear();
        QFile::remove(report("Test.txt"));
        QFile::remove(report("Test.rtf"));
    }
    void cleanup() { m_window.reset(); }

    void backtestReportsAndCompares()
    {
        Session& s = m_window->session();
        s.setSelectedDate(QDate(2018, 6, 1));
        m_window->prompts().nextAnswers = {QStringLiteral("4711")};
        button("BitBtn9")->click();
        QVERIFY(QFile::exists(report("Test.txt")));
        QCOMPARE(m_opened, QStringList{report("Test.txt")});
        QVERIFY(m_window->statusText().endsWith(QStringLiteral("Test.txt")));
        auto* comparison = m_window->findChild<ComparisonDialog*>(QStringLiteral("FormVergleich"));
        QVERIFY(comparison && comparison->isVisible());
        QVERIFY(comparison->verdictText().contains(QStringLiteral("zufällige Tipps")));
        QCOMPARE(comparison->values().size(), 3);
        QCOMPARE(s.selectedDate, QDate(2018, 12, 28)); // the last draw reached
        QVERIFY(!m_window->isBusy() && button("SpeedButton11")->isEnabled());
    }

    void stopWritesNoReport()
    {
        m_window->session().setSelectedDate(QDate(2011, 1, 7));
        m_window->prompts().nextAnswers = {QStringLiteral("1")};
        QString captionWhileRunning;
        QTimer::singleShot(50, m_window.get(), [&] {
            captionWhileRunning = button("BitBtn4")->text();
            button("BitBtn4")->click();
        });
        button("BitBtn9")->click();
        QCOMPARE(captionWhileRunning, QStringLiteral("Stoppen"));
        QVERIFY(!QFile::exists(report("Test.txt")));
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(button("BitBtn4")->text(), QStringLiteral("Tipps &berechnen"));
        QVERIFY(!m_window->isBusy());
    }

    void similarityAsksAndReports()
    {
        m_window->session().setSelectedDate(QDate(2018, 1, 5));
        // Threshold 3: the first earlier draw sharing three numbers asks; "no" ends without a report.
        m_window->prompts().nextAnswers = {QStringLiteral("3"), QStringLiteral("no")};
        button("BitBtn19")->click();
        QVERIFY(!QFile::exists(report("Test.rtf")));
        QVERIFY(m_window->prompts().shown.last().startsWith(QStringLiteral("Ein Treffer gefunden am :")));

        m_window->prompts().nextAnswers = {QStringLiteral("7")};
        button("BitBtn19")->click();
        QVERIFY(QFile::exists(report("Test.rtf")));
        QCOMPARE(m_opened, QStringList{report("Test.rtf")});
    }
};

QTEST_MAIN(TestAnalysisView)
#include "TestAnalysisView.moc"

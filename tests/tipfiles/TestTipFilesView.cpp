#include "gui/LottoZahlen.h"
#include "tipfiles/TipFile.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

// The save, load and print buttons of the tip page in the real window.
class TestTipFilesView : public QObject
{
    Q_OBJECT

public slots:
    void openFile(const QUrl& url) { m_opened << url; }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_home;
    std::unique_ptr<LottoZahlen> m_window;
    QList<QUrl> m_opened;
    int m_lookups = 0;

    QString home() const { return m_home.path() + QLatin1Char('/'); }
    void click(const char* name)
    {
        auto* button = m_window->control<QAbstractButton>(QLatin1String(name));
        QVERIFY2(button, name);
        button->click();
    }
    void typeRow(int firstEdit, const QList<int>& numbers)
    {
        for (int c = 0; c < numbers.size(); ++c)
            m_window->control<QLineEdit>(QStringLiteral("Edit%1").arg(firstEdit + c))
                ->setText(numbers[c] ? QString::number(numbers[c]) : QString());
    }
    static QByteArray fileBytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFile");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    void init()
    {
        m_window = std::make_unique<LottoZahlen>(LottoZahlen::Options{home(), false});
        m_window->lookupAction = [this] { ++m_lookups; };
        m_lookups = 0;
        m_opened.clear();
    }
    void cleanup() { m_window.reset(); }

    void savedFileLoadsBackTheSameSheet()
    {
        Session& s = m_window->session();
        typeRow(1, {3, 12, 17, 25, 33, 41, 48});
        typeRow(101, {1, 2, 3, 4, 5, 6, 49});
        s.ticketNumber = QStringLiteral("1234567");
        const TipSheet::Row row1 = s.sheet.cells[0];
        const QString path = m_home.filePath(QStringLiteral("mine.tlt"));
        m_window->prompts().nextAnswers = {path};
        click("SpeedButton15");
        QVERIFY(fileBytes(path).startsWith("3,12,17,25,33,41,48\r\n,,,,,,\r\n"));

        typeRow(1, {9, 9, 9, 9, 9, 9, 9});
        typeRow(8, {8, 8, 8, 8, 8, 8, 8});
        s.ticketNumber.clear();
        m_window->prompts().nextAnswers = {path};
        click("SpeedButton16");
        QCOMPARE(s.sheet.cells[0], row1);
        QCOMPARE(s.sheet.cells[1], TipSheet::Row{});
        QCOMPARE(s.sheet.cells[11], (TipSheet::Row{1, 2, 3, 4, 5, 6, 49}));
        QCOMPARE(s.ticketNumber, QStringLiteral("1234567"));
        QCOMPARE(m_window->control<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("3"));
        QCOMPARE(m_window->control<QLineEdit>(QStringLiteral("Edit8"))->text(), QString());
        QCOMPARE(m_lookups, 1);
    }

    void cancelledOrUnreadableLoadKeepsTheSheet()
    {
        Session& s = m_window->session();
        typeRow(8, {8, 9, 10, 11, 12, 13, 14});
        const TipSheet before = s.sheet;
        m_window->prompts().nextAnswers = {QString()};
        click("SpeedButton16");
        QCOMPARE(s.sheet, before);
        QCOMPARE(m_lookups, 1); // the evaluation runs in every case

        m_window->prompts().nextAnswers = {m_home.filePath(QStringLiteral("missing.tlt")), QString()};
        click("SpeedButton16");
        QCOMPARE(s.sheet.cells, before.cells);
        QCOMPARE(m_window->prompts().shown.size(), 1);
        QVERIFY(m_window->prompts().shown.first().contains(QStringLiteral("missing.tlt")));
    }

    void printoutIsWrittenAndOpened()
    {
        Session& s = m_window->session();
        s.current.date = 44358; // Friday 11.06.2021
        typeRow(1, {3, 12, 17, 25, 33, 41, 48});
        typeRow(29, {7, 8, 9, 10, 11, 12, 13});
        click("BitBtn7");
        const QString path = home() + QStringLiteral("Tipp.txt");
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        const QByteArray good = fileBytes(path);
        QVERIFY(good.endsWith("\r\n 1. Tipp:  3   12   17   25   33   41   48\r\n 5. Tipp:  7    8    9   10 "
                              "  11   12   13\r\n"));
        QVERIFY(good.contains(" 15.06.21\r\n")); // the next draw after Friday 11.06.21: a Tuesday
        QCOMPARE(m_window->statusText(),
                 QStringLiteral("Tipp gespeichert: ") + QDir::toNativeSeparators(path));

        // Where no program opens it, a message names the file.
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        m_window->prompts().nextAnswers = {QString()};
        click("BitBtn7");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFile");
        QCOMPARE(m_window->prompts().shown,
                 QStringList{
                     QStringLiteral("Der Tipp wurde gespeichert, aber kein Programm konnte ihn öffnen:\n") +
                     QDir::toNativeSeparators(path)});
        m_window->prompts().shown.clear();

        // A partly filled row stops the printout with a message; the earlier file stays.
        typeRow(15, {1, 2, 0, 4, 5, 6, 7});
        m_window->prompts().nextAnswers = {QString()};
        click("BitBtn7");
        QCOMPARE(m_window->prompts().shown.size(), 1);
        QVERIFY(m_window->prompts().shown.first().startsWith(QStringLiteral("Tipp 3 ")));
        QCOMPARE(fileBytes(path), good);
        QCOMPARE(m_opened.size(), 1);
    }
};

QTEST_MAIN(TestTipFilesView)
#include "TestTipFilesView.moc"

#include "../TestFiles.h"
#include "gui/LottoZahlen.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void frame();
    void rebuildDatabaseFromCsv();
    void windowActions();

private:
    QString home(const QTemporaryDir& dir) const { return dir.path() + QLatin1Char('/'); }
};

void TestMainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestMainWindow::frame()
{
    QTemporaryDir dir;
    LottoZahlen window(LottoZahlen::Options{home(dir), false});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Torvanes Numerant for Lotto Max Lotto 7 / 49"));

    auto* pages = window.control<QTabWidget>(QStringLiteral("PageControl1"));
    QVERIFY(pages);
    QStringList visible;
    for (int i = 0; i < pages->count(); ++i)
        if (pages->isTabVisible(i))
            visible << pages->widget(i)->objectName() + QLatin1Char(' ') + pages->tabText(i);
    QCOMPARE(visible, (QStringList{"TabSheet1 Lottotipp", "TabSheet6 Berechnung", "TabSheet5 Diagramm",
                                   "TabSheet4 Datenbank", "TabSheet3 Internet-Optionen"}));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    QVERIFY(window.control<QWidget>(QStringLiteral("TabSheet11")));
    QVERIFY(window.control<QWidget>(QStringLiteral("TabSheet12")));

    const std::pair<const char*, const char*> shortcuts[] = {
        {"Aktualisieren1", "Ctrl+A"}, {"Berechnen1", "Ctrl+R"}, {"Abgeben1", "Ctrl+G"}};
    for (const auto& [name, keys] : shortcuts) {
        auto* action = window.control<QAction>(QLatin1String(name));
        QVERIFY2(action, name);
        QCOMPARE(action->shortcut(), QKeySequence(QLatin1String(keys)));
    }
    QVERIFY(window.control<QAction>(QStringLiteral("Schlieen1")));
    QVERIFY(window.control<QAction>(QStringLiteral("Dokumentationanzeigen1")));
}

// Opens URLs for the test instead of the desktop.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

void TestMainWindow::windowActions()
{
    QTemporaryDir dir;
    LottoZahlen window(LottoZahlen::Options{home(dir), false});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // A control's hint shows in the status bar while the mouse is over it.
    auto* lookup = window.control<QWidget>(QStringLiteral("SpeedButton5"));
    QVERIFY(lookup);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(lookup, &enter);
    QCOMPARE(window.statusText(), lookup->toolTip());

    // Help opens the manual in the home folder.
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    window.control<QAction>(QStringLiteral("Dokumentationanzeigen1"))->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(recorder.opened, (QList<QUrl>{QUrl::fromLocalFile(home(dir) + QStringLiteral("Numerant.pdf"))}));

    // Growing the window's height scales the pages' fonts by the same factor; width alone does not.
    auto* pages = window.control<QTabWidget>(QStringLiteral("PageControl1"));
    const double before = pages->font().pointSizeF();
    window.resize(window.width() + 100, window.height());
    QCOMPARE(pages->font().pointSizeF(), before);
    window.resize(window.width(), window.height() * 2);
    QTRY_COMPARE(pages->font().pointSizeF(), before * 2);
}

void TestMainWindow::rebuildDatabaseFromCsv()
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("LOTTOMAX.csv"));
    const QString dat = dir.filePath(QStringLiteral("ZahlenMax.dat"));
    LottoZahlen window(LottoZahlen::Options{home(dir), false});
    window.show();
    window.showPage(QStringLiteral("TabSheet4"));
    auto* rebuild = window.control<QPushButton>(QStringLiteral("BitBtn2"));
    QVERIFY(rebuild);
    QCOMPARE(rebuild->text(), QStringLiteral("Datenbank neu anlegen"));

    writeFile(csv, "25.09.2009,5,12,19,23,34,38,44,7\n02.10.2009,8,27,28,29,31,32,35,11\n");
    const int shownBefore = int(window.prompts().shown.size());
    rebuild->click();
    QCOMPARE(window.statusText(), QStringLiteral("2 Ziehungen eingelesen"));
    QCOMPARE(int(window.prompts().shown.size()), shownBefore); // no box on success
    QCOMPARE(fileBytes(dat).size(), 2 * 32);

    const QByteArray before = fileBytes(dat);
    writeFile(csv, "25.09.2009,5,12,19,23,34,38,44,7\n\n02.10.2009,8,27,28,29,31,32,35,11\n");
    window.prompts().nextAnswers.push_back(QStringLiteral("ok"));
    rebuild->click();
    QVERIFY(window.prompts().nextAnswers.empty());
    QVERIFY(!window.prompts().shown.isEmpty());
    QVERIFY2(window.prompts().shown.last().contains(QStringLiteral("Zeile 2")),
             qPrintable(window.prompts().shown.last()));
    QCOMPARE(fileBytes(dat), before);
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"

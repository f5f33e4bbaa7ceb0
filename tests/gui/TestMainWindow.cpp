#include "../TestFiles.h"
#include "gui/LottoZahlen.h"
#include "gui/QtTranslations.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
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
    void qtTextsInTheInterfaceLanguage();
    void menuShortcutsWinInFields();

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
    // Installed, the program's files lie apart from the player's home folder.
    const QString programFiles = home(dir) + QStringLiteral("share/numerant/");
    LottoZahlen window(LottoZahlen::Options{home(dir), false, {}, programFiles});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // A control's hint shows in the status bar while the mouse is over it.
    auto* lookup = window.control<QWidget>(QStringLiteral("SpeedButton5"));
    QVERIFY(lookup);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(lookup, &enter);
    QCOMPARE(window.statusText(), lookup->toolTip());

    // Each row's edit button names its own row; a hint stands only while the mouse is over its control.
    window.setStatus(QStringLiteral("2 Ziehungen eingelesen"));
    for (int row : {1, 12}) {
        auto* edit = window.control<QWidget>(QStringLiteral("Tipp%1Edit").arg(row));
        QVERIFY(edit);
        QCoreApplication::sendEvent(edit, &enter);
        QCOMPARE(window.statusText(),
                 QStringLiteral("Klicken Sie hier um Tipp %1 mit dem Tippformular zu ändern oder per "
                                "Zufallsgenerator erzeugen wollen")
                     .arg(row));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(edit, &leave);
        QCOMPARE(window.statusText(), QStringLiteral("2 Ziehungen eingelesen"));
    }

    // Help opens the manual among the program's files, not in the home folder.
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    window.control<QAction>(QStringLiteral("Dokumentationanzeigen1"))->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(recorder.opened, (QList<QUrl>{QUrl::fromLocalFile(programFiles + QStringLiteral("Numerant.pdf"))}));

    // Growing the window's height scales the pages' fonts by the same factor; width alone does not.
    auto* pages = window.control<QTabWidget>(QStringLiteral("PageControl1"));
    const double before = pages->font().pointSizeF();
    window.resize(window.width() + 100, window.height());
    QCOMPARE(pages->font().pointSizeF(), before);
    // The widths scale with the fonts, so the room around a cell's number and a cross sum stays.
    auto* cell = window.control<QLineEdit>(QStringLiteral("Edit1"));
    auto* crossSum = window.control<QLabel>(QStringLiteral("Label36"));
    QVERIFY(cell && crossSum);
    const auto room = [&] {
        return std::pair{cell->width() - cell->fontMetrics().horizontalAdvance(QStringLiteral("33")),
                         crossSum->width() -
                             crossSum->fontMetrics().horizontalAdvance(QStringLiteral("179"))};
    };
    const auto designed = room();
    QVERIFY(designed.first > 0 && designed.second >= 0);
    const int height = window.height();
    window.resize(window.width(), height * 2);
    QTRY_COMPARE(pages->font().pointSizeF(), before * 2);
    QTRY_VERIFY(cell->width() >= 2 * 28 - 1);
    QVERIFY2(room().first >= designed.first && room().second >= designed.second,
             qPrintable(QStringLiteral("%1 %2").arg(room().first).arg(room().second)));
    // And back: the designed widths return, nothing drifts.
    window.resize(window.width(), height);
    QTRY_COMPARE(pages->font().pointSizeF(), before);
    QCOMPARE(cell->width(), 28);
    QCOMPARE(room(), designed);
}

// The menu's shortcuts win over a field's own use of the keys (Ctrl+A selects all in a text field).
void TestMainWindow::menuShortcutsWinInFields()
{
    QTemporaryDir dir;
    LottoZahlen window(LottoZahlen::Options{home(dir), false});
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* update = window.control<QAction>(QStringLiteral("Aktualisieren1"));
    QObject::disconnect(update, &QAction::triggered, nullptr, nullptr);
    QSignalSpy triggered(update, &QAction::triggered);

    auto* cell = window.control<QLineEdit>(QStringLiteral("Edit1"));
    auto* spin = window.control<QSpinBox>(QStringLiteral("UpDown8"));
    QVERIFY(cell && spin);
    cell->setText(QStringLiteral("12"));
    const std::pair<QWidget*, QLineEdit*> fields[] = {{cell, cell}, {spin, spin->findChild<QLineEdit*>()}};
    for (const auto& [field, text] : fields) {
        field->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(field->hasFocus());
        text->deselect();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QVERIFY2(!text->hasSelectedText(), qPrintable(field->objectName()));
    }
    QCOMPARE(triggered.count(), 2);
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

void TestMainWindow::qtTextsInTheInterfaceLanguage()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
        QSKIP("Qt's translations are not installed (scripts/setup-debian installs them)");
    const auto buttonTexts = [] {
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
        return QStringList{box.button(QDialogButtonBox::Yes)->text(),
                           box.button(QDialogButtonBox::No)->text(),
                           box.button(QDialogButtonBox::Cancel)->text()};
    };
    const QStringList english = buttonTexts();

    // Start-up loads them for the stored language; German is the default.
    QTemporaryDir dir;
    LottoZahlen window(LottoZahlen::Options{home(dir), false});
    window.lookupAction = {};
    window.frequencyAction = {};
    window.show();
    window.startUp();
    QCOMPARE(buttonTexts(), (QStringList{"&Ja", "&Nein", "Abbrechen"}));

    // A later switch replaces them, also for the languages whose file codes are not ISO codes.
    QVERIFY(QtTranslations::load(QStringLiteral("sp")));
    QCOMPARE(buttonTexts().at(1), QStringLiteral("&No"));
    QVERIFY(QtTranslations::load(QStringLiteral("cz")));
    QCOMPARE(buttonTexts().at(1), QStringLiteral("&Ne"));
    QVERIFY(QtTranslations::load(QStringLiteral("en")));
    QCOMPARE(buttonTexts(), english);
    QCOMPARE(QtTranslations::codeOf(8), QStringLiteral("pl"));
    QCOMPARE(QtTranslations::codeOf(9), QStringLiteral("de"));
    QVERIFY(QtTranslations::load(QStringLiteral("de")));
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"

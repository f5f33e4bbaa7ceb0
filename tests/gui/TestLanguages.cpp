#include "../TestFiles.h"
#include "gui/LoEingab.h"
#include "gui/LottoZahlen.h"
#include "language/LanguageFiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace LanguageFiles;

namespace {

const QString Shipped = QStringLiteral(TEST_DATA_DIR "/../../land/");
const char* const Codes[] = {"de", "en", "fr", "sp", "tr", "ru", "nl", "cz", "pl"};

// Every caption and hint of every view, to see what a language changed.
QStringList allTexts(LottoZahlen& window)
{
    QStringList texts;
    for (QWidget* view : QList<QWidget*>{&window, window.findChild<QWidget*>("Form6"),
                                         window.findChild<QWidget*>("MailerForm")}) {
        for (const auto& item : LanguageView::itemsOf(view))
            texts << item.object->objectName() + QLatin1Char('|') + LanguageView::caption(item) +
                         QLatin1Char('|') + LanguageView::hint(item);
    }
    return texts;
}

QStringList choices(LottoZahlen& window, const char* group)
{
    QStringList texts;
    for (auto* radio : window.findChild<QGroupBox*>(QLatin1String(group))->findChildren<QRadioButton*>())
        texts << radio->text();
    return texts;
}

QString tab(LottoZahlen& window, int index)
{
    return window.findChild<QTabWidget*>("PageControl1")->tabText(index);
}

QStringList checkedLanguages(LottoZahlen& window)
{
    QStringList names;
    for (int n = 0; n < LanguageCount; ++n) {
        if (window.findChild<QAction*>(QLatin1String(byNumber(n)->action))->isChecked())
            names << QLatin1String(byNumber(n)->action);
    }
    return names;
}

void copyShipped(const QString& home)
{
    QDir().mkpath(home + QLatin1String(Folder));
    for (const QString& name : QDir(Shipped).entryList(QDir::Files))
        QFile::copy(Shipped + name, home + QLatin1String(Folder) + QLatin1Char('/') + name);
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A control added to a view must reach the shipped caption file, or it would never be translated.
    void theShippedCaptionFileIsTheExportOfTheViews()
    {
        QTemporaryDir dir;
        LottoZahlen window(LottoZahlen::Options{dir.path() + QLatin1Char('/'), false});
        const LanguageView::Export texts = window.exportLanguageTexts();
        if (qEnvironmentVariableIsSet("NUMERANT_WRITE_CAPTION_FILE")) {
            writeFile(Shipped + QLatin1String(CaptionFile), encodeWindows1252(texts.captionLines));
            writeFile(Shipped + QLatin1String(CaptionFile) + QStringLiteral(".trans"),
                      encodeUtf16Le(texts.templateLines));
        }
        const QStringList shipped = decodeLines(fileBytes(Shipped + QLatin1String(CaptionFile)));
        QCOMPARE(texts.captionLines, shipped);
        QCOMPARE(fileBytes(Shipped + QLatin1String(CaptionFile)), encodeWindows1252(texts.captionLines));
        QCOMPARE(decodeLines(fileBytes(Shipped + QLatin1String(CaptionFile) + QStringLiteral(".trans"))),
                 texts.templateLines);
    }

    // A text on a control without a name can have no record, so no language would reach it.
    void everyWordingHasAName()
    {
        QTemporaryDir dir;
        LottoZahlen window(LottoZahlen::Options{dir.path() + QLatin1Char('/'), false});
        const QLocale german(QLocale::German, QLocale::Germany);
        QStringList nameless;
        for (QWidget* w : window.findChildren<QWidget*>()) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(w))
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                text = button->text();
            else if (auto* box = qobject_cast<QGroupBox*>(w))
                text = box->title();
            if (!w->objectName().isEmpty() || text.isEmpty() || LanguageFiles::isNumber(text, german))
                continue;
            // Qt translates the standard buttons of a button box itself.
            if (qobject_cast<QDialogButtonBox*>(w->parentWidget()))
                continue;
            // Items of these choice groups come from the choice files.
            if (qobject_cast<QRadioButton*>(w) &&
                w->parentWidget()->objectName().contains(QRegularExpression(QStringLiteral("^RadioGroup[1-4]$"))))
                continue;
            nameless << w->window()->objectName() + QLatin1Char('/') + text;
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1Char('\n'))));
    }

    void everyLanguageFileHasTheLinesOfItsGermanOriginal()
    {
        const qsizetype records = decodeLines(fileBytes(Shipped + QLatin1String(CaptionFile))).size() / 5;
        QVERIFY(records > 100);
        for (const char* code : Codes) {
            const QString suffix = QLatin1String(code);
            if (suffix != QLatin1String("de")) {
                const QByteArray bytes = fileBytes(Shipped + QLatin1String(CaptionFile) + QLatin1Char('.') + suffix);
                QVERIFY2(bytes.startsWith("\xEF\xBB\xBF"), code);
                QCOMPARE(decodeLines(bytes).size(), 2 * records);
            }
            for (const char* stem : ChoiceStems) {
                QCOMPARE(decodeLines(fileBytes(Shipped + QLatin1String(stem) + suffix)).size(),
                         decodeLines(fileBytes(Shipped + QLatin1String(stem) + QStringLiteral("de"))).size());
            }
            QCOMPARE(decodeLines(fileBytes(Shipped + QLatin1String(MessageStem) + suffix)).size(), 56);
        }
        QCOMPARE(decodeLines(fileBytes(Shipped + QStringLiteral("meldungen.txt.de"))), MessageTable::defaults());
    }

    void switchingToALanguageAndBackRestoresEveryText()
    {
        QTemporaryDir dir;
        const QString home = dir.path() + QLatin1Char('/');
        copyShipped(home);
        LottoZahlen window(LottoZahlen::Options{home, false});
        window.refresh(); // labels that compose a value show it as after any action
        const QStringList german = allTexts(window);
        const QStringList radio2 = choices(window, "RadioGroup2");

        for (int number = 1; number < LanguageCount; ++number) {
            window.chooseLanguage(number);
            QCOMPARE(checkedLanguages(window), QStringList{QLatin1String(byNumber(number)->action)});
            QCOMPARE(window.session().language, number);
            QVERIFY(tab(window, 1) != QStringLiteral("Berechnung"));
            QVERIFY(choices(window, "RadioGroup2") != radio2);
            QCOMPARE(choices(window, "RadioGroup3"), choices(window, "RadioGroup4"));
            QVERIFY(window.session().messages.text(Msg::TipsGenerated) != QStringLiteral("Tipps wurden neu berechnet"));
        }
        window.chooseLanguage(1);
        QCOMPARE(tab(window, 0), QStringLiteral("Lotto lines"));

        window.chooseLanguage(0);
        QCOMPARE(allTexts(window), german);
        QCOMPARE(choices(window, "RadioGroup2"), radio2);
        QCOMPARE(window.session().messages.text(Msg::TipsGenerated), QStringLiteral("Tipps wurden neu berechnet"));
    }

    void aNumberOfNoLanguageLoadsNothing()
    {
        QTemporaryDir dir;
        const QString home = dir.path() + QLatin1Char('/');
        copyShipped(home);
        LottoZahlen window(LottoZahlen::Options{home, false});
        const QStringList german = allTexts(window);
        window.session().language = 9;
        window.loadLanguage();
        QCOMPARE(allTexts(window), german);
        QCOMPARE(checkedLanguages(window), QStringList());
        QCOMPARE(window.session().language, 9);
    }

    void aLanguageWithoutFilesFallsBackToTheCaptionFile()
    {
        QTemporaryDir dir;
        const QString home = dir.path() + QLatin1Char('/');
        QDir().mkpath(home + QStringLiteral("land"));
        const QStringList base{"Form1", "TabSheet1", "Tippschein", "Hinweis", "204",
                               "Form1", "TabSheet6", "Rechnen", "", "0"};
        writeFile(home + QStringLiteral("land/bezeich.txt"), encodeWindows1252(base));
        writeFile(home + QStringLiteral("land/bezeich.txt.en"), encodeUtf8({"Tip sheet", "Hint", "Calc", ""}));
        // Two lines only: the selected third item is clamped to the second.
        writeFile(home + QStringLiteral("land/Radio2.txt.en"), encodeUtf8({"at random", "never drawn"}));
        LottoZahlen window(LottoZahlen::Options{home, false});
        auto* page = window.findChild<QWidget*>("TabSheet1");
        window.findChild<QGroupBox*>("RadioGroup2")->findChildren<QRadioButton*>().at(2)->setChecked(true);

        window.chooseLanguage(1);
        QCOMPARE(tab(window, 0), QStringLiteral("Tip sheet"));
        QCOMPARE(page->property("characterSet"), QVariant()); // translations never set it
        QCOMPARE(choices(window, "RadioGroup2"), (QStringList{"at random", "never drawn"}));
        QVERIFY(window.findChild<QGroupBox*>("RadioGroup2")->findChildren<QRadioButton*>().at(1)->isChecked());

        window.chooseLanguage(4); // Turkish: no files of its own
        QCOMPARE(tab(window, 0), QStringLiteral("Tippschein"));
        QCOMPARE(tab(window, 1), QStringLiteral("Rechnen"));
        QCOMPARE(page->toolTip(), QStringLiteral("Hinweis"));
        QCOMPARE(page->property("characterSet").toInt(), 204);
        QCOMPARE(choices(window, "RadioGroup2"), (QStringList{"at random", "never drawn"}));
    }

    void aDialogMadeLaterSpeaksTheChosenLanguage()
    {
        QTemporaryDir dir;
        const QString home = dir.path() + QLatin1Char('/');
        copyShipped(home);
        LottoZahlen window(LottoZahlen::Options{home, false});
        window.chooseLanguage(1);
        LoEingab entry([](const QDate&) { return Game::classic(); }, &window);
        const QString german = entry.windowTitle();
        window.languages().adopt(&entry);
        QVERIFY(entry.windowTitle() != german);
        QVERIFY(entry.findChild<QLabel*>("Label1")->text() != QStringLiteral("Datum"));
        QVERIFY(!entry.findChild<QLabel*>("Label1")->text().isEmpty());
    }
};

QTEST_MAIN(TestLanguages)
#include "TestLanguages.moc"

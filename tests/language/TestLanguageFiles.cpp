#include "language/LanguageFiles.h"

#include <QTest>

using namespace LanguageFiles;

namespace {

// A caption file of records "view, item, caption, hint, character set".
QStringList records(const QList<QStringList>& items)
{
    QStringList lines;
    for (const QStringList& item : items)
        lines += item;
    return lines;
}

QStringList record(const QString& item, const QString& caption = QStringLiteral("Text"),
                   const QString& characterSet = QStringLiteral("0"))
{
    return {QStringLiteral("Form1"), item, caption, QStringLiteral("Hinweis ") + item, characterSet};
}

} // namespace

class TestLanguageFiles : public QObject
{
    Q_OBJECT

private slots:
    void theSearchLooksElevenRecordsAhead_data()
    {
        QTest::addColumn<int>("skipped");
        QTest::addColumn<bool>("found");
        QTest::addRow("nine passed over") << 9 << true;
        QTest::addRow("ten passed over") << 10 << false;
    }
    void theSearchLooksElevenRecordsAhead()
    {
        QFETCH(int, skipped);
        QFETCH(bool, found);
        QList<QStringList> items{record(QStringLiteral("Label1"))};
        for (int i = 0; i < skipped; ++i)
            items << record(QStringLiteral("Tagged%1").arg(i));
        items << record(QStringLiteral("Label2"), QStringLiteral("Zweites")) << record(QStringLiteral("Label3"));
        CaptionRecords search(records(items));

        QVERIFY(search.find(QStringLiteral("Form1"), QStringLiteral("Label1")));
        QCOMPARE(search.find(QStringLiteral("Form1"), QStringLiteral("Label2")).has_value(), found);
        QCOMPARE(search.position(), found ? skipped + 1 : 0);
        // A miss leaves the position, so the record after it is out of reach as well.
        QCOMPARE(search.find(QStringLiteral("Form1"), QStringLiteral("Label3")).has_value(), found);
    }

    void theFirstOfTwoRecordsWins()
    {
        CaptionRecords search(records({record(QStringLiteral("Label1")), record(QStringLiteral("Label2"), "erster"),
                                       record(QStringLiteral("Label2"), "zweiter")}));
        search.find(QStringLiteral("Form1"), QStringLiteral("Label1"));
        QCOMPARE(search.find(QStringLiteral("Form1"), QStringLiteral("Label2"))->caption, QStringLiteral("erster"));
        QCOMPARE(search.position(), 1);
        // Names are compared trimmed, captions taken with their blanks.
        CaptionRecords padded({QStringLiteral(" Form1 "), QStringLiteral("Label1  "), QStringLiteral(" Mit Rand "),
                               QString(), QStringLiteral("204")});
        QCOMPARE(*padded.find(QStringLiteral("Form1"), QStringLiteral("Label1")),
                 (Texts{QStringLiteral(" Mit Rand "), QString(), 204}));
    }

    void characterSetsComeOnlyFromTheCaptionFile()
    {
        const QStringList base = records({record(QStringLiteral("Label1"), "Eins", "204"),
                                          record(QStringLiteral("Label2"), "Zwei", "kyrillisch"),
                                          record(QStringLiteral("Label3"), "Drei", "0")});
        CaptionRecords german(base);
        QCOMPARE(german.find("Form1", "Label1")->characterSet, std::optional(204));
        QCOMPARE(german.find("Form1", "Label2")->characterSet, std::nullopt); // not a number: kept
        QVERIFY(!german.translating());

        // Translation mode: two lines a record; a short list gives empty texts, never a character set.
        CaptionRecords english(base, QStringList{"One", "Hint one", "Two"});
        QCOMPARE(*english.find("Form1", "Label1"), (Texts{"One", "Hint one", std::nullopt}));
        QCOMPARE(*english.find("Form1", "Label2"), (Texts{"Two", QString(), std::nullopt}));
        QCOMPARE(*english.find("Form1", "Label3"), (Texts{QString(), QString(), std::nullopt}));
    }

    void aLaterViewIsFoundFromItsFirstRecord()
    {
        QStringList base = records({record("Label1")});
        for (int i = 0; i < 20; ++i)
            base += record(QStringLiteral("Edit%1").arg(i));
        base += QStringList{"Form3", "Label1", "Datum", "", "1"};
        CaptionRecords search(base);
        QVERIFY(!search.find("Form3", "Label1"));
        QVERIFY(search.seekView("Form3"));
        QCOMPARE(search.find("Form3", "Label1")->caption, QStringLiteral("Datum"));
        QVERIFY(!search.seekView("Form9"));
    }

    void exportWritesWordingNotValues_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QStringList>("lines"); // empty: not exported
        const QStringList none;
        auto lines = [](const char* caption, const char* hint, const char* set) {
            return QStringList{"Form1", "X1", QString::fromUtf8(caption), QString::fromUtf8(hint), set};
        };
        // clang-format off
        QTest::addRow("label 0")                 << int(ItemKind::Label) << "0" << "" << true << none;
        QTest::addRow("label 12,5")              << int(ItemKind::Label) << "12,5" << "" << true << none;
        QTest::addRow("label 12 with a hint")    << int(ItemKind::Label) << "12" << "Anzahl" << true << none;
        QTest::addRow("empty label")             << int(ItemKind::Label) << "" << "" << true << none;
        QTest::addRow("label with wording")      << int(ItemKind::Label) << "Bonus" << "" << true << lines("Bonus", "", "1");
        QTest::addRow("check box 7")             << int(ItemKind::CheckBox) << "7" << "" << true << none;
        QTest::addRow("button 12")               << int(ItemKind::Button) << "12" << "" << true << lines("12", "", "1");
        QTest::addRow("empty button")            << int(ItemKind::SpeedButton) << "" << "" << true << none;
        QTest::addRow("empty page")              << int(ItemKind::Page) << "" << "" << true << lines("", "", "1");
        QTest::addRow("edit with hint 3")        << int(ItemKind::Edit) << "" << "3" << true << none;
        QTest::addRow("edit with hint Anzahl")   << int(ItemKind::Edit) << "42" << "Anzahl" << true << lines("Anzahl", "Anzahl", "1");
        QTest::addRow("visible menu entry")      << int(ItemKind::MenuEntry) << "&Hilfe" << "" << true << lines("&Hilfe", "", "1");
        QTest::addRow("two-line caption")        << int(ItemKind::Label) << "N\nU" << "a\r\nb" << true << lines("N U", "a b", "1");
        QTest::addRow("hidden menu entry")       << int(ItemKind::MenuEntry) << "Export" << "" << false << none;
        // clang-format on
    }
    void exportWritesWordingNotValues()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(bool, visible);
        QFETCH(QStringList, lines);
        const ExportItem item{ItemKind(kind), "Form1", "X1", caption, hint, 1, visible};
        const auto written = exportRecord(item, QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(written.value_or(QStringList()), lines);
    }

    void filesAreReadInTheEncodingTheirMarkNames()
    {
        const QStringList lines{QStringLiteral("Größe €"), QStringLiteral("Выбор"), QString()};
        QCOMPARE(decodeLines(encodeUtf8(lines)), lines);
        QCOMPARE(decodeLines(encodeUtf16Le(lines)), lines);
        QByteArray bigEndian("\xFE\xFF", 2);
        for (const QChar c : QStringLiteral("Выбор\r\nZwei\r\n"))
            bigEndian += char(c.unicode() >> 8), bigEndian += char(c.unicode() & 0xFF);
        QCOMPARE(decodeLines(bigEndian), (QStringList{"Выбор", "Zwei"}));

        // No mark: Windows-1252, which is also how the caption file is written.
        QCOMPARE(decodeLines(QByteArray("Gr\xF6\xDF" "e \x80\r\n\x84Zitat\x93\nletzte")),
                 (QStringList{QStringLiteral("Größe €"), QStringLiteral("„Zitat“"), "letzte"}));
        QCOMPARE(encodeWindows1252({QStringLiteral("Größe €"), QStringLiteral("Выбор")}),
                 QByteArray("Gr\xF6\xDF" "e \x80\r\n?????\r\n"));
        QCOMPARE(encodeUtf16Le({"A"}), QByteArray("\xFF\xFE" "A\0\r\0\n\0", 8));
    }
};

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "TestLanguageFiles.moc"

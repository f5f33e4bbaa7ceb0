#include "../TestFiles.h"
#include "gui/LottoZahlen.h"
#include "tipfiles/TipCsv.h"

#include <QAction>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// Reads the CSV back as a spreadsheet would: the header, then "row,n1,...,n7" per line.
struct ReadBack
{
    QStringList header;
    std::map<int, TipSheet::Row> rows;
    bool wellFormed = true;
};

ReadBack readBack(const QByteArray& bytes)
{
    ReadBack result;
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || !lines.takeLast().isEmpty())
        result.wellFormed = false; // the last line ends like every other
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].endsWith('\r'))
            result.wellFormed = false;
        const QStringList fields = QString::fromLatin1(lines[i].chopped(1)).split(QLatin1Char(','));
        if (fields.size() != 1 + TipSheet::Cells)
            result.wellFormed = false;
        if (i == 0) {
            result.header = fields;
            continue;
        }
        TipSheet::Row row{};
        for (int c = 0; c < TipSheet::Cells && c + 1 < fields.size(); ++c)
            row[std::size_t(c)] = fields[c + 1].toInt();
        result.rows[fields[0].toInt()] = row;
    }
    return result;
}

TipSheet sampleSheet()
{
    TipSheet sheet;
    sheet.cells[0] = {3, 12, 17, 25, 33, 41, 48};
    sheet.cells[2] = {5, 0, 9, 0, 0, 0, 50}; // half typed: the gaps stay where they are
    sheet.cells[11] = {52, 1, 7, 44, 2, 30, 19}; // not sorted: as it stands on the sheet
    sheet.locked[2] = true;
    return sheet;
}

} // namespace

// The tip sheet as CSV: its layout, the round trip, the command line and the window's menu entry.
class TestTipCsv : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    QTemporaryDir m_home;

    CliResult run(const QStringList& args) { return runCliIn(m_home.path(), m_config.path(), args); }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit()); }

    void layoutAndRoundTrip()
    {
        const TipSheet sheet = sampleSheet();
        const QByteArray bytes = TipCsv::encode(sheet);
        QCOMPARE(bytes, QByteArray("Tipp,Zahl1,Zahl2,Zahl3,Zahl4,Zahl5,Zahl6,Zahl7\r\n"
                                   "1,3,12,17,25,33,41,48\r\n"
                                   "3,5,,9,,,,50\r\n"
                                   "12,52,1,7,44,2,30,19\r\n"));

        const ReadBack back = readBack(bytes);
        QVERIFY(back.wellFormed);
        QCOMPARE(back.rows.size(), size_t(3)); // the nine empty rows are left out
        for (int r = 0; r < TipSheet::Rows; ++r)
            QCOMPARE(back.rows.count(r + 1) ? back.rows.at(r + 1) : TipSheet::Row{}, sheet.cells[std::size_t(r)]);

        // An empty sheet gives the header alone.
        QCOMPARE(TipCsv::encode(TipSheet{}), QByteArray("Tipp,Zahl1,Zahl2,Zahl3,Zahl4,Zahl5,Zahl6,Zahl7\r\n"));
    }

    void commandLineWritesTheTipsOfATipFile()
    {
        writeFile(m_home.filePath(QStringLiteral("t.tlt")),
                  "3,12,17,25,33,41,48\r\n,,,,,,\r\n1,2,3,4,5,6,7\r\n,,,,,,\r\n,,,,,,\r\n,,,,,,\r\n"
                  ",,,,,,\r\n,,,,,,\r\n,,,,,,\r\n,,,,,,\r\n,,,,,,\r\n40,41,42,43,44,45,46\r\n123\r\n");
        // A relative name is taken from the current folder.
        CliResult r = run({QStringLiteral("export-tips"), QStringLiteral("--tip-file"), QStringLiteral("t.tlt"),
                        QStringLiteral("out.csv")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("out.csv\n"));
        const ReadBack back = readBack(fileBytes(m_home.filePath(QStringLiteral("out.csv"))));
        QVERIFY(back.wellFormed);
        QCOMPARE(back.rows.size(), size_t(3));
        QCOMPARE(back.rows.at(1), (TipSheet::Row{3, 12, 17, 25, 33, 41, 48}));
        QCOMPARE(back.rows.at(3), (TipSheet::Row{1, 2, 3, 4, 5, 6, 7}));
        // To a pipe or device as well.
        r = run({QStringLiteral("export-tips"), QStringLiteral("--tip-file"), QStringLiteral("t.tlt"),
                 QStringLiteral("/dev/stdout")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.startsWith("Tipp,Zahl1,Zahl2,Zahl3,Zahl4,Zahl5,Zahl6,Zahl7\r\n1,3,12,17,25,33,41,48\r\n"));
        QCOMPARE(back.rows.at(12), (TipSheet::Row{40, 41, 42, 43, 44, 45, 46}));

        // --tip rows fill the sheet from row 1.
        r = run({QStringLiteral("export-tips"), QStringLiteral("--tip"), QStringLiteral("9,8,7,6,5,4,3"),
                 m_home.filePath(QStringLiteral("tip.csv"))});
        QCOMPARE(r.code, 0);
        QVERIFY(fileBytes(m_home.filePath(QStringLiteral("tip.csv"))).endsWith("\r\n1,9,8,7,6,5,4,3\r\n"));
    }

    void commandLineErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("named"); // in the message
        const QString missingFolder = m_home.filePath(QStringLiteral("no/such/folder/x.csv"));
        QTest::addRow("no file name") << QStringList{} << 2 << QStringLiteral("CSV");
        QTest::addRow("two file names") << QStringList{QStringLiteral("a.csv"), QStringLiteral("b.csv")} << 2
                                        << QStringLiteral("b.csv");
        QTest::addRow("missing folder") << QStringList{missingFolder} << 1 << missingFolder;
        QTest::addRow("a folder") << QStringList{m_home.path()} << 1 << m_home.path();
        // A device is written, not replaced by a regular file (which root could do in /dev).
        QTest::addRow("full disk") << QStringList{QStringLiteral("/dev/full")} << 1 << QStringLiteral("/dev/full");
        QTest::addRow("missing tip file")
            << QStringList{QStringLiteral("--tip-file"), QStringLiteral("none.tlt"), QStringLiteral("c.csv")} << 1
            << QStringLiteral("none.tlt");
    }
    void commandLineErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, named);
        const CliResult r = run(QStringList{QStringLiteral("export-tips")} + args);
        QCOMPARE(r.code, code);
        QVERIFY2(QString::fromUtf8(r.err).contains(named), r.err.constData());
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(m_home.filePath(QStringLiteral("c.csv"))));
        QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
    }

    void windowMenuEntry()
    {
        LottoZahlen window(LottoZahlen::Options{m_home.path() + QLatin1Char('/'), false});
        window.session().sheet = sampleSheet();
        auto* action = window.findChild<QAction*>(QStringLiteral("TippsalsCSVspeichern1"));
        QVERIFY(action);

        const QString path = m_home.filePath(QStringLiteral("window.csv"));
        window.prompts().nextAnswers = {path};
        action->trigger();
        QCOMPARE(fileBytes(path), TipCsv::encode(sampleSheet()));
        QVERIFY(window.statusText().contains(path));
        QVERIFY(window.prompts().shown.isEmpty());

        // A file that cannot be written: the message names it and the reason; the status stays.
        const QString bad = m_home.filePath(QStringLiteral("missing/window.csv"));
        window.prompts().nextAnswers = {bad, QStringLiteral("ok")};
        action->trigger();
        QCOMPARE(window.prompts().shown.size(), 1);
        QVERIFY(window.prompts().shown[0].contains(bad));
        QVERIFY(window.prompts().shown[0].contains(QStringLiteral("kann nicht geschrieben werden: ")));
        QVERIFY(window.statusText().contains(path));

        // Cancelled: nothing written, nothing said.
        window.prompts().nextAnswers = {QString()};
        action->trigger();
        QCOMPARE(window.prompts().shown.size(), 1);
    }
};

QTEST_MAIN(TestTipCsv)
#include "TestTipCsv.moc"

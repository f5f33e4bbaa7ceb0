#include "draws/Error.h"
#include "tipfiles/TipFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Row = TipSheet::Row;

class TestTipFile : public QObject
{
    Q_OBJECT

private slots:
    void proposedName_data()
    {
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<QString>("expected");
        // today is Sunday 20.06.2021 in every row
        QTest::newRow("Saturday: +4") << QDate(2021, 6, 12) << "20210616.tlt";
        QTest::newRow("Friday: today") << QDate(2021, 6, 11) << "20210620.tlt";
        QTest::newRow("Sunday: +3") << QDate(2021, 6, 13) << "20210616.tlt";
        QTest::newRow("Wednesday: +3") << QDate(2021, 6, 16) << "20210619.tlt";
        QTest::newRow("Monday: today") << QDate(2021, 6, 14) << "20210620.tlt";
    }
    void proposedName()
    {
        QFETCH(QDate, selected);
        QFETCH(QString, expected);
        QCOMPARE(TipFile::proposedName(selected, QDate(2021, 6, 20)), expected);
    }

    void savedSheetLoadsBackTheSame()
    {
        TipSheet sheet;
        sheet.cells[0] = {3, 12, 17, 25, 33, 41, 48};
        sheet.cells[1] = {1, 2, 3, 4, 5, 6, 7};
        const QByteArray expected = "3,12,17,25,33,41,48\r\n1,2,3,4,5,6,7\r\n" +
                                    QByteArray(",,,,,,\r\n").repeated(10) + "1234567\r\n";
        QCOMPARE(TipFile::encode(sheet, QStringLiteral("1234567")), expected);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("20210616.tlt"));
        TipFile::write(path, sheet, QStringLiteral("1234567"));
        TipSheet loaded;
        loaded.cells[5] = {9, 9, 9, 9,
                           9, 9, 9}; // an unlocked row the caller did not clear is overwritten too
        QString ticketNumber = QStringLiteral("old");
        TipFile::apply(TipFile::read(path), loaded, ticketNumber, Game::classic());
        QCOMPARE(loaded.cells, sheet.cells);
        QCOMPARE(ticketNumber, QStringLiteral("1234567"));

        // An empty ticket number is a line of its own and loads as empty.
        TipFile::apply(TipFile::encode(sheet, QString()), loaded, ticketNumber, Game::classic());
        QCOMPARE(ticketNumber, QString());
    }

    void lineSplitting_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<Row>("expected");
        QTest::newRow("colon ends row 3") << 2 << QByteArray("1,2,3,4,5,6,7:9") << Row{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("colon kept in row 1")
            << 0 << QByteArray("1,2,3,4,5,6,7:9") << Row{1, 2, 3, 4, 5, 6, 0};
        QTest::newRow("too few commas") << 0 << QByteArray("1,2,3") << Row{1, 2, 0, 0, 0, 0, 3};
        QTest::newRow("cell rule") << 3 << QByteArray("07,50,x, 5,0,-3,49") << Row{7, 0, 0, 5, 0, 0, 49};
        QTest::newRow("extra commas") << 4 << QByteArray("1,2,3,4,5,6,7,8") << Row{1, 2, 3, 4, 5, 6, 0};
        QTest::newRow("LF only") << 0 << QByteArray("1,2,3,4,5,6,7") << Row{1, 2, 3, 4, 5, 6, 7};
    }
    void lineSplitting()
    {
        QFETCH(int, row);
        QFETCH(QByteArray, line);
        QFETCH(Row, expected);
        QByteArray bytes;
        for (int r = 0; r <= row; ++r)
            bytes += (r == row ? line : QByteArray("1,2,3,4,5,6,7")) +
                     (QTest::currentDataTag() == QByteArray("LF only") ? "\n" : "\r\n");
        TipSheet sheet;
        QString ticketNumber;
        TipFile::apply(bytes, sheet, ticketNumber, Game::classic());
        QCOMPARE(sheet.cells[row], expected);
    }

    void shortFileKeepsTheRestAndTheTicketNumber()
    {
        TipSheet sheet;
        sheet.cells[1] = {9, 9, 9, 9, 9, 9, 9};
        sheet.locked[1] = true;
        sheet.cells[7] = {8, 9, 10, 11, 12, 13, 14};
        sheet.locked[7] = true;
        sheet.hitText[7] = QStringLiteral("3");
        QString ticketNumber = QStringLiteral("7654321");
        TipFile::apply(
            "1,2,3,4,5,6,7\r\n8,9,10,11,12,13,14\r\n,,,,,,\r\n15,16,17,18,19,20,21\r\n22,23,24,25,26,27,28",
            sheet, ticketNumber, Game::classic());
        QCOMPARE(sheet.cells[0], (Row{1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(sheet.cells[1], (Row{8, 9, 10, 11, 12, 13, 14})); // a locked row is overwritten
        QCOMPARE(sheet.cells[2], Row{});
        QCOMPARE(sheet.cells[4], (Row{22, 23, 24, 25, 26, 27, 28}));
        QCOMPARE(sheet.cells[7], (Row{8, 9, 10, 11, 12, 13, 14})); // no line: untouched
        QCOMPARE(sheet.hitText[7], QStringLiteral("3"));
        QCOMPARE(sheet.cells[11], Row{});
        QCOMPARE(ticketNumber, QStringLiteral("7654321"));
    }

    void rowWithANumberTwiceRefusesTheFile_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("complete row") << QByteArray("5,5,5,5,5,5,10");
        QTest::newRow("row being typed") << QByteArray("5,,,,,,5");
        QTest::newRow("equal after the cell rule") << QByteArray("07,7,1,2,3,4,5");
    }
    void rowWithANumberTwiceRefusesTheFile()
    {
        QFETCH(QByteArray, line);
        TipSheet sheet;
        sheet.cells[0] = {9, 10, 11, 12, 13, 14, 15};
        const TipSheet before = sheet;
        QString ticketNumber = QStringLiteral("1234567");
        try {
            TipFile::apply("1,2,3,4,5,6,7\r\n\r\n" + line + "\r\n", sheet, ticketNumber, Game::classic());
            QFAIL("a row with a number twice was loaded");
        } catch (const FileError& e) {
            QVERIFY2(e.message.startsWith(QStringLiteral("Tipp 3 ")), qPrintable(e.message));
            QVERIFY2(e.message.contains(QString::fromLatin1(line)), qPrintable(e.message));
        }
        QCOMPARE(sheet, before);
        QCOMPARE(ticketNumber, QStringLiteral("1234567"));
    }

    void unreadableFileIsAnError()
    {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(FileError, TipFile::read(dir.filePath(QStringLiteral("missing.tlt"))));
        QVERIFY_THROWS_EXCEPTION(FileError, TipFile::write(dir.filePath(QStringLiteral("no/such/dir/x.tlt")),
                                                           TipSheet{}, QString()));
    }
};

QTEST_GUILESS_MAIN(TestTipFile)
#include "TestTipFile.moc"

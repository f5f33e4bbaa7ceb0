#include "draws/Error.h"
#include "tipfiles/TipPrintout.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTipPrintout : public QObject
{
    Q_OBJECT

private:
    const QLocale m_german{QLocale::German, QLocale::Germany};
    const QDate m_friday{2021, 6, 11};
    const QString m_tipp = QStringLiteral("Tipp");

private slots:
    void filledRowsAreListedUnderTheHeader()
    {
        TipSheet sheet;
        sheet.cells[0] = {3, 12, 17, 25, 33, 41, 48};
        sheet.cells[1] = {7, 8, 9, 10, 11, 12, 13};
        sheet.cells[4] = {40, 41, 42, 43, 44, 45, 49};
        sheet.cells[6][1] = 5; // first cell empty: not listed
        const QStringList expected{
            QStringLiteral("Torvanes Numerant Tipp für Freitag 18.06.21"),
            QString(46, QLatin1Char('~')),
            QString(),
            QStringLiteral(" 1. Tipp:  3   12   17   25   33   41   48"),
            QStringLiteral(" 2. Tipp:  7    8    9   10   11   12   13"),
            QStringLiteral(" 5. Tipp: 40   41   42   43   44   45   49"),
        };
        QCOMPARE(TipPrintout::lines(sheet, m_friday, GameRules::Classic, m_tipp, m_german), expected);

        sheet = {};
        sheet.cells[11] = {1, 2, 3, 4, 5, 6, 7};
        QCOMPARE(
            TipPrintout::lines(sheet, m_friday, GameRules::Classic, QStringLiteral("Tip"), m_german).last(),
            QStringLiteral("12. Tip:  1    2    3    4    5    6    7"));
    }

    void emptySheetGivesTheHeaderOnly()
    {
        const QStringList lines =
            TipPrintout::lines(TipSheet{}, m_friday, GameRules::Classic, m_tipp, m_german);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(TipPrintout::lines(TipSheet{}, m_friday, GameRules::Classic, m_tipp, QLocale::c()).first(),
                 QStringLiteral("Torvanes Numerant Tipp für Friday 18.06.21"));
    }

    void fileIsLatin1WithCrLf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tipp.txt"));
        TipSheet sheet;
        sheet.cells[0] = {3, 12, 17, 25, 33, 41, 48};
        TipPrintout::write(path, TipPrintout::lines(sheet, m_friday, GameRules::Classic, m_tipp, m_german));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Torvanes Numerant Tipp f\xfcr Freitag 18.06.21\r\n") +
                                     QByteArray(46, '~') +
                                     "\r\n\r\n 1. Tipp:  3   12   17   25   33   41   48\r\n");
    }

    void partlyEmptyRowIsRefusedByName()
    {
        TipSheet sheet;
        sheet.cells[0] = {3, 12, 17, 25, 33, 41, 48};
        sheet.cells[2] = {1, 2, 3, 0, 5, 6, 7};
        try {
            TipPrintout::lines(sheet, m_friday, GameRules::Classic, m_tipp, m_german);
            QFAIL("a partly empty row was listed");
        } catch (const FileError& e) {
            QVERIFY2(e.message.startsWith(QStringLiteral("Tipp 3 ")), qPrintable(e.message));
        }
    }
};

QTEST_GUILESS_MAIN(TestTipPrintout)
#include "TestTipPrintout.moc"

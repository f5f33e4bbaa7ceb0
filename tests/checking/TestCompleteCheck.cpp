#include "checking/CompleteCheck.h"
#include "checking/HitSound.h"
#include "session/Actions.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using Row = TipSheet::Row;
using Marks = std::array<int, 7>;

// The complete check of the sheet against a fixed draw 1, 2, 3, 40, 41, 42, 43, bonus 7.
class TestCompleteCheck : public QObject
{
    Q_OBJECT

    Session settled()
    {
        Session s(QStringLiteral("/home/"));
        s.sheetSettled = true;
        s.current.numbers = {1, 2, 3, 40, 41, 42, 43};
        s.current.bonus = 7;
        return s;
    }
    static Marks marksOf(const Session& s, int row)
    {
        Marks m{};
        for (int k = 0; k < 7; ++k)
            m[k] = int(s.sheet.marks[row][k]);
        return m;
    }

private slots:
    void hitRule_data()
    {
        QTest::addColumn<Row>("tip");
        QTest::addColumn<int>("hits");
        QTest::addColumn<bool>("bonusHit");
        QTest::addColumn<Marks>("marks");
        QTest::addRow("three and bonus")
            << Row{1, 2, 3, 4, 5, 6, 7} << 3 << true << Marks{1, 1, 1, 0, 0, 0, 2};
        QTest::addRow("nothing") << Row{10, 11, 12, 13, 14, 15, 16} << 0 << false << Marks{};
        QTest::addRow("all seven") << Row{43, 42, 41, 40, 3, 2, 1} << 7 << false
                                   << Marks{1, 1, 1, 1, 1, 1, 1};
        QTest::addRow("number twice counts twice")
            << Row{1, 1, 8, 9, 10, 11, 12} << 2 << false << Marks{1, 1, 0, 0, 0, 0, 0};
        // The draw's slots are the outer loop: only slot 1 is compared before the stop.
        QTest::addRow("empty cell stops the comparison")
            << Row{1, 2, 0, 40, 41, 42, 7} << 1 << false << Marks{1, 0, 0, 0, 0, 0, 0};
    }
    void hitRule()
    {
        QFETCH(Row, tip);
        const HitResult r = scoreTip(tip, {1, 2, 3, 40, 41, 42, 43}, 7);
        QTEST(r.hits, "hits");
        QTEST(r.bonusHit, "bonusHit");
        Marks t{};
        for (int k = 0; k < 7; ++k)
            t[k] = int(r.marks[k]);
        QTEST(t, "marks");
    }

    void bonusZeroIsNeverHit()
    {
        const HitResult r = scoreTip({1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 40, 41, 42, 43}, 0);
        QVERIFY(!r.bonusHit);
    }

    void sortsChecksAndTalliesRows()
    {
        Session s = settled();
        s.sheet.cells[0] = {30, 5, 17, 1, 49, 22, 8}; // one hit
        s.sheet.cells[1] = {7, 2, 1, 10, 11, 12, 13}; // two hits and the bonus
        s.sheet.cells[3] = {43, 42, 41, 40, 3, 2, 1}; // seven hits
        QCOMPARE(Actions::check(s), 7);

        QCOMPARE(s.sheet.cells[0], (Row{1, 5, 8, 17, 22, 30, 49}));
        QCOMPARE(s.sheet.crossSumText[0], QStringLiteral("132"));
        QCOMPARE(s.sheet.hitText[0], QStringLiteral("1"));
        QCOMPARE(marksOf(s, 0), (Marks{1, 0, 0, 0, 0, 0, 0}));

        QCOMPARE(s.sheet.cells[1], (Row{1, 2, 7, 10, 11, 12, 13}));
        QCOMPARE(s.sheet.hitText[1], QStringLiteral("2 + B"));
        QVERIFY(!s.sheet.hitRed[1]);
        QCOMPARE(marksOf(s, 1), (Marks{1, 1, 2, 0, 0, 0, 0}));

        QCOMPARE(s.sheet.hitText[3], QStringLiteral("7"));
        QVERIFY(s.sheet.hitRed[3]);
        QCOMPARE(s.tally[1][0], 1);
        QCOMPARE(s.tally[2][1], 1);
        QCOMPARE(s.tally[7][0], 1);
        int total = 0;
        for (const auto& line : s.tally)
            total += line[0] + line[1];
        QCOMPARE(total, 3);  // the empty rows are not tallied
        QVERIFY(s.soundDue); // the row with 7 hits
    }

    void threeHitsAndBonusAreRedWithSound()
    {
        Session s = settled();
        s.sheet.cells[5] = {1, 2, 3, 7, 20, 21, 22};
        QCOMPARE(Actions::check(s), 3);
        QCOMPARE(s.sheet.hitText[5], QStringLiteral("3 + B"));
        QVERIFY(s.sheet.hitRed[5]);
        QVERIFY(s.soundDue);
    }

    void incompleteRowIsNeutralAndUntallied()
    {
        Session s = settled();
        s.sheet.cells[2] = {1, 2, 3, 40, 41, 42, 43};
        QCOMPARE(Actions::check(s), 7);
        s.sheet.cells[2][4] = 0; // the user emptied one cell
        s.sheet.cells[2][0] = 9;
        QCOMPARE(Actions::check(s), 0);
        QCOMPARE(s.sheet.cells[2], (Row{9, 2, 3, 40, 0, 42, 43})); // left unsorted
        QCOMPARE(marksOf(s, 2), Marks{});
        QVERIFY(s.sheet.hitText[2].isEmpty());
        QVERIFY(s.sheet.crossSumText[2].isEmpty());
        QVERIFY(!s.sheet.hitRed[2]);
        QCOMPARE(s.tally, (std::array<std::array<int, 2>, 8>{}));
    }

    void unsettledSheetOnlyClearsTheTally()
    {
        Session s = settled();
        s.sheet.cells[0] = {30, 5, 17, 1, 49, 22, 8};
        s.tally[4][1] = 9;
        s.sheetSettled = false;
        const TipSheet before = s.sheet;
        QCOMPARE(Actions::check(s), 0);
        QCOMPARE(s.sheet, before);
        QCOMPARE(s.tally, (std::array<std::array<int, 2>, 8>{}));
        QVERIFY(!s.soundDue);
    }

    void ticketNumber_data()
    {
        QTest::addColumn<QString>("ticketNumber");
        QTest::addColumn<QString>("spiel77");
        QTest::addColumn<int>("compareTicket");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("red");
        QTest::addRow("last digits agree") << "9934567"
                                           << "1234567" << 1 << "Spiel77: --34567" << true;
        QTest::addRow("all agree") << "1234567"
                                   << "1234567" << 1 << "Spiel77: 1234567" << true;
        QTest::addRow("last digit differs") << "1234560"
                                            << "1234567" << 1 << "Schein Nr : 1234560" << false;
        QTest::addRow("short ticket number") << "123456"
                                             << "1234567" << 1 << "Schein Nr : 123456" << false;
        QTest::addRow("not taking part") << "1234567"
                                         << "1234567" << 0 << "Schein Nr : 1234567" << false;
        QTest::addRow("no ENCORE digits") << "1234567"
                                          << "" << 1 << "Losnr." << false;
        QTest::addRow("no ticket number") << ""
                                          << "1234567" << 1 << "Losnr." << false;
    }
    void ticketNumber()
    {
        Session s = settled();
        QFETCH(QString, ticketNumber);
        QFETCH(QString, spiel77);
        QFETCH(int, compareTicket);
        // Without a comparison the label keeps what it showed ("Losnr." at first).
        const auto shown = Ticket::compare(s.messages, ticketNumber, spiel77, compareTicket == 1)
                               .value_or(Ticket::Comparison{QStringLiteral("Losnr."), false});
        QTEST(shown.caption, "caption");
        QTEST(shown.red, "red");
    }

    void enteringTicketNumber()
    {
        Session s = settled();
        QCOMPARE(Ticket::inputCaption(s.messages), QStringLiteral("Scheinnummer?"));
        QCOMPARE(Ticket::inputPrompt(s.messages), QStringLiteral("Schein Nr : "));
        QCOMPARE(Ticket::caption(s.messages, QStringLiteral("7654321")),
                 QStringLiteral("Schein Nr : 7654321"));
        QCOMPARE(Ticket::labelText(s.messages, QString()), QStringLiteral("Scheinnummer?"));
    }

    void hitSoundIsMadeOnlyWhenMissing()
    {
        const QByteArray wave = HitSound::chirpWave();
        QVERIFY(wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt ");
        QCOMPARE(qFromLittleEndian<quint32>(wave.constData() + 4), quint32(wave.size() - 8));
        QCOMPARE(qFromLittleEndian<quint32>(wave.constData() + 40), quint32(wave.size() - 44));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("yippee.wav"));
        QVERIFY(HitSound::ensureFile(path));
        QCOMPARE(QFile(path).size(), wave.size());
        QFile own(path);
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("mine");
        own.close();
        QVERIFY(HitSound::ensureFile(path));
        QCOMPARE(QFile(path).size(), 4); // the user's file stays
        QVERIFY(!HitSound::ensureFile(dir.filePath(QStringLiteral("no/such/yippee.wav"))));
    }
};

QTEST_GUILESS_MAIN(TestCompleteCheck)
#include "TestCompleteCheck.moc"

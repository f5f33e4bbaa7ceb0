#include "session/Session.h"
#include "checking/CompleteCheck.h"
#include "checking/HitSound.h"

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
        s.sortieren = true;
        s.current.zahl = {0, 1, 2, 3, 40, 41, 42, 43, 7};
        s.playSound = [this](const QString& path) { m_played << path; };
        return s;
    }
    static Marks marksOf(const Session& s, int row)
    {
        Marks m{};
        for (int k = 0; k < 7; ++k)
            m[k] = int(s.sheet.marks[row][k]);
        return m;
    }
    QStringList m_played;

private slots:
    void init() { m_played.clear(); }

    void hitRule_data()
    {
        QTest::addColumn<Row>("tip");
        QTest::addColumn<int>("gewinn");
        QTest::addColumn<bool>("zusatz");
        QTest::addColumn<Marks>("treffer");
        QTest::addRow("three and bonus")
            << Row{1, 2, 3, 4, 5, 6, 7} << 3 << true << Marks{1, 1, 1, 0, 0, 0, 2};
        QTest::addRow("nothing") << Row{10, 11, 12, 13, 14, 15, 16} << 0 << false << Marks{};
        QTest::addRow("all seven") << Row{43, 42, 41, 40, 3, 2, 1} << 7 << false
                                   << Marks{1, 1, 1, 1, 1, 1, 1};
        QTest::addRow("number twice counts twice")
            << Row{1, 1, 8, 9, 10, 11, 12} << 2 << false << Marks{1, 1, 0, 0, 0, 0, 0};
        // The draw's slots are the outer loop: only slot 1 is compared before the stop.
        QTest::addRow("empty cell stops the comparison")
            << Row{1, 2, -1, 40, 41, 42, 7} << 1 << false << Marks{1, 0, 0, 0, 0, 0, 0};
    }
    void hitRule()
    {
        QFETCH(Row, tip);
        const HitResult r = zettelcheck(tip, {0, 1, 2, 3, 40, 41, 42, 43, 7});
        QTEST(r.gewinn, "gewinn");
        QTEST(r.zusatz, "zusatz");
        Marks t{};
        for (int k = 0; k < 7; ++k)
            t[k] = r.treffer[k + 1];
        QTEST(t, "treffer");
        QCOMPARE(r.treffer[8], 0);
    }

    void bonusZeroIsNeverHit()
    {
        const HitResult r = zettelcheck({1, 2, 3, 4, 5, 6, 7}, {0, 1, 2, 3, 40, 41, 42, 43, 0});
        QVERIFY(!r.zusatz);
    }

    void sortsChecksAndTalliesRows()
    {
        Session s = settled();
        s.sheet.cells[0] = {30, 5, 17, 1, 49, 22, 8}; // one hit
        s.sheet.cells[1] = {7, 2, 1, 10, 11, 12, 13}; // two hits and the bonus
        s.sheet.cells[3] = {43, 42, 41, 40, 3, 2, 1}; // seven hits
        QCOMPARE(completeCheck(s), 7);

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
        QCOMPARE(s.statistik[1][0], 1);
        QCOMPARE(s.statistik[2][1], 1);
        QCOMPARE(s.statistik[7][0], 1);
        int total = 0;
        for (const auto& line : s.statistik)
            total += line[0] + line[1];
        QCOMPARE(total, 3);                                                  // the empty rows are not tallied
        QCOMPARE(m_played, QStringList{QStringLiteral("/home/yippee.wav")}); // only the row with 7 hits
    }

    void threeHitsAndBonusAreRedWithSound()
    {
        Session s = settled();
        s.sheet.cells[5] = {1, 2, 3, 7, 20, 21, 22};
        QCOMPARE(completeCheck(s), 3);
        QCOMPARE(s.sheet.hitText[5], QStringLiteral("3 + B"));
        QVERIFY(s.sheet.hitRed[5]);
        QCOMPARE(m_played.size(), 1);
    }

    void incompleteRowIsNeutralAndUntallied()
    {
        Session s = settled();
        s.sheet.cells[2] = {1, 2, 3, 40, 41, 42, 43};
        QCOMPARE(completeCheck(s), 7);
        s.sheet.cells[2][4] = 0; // the user emptied one cell
        s.sheet.cells[2][0] = 9;
        QCOMPARE(completeCheck(s), 0);
        QCOMPARE(s.sheet.cells[2], (Row{9, 2, 3, 40, 0, 42, 43})); // left unsorted
        QCOMPARE(marksOf(s, 2), Marks{});
        QVERIFY(s.sheet.hitText[2].isEmpty());
        QVERIFY(s.sheet.crossSumText[2].isEmpty());
        QVERIFY(!s.sheet.hitRed[2]);
        QCOMPARE(s.statistik, (std::array<std::array<int, 2>, 8>{}));
    }

    void unsettledSheetOnlyClearsTheTally()
    {
        Session s = settled();
        s.sheet.cells[0] = {30, 5, 17, 1, 49, 22, 8};
        s.statistik[4][1] = 9;
        s.sortieren = false;
        const TipSheet before = s.sheet;
        QCOMPARE(completeCheck(s), 0);
        QCOMPARE(s.sheet, before);
        QCOMPARE(s.statistik, (std::array<std::array<int, 2>, 8>{}));
        QVERIFY(m_played.isEmpty());
    }

    void ticketNumber_data()
    {
        QTest::addColumn<QString>("losNr");
        QTest::addColumn<QString>("spiel77");
        QTest::addColumn<int>("spiel77Ja");
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
        QFETCH(QString, losNr);
        QFETCH(QString, spiel77);
        QFETCH(int, spiel77Ja);
        s.losNr = losNr;
        s.spiel77Zahl = spiel77;
        s.spiel77Ja = spiel77Ja;
        completeCheck(s);
        QTEST(s.losnummerCaption, "caption");
        QTEST(s.losnummerRed, "red");
    }

    void enteringTicketNumber()
    {
        Session s = settled();
        QCOMPARE(ticketNumberCaption(s), QStringLiteral("Scheinnummer?"));
        QCOMPARE(ticketNumberPrompt(s), QStringLiteral("Schein Nr : "));
        s.losnummerRed = true;
        setTicketNumber(s, QStringLiteral("7654321"));
        QCOMPARE(s.losNr, QStringLiteral("7654321"));
        QCOMPARE(s.losnummerCaption, QStringLiteral("Schein Nr : 7654321"));
        QVERIFY(!s.losnummerRed);
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

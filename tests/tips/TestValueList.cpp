#include "draws/Error.h"
#include "tips/ValueList.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <set>

class TestValueList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void click_data()
    {
        QTest::addColumn<bool>("checkedAfterToggle");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<bool>("minus");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("weightAfter");
        // A left click toggles the box first; a right click leaves it as it is.
        QTest::addRow("left selects and raises") << true << "2" << false << true << "3";
        QTest::addRow("left on fresh box") << true << "" << false << true << "1";
        QTest::addRow("left deselects, weight kept") << false << "4" << false << false << "4";
        QTest::addRow("deselected without weight") << false << "" << false << false << "0";
        QTest::addRow("right lowers") << true << "3" << true << true << "2";
        QTest::addRow("right to zero deselects") << true << "1" << true << false << "0";
        QTest::addRow("right below zero") << true << "0" << true << false << "0";
        QTest::addRow("right on unchecked box") << false << "5" << true << false << "5";
        QTest::addRow("not a number") << true << "x" << false << true << "1";
        QTest::addRow("negative on unchecked box") << false << "-2" << false << false << "0";
    }
    void click()
    {
        QFETCH(bool, checkedAfterToggle);
        QFETCH(QString, weight);
        QFETCH(bool, minus);
        ValueList list;
        list.entries[17] = {checkedAfterToggle, weight};
        list.applyClick(17, minus);
        QTEST(list.entries[17].checked, "checked");
        QTEST(list.entries[17].weight, "weightAfter");
    }

    void statusLine()
    {
        ValueList list;
        list.entries[9] = {false, QStringLiteral("0")};
        QCOMPARE(list.statusLine(9),
                 QStringLiteral("Die Zahl 9 geht mit der Gewichtung 0 in die Berechnung ein"));
    }

    void initialListSavesOnes()
    {
        ValueList list;
        const QString path = m_dir.filePath(QStringLiteral("initial.tlw"));
        list.save(path);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("1\r\n").repeated(49));
        QCOMPARE(list.entries[49].weight, QStringLiteral("1"));
    }

    void saveAndLoadRoundTrip()
    {
        ValueList list;
        for (int n = 1; n <= 49; ++n)
            list.entries[n] = {n % 3 != 0, QString::number(n % 5)};
        list.entries[20] = {true, QStringLiteral("Gewicht \u00e4")}; // kept as it stands, in Latin-1
        const QString path = m_dir.filePath(QStringLiteral("trip.tlw"));
        list.save(path);
        ValueList back;
        back.load(path);
        for (int n = 1; n <= 49; ++n) {
            QCOMPARE(back.entries[n].checked, list.entries[n].checked);
            QCOMPARE(back.entries[n].weight,
                     list.entries[n].checked ? list.entries[n].weight : QStringLiteral("1"));
        }
    }

    void loadEdgeCases()
    {
        QByteArray bytes;
        for (int n = 1; n <= 10; ++n)
            bytes += (n == 5 ? "3" : n == 6 ? "" : "2") + QByteArray("\r\n");
        bytes += "7"; // line 11 without line end; lines 12..49 missing
        ValueList list;
        list.fromFileBytes(bytes);
        QCOMPARE(list.entries[5], (ValueList::Entry{true, QStringLiteral("3")}));
        QCOMPARE(list.entries[6], (ValueList::Entry{false, QStringLiteral("1")}));
        QCOMPARE(list.entries[11], (ValueList::Entry{true, QStringLiteral("7")}));
        QCOMPARE(list.entries[12], (ValueList::Entry{false, QStringLiteral("1")}));
        QCOMPARE(list.entries[49], (ValueList::Entry{false, QStringLiteral("1")}));

        list.fromFileBytes("4\n5\n"); // bare line feeds read the same
        QCOMPARE(list.entries[2], (ValueList::Entry{true, QStringLiteral("5")}));
    }

    void unreadableFileThrows()
    {
        ValueList list;
        QVERIFY_THROWS_EXCEPTION(FileError, list.load(m_dir.filePath(QStringLiteral("none.tlw"))));
        QVERIFY_THROWS_EXCEPTION(FileError, list.save(m_dir.filePath(QStringLiteral("no/such/dir.tlw"))));
    }

    void fromCounts()
    {
        std::array<int, Game::MaxHighestNumber + 1> counts{};
        counts[4] = 3;
        const ValueList list = ValueList::fromCounts(counts, 49);
        QCOMPARE(list.entries[4], (ValueList::Entry{true, QStringLiteral("3")}));
        QCOMPARE(list.entries[5], (ValueList::Entry{false, QStringLiteral("0")}));
        QCOMPARE(list.weightOf(4), 3);
    }

    void randomAnimationKeepsNumbers()
    {
        RandomSource random;
        random.seed = 4711;
        RandomTipAnimation anim;
        QCOMPARE(anim.press(), RandomTipAnimation::Press::Started);
        std::set<int> kept;
        std::array<bool, Game::MaxHighestNumber + 1> checked{};
        for (int press = 1; press <= 6; ++press) {
            for (int t = 0; t < 3; ++t)
                checked = anim.tick(random);
            QCOMPARE(anim.press(), RandomTipAnimation::Press::Kept);
            kept.insert(anim.tippreihe()[press]);
        }
        checked = anim.tick(random);
        QCOMPARE(anim.press(), RandomTipAnimation::Press::Stopped);
        QVERIFY(!anim.running());
        QCOMPARE(anim.losgeht(), 1);
        QCOMPARE(std::count(checked.begin(), checked.end(), true), 7);
        for (int n : kept)
            QVERIFY(checked[n]);
        QCOMPARE(kept.size(), std::size_t(6));
    }
};

QTEST_GUILESS_MAIN(TestValueList)
#include "TestValueList.moc"

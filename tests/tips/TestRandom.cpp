#include "generator/LuckyNumber.h"
#include "session/Session.h"
#include "tips/RandomSource.h"

#include <QTest>

class TestRandom : public QObject
{
    Q_OBJECT
private slots:
    void knownValues()
    {
        RandomSource r;
        r.seed = 0;
        QCOMPARE(r.random(49), 0u);
        QCOMPARE(r.seed, 1);
        QCOMPARE(r.random(49), 1u);
        QCOMPARE(r.seed, 134775814);
        r.seed = 1;
        QCOMPARE(r.random(1000), 31u);
        r.seed = -1; // the state wraps modulo 2^32
        r.random(10);
        QCOMPARE(r.seed, std::int32_t(std::uint32_t(-1) * 134775813u + 1u));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::addRow("plain") << "4711" << true << 4711;
        QTest::addRow("blanks") << " 12 " << true << 12;
        QTest::addRow("zero") << "0" << true << 0;
        QTest::addRow("negative") << "-5" << true << -5;
        QTest::addRow("above caption range") << "2147483647" << true << 2147483647;
        QTest::addRow("beyond 32 bits") << "2147483648" << false << 0;
        QTest::addRow("letters") << "abc" << false << 0;
        QTest::addRow("empty") << "" << false << 0;
        QTest::addRow("fraction") << "1.5" << false << 0;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        const auto parsed = LuckyNumber::parse(text);
        QCOMPARE(parsed.has_value(), ok);
        if (ok)
            QCOMPARE(*parsed, value);
    }

    void askSeedsOrReports()
    {
        Session s;
        s.random.seed = 1;
        QString shownCaption, shownPrompt, shownPreset, error;
        auto cancel = [&](const QString& caption, const QString& prompt, const QString& preset) {
            shownCaption = caption;
            shownPrompt = prompt;
            shownPreset = preset;
            return preset; // a cancelled box returns the preset
        };
        auto onError = [&](const QString& text) { error = text; };
        QVERIFY(LuckyNumber::ask(s.random, s.messages, cancel, onError));
        QCOMPARE(shownCaption, QStringLiteral("Ihre Glückszahl (1-99999999)?"));
        QCOMPARE(shownPrompt, QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"));
        QCOMPARE(shownPreset, QStringLiteral("3137")); // Random(99999) from seed 1
        QCOMPARE(s.random.seed, 3137);

        const std::int32_t before = s.random.seed;
        QVERIFY(!LuckyNumber::ask(
            s.random, s.messages, [](auto&&...) { return QStringLiteral("x1"); }, onError));
        QCOMPARE(error, QStringLiteral("Fehler bei Eingabe der Zufallszahl"));
        RandomSource expected;
        expected.seed = before;
        expected.random(99999); // only the proposal moved the state
        QCOMPARE(s.random.seed, expected.seed);
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "TestRandom.moc"

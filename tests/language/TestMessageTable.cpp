#include "language/MessageTable.h"

#include <QTest>

class TestMessageTable : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void replaceAllTakesTheWholeList();
};

void TestMessageTable::defaults_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::addRow("first") << 0 << "Zahlenverteilung";
    QTest::addRow("12 keeps its trailing blank") << 12 << "Schein Nr ";
    QTest::addRow("16 stop caption") << 16 << "Stoppen";
    QTest::addRow("17 trailing blank") << 17 << "Berechnung der ";
    QTest::addRow("27 empty") << 27 << "";
    QTest::addRow("32 trailing blank") << 32 << "Ihre Glückzahl ist jetzt die ";
    QTest::addRow("35 empty") << 35 << "";
    QTest::addRow("52 empty") << 52 << "";
    QTest::addRow("53 empty") << 53 << "";
    QTest::addRow("54 after the empty ones") << 54 << "Scheinnummer?";
    QTest::addRow("55 last")
        << 55
        << "die Datei für die Tippübergabe konnte nicht angelegt werden. Überprüfen Sie die "
           "Zugriffsrechte des Programmes oder starten Sie als Administrator";
    QTest::addRow("56 past the end") << 56 << "";
    QTest::addRow("negative") << -1 << "";
}

void TestMessageTable::defaults()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    const MessageTable table;
    QCOMPARE(table.size(), 56);
    QCOMPARE(table.text(index), text);
}

void TestMessageTable::replaceAllTakesTheWholeList()
{
    MessageTable table;
    QStringList lines;
    for (int i = 0; i < 10; ++i)
        lines << QStringLiteral("line %1 ").arg(i);
    table.replaceAll(lines);
    QCOMPARE(table.size(), 10);
    QCOMPARE(table.text(9), QStringLiteral("line 9 "));
    QCOMPARE(table.text(10), QString());
    QCOMPARE(table.text(16), QString());
    QCOMPARE(table.text(54), QString());
}

QTEST_GUILESS_MAIN(TestMessageTable)
#include "TestMessageTable.moc"

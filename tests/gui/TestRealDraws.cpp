#include "../TestFiles.h"
#include "draws/DrawDate.h"
#include "gui/LottoZahlen.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kHistory = QStringLiteral(TEST_DATA_DIR "/../../data/lottomax-history.csv");

LottoZahlen::Options options(const QTemporaryDir& home, const QString& history = kHistory)
{
    LottoZahlen::Options o;
    o.home = home.path() + QLatin1Char('/');
    o.runStartUp = false;
    o.shippedHistory = history;
    return o;
}

} // namespace

// Real draws from the first start on: the shipped history, and adding a newer download by button.
class TestRealDraws : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstStartImportsShippedHistory();
    void existingDrawFileNeverTouched_data();
    void existingDrawFileNeverTouched();
    void mergeButtonAddsNewerDraws();
};

void TestRealDraws::initTestCase()
{
    static QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
}

void TestRealDraws::firstStartImportsShippedHistory()
{
    QTemporaryDir home;
    LottoZahlen window(options(home));
    window.startUp();
    QCOMPARE(window.statusText(), QStringLiteral("7194 Ziehungen eingelesen (mitgelieferte Ziehungen bis 20.02.2026)"));
    QCOMPARE(DrawDate::format(window.session().current.date), QStringLiteral("20.02.2026"));
    QVERIFY2(window.drawLine().contains(QStringLiteral("20.02.26")), qPrintable(window.drawLine()));
    QCOMPARE(window.session().drawFile().readAll().size(), size_t(7194));
    QVERIFY(window.prompts().shown.isEmpty());

    auto* folder = window.findChild<QAction*>(QStringLiteral("Datenordner1"));
    QVERIFY(folder);
    QCOMPARE(folder->text(), QStringLiteral("Datenordner öffnen"));
    const QList<QAction*> entries = window.findChild<QMenu*>(QStringLiteral("Hilfe1"))->actions();
    QVERIFY(entries.indexOf(folder) + 1 < entries.size());
    QCOMPARE(entries.at(entries.indexOf(folder) + 1)->text(), QDir::toNativeSeparators(home.path()));
}

void TestRealDraws::existingDrawFileNeverTouched_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("empty draw file") << QByteArray();
    DrawRecord r;
    r.datum = DrawDate::fromQDate(QDate(2020, 1, 3));
    r.zahlen = {8, 18, 20, 24, 31, 37, 39};
    r.bonus = 34;
    QTest::addRow("one draw") << r.toBytes();
}

void TestRealDraws::existingDrawFileNeverTouched()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir home;
    const QString dat = home.filePath(QStringLiteral("ZahlenMax.dat"));
    writeFile(dat, bytes);
    LottoZahlen window(options(home));
    window.prompts().nextAnswers = {QStringLiteral("ok")}; // an empty file gets "read the draws first"
    window.startUp();
    QCOMPARE(fileBytes(dat), bytes);
    QVERIFY(!window.statusText().contains(QStringLiteral("mitgeliefert")));
}

void TestRealDraws::mergeButtonAddsNewerDraws()
{
    QTemporaryDir home;
    writeFile(home.filePath(QStringLiteral("ZahlenMax.dat")), QByteArray());
    LottoZahlen window(options(home, {}));
    window.prompts().nextAnswers = {QStringLiteral("ok")};
    window.startUp();
    writeFile(home.filePath(QStringLiteral("older.csv")),
              "12.04.2019,2,20,21,30,31,39,45,18\n19.04.2019,2,16,21,33,39,42,47,2\n");
    window.prompts().nextAnswers = {home.filePath(QStringLiteral("older.csv"))};
    QTest::mouseClick(window.control<QPushButton>(QStringLiteral("BitBtn20")), Qt::LeftButton);
    QCOMPARE(window.statusText(), QStringLiteral("2 Ziehungen ergänzt, 0 schon gespeichert, 0 abweichend"));

    // A cancelled file dialog changes nothing.
    window.prompts().nextAnswers = {QString()};
    QTest::mouseClick(window.control<QPushButton>(QStringLiteral("BitBtn20")), Qt::LeftButton);
    QCOMPARE(window.session().drawFile().readAll().size(), size_t(2));

    window.prompts().shown.clear();
    window.prompts().nextAnswers = {QStringLiteral(TEST_DATA_DIR "/operator-2019-04-12_to_2019-05-24.csv"),
                                    QStringLiteral("ok")};
    QTest::mouseClick(window.control<QPushButton>(QStringLiteral("BitBtn20")), Qt::LeftButton);
    QCOMPARE(window.statusText(), QStringLiteral("9 Ziehungen ergänzt, 1 schon gespeichert, 1 abweichend"));
    QCOMPARE(window.prompts().shown.size(), 1);
    QVERIFY2(window.prompts().shown[0].contains(
                 QStringLiteral("19.04.2019: Datei 2 16 21 33 39 42 47 B 1, gespeichert 2 16 21 33 39 42 47 B 2")),
             qPrintable(window.prompts().shown[0]));
    QCOMPARE(DrawDate::format(window.session().current.date), QStringLiteral("24.05.2019"));
    QCOMPARE(window.session().drawFile().readAll()[1].bonus, std::uint8_t(2));
}

QTEST_MAIN(TestRealDraws)
#include "TestRealDraws.moc"

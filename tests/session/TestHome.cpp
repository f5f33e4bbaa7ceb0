#include "session/Home.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

class TestHome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void explicitFolderWins();
    void portableCopyKeepsItsFolder();
    void fallsBackToUserDataFolder_data();
    void fallsBackToUserDataFolder();
    void programFilesBesideOrInstalled();
};

void TestHome::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Numerant"));
    QStandardPaths::setTestModeEnabled(true);
}

void TestHome::explicitFolderWins()
{
    QTemporaryDir dir;
    const QString wanted = dir.filePath(QStringLiteral("new/home"));
    QCOMPARE(Home::resolve(wanted, dir.path()), wanted + QLatin1Char('/'));
    QVERIFY(QDir(wanted).exists());
    QCOMPARE(Home::resolve(wanted + QLatin1Char('/'), dir.path()), wanted + QLatin1Char('/'));

    // Only a caller that writes there has it made.
    const QString untouched = dir.filePath(QStringLiteral("other/home"));
    QCOMPARE(Home::resolve(untouched, dir.path(), false), untouched + QLatin1Char('/'));
    QVERIFY(!QDir(dir.filePath(QStringLiteral("other"))).exists());
}

void TestHome::portableCopyKeepsItsFolder()
{
    QTemporaryDir dir;
    QFile drawFile(dir.filePath(QStringLiteral("ZahlenMax.dat")));
    QVERIFY(drawFile.open(QIODevice::WriteOnly));
    drawFile.close();
    QCOMPARE(Home::resolve({}, dir.path()), dir.path() + QLatin1Char('/'));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("ZahlenMax.dat")});
}

void TestHome::fallsBackToUserDataFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addRow("writable folder without draw file") << "writable";
    QTest::addRow("missing folder") << "missing";
    QTest::addRow("a file, not a folder") << "file";
    QTest::addRow("read-only folder") << "read-only";
    QTest::addRow("system folder nobody writes") << "/proc";
}

void TestHome::fallsBackToUserDataFolder()
{
    QFETCH(QString, folder);
    QTemporaryDir dir;
    QString executableDir = folder.startsWith(QLatin1Char('/')) ? folder : dir.filePath(folder);
    if (folder == QLatin1String("writable")) {
        QVERIFY(QDir(dir.path()).mkdir(folder));
    } else if (folder == QLatin1String("file")) {
        QFile f(executableDir);
        QVERIFY(f.open(QIODevice::WriteOnly));
    } else if (folder == QLatin1String("read-only")) {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QVERIFY(QDir(dir.path()).mkdir(folder));
        // Even a draw file there makes no portable copy of a folder nothing can be written to.
        QFile drawFile(QDir(executableDir).filePath(QStringLiteral("ZahlenMax.dat")));
        QVERIFY(drawFile.open(QIODevice::WriteOnly));
        drawFile.close();
        QVERIFY(QFile::setPermissions(executableDir, QFile::ReadOwner | QFile::ExeOwner));
    } else if (folder.startsWith(QLatin1Char('/'))) {
        if (!QDir(folder).exists() || Home::isWritableDir(folder))
            QSKIP("no such unwritable system folder here");
    }

    const QString expected = QDir(Home::userDataDir()).absolutePath() + QLatin1Char('/');
    QVERIFY(expected.contains(QStringLiteral("Numerant")));
    QCOMPARE(Home::resolve({}, executableDir), expected);
    QVERIFY(QDir(expected).exists());
    if (folder == QLatin1String("read-only"))
        QFile::setPermissions(executableDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestHome::programFilesBesideOrInstalled()
{
    // A build tree or a portable copy has the shipped history beside the executable; an installation
    // keeps it in the share folder next to bin.
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("usr/bin"));
    QVERIFY(QDir().mkpath(bin));
    QCOMPARE(Home::programFiles(bin), dir.path() + QStringLiteral("/usr/share/numerant/"));
    QFile history(QDir(bin).filePath(QStringLiteral("lottomax-history.csv")));
    QVERIFY(history.open(QIODevice::WriteOnly));
    history.close();
    QCOMPARE(Home::programFiles(bin), bin + QLatin1Char('/'));
}

QTEST_GUILESS_MAIN(TestHome)
#include "TestHome.moc"

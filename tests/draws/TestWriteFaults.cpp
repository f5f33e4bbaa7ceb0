// Writers killed or failing part-way: a child process (numerant-cli, or this executable started in
// child mode) rewrites a file with NUMERANT_TEST_WRITE_FAULT set, so that it dies by SIGKILL or meets
// a full disk at its n-th write step, for every n until the write completes.

#include "session/SettingsStore.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"
#include "draws/Error.h"
#include "draws/WriteFaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "../TestFiles.h"

#include <cstdio>

namespace {

constexpr const char* ChildVariable = "NUMERANT_TEST_CHILD"; // the operation the child performs
constexpr const char* FileVariable = "NUMERANT_TEST_FILE";   // the file it works on
constexpr const char* DateVariable = "NUMERANT_TEST_DATE";   // a draw date for insert
constexpr int Draws = 3000;                                  // three write blocks

DrawRecord draw(int week, int variant)
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(QDate(2009, 9, 25).addDays(7 * week));
    const int first = (week * 3 + variant) % 42 + 1;
    for (int i = 0; i < Game::NumbersPerDraw; ++i)
        r.zahlen[i] = std::uint8_t(first + i);
    r.bonus = std::uint8_t(variant + 1);
    return r;
}

std::vector<DrawRecord> draws(int count, int variant)
{
    std::vector<DrawRecord> out;
    for (int week = 0; week < count; ++week)
        out.push_back(draw(week, variant));
    return out;
}

QByteArray csv(const std::vector<DrawRecord>& records)
{
    QByteArray text;
    for (const DrawRecord& r : records) {
        text += DrawDate::format(r.datum).toLatin1();
        for (auto n : r.zahlen)
            text += ',' + QByteArray::number(n);
        text += ',' + QByteArray::number(r.bonus) + '\n';
    }
    return text;
}

QByteArray fileBytesOf(const std::vector<DrawRecord>& records)
{
    QByteArray bytes;
    for (const DrawRecord& r : records)
        bytes += r.toBytes();
    return bytes;
}

QByteArray settingsBytes(const QString& ticket)
{
    QMap<QString, SettingsStore::Value> values;
    values.insert(QStringLiteral("Losnummer"), {SettingsStore::Type::Text, 0, ticket, {}});
    values.insert(QStringLiteral("UpDown7"), {SettingsStore::Type::Integer, 200, {}, {}});
    return SettingsStore::serialize(values);
}

// The child's side: one operation on the file, FileError on stderr and exit 1.
int runChild()
{
    const QByteArray operation = qgetenv(ChildVariable);
    const QString path = qEnvironmentVariable(FileVariable);
    try {
        const DrawFile file(path);
        if (operation == "insert") {
            DrawRecord r = draw(qEnvironmentVariableIntValue(DateVariable), 7);
            file.insert(r);
        } else if (operation == "delete") {
            file.removeDate(draw(Draws / 2, 0).datum);
        } else if (operation == "append") {
            file.append({draw(Draws, 0), draw(Draws + 1, 0)});
        } else if (operation == "settings") {
            SettingsStore store(path);
            store.writeText(QStringLiteral("Losnummer"), QStringLiteral("new ticket"));
            store.commit();
        } else {
            std::fprintf(stderr, "unknown child operation\n");
            return 2;
        }
    } catch (const FileError& e) {
        std::fputs(e.message.toUtf8().constData(), stderr);
        return 1;
    }
    return 0;
}

struct Run
{
    bool killed = false;
    int exitCode = 0;
    QString errors;
};

} // namespace

class TestWriteFaults : public QObject
{
    Q_OBJECT

private slots:
    void everyStep_data();
    void everyStep();
    void concurrentInsertsBothKept();
    void concurrentImportsNeverMix();

private:
    // Runs the operation on the files in `dir`; `fault` is NUMERANT_TEST_WRITE_FAULT's value or empty.
    Run run(const QString& operation, const QString& dir, const QString& fault = {});
    QProcess* start(const QString& operation, const QString& dir, const QString& fault, const QString& arg = {});
    static QString fileName(const QString& operation);
};

QString TestWriteFaults::fileName(const QString& operation)
{
    return operation == QLatin1String("settings") ? QStringLiteral("Korvex.json")
                                                  : QString::fromLatin1(DrawFile::DefaultName);
}

QProcess* TestWriteFaults::start(const QString& operation, const QString& dir, const QString& fault,
                                 const QString& arg)
{
    auto* process = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QString::fromLatin1(WriteFaults::Variable));
    if (!fault.isEmpty())
        env.insert(QString::fromLatin1(WriteFaults::Variable), fault);
    if (operation == QLatin1String("import") || operation == QLatin1String("merge")) {
        process->setProgram(QStringLiteral(NUMERANT_CLI_PATH));
        QStringList args{QStringLiteral("--home"), dir, QStringLiteral("import")};
        if (operation == QLatin1String("merge"))
            args << QStringLiteral("--merge");
        process->setArguments(args << (arg.isEmpty() ? QDir(dir).filePath(QStringLiteral("new.csv")) : arg));
    } else {
        env.insert(QString::fromLatin1(ChildVariable), operation);
        env.insert(QString::fromLatin1(FileVariable), QDir(dir).filePath(fileName(operation)));
        env.insert(QString::fromLatin1(DateVariable), arg.isEmpty() ? QString::number(Draws / 2) : arg);
        process->setProgram(QCoreApplication::applicationFilePath());
    }
    process->setProcessEnvironment(env);
    process->start();
    return process;
}

Run TestWriteFaults::run(const QString& operation, const QString& dir, const QString& fault)
{
    QProcess* process = start(operation, dir, fault);
    Run result;
    if (!process->waitForFinished(60000))
        qFatal("child did not finish");
    result.killed = process->exitStatus() == QProcess::CrashExit;
    result.exitCode = process->exitCode();
    result.errors = QString::fromUtf8(process->readAllStandardError());
    delete process;
    return result;
}

void TestWriteFaults::everyStep_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("mode"); // kill: SIGKILL at the step; fail: a full disk at the step

    for (const char* operation : {"import", "merge", "insert", "delete", "append", "settings"})
        for (const char* mode : {"kill", "fail"})
            QTest::addRow("%s, %s", operation, mode) << QString::fromLatin1(operation) << QString::fromLatin1(mode);
}

void TestWriteFaults::everyStep()
{
    QFETCH(QString, operation);
    QFETCH(QString, mode);

    const QString name = fileName(operation);
    const QByteArray old = operation == QLatin1String("settings") ? settingsBytes(QStringLiteral("old ticket"))
                                                                  : fileBytesOf(draws(Draws, 0));
    // A merge adds the two draws after the stored ones.
    const bool merge = operation == QLatin1String("merge");
    const QByteArray newCsv = csv(merge ? draws(Draws + 2, 0) : draws(Draws, 1));
    const bool readsCsv = merge || operation == QLatin1String("import");
    const auto prepare = [&](const QString& dir) {
        writeFile(QDir(dir).filePath(name), old);
        if (readsCsv)
            writeFile(QDir(dir).filePath(QStringLiteral("new.csv")), newCsv);
    };
    const QStringList expectedFiles = readsCsv
                                          ? QStringList{name, QStringLiteral("new.csv")}
                                          : QStringList{name};

    // The content a write without fault gives.
    QTemporaryDir reference;
    prepare(reference.path());
    const Run clean = run(operation, reference.path());
    QVERIFY2(!clean.killed && clean.exitCode == 0, qPrintable(clean.errors));
    const QByteArray expected = fileBytes(QDir(reference.path()).filePath(name));
    QVERIFY(expected != old);

    int faults = 0;
    for (int step = 1;; ++step) {
        QTemporaryDir dir;
        prepare(dir.path());
        const QString path = QDir(dir.path()).filePath(name);
        const Run faulty = run(operation, dir.path(), QStringLiteral("%1:%2").arg(step).arg(mode));
        if (!faulty.killed && faulty.exitCode == 0) {
            QCOMPARE(fileBytes(path), expected);
            break; // every step has had its fault
        }
        ++faults;
        const QByteArray after = fileBytes(path);
        QVERIFY2(after == old || after == expected, qPrintable(QStringLiteral("step %1").arg(step)));
        // A lock file may stay behind a killed writer; nothing else may.
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        left.removeAll(name + QStringLiteral(".lock"));
        QCOMPARE(left, expectedFiles);
        if (mode == QLatin1String("kill")) {
            QVERIFY2(faulty.killed, qPrintable(faulty.errors));
        } else {
            QCOMPARE(after, old);
            QCOMPARE(faulty.exitCode, 1);
            QVERIFY2(faulty.errors.contains(QString::fromLocal8Bit(WriteFaults::failureText())),
                     qPrintable(faulty.errors));
            QVERIFY2(faulty.errors.contains(name), qPrintable(faulty.errors));
        }
        // The next writer is not blocked by what the faulty one left.
        writeFile(path, old);
        const Run again = run(operation, dir.path());
        QVERIFY2(!again.killed && again.exitCode == 0, qPrintable(again.errors));
        QCOMPARE(fileBytes(path), expected);
    }
    // Lock, temporary file, the blocks, the rename: every one of them was a fault point.
    QVERIFY2(faults >= (operation == QLatin1String("settings") ? 3 : 6), qPrintable(QString::number(faults)));
    qInfo("%s: %d fault points survived", qPrintable(operation), faults);
}

void TestWriteFaults::concurrentInsertsBothKept()
{
    // Two processes insert different draws at once: the lock must keep the one from losing the other's.
    const QString name = fileName(QStringLiteral("insert"));
    for (int round = 0; round < 10; ++round) {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(name);
        writeFile(path, fileBytesOf(draws(Draws, 0)));
        QProcess* a = start(QStringLiteral("insert"), dir.path(), {}, QString::number(100 + round));
        QProcess* b = start(QStringLiteral("insert"), dir.path(), {}, QString::number(200 + round));
        for (QProcess* p : {a, b}) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }
        const auto records = DrawFile(path).readAll();
        QCOMPARE(records.size(), size_t(Draws));
        QCOMPARE(records[size_t(100 + round)], draw(100 + round, 7));
        QCOMPARE(records[size_t(200 + round)], draw(200 + round, 7));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
        delete a;
        delete b;
    }
}

void TestWriteFaults::concurrentImportsNeverMix()
{
    // Two imports of different files into one home at once: the draw file ends as one of them, whole.
    const QString name = fileName(QStringLiteral("import"));
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(name);
    const QString csvA = QDir(dir.path()).filePath(QStringLiteral("a.csv"));
    const QString csvB = QDir(dir.path()).filePath(QStringLiteral("b.csv"));
    writeFile(csvA, csv(draws(Draws, 1)));
    writeFile(csvB, csv(draws(Draws / 2, 2)));
    const QByteArray bytesA = fileBytesOf(draws(Draws, 1));
    const QByteArray bytesB = fileBytesOf(draws(Draws / 2, 2));
    for (int round = 0; round < 10; ++round) {
        QProcess* a = start(QStringLiteral("import"), dir.path(), {}, csvA);
        QProcess* b = start(QStringLiteral("import"), dir.path(), {}, csvB);
        for (QProcess* p : {a, b}) {
            QVERIFY(p->waitForFinished(60000));
            QVERIFY2(p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0,
                     p->readAllStandardError().constData());
        }
        const QByteArray result = fileBytes(path);
        QVERIFY(result == bytesA || result == bytesB);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("a.csv"), QStringLiteral("b.csv"), name}));
        delete a;
        delete b;
    }
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(ChildVariable))
        return runChild();
    TestWriteFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestWriteFaults.moc"

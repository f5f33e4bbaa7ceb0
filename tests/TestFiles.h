#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTest>

// Small file helpers shared by the tests.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// numerant-cli run to its end on the files of `home`, with its own settings store `config`.
struct CliResult
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};
inline CliResult runCliIn(const QString& home, const QString& config, const QStringList& args,
                          QProcessEnvironment env = QProcessEnvironment::systemEnvironment(), int msecs = 30000)
{
    QProcess p;
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(home);
    p.start(QStringLiteral(NUMERANT_CLI_PATH), QStringList{QStringLiteral("--home"), home} + args);
    p.waitForFinished(msecs);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

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

// numerant-cli run to its end; code -1 when it did not end by itself in time.
struct CliResult
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};
inline CliResult runCli(const QStringList& args,
                        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                        int msecs = 30000, const QString& workingDir = {})
{
    QProcess p;
    p.setProcessEnvironment(env);
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    p.start(QStringLiteral(NUMERANT_CLI_PATH), args);
    if (!p.waitForFinished(msecs) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// The same on the files of `home`, with its own settings store `config`.
inline CliResult runCliIn(const QString& home, const QString& config, const QStringList& args,
                          QProcessEnvironment env = QProcessEnvironment::systemEnvironment(), int msecs = 30000)
{
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    return runCli(QStringList{QStringLiteral("--home"), home} + args, env, msecs, home);
}

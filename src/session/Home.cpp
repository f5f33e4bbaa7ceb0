#include "session/Home.h"

#include "draws/DrawFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace Home {

namespace {
QString withSlash(const QString& dir)
{
    QString d = QDir::fromNativeSeparators(QDir(dir).absolutePath());
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}
} // namespace

bool isWritableDir(const QString& dir)
{
    // Ask the file system rather than the permission bits: root, ACLs and read-only mounts all differ.
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".numerant-probe-XXXXXX")));
    return QDir(dir).exists() && probe.open();
}

bool isPortable(const QString& executableDir)
{
    return QFile::exists(QDir(executableDir).filePath(QLatin1String(DrawFile::DefaultName)))
        && isWritableDir(executableDir);
}

QString userDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString programFiles(const QString& executableDir)
{
    // The shipped history goes wherever the program's files go, so it marks their folder.
    if (QFile::exists(QDir(executableDir).filePath(QStringLiteral("lottomax-history.csv"))))
        return withSlash(executableDir);
    return withSlash(QDir::cleanPath(QDir(executableDir).absoluteFilePath(QStringLiteral("../share/numerant"))));
}

QString resolve(const QString& override, const QString& executableDir, bool create)
{
    if (!override.isEmpty()) {
        if (create)
            QDir().mkpath(override);
        return withSlash(override);
    }
    if (isPortable(executableDir))
        return withSlash(executableDir);
    const QString data = userDataDir();
    if (create)
        QDir().mkpath(data);
    return withSlash(data);
}

} // namespace Home

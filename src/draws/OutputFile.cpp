#include "draws/OutputFile.h"

#include "draws/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace OutputFile {

namespace {

[[noreturn]] void cannotWrite(const QString& path, const QString& reason)
{
    throw FileError{QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                        .arg(QDir::toNativeSeparators(path), reason)};
}

} // namespace

void write(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        cannotWrite(path, QStringLiteral("das ist ein Ordner"));
    if (info.exists() && !info.isFile()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly) || device.write(bytes) != bytes.size() || !device.flush())
            cannotWrite(path, device.errorString());
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        cannotWrite(path, file.errorString());
}

} // namespace OutputFile

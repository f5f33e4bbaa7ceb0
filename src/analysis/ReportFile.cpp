#include "analysis/ReportFile.h"

#include "draws/Error.h"

#include <QDir>
#include <QSaveFile>

namespace ReportFile {

void write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(QStringLiteral("Der Bericht kann nicht geschrieben werden: %1\n(%2)")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace ReportFile

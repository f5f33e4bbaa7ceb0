#include "draws/DrawFile.h"

#include "draws/DrawDate.h"
#include "draws/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

FileError error(const QString& what, const QString& path, const QString& detail)
{
    return FileError{QStringLiteral("%1: %2\n(%3)").arg(what, QDir::toNativeSeparators(path), detail)};
}

bool replaceFile(const QString& from, const QString& to)
{
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<LPCWSTR>(from.utf16()), reinterpret_cast<LPCWSTR>(to.utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

} // namespace

DrawFile::DrawFile(QString path)
    : m_path(std::move(path))
{
}

bool DrawFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

std::vector<DrawRecord> DrawFile::readAll() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw error(QStringLiteral("Die Ziehungsdatei kann nicht geöffnet werden"), m_path,
                    file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw error(QStringLiteral("Die Ziehungsdatei kann nicht gelesen werden"), m_path,
                    file.errorString());
    const qsizetype count = bytes.size() / DrawRecord::Size;
    std::vector<DrawRecord> records;
    records.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        records.push_back(DrawRecord::fromBytes(bytes.constData() + i * DrawRecord::Size));
    return records;
}

void DrawFile::createIfMissing() const
{
    if (!exists())
        replaceAll({});
}

void DrawFile::append(const std::vector<DrawRecord>& records) const
{
    std::vector<DrawRecord> all = exists() ? readAll() : std::vector<DrawRecord>{};
    all.insert(all.end(), records.begin(), records.end());
    replaceAll(all);
}

void DrawFile::replaceAll(const std::vector<DrawRecord>& records, const QString& tempPathArg) const
{
    const QString tempPath = tempPathArg.isEmpty() ? m_path + QLatin1Char('~') : tempPathArg;
    QByteArray bytes(qsizetype(records.size()) * DrawRecord::Size, '\0');
    for (size_t i = 0; i < records.size(); ++i)
        records[i].writeTo(bytes.data() + i * DrawRecord::Size);

    QFile temp(tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw error(QStringLiteral("Die temporäre Ziehungsdatei kann nicht angelegt werden"), tempPath,
                    temp.errorString());
    const bool written = temp.write(bytes) == bytes.size() && temp.flush();
#ifndef Q_OS_WIN
    const bool synced = written && ::fsync(temp.handle()) == 0;
#else
    const bool synced = written;
#endif
    const QString detail = temp.errorString();
    temp.close();
    if (!synced || temp.error() != QFileDevice::NoError) {
        QFile::remove(tempPath);
        throw error(QStringLiteral("Die temporäre Ziehungsdatei kann nicht geschrieben werden"), tempPath,
                    detail);
    }
    if (!replaceFile(tempPath, m_path)) {
        QFile::remove(tempPath);
        throw error(QStringLiteral("Die Ziehungsdatei kann nicht ersetzt werden"), m_path,
                    QStringLiteral("rename failed"));
    }
}

std::vector<DrawRecord> DrawFile::withInserted(const std::vector<DrawRecord>& records, const DrawRecord& n)
{
    const double oldWednesdayLimit = DrawDate::fromQDate(QDate(1986, 6, 4));
    std::vector<DrawRecord> out;
    out.reserve(records.size() + 1);
    bool written = false;
    for (const DrawRecord& r : records) {
        if (r.datum < oldWednesdayLimit && DrawDate::toQDate(r.datum).dayOfWeek() == Qt::Wednesday)
            continue;
        if (r.datum >= n.datum && !written) {
            out.push_back(n);
            written = true;
        }
        if (r.datum != n.datum)
            out.push_back(r);
    }
    if (!written)
        out.push_back(n);
    return out;
}

void DrawFile::insert(const DrawRecord& n) const
{
    std::vector<DrawRecord> records = readAll();
    // A draw later than the last one is only appended: nothing else of the file changes.
    if (records.empty() || n.datum > records.back().datum) {
        records.push_back(n);
        replaceAll(records);
        return;
    }
    replaceAll(withInserted(records, n));
}

void DrawFile::removeDate(double datum) const
{
    std::vector<DrawRecord> kept;
    for (const DrawRecord& r : readAll())
        if (r.datum != datum)
            kept.push_back(r);
    replaceAll(kept, QFileInfo(m_path).dir().filePath(QStringLiteral("Zahlen.da~")));
}

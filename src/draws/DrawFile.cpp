#include "draws/DrawFile.h"

#include "draws/DrawDate.h"
#include "draws/Error.h"
#include "draws/WriteFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

// Written in blocks so that the fault tests can stop a rewrite half-way through the temporary file.
constexpr qsizetype BlockSize = 1024 * DrawRecord::Size;

FileError error(const QString& what, const QString& path, const QString& detail)
{
    return FileError{QStringLiteral("%1: %2\n(%3)").arg(what, QDir::toNativeSeparators(path), detail)};
}

QString injectedFailure()
{
    return QString::fromLocal8Bit(WriteFaults::failureText());
}

// Held for a whole read-modify-write. A lock left behind by a killed process is taken over at once:
// QLockFile sees that its process is gone.
class WriteLock
{
public:
    explicit WriteLock(const QString& path)
        : m_lock(path + QStringLiteral(".lock"))
    {
        if (m_lock.tryLock(DrawFile::LockWaitMs)) {
            if (!WriteFaults::stepFails())
                return;
            m_lock.unlock();
            throw error(QStringLiteral("Die Ziehungsdatei kann nicht gesperrt werden"), path, injectedFailure());
        }
        if (m_lock.error() == QLockFile::LockFailedError)
            throw error(QStringLiteral("Die Ziehungsdatei wird gerade von einem anderen Programm geändert"), path,
                        QStringLiteral("nach %1 Sekunden Warten abgebrochen; bitte noch einmal versuchen")
                            .arg(DrawFile::LockWaitMs / 1000));
        throw error(QStringLiteral("Die Ziehungsdatei kann nicht gesperrt werden"), path + QStringLiteral(".lock"),
                    m_lock.error() == QLockFile::PermissionError ? QStringLiteral("keine Schreibberechtigung")
                                                                 : QStringLiteral("unbekannter Fehler"));
    }

private:
    QLockFile m_lock;
};

} // namespace

DrawFile::DrawFile(QString path)
    : m_path(std::move(path))
{
}

bool DrawFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

bool DrawFile::isSupportedDate(double datum)
{
    static const double first = DrawDate::fromQDate(QDate(2009, 9, 25));
    static const double last = DrawDate::fromQDate(QDate(2199, 12, 31));
    return std::isfinite(datum) && datum >= first && datum <= last;
}

DrawFile::Contents DrawFile::decode(const QByteArray& bytes)
{
    Contents contents;
    const qsizetype count = bytes.size() / DrawRecord::Size;
    contents.records.reserve(size_t(count));
    for (qsizetype i = 0; i < count; ++i) {
        const DrawRecord r = DrawRecord::fromBytes(bytes.constData() + i * DrawRecord::Size);
        if (isSupportedDate(r.datum))
            contents.records.push_back(r);
        else
            ++contents.skipped;
    }
    return contents;
}

DrawFile::Contents DrawFile::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw error(QStringLiteral("Die Ziehungsdatei kann nicht geöffnet werden"), m_path,
                    file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw error(QStringLiteral("Die Ziehungsdatei kann nicht gelesen werden"), m_path,
                    file.errorString());
    return decode(bytes);
}

std::vector<DrawRecord> DrawFile::readAll() const
{
    return read().records;
}

void DrawFile::createIfMissing() const
{
    const WriteLock lock(m_path);
    if (!exists())
        write({});
}

bool DrawFile::createWith(const std::vector<DrawRecord>& records) const
{
    const WriteLock lock(m_path);
    if (exists())
        return false;
    write(records);
    return true;
}

void DrawFile::append(const std::vector<DrawRecord>& records) const
{
    const WriteLock lock(m_path);
    std::vector<DrawRecord> all = exists() ? readAll() : std::vector<DrawRecord>{};
    all.insert(all.end(), records.begin(), records.end());
    write(all);
}

void DrawFile::replaceAll(const std::vector<DrawRecord>& records) const
{
    const WriteLock lock(m_path);
    write(records);
}

void DrawFile::write(const std::vector<DrawRecord>& records) const
{
    QByteArray bytes(qsizetype(records.size()) * DrawRecord::Size, '\0');
    for (size_t i = 0; i < records.size(); ++i)
        records[i].writeTo(bytes.data() + i * DrawRecord::Size);

    // QSaveFile writes to a unique temporary file beside the draw file and discards it unless
    // commit() syncs it and renames it over the draw file.
    QSaveFile file(m_path);
    if (WriteFaults::stepFails())
        throw error(QStringLiteral("Die temporäre Ziehungsdatei kann nicht angelegt werden"), m_path,
                    injectedFailure());
    if (!file.open(QIODevice::WriteOnly))
        throw error(QStringLiteral("Die temporäre Ziehungsdatei kann nicht angelegt werden"), m_path,
                    file.errorString());
    for (qsizetype at = 0; at < bytes.size(); at += BlockSize) {
        const qsizetype size = std::min(BlockSize, bytes.size() - at);
        const bool failed = WriteFaults::stepFails();
        if (failed || file.write(bytes.constData() + at, size) != size || !file.flush())
            throw error(QStringLiteral("Die temporäre Ziehungsdatei kann nicht geschrieben werden"), m_path,
                        failed ? injectedFailure() : file.errorString());
    }
    const bool failed = WriteFaults::stepFails();
    if (failed || !file.commit())
        throw error(QStringLiteral("Die Ziehungsdatei kann nicht ersetzt werden"), m_path,
                    failed ? injectedFailure() : file.errorString());
    // The new file is in place; a kill from here on leaves only the lock, which the next writer takes over.
    WriteFaults::stepFails();
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
    const WriteLock lock(m_path);
    std::vector<DrawRecord> records = readAll();
    // A draw later than the last one is only appended: nothing else of the file changes.
    if (records.empty() || n.datum > records.back().datum) {
        records.push_back(n);
        write(records);
        return;
    }
    write(withInserted(records, n));
}

void DrawFile::removeDate(double datum) const
{
    const WriteLock lock(m_path);
    std::vector<DrawRecord> kept;
    for (const DrawRecord& r : readAll())
        if (r.datum != datum)
            kept.push_back(r);
    write(kept);
}

void DrawFile::modify(
    const std::function<std::optional<std::vector<DrawRecord>>(const std::vector<DrawRecord>&)>& change) const
{
    const WriteLock lock(m_path);
    const auto changed = change(exists() ? readAll() : std::vector<DrawRecord>{});
    if (changed)
        write(*changed);
}

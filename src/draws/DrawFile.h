#pragma once

#include "draws/DrawRecord.h"

#include <QString>

#include <vector>

// Which draws a scan counts: a date window with an inclusive end and a closed or open start, and the
// main-draw filter ("Main Draw only" skips records without bonus number).
struct StatisticWindow
{
    double start = 0;
    double end = 0;
    bool closedStart = true;
    bool mainDrawOnly = true;

    bool accepts(const DrawRecord& r) const
    {
        if (r.datum > end || (closedStart ? r.datum < start : r.datum <= start))
            return false;
        return !(mainDrawOnly && r.bonus == 0);
    }
};

// The draw file: a headerless sequence of 32-byte records, oldest first. Every operation reads or
// replaces it whole; nothing keeps it open. A rewrite goes to a unique temporary file in the same folder
// that is synced and renamed over the old file, so a crash or a failed write never loses the database,
// and every read-modify-write holds the lock file beside it (path + ".lock"), so two processes never
// interleave their changes. Every failure throws FileError with a text naming the file.
class DrawFile
{
public:
    static constexpr const char* DefaultName = "ZahlenMax.dat";
    // How long a writer waits for another process to finish before it gives up.
    static constexpr int LockWaitMs = 3000;

    struct Contents
    {
        std::vector<DrawRecord> records;
        int skipped = 0; // records dropped for a date that is not a supported draw date
    };

    explicit DrawFile(QString path);

    const QString& path() const { return m_path; }
    bool exists() const;

    // All whole records with a supported date, in file order; trailing bytes that do not make a
    // record are ignored.
    std::vector<DrawRecord> readAll() const;
    // The same, with the count of records skipped for their date, for a warning.
    Contents read() const;
    static Contents decode(const QByteArray& bytes);
    // A whole day from 25.09.2009 to 31.12.2199: what a record read from the file may carry.
    static bool isSupportedDate(double datum);

    // Creates the file empty when it does not exist.
    void createIfMissing() const;
    // Creates the file with these records when it does not exist; false when it existed (and is unchanged).
    bool createWith(const std::vector<DrawRecord>& records) const;
    void append(const std::vector<DrawRecord>& records) const;
    void replaceAll(const std::vector<DrawRecord>& records) const;
    // Puts n in front of the first record dated on or after it, replacing every record of its date;
    // Wednesday records before 04.06.1986 are dropped. Appends when n is later than every record.
    void insert(const DrawRecord& n) const;
    // Removes every record of the given date.
    void removeDate(double datum) const;
    // Reads the records (none when the file is missing) and writes what change returns, all under the
    // lock; nullopt leaves the file as it is.
    void modify(const std::function<std::optional<std::vector<DrawRecord>>(const std::vector<DrawRecord>&)>&
                    change) const;

    static std::vector<DrawRecord> withInserted(const std::vector<DrawRecord>& records, const DrawRecord& n);

private:
    void write(const std::vector<DrawRecord>& records) const;

    QString m_path;
};

#pragma once

#include "draws/DrawRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class DrawFile;

// Rebuilds the draw file from a CSV file of draws, or adds the newer draws of one. Two layouts are read:
// the program's own, one draw per line, oldest first: dd.mm.yyyy,n1,n2,n3,n4,n5,n6,n7,bonus (every
// number stored as its lowest byte), and the lottery operator's download (OperatorCsv), recognised by
// its header. The ENCORE and Super 6 digits stay zero (neither file carries them). The whole file is
// checked before anything is written, so a bad line leaves the draw file exactly as it was.
namespace DrawImport {
inline constexpr const char* DefaultCsvName = "LOTTOMAX.csv";

// The number fields of a draw line, shared by the import and the update answers: a whole decimal number
// that fits 32 bits (blanks around it allowed), stored as its lowest byte.
std::optional<qint64> wholeNumber(const QByteArray& field);
std::uint8_t lowestByte(qint64 value);

// A field as quoted in a message: cut short, control bytes (a NUL above all) written as \xHH so that
// the message stays whole wherever it is printed.
QString shownField(const QByteArray& field);

// The lines of a text: a UTF-8 byte order mark and the CR of CR LF removed, blank lines at the end dropped.
QList<QByteArray> splitLines(const QByteArray& text);

struct ParseResult
{
    std::vector<DrawRecord> records;
    int errorLine = 0; // 1-based; 0 when every line was good
    QString error;     // what is wrong with that line

    bool ok() const { return errorLine == 0; }
};

// A text starting with the operator's header is read as OperatorCsv::parse does. Otherwise:
// lines may end in LF or CR LF; empty lines after the last draw are ignored, any other empty line
// is an error, as is a header line. Also refused, naming the line: a date outside 25.09.2009 to
// 31.12.2199, a date before the previous line's, a second draw with bonus number on one date, a
// number repeated within a draw, and a file in UTF-16 (line 1). A text without any line is no error
// here; importFile refuses it.
ParseResult parse(const QByteArray& text);

// Reads and checks csvPath: its draws. Throws FileError (naming the file, and the line when a line is
// bad; also for a file without any draw).
std::vector<DrawRecord> readFile(const QString& csvPath);

// Reads and checks csvPath, then replaces the draw file with its draws in one atomic step.
// Returns the number of draws imported. Throws FileError (naming the file, and the line when a
// line is bad; also for a file without any draw); the draw file is then unchanged.
int importFile(const QString& csvPath, const DrawFile& drawFile);

// What adding a file's draws to the stored ones does, date by date: the draws of a date later than the
// newest stored draw are appended; a draw of an earlier date is compared with the stored draw in the
// same place of its date (main draw first, then the draws without bonus): the same numbers and bonus
// are skipped, anything else (other numbers, or no stored draw there) is a conflict and stays as it is.
struct Conflict
{
    DrawRecord file;
    std::optional<DrawRecord> stored; // none when the date holds fewer stored draws
};
struct MergeResult
{
    std::vector<DrawRecord> appended;
    int skipped = 0;
    std::vector<Conflict> conflicts;
};
MergeResult merge(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& incoming);

// Reads and checks csvPath like importFile, then appends its newer draws to the draw file (created when
// missing); the file is rewritten only when there is something to append.
MergeResult mergeFile(const QString& csvPath, const DrawFile& drawFile);

// "1 2 3 4 5 6 7 B 8", "... ohne Bonus" for a draw without bonus: a draw as a conflict report shows it.
QString numbersText(const DrawRecord& record);
} // namespace DrawImport

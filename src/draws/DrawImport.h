#pragma once

#include "draws/DrawRecord.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class DrawFile;

// Rebuilds the draw file from a CSV file of draws, one per line, oldest first:
// dd.mm.yyyy,n1,n2,n3,n4,n5,n6,n7,bonus. Every number is stored as its lowest byte; the ENCORE and
// Super 6 digits stay zero (the file carries none). The whole file is checked before anything is
// written, so a bad line leaves the draw file exactly as it was.
namespace DrawImport {
inline constexpr const char* DefaultCsvName = "LOTTOMAX.csv";

// The number fields of a draw line, shared by the import and the update answers: a whole decimal number
// that fits 32 bits (blanks around it allowed), stored as its lowest byte.
std::optional<qint64> wholeNumber(const QByteArray& field);
std::uint8_t lowestByte(qint64 value);

struct ParseResult
{
    std::vector<DrawRecord> records;
    int errorLine = 0; // 1-based; 0 when every line was good
    QString error;     // what is wrong with that line

    bool ok() const { return errorLine == 0; }
};

// Lines may end in LF or CR LF; empty lines after the last draw are ignored, any other empty line
// is an error, as is a header line. Also refused, naming the line: a date outside 25.09.2009 to
// 31.12.2199, a date before the previous line's, a second draw with bonus number on one date, a
// number repeated within a draw, and a file in UTF-16 (line 1). A text without any line is no error
// here; importFile refuses it.
ParseResult parse(const QByteArray& text);

// Reads and checks csvPath, then replaces the draw file with its draws in one atomic step.
// Returns the number of draws imported. Throws FileError (naming the file, and the line when a
// line is bad; also for a file without any draw); the draw file is then unchanged.
int importFile(const QString& csvPath, const DrawFile& drawFile);
} // namespace DrawImport

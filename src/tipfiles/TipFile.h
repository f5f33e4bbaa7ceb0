#pragma once

#include "draws/GameEras.h"
#include "tips/TipSheet.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// The tip file (".tlt"): thirteen lines in Latin-1 with CR LF ends. Lines 1 to 12 hold the rows, the
// seven cell texts joined by ","; line 13 holds the ticket number. No header, no lock flags.
namespace TipFile {

inline constexpr const char* Extension = "tlt";
inline constexpr const char* Filter = "Tippdatei (*.tlt)";

// The proposed name: the next draw day after the selected draw (Sunday and Wednesday + 3 days,
// Saturday + 4), or today for a selected date on any other weekday; "yyyymmdd.tlt".
QString proposedName(const QDate& selectedDate, const QDate& today);

QByteArray encode(const TipSheet& sheet, const QString& ticketNumber);
// Replaces the file atomically; throws FileError.
void write(const QString& path, const TipSheet& sheet, const QString& ticketNumber);

// Reads the file's bytes; throws FileError when it cannot be opened or read.
QByteArray read(const QString& path);

// The rows of a tip file (one per line, at most twelve, every cell through the cell rule) and the
// ticket number (a line after the twelfth). Throws FileError naming the first row that holds a number
// twice, so a caller can refuse the file before it touches the sheet.
struct Contents
{
    std::vector<TipSheet::Row> rows;
    std::optional<QString> ticketNumber;
};
Contents parse(const QByteArray& bytes, const Game& game);

// Fills rows from a parsed tip file. Rows without a line keep their state. Clearing the unlocked rows
// first is the caller's step.
void apply(const Contents& contents, TipSheet& sheet, QString& ticketNumber);
// parse() and apply() in one; throws FileError as parse() does, leaving the sheet untouched.
void apply(const QByteArray& bytes, TipSheet& sheet, QString& ticketNumber, const Game& game);

// Throws Error naming the row when a cell of the file holds a whole number the game does not have,
// so that a tip of a larger game is not loaded with that number silently dropped.
void checkRange(const QByteArray& bytes, const Game& game);

} // namespace TipFile

#pragma once

#include "draws/GameEras.h"
#include "tips/TipSheet.h"

#include <QByteArray>
#include <QDate>
#include <QString>

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

// Fills rows from the lines of a tip file. Rows without a line keep their state; every cell passes the
// cell rule; a line after the twelfth becomes the ticket number. Clearing the unlocked rows first is
// the caller's step.
void apply(const QByteArray& bytes, TipSheet& sheet, QString& ticketNumber, const Game& game);

// Throws Error naming the row when a cell of the file holds a whole number the game does not have,
// so that a tip of a larger game is not loaded with that number silently dropped.
void checkRange(const QByteArray& bytes, const Game& game);

} // namespace TipFile

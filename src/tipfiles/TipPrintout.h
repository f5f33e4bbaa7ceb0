#pragma once

#include "draws/GameEras.h"
#include "tips/TipSheet.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QStringList>

// The printable listing "Tipp.txt": a header with the next draw's date, a line of tildes, an empty
// line, then one line per row whose first cell is filled. Latin-1, CR LF ends, no byte-order mark.
namespace TipPrintout {

inline constexpr const char* FileName = "Tipp.txt";

// drawDate is the loaded draw's date; the header shows the game's next draw after it, with the locale's
// long weekday name. tippWord is the message text "Tipp". A row with its first cell filled and another
// cell empty cannot be listed: FileError names the row and nothing is produced.
QStringList lines(const TipSheet& sheet, const QDate& drawDate, GameRules rules, const QString& tippWord,
                  const QLocale& locale = QLocale());

QByteArray encode(const QStringList& lines);
// Replaces the file atomically; throws FileError.
void write(const QString& path, const QStringList& lines);

} // namespace TipPrintout

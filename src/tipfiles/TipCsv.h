#pragma once

#include "tips/TipSheet.h"

#include <QByteArray>
#include <QString>

// The tip sheet as CSV for spreadsheets and other programs: a header row "Tipp,Zahl1,...,Zahl7", then
// one row per tip that holds any number: the row's number on the sheet (1..12) and its seven cells as
// they stand (an empty cell gives an empty field). ASCII, CR LF line ends. Rows without any number are
// left out, so the row numbers say where each tip stood.
namespace TipCsv {

inline constexpr const char* Extension = "csv";
inline constexpr const char* Filter = "CSV-Datei (*.csv)";

QByteArray encode(const TipSheet& sheet);
// As OutputFile::write: whole or not at all; throws FileError naming the file and the reason.
void write(const QString& path, const TipSheet& sheet);

} // namespace TipCsv

#pragma once

#include "draws/DrawImport.h"
#include "draws/DrawRecord.h"

#include <QByteArray>
#include <vector>

// The lottery operator's download of Lotto Max results: a header line, then one quoted CSV row per draw,
// oldest first, "yyyy-mm-dd" dates. SEQUENCE NUMBER 0 is a date's main draw; 1, 2, ... are its
// MAXMILLIONS draws, stored as records of the same date without bonus number, after the main draw.
namespace OperatorCsv {

// The header row, as the operator writes it.
QByteArray header();

// Whether a text is to be read as the operator's: the first field of its first line is PRODUCT. The
// header as a whole is checked by parse.
bool isOperatorFile(const QByteArray& text);

// Checks the whole text like the own format, plus: the header, the product, numbers within the game of
// the row's date, sequence numbers ascending within a date starting with the main draw, one main draw a
// date. A header without rows gives no records and no error.
DrawImport::ParseResult parse(const QByteArray& text);

// The draws in the operator's layout (LF line ends). Draw numbers count the dates from 1; a date's main
// draw comes first with sequence 0, its draws without bonus follow. Draws within the game of their date
// import again unchanged.
QByteArray write(const std::vector<DrawRecord>& records);

} // namespace OperatorCsv

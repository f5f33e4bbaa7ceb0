#pragma once

#include "draws/DrawRecord.h"
#include "draws/GameEras.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// The maker's server as the draw update sees it: which dates to ask for, the request, and the answer
// grammar. One answer line per draw of the request date:
//   ignored,n1,n2,n3,n4,n5,n6,n7,bonus,ENCORE;ignored
// The record takes the request date; ENCORE is seven characters 0..9 and becomes seven zero digits when
// it is missing or not seven digits. Super 6 digits are not sent: they repeat the record before.
namespace UpdateAnswer {

inline constexpr const char* DefaultServer = "https://www.torvane.example";
inline constexpr const char* Path = "/zahlen/lottomax.asp";

// "Programm=Korvex&Datum=yyyymmdd"
QString query(const QDate& date);

// The first date to ask for: classic one week after the newest stored draw, as played the next draw
// day of the game after it. With no stored draw, the selected date (as played the first draw day on or
// after it).
QDate firstRequestDate(std::optional<QDate> newest, const QDate& selected, GameRules rules);
QDate nextRequestDate(const QDate& date, GameRules rules);
// Every date from firstRequestDate up to today.
std::vector<QDate> requestDates(std::optional<QDate> newest, const QDate& selected, const QDate& today,
                                GameRules rules);

// One line into a record of the request date; nothing when the line does not follow the grammar.
// `before` is the record written before it, whose Super 6 digits it repeats.
std::optional<DrawRecord> parseLine(const QByteArray& line, const QDate& date, const DrawRecord& before);

struct Parsed
{
    std::vector<DrawRecord> records; // the readable lines before the first unreadable one
    int unreadableLine = 0;          // 1-based; 0 when every line was read
    bool ok() const { return unreadableLine == 0; }
};

// Every line of a body, in order. Lines end in CR LF, LF or CR; blank lines carry no draw and are
// passed over. A second line with bonus number, or a line repeating a number, is unreadable too: a
// date has one main draw, and a draw never holds a number twice.
Parsed parse(const QByteArray& body, const QDate& date, const DrawRecord& before);

// The body as text for the user: UTF-8 when it is valid UTF-8, else Latin-1; control characters other
// than line breaks and tabs shown as \xHH; at most maxChars characters.
QString shownBody(const QByteArray& body, int maxChars = 4000);

} // namespace UpdateAnswer

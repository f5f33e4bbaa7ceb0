#pragma once

#include "tips/TipSheet.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The tip e-mail: the subject with the day's date, one line per tip whose first number is filled, and
// the link that opens the tips on the maker's evaluation page.
namespace TipMail {

inline constexpr const char* EvaluationHost = "www.torvane.example";
inline constexpr const char* EvaluationPath = "/auswerten.asp?Programm=Korvex&";

QString subject(const QDate& today);
// The link carries every position of all twelve tips, empty ones with nothing after "=".
QString evaluationLink(const TipSheet& sheet);
QStringList bodyLines(const TipSheet& sheet);

} // namespace TipMail

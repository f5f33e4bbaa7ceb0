#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <cmath>

// Dates travel as doubles counting whole days since 30.12.1899 (the draw file's format).
namespace DrawDate {
inline constexpr qint64 EpochJulianDay = 2415019; // 30.12.1899

inline double fromQDate(const QDate& date)
{
    return double(date.toJulianDay() - EpochJulianDay);
}

inline QDate toQDate(double days)
{
    return QDate::fromJulianDay(qint64(std::floor(days)) + EpochJulianDay);
}

// The fixed short date format of the whole program: dd.mm.yyyy, whatever the system locale.
inline QString format(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

inline QString format(double days)
{
    return format(toQDate(days));
}

// Parses dd.mm.yyyy (also d.m.yyyy); returns an invalid date on failure.
QDate parse(const QString& text);

// "DDD dd.mm.yy": short weekday name of the given locale (system locale by default), then the date.
QString shortDayLine(double days, const QLocale& locale = QLocale());

// The earliest date the date pickers accept.
inline QDate earliestPickerDate()
{
    return QDate(2009, 9, 25);
}
} // namespace DrawDate

#include "draws/DrawDate.h"

#include <QStringList>

namespace DrawDate {

QDate parse(const QString& text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != 3)
        return {};
    bool okDay = false, okMonth = false, okYear = false;
    const int day = parts[0].trimmed().toInt(&okDay);
    const int month = parts[1].trimmed().toInt(&okMonth);
    int year = parts[2].trimmed().toInt(&okYear);
    if (!okDay || !okMonth || !okYear)
        return {};
    if (parts[2].trimmed().size() <= 2)
        year += year < 50 ? 2000 : 1900;
    return QDate(year, month, day);
}

QString shortDayLine(double days, const QLocale& locale)
{
    const QDate date = toQDate(days);
    return locale.standaloneDayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ')
        + date.toString(QStringLiteral("dd.MM.yy"));
}

} // namespace DrawDate

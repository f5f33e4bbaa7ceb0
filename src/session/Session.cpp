#include "session/Session.h"

#include "draws/DrawDate.h"

Session::Session(QString homeDir)
    : home(std::move(homeDir))
{
}

void Session::setSelectedDate(const QDate& date)
{
    if (date.isValid() && date >= DrawDate::earliestPickerDate())
        selectedDate = date;
}

void Session::setStartDate(const QDate& date)
{
    if (date.isValid() && date >= DrawDate::earliestPickerDate())
        startDate = date;
}

void Session::applyStartUpRules()
{
    if (startDate > today.addDays(-7))
        startDate = DrawDate::earliestPickerDate();
    if (proxyHost.isEmpty())
        proxyPort = QStringLiteral("80");
}

Game Session::tipGame() const
{
    const QDate drawDate = drawShown ? DrawDate::toQDate(current.date) : selectedDate;
    return GameEras::forTipsAfter(drawDate, gameRules);
}

StatisticWindow Session::window(bool closedStart) const
{
    StatisticWindow w;
    w.start = DrawDate::fromQDate(startDate);
    w.end = DrawDate::fromQDate(selectedDate.isValid() ? selectedDate : today);
    w.closedStart = closedStart;
    w.mainDrawOnly = mainDrawOnly;
    return w;
}

#include "draws/GameEras.h"

#include <QStringList>
#include <array>

namespace GameEras {

namespace {
constexpr unsigned Tuesday = 1u << Qt::Tuesday;
constexpr unsigned Friday = 1u << Qt::Friday;

const std::array<Era, 3> kEras{{
    {QDate(2009, 9, 25), Game{49, 7, true, Friday}},
    {QDate(2019, 5, 14), Game{50, 7, true, Tuesday | Friday}},
    {QDate(2026, 4, 14), Game{52, 7, true, Tuesday | Friday}},
}};
} // namespace

std::span<const Era> all()
{
    return kEras;
}

Game on(const QDate& date, GameRules rules)
{
    if (rules == GameRules::Classic)
        return Game::classic();
    Game game = kEras.front().game;
    for (const Era& era : kEras)
        if (date.isValid() && date >= era.first)
            game = era.game;
    return game;
}

QDate nextDrawDay(const QDate& after, GameRules rules)
{
    if (rules == GameRules::Classic || !after.isValid())
        return after.addDays(ClassicStepDays);
    QDate day = after.addDays(1);
    // Every game draws at least once a week, so this ends within a week.
    for (int i = 0; i < 7 && !on(day, rules).drawsOn(day.dayOfWeek()); ++i)
        day = day.addDays(1);
    return day;
}

Game forTipsAfter(const QDate& drawDate, GameRules rules)
{
    return on(nextDrawDay(drawDate, rules), rules);
}

Game widest(GameRules rules)
{
    if (rules == GameRules::Classic)
        return Game::classic();
    Game game = kEras.front().game;
    for (const Era& era : kEras)
        if (era.game.highestNumber > game.highestNumber)
            game = era.game;
    return game;
}

QString label(const Game& game)
{
    return QStringLiteral("%1 aus %2").arg(game.numbersPerDraw).arg(game.highestNumber);
}

QStringList drawDayNames(const Game& game)
{
    static const char* const names[] = {"", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    QStringList days;
    for (int d = Qt::Monday; d <= Qt::Sunday; ++d)
        if (game.drawsOn(d))
            days << QLatin1String(names[d]);
    return days;
}

} // namespace GameEras

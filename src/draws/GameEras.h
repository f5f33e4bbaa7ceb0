#pragma once

#include "draws/Game.h"

#include <QDate>
#include <QString>
#include <span>

// Which game is in force on a date. "As played" follows the operator's eras; "classic" keeps the game
// of 2009 (7 of 49, weekly) on every date, so that stored sheets and earlier results keep their meaning.
enum class GameRules
{
    AsPlayed,
    Classic
};

namespace GameEras {

struct Era
{
    QDate first; // the first draw day of the era
    Game game;
};

// The eras, oldest first. A change of the game by the operator is one more line here.
std::span<const Era> all();

// The classic game's rhythm: one draw a week.
inline constexpr int ClassicStepDays = 7;

// The game in force on a date; before the first era, the first era's game.
Game on(const QDate& date, GameRules rules);
// The first draw day after `after`: classic one week later, as played the next weekday on which the
// game in force draws.
QDate nextDrawDay(const QDate& after, GameRules rules);
// The game of the draw that tips made after the draw of `drawDate` are for.
Game forTipsAfter(const QDate& drawDate, GameRules rules);
// The largest game the rules allow on any date: what a stored sheet may hold.
Game widest(GameRules rules);

// "7 aus 50"
QString label(const Game& game);
// "Tue", "Fri": the draw days as the command line names them.
QStringList drawDayNames(const Game& game);

} // namespace GameEras

#pragma once

#include <QDate>

// The rules of one game: how many numbers there are, how many are drawn and on which weekdays. Every
// number range and draw rhythm of the program comes from a Game value; tables are sized for the
// largest supported game so that a value can change without a rebuild.
struct Game
{
    // A draw record and a tip row hold seven numbers in every game the program supports.
    static constexpr int NumbersPerDraw = 7;
    static constexpr int MaxHighestNumber = 52;

    int highestNumber = 49;
    int numbersPerDraw = NumbersPerDraw;
    bool hasBonus = true;
    // Bit d set: a draw on weekday d (Qt::Monday = 1 .. Qt::Sunday = 7).
    unsigned drawDays = 1u << Qt::Friday;

    // 7 of 49 with a bonus, drawn on Fridays.
    static Game classic() { return {}; }

    bool contains(int number) const { return number >= 1 && number <= highestNumber; }
    bool drawsOn(int weekday) const { return (drawDays >> weekday) & 1u; }
    static constexpr bool isPrime(int n)
    {
        if (n < 2)
            return false;
        for (int d = 2; d * d <= n; ++d)
            if (n % d == 0)
                return false;
        return true;
    }

    bool operator==(const Game&) const = default;
};

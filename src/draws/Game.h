#pragma once

// The rules of the game in one place, so that a later change of the game touches only this file.
namespace Game {
inline constexpr int HighestNumber = 49;
inline constexpr int NumbersPerDraw = 7;
inline constexpr int DrawRhythmDays = 7;
inline constexpr int DrawsPerWeek = 2; // the database filters count their window in draws at this rate

constexpr bool isPrime(int n)
{
    if (n < 2)
        return false;
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}
} // namespace Game

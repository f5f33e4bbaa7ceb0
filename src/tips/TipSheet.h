#pragma once

#include "draws/Game.h"

#include <QString>
#include <algorithm>
#include <array>

// The twelve tips of the sheet. A cell is 0 (empty) or a number of the game; the cell rule keeps it so.
// The result fields are what the complete check shows beside each row.
struct TipSheet
{
    static constexpr int Rows = 12;
    static constexpr int Cells = Game::NumbersPerDraw;
    using Row = std::array<int, Cells>;

    // Number of the first edit field of each row; the fields of a row are consecutive.
    static constexpr std::array<int, Rows> FirstEdit{1, 8, 15, 22, 29, 42, 49, 57, 64, 71, 94, 101};

    enum class Mark
    {
        None,
        Hit,
        Bonus
    }; // cell colour: window background, lime, yellow

    std::array<Row, Rows> cells{};
    std::array<bool, Rows> locked{};
    std::array<QString, Rows> hitText;      // e.g. "3 + B"
    std::array<QString, Rows> crossSumText; // e.g. "168"
    std::array<bool, Rows> hitRed{};
    std::array<std::array<Mark, Cells>, Rows> marks{};
    int tipCount = 6;

    // The cell rule: a number of the game, anything else (text, blanks, 0, 50 in 7 of 49, -3) becomes
    // empty (0).
    static int cellValue(const QString& text, const Game& game)
    {
        bool ok = false;
        const int v = text.trimmed().toInt(&ok);
        return ok && game.contains(v) ? v : 0;
    }
    static QString cellText(int value) { return value >= 1 ? QString::number(value) : QString(); }

    bool rowComplete(int row) const
    {
        for (int v : cells[row])
            if (v == 0)
                return false;
        return true;
    }
    // Cells whose number appears elsewhere in the row too; empty cells never count.
    static std::array<bool, Cells> repeatedCells(const Row& row)
    {
        std::array<bool, Cells> repeated{};
        for (int i = 0; i < Cells; ++i)
            for (int j = i + 1; j < Cells; ++j)
                if (row[i] != 0 && row[i] == row[j])
                    repeated[i] = repeated[j] = true;
        return repeated;
    }
    static bool hasRepeat(const Row& row)
    {
        const auto repeated = repeatedCells(row);
        return std::find(repeated.begin(), repeated.end(), true) != repeated.end();
    }
    // What checks, counts and searches take: seven numbers, none of them twice.
    bool rowUsable(int row) const { return rowComplete(row) && !hasRepeat(cells[row]); }

    void clearRow(int row)
    {
        cells[row] = {};
        hitText[row].clear();
        crossSumText[row].clear();
        hitRed[row] = false;
        marks[row] = {};
    }

    bool operator==(const TipSheet&) const = default;
};

#include "tips/TipSheetOps.h"

void clearUnlocked(TipSheet& sheet)
{
    for (int row = 0; row < TipSheet::Rows; ++row)
        if (!sheet.locked[row])
            sheet.clearRow(row);
}

void toggleLock(TipSheet& sheet, int row)
{
    sheet.locked[row] = !sheet.locked[row];
}

NumberChecks checksOfRow(const TipSheet::Row& row, const Game& game)
{
    NumberChecks checks{};
    for (int v : row)
        if (game.contains(v))
            checks[std::size_t(v)] = true;
    return checks;
}

void applyChecksToRow(TipSheet::Row& row, const NumberChecks& checked, const Game& game)
{
    int cell = 0;
    for (int n = 1; n <= game.highestNumber && cell < TipSheet::Cells; ++n)
        if (checked[std::size_t(n)])
            row[std::size_t(cell++)] = TipSheet::cellValue(QString::number(n), game);
}

#include "tips/TipSheetOps.h"

#include "app/Session.h"
#include "checking/CompleteCheck.h"

void clearUnlocked(Session& s)
{
    for (int row = 0; row < TipSheet::Rows; ++row)
        if (!s.sheet.locked[row])
            s.sheet.clearRow(row);
    const bool settled = s.sortieren;
    s.sortieren = true;
    completeCheck(s);
    s.sortieren = settled;
}

void toggleLock(TipSheet& sheet, int row)
{
    sheet.locked[row] = !sheet.locked[row];
}

NumberChecks checksOfRow(const TipSheet::Row& row)
{
    NumberChecks checks{};
    for (int v : row)
        if (v >= 1 && v <= Game::HighestNumber)
            checks[v] = true;
    return checks;
}

void applyChecksToRow(TipSheet::Row& row, const NumberChecks& checked)
{
    int cell = 0;
    for (int n = 1; n <= Game::HighestNumber && cell < TipSheet::Cells; ++n)
        if (checked[n])
            row[cell++] = TipSheet::cellValue(QString::number(n));
}

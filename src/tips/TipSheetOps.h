#pragma once

#include "tips/TipSheet.h"

#include <array>

class Session;

// Whole-sheet and per-row actions of the tip page that need no widget.

// SpeedButton11Click: empties the unlocked rows (cells and result texts), then checks the sheet as if it
// were settled, whatever sortieren says.
void clearUnlocked(Session& session);

// Label28Click and its siblings: a locked row keeps its numbers when the sheet is cleared or generated.
void toggleLock(TipSheet& sheet, int row);

// The numbers 1..49 as check boxes: entry n is box n, entry 0 is unused.
using NumberChecks = std::array<bool, Game::HighestNumber + 1>;

// The boxes a row shows when it is opened for editing.
NumberChecks checksOfRow(const TipSheet::Row& row);

// TippEdit after OK: the checked numbers in ascending order fill the row from its first cell; more than
// seven keep the seven smallest, fewer leave the remaining cells as they were.
void applyChecksToRow(TipSheet::Row& row, const NumberChecks& checked);

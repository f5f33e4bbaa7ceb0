#pragma once

#include "tips/TipSheet.h"

#include <array>

// Whole-sheet and per-row actions of the tip page that need no widget.

// Empties the unlocked rows: their cells and result texts.
void clearUnlocked(TipSheet& sheet);

// A locked row keeps its numbers when the sheet is cleared or generated.
void toggleLock(TipSheet& sheet, int row);

// The numbers of the game as check boxes: entry n is box n, entry 0 is unused.
using NumberChecks = std::array<bool, Game::MaxHighestNumber + 1>;

// The boxes a row shows when it is opened for editing.
NumberChecks checksOfRow(const TipSheet::Row& row, const Game& game);

// After the number dialog's OK: the checked numbers in ascending order fill the row from its first
// cell; more than seven keep the seven smallest, fewer leave the remaining cells as they were.
void applyChecksToRow(TipSheet::Row& row, const NumberChecks& checked, const Game& game);

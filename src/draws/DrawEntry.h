#pragma once

#include "draws/DrawRecord.h"
#include "draws/Game.h"

#include <QDate>
#include <QString>
#include <array>
#include <vector>

// One draw as the entry dialog shows it and hands it back.
struct DrawEntryValue
{
    QDate date;
    std::array<int, Game::NumbersPerDraw> numbers{}; // 0: not filled in
    int bonus = 0;                                   // 0: a draw without bonus number
    std::array<int, 7> encore{};
    std::array<int, 6> super6{};

    static DrawEntryValue of(const DrawRecord& record);
    bool operator==(const DrawEntryValue&) const = default;
};

// The manual entry of a draw, without the dialog.
namespace DrawEntry {

struct Start
{
    DrawEntryValue value; // what the dialog shows first
    bool blank = false;   // no draw stored: the dialog starts empty on the day
    QDate remembered;     // shown again after the entry, whatever became of it
};

// The first draw of the day, else the newest draw; a blank draw of the day when there is none.
Start start(const std::vector<DrawRecord>& records, const QDate& day);

// Why the typed draw cannot be stored (numbers missing or outside the game, a number twice, the bonus
// among the numbers, a date the draw file cannot hold); empty when it can.
QString problem(const DrawEntryValue& typed, const Game& game);

// The record to store: the seven numbers sorted ascending, the bonus as typed. The ENCORE and Super 6
// digits of the draw shown are kept only when its date is the typed one (a correction); a draw of
// another date carries none, since the digits of the draw shown are not its own.
DrawRecord record(const DrawEntryValue& typed, const DrawEntryValue& shown);

} // namespace DrawEntry

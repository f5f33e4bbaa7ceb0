#pragma once

#include "draws/DrawRecord.h"
#include "draws/Game.h"
#include "draws/GameEras.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// The draw that tips are checked against, as the draw bar shows it.
struct CurrentDraw
{
    double date = 0; // days since 30.12.1899
    std::array<int, Game::NumbersPerDraw> numbers{};
    int bonus = 0;
    int position = 0; // index of the record in the draw file

    static CurrentDraw of(const DrawRecord& record, int position);
    bool operator==(const CurrentDraw&) const = default;
};

// How a draw came onto the draw bar; the draw line differs a little for each.
enum class DrawShownBy
{
    Lookup,
    Step,
    Search,
    Update // a draw just received from the server
};

// Lookup and the draw bar's arrows as pure functions over the records of one file read, oldest first.
namespace DrawHistory {

// The first draw on or after the day, else the newest; nothing when there are no records.
std::optional<CurrentDraw> lookup(const std::vector<DrawRecord>& records, double day);

// Where an arrow step lands: the draw and the record it shows. The draw's position is the record's index,
// except when the main-draw skip ran into the end of the file: then it stays where the skip began.
struct Step
{
    CurrentDraw draw;
    DrawRecord record;
};

// "Previous" as played: the record before the current position (the oldest stays). Classic: the draw
// dated one week before the day (the newest draw when there is none), then records without bonus
// stepped over towards the newer end. "Next": the record after the current position. With
// mainDrawOnly, records without bonus are stepped over (towards the older end when stepping back as
// played). With no records the result is an all-zero draw, as the arrows always showed it.
Step previous(const std::vector<DrawRecord>& records, const CurrentDraw& current, double day, GameRules rules,
              bool mainDrawOnly);
Step next(const std::vector<DrawRecord>& records, int position, bool mainDrawOnly);

// The day a date picker keeps after a draw was shown: the draw's date unless the picker refuses it.
double pickerDay(double drawDate, double previousDay);

// The generator's reference draws: the lookup of the day, then two steps back, each from where the step
// before landed. `shown` stands in for the lookup when there are no records.
struct ReferenceDraws
{
    std::array<CurrentDraw, 3> draws; // last, second-last, third-last
    double day = 0;                   // what the lookup left selected: the rules' end date
};
ReferenceDraws referenceDraws(const std::vector<DrawRecord>& records, double day, GameRules rules,
                              bool mainDrawOnly, const CurrentDraw& shown);

// The line above the tips: "DDD dd.mm.yy", blanks, each number after two blanks; a step adds the
// bonus as " B: n" when there is one. A draw received by the update shows its time (00:00), all eight
// values and then "  B: n" when it has a bonus.
QString drawLine(const CurrentDraw& draw, DrawShownBy shownBy);
// The sum of the draw's numbers (bonus not counted).
int crossSum(const CurrentDraw& draw);
QString crossSumLine(const CurrentDraw& draw);
// The ENCORE digits of a record as text, "0000000" when it carries none.
QString encoreDigits(const DrawRecord& record);

} // namespace DrawHistory

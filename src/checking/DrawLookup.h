#pragma once

#include "draws/DrawRecord.h"

class Session;

enum class LookupOutcome
{
    Shown,
    FileMissing,
    Empty
};

// SpeedButton5Click: makes the first draw on or after the selected date (else the newest) the current
// draw, shows it and checks the sheet against it. A missing draw file is created empty and reported
// as FileMissing, for the caller to tell the user; an empty file leaves the current draw as it was.
LookupOutcome lookup(Session& session);

// The current draw's fields from a record: date, numbers and bonus, index in the file.
void setCurrentDraw(Session& session, const DrawRecord& record, int position);
// Makes the record current and shows it: the draw line ("DDD dd.mm.yy", the given blanks, each number
// after two blanks) and the cross-sum line.
void showCurrentDraw(Session& session, const DrawRecord& record, int position, int blanksAfterDate);

#pragma once

#include "checking/HitRule.h"
#include "tips/TipSheet.h"

class QString;
class Session;

// Komplettcheck: checks every complete row of the sheet against the current draw, sorts the rows, sets
// their marks and result texts, fills the hit tally and compares the ticket number with the draw's
// ENCORE digits. Returns the best hit count; does nothing but clear the tally while the sheet is not
// settled (sortieren false).
int completeCheck(Session& session);

// A row's hit label from a check: the hit count, " + B" for a bonus hit, red from three hits.
void showHitLabel(TipSheet& sheet, int row, const HitResult& hit);

// LosnummerClick after the input box: the answer becomes the ticket number and the label shows it.
void setTicketNumber(Session& session, const QString& answer);
// The ticket-number label before any comparison: the number after its prefix, or the question for one.
QString ticketLabelText(const Session& session);
// Caption and prompt of the ticket-number input box.
QString ticketNumberCaption(const Session& session);
QString ticketNumberPrompt(const Session& session);

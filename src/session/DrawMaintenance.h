#pragma once

#include "draws/DrawEntry.h"
#include "session/Session.h"

// The changes of the draw file by hand that both front ends could offer: the manual entry (its dialog
// belongs to the front end) and the deletion of the draw shown.
namespace DrawMaintenance {

// One read of the draw file (created empty when missing) for the entry dialog: the draw of the
// selected date, else the newest, else a blank draw of the selected date.
DrawEntry::Start beginEntry(Session& session);

// Stores a typed draw: appended when it is later than every stored draw, else in date order replacing
// every record of its date. Throws Error when the draw cannot be stored (DrawEntry::problem).
void storeEntry(Session& session, const DrawEntryValue& typed, const DrawEntry::Start& start);

// After the dialog, however it closed: the lookup of the date the dialog started from.
void endEntry(Session& session, const DrawEntry::Start& start);

// Removes every record of the date of the draw shown, then looks up the selected date again.
void deleteShown(Session& session);

} // namespace DrawMaintenance

#pragma once

#include "draws/DrawEntry.h"
#include "draws/DrawImport.h"
#include "session/Session.h"

#include <optional>

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

// The history shipped with the program, imported when the home folder has no draw file yet; an
// existing draw file, even an empty one, is never touched. Returns the count imported and the newest
// date, nullopt when nothing was done. Throws Error when the shipped file cannot be imported.
struct ShippedImport
{
    int count = 0;
    double newest = 0;
};
std::optional<ShippedImport> importShippedHistory(Session& session, const QString& historyPath);

// Adds the newer draws of a CSV file (own or operator layout), then shows the newest draw.
DrawImport::MergeResult mergeFile(Session& session, const QString& csvPath);

} // namespace DrawMaintenance

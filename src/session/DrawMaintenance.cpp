#include "session/DrawMaintenance.h"

#include "draws/DrawDate.h"
#include "draws/Error.h"
#include "session/Actions.h"

namespace DrawMaintenance {

DrawEntry::Start beginEntry(Session& s)
{
    const DrawFile file = s.drawFile();
    file.createIfMissing();
    return DrawEntry::start(file.readAll(), s.selectedDate);
}

void storeEntry(Session& s, const DrawEntryValue& typed, const DrawEntry::Start& start)
{
    if (const QString problem = DrawEntry::problem(typed, s.gameOn(typed.date)); !problem.isEmpty())
        throw Error(problem);
    s.drawFile().insert(DrawEntry::record(typed, start.value));
}

void endEntry(Session& s, const DrawEntry::Start& start)
{
    s.setSelectedDate(start.remembered);
    Actions::lookup(s);
}

void deleteShown(Session& s)
{
    const DrawFile file = s.drawFile();
    if (s.drawShown && file.exists())
        file.removeDate(s.current.date);
    Actions::lookup(s);
}

} // namespace DrawMaintenance

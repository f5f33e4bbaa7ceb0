#include "session/DrawMaintenance.h"

#include "draws/DrawDate.h"
#include "draws/Error.h"
#include "session/Actions.h"

#include <QFileInfo>

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

std::optional<ShippedImport> importShippedHistory(Session& s, const QString& historyPath)
{
    if (historyPath.isEmpty() || s.drawFile().exists() || !QFileInfo(historyPath).isFile())
        return std::nullopt;
    const std::vector<DrawRecord> records = DrawImport::readFile(historyPath);
    // Another program may have made the draw file meanwhile; it wins.
    if (!s.drawFile().createWith(records))
        return std::nullopt;
    return ShippedImport{int(records.size()), records.back().datum};
}

DrawImport::MergeResult mergeFile(Session& s, const QString& csvPath)
{
    const auto result = DrawImport::mergeFile(csvPath, s.drawFile());
    // Added draws are best seen from the newest one.
    s.setSelectedDate(s.today);
    Actions::lookup(s);
    return result;
}

} // namespace DrawMaintenance

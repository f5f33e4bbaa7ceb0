#include "draws/Navigation.h"

#include "app/Session.h"
#include "checking/CompleteCheck.h"
#include "checking/DrawLookup.h"
#include "draws/DrawDate.h"

namespace {

// Where a step landed: the record shown and the index that becomes Position. They differ only when the
// main-draw skip ran into the end of the file.
struct Step
{
    DrawRecord record;
    int index = 0;
    int position = 0;
};

void skipSecondaryDraws(const Session& s, const std::vector<DrawRecord>& records, Step& step)
{
    if (!s.mainDrawOnly || step.record.bonus != 0)
        return;
    const int count = int(records.size());
    while (step.index + 1 < count && step.record.bonus == 0)
        step.record = records[++step.index];
    if (step.index + 1 < count)
        step.position = step.index;
}

void show(Session& s, Step step)
{
    if (step.position >= step.index)
        step.position = step.index;
    const DrawRecord& b = step.record;
    showCurrentDraw(s, b, step.position, 2);
    if (b.bonus > 0) {
        s.drawLine += QStringLiteral(" B: ") + QString::number(b.bonus);
        QString digits;
        for (auto d : b.spiel77)
            digits += QString::number(d);
        s.spiel77Zahl = digits;
        s.label79 = DrawDate::shortDayLine(b.datum) + QStringLiteral("  ") + digits;
    }
    s.setSelectedDate(DrawDate::toQDate(b.datum));
    completeCheck(s);
}

} // namespace

void previousDraw(Session& s)
{
    const std::vector<DrawRecord> records = s.drawFile().readAll();
    const double aktDatum = DrawDate::fromQDate(s.selectedDate) - Game::DrawRhythmDays;
    Step step;
    if (!records.empty()) {
        step.record = records.front();
        while (step.index + 1 < int(records.size()) && step.record.datum != aktDatum)
            step.record = records[++step.index];
    }
    step.position = step.index;
    skipSecondaryDraws(s, records, step);
    show(s, step);
}

void nextDraw(Session& s)
{
    const std::vector<DrawRecord> records = s.drawFile().readAll();
    Step step;
    step.position = s.current.position + 1;
    if (!records.empty()) {
        step.record = records.front();
        while (step.index + 1 < int(records.size()) && step.index != step.position)
            step.record = records[++step.index];
    }
    skipSecondaryDraws(s, records, step);
    show(s, step);
}

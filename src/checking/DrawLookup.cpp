#include "checking/DrawLookup.h"

#include "app/Session.h"
#include "checking/CompleteCheck.h"
#include "draws/DrawDate.h"

void setCurrentDraw(Session& s, const DrawRecord& record, int position)
{
    s.current.datum1 = record.datum;
    for (int k = 0; k < Game::NumbersPerDraw; ++k)
        s.current.zahl[k + 1] = record.zahlen[k];
    s.current.zahl[8] = record.bonus;
    s.current.position = position;
}

void showCurrentDraw(Session& s, const DrawRecord& record, int position, int blanksAfterDate)
{
    setCurrentDraw(s, record, position);
    QString line = DrawDate::shortDayLine(record.datum) + QString(blanksAfterDate, QLatin1Char(' '));
    for (auto n : record.zahlen)
        line += QStringLiteral("  ") + QString::number(n);
    s.drawLine = line;
    s.crossSumLine = QStringLiteral("QS: ") + QString::number(record.crossSum());
}

LookupOutcome lookup(Session& s)
{
    const DrawFile file = s.drawFile();
    if (!file.exists()) {
        file.createIfMissing();
        return LookupOutcome::FileMissing;
    }
    const std::vector<DrawRecord> records = file.readAll();
    const double selectedDay = DrawDate::fromQDate(s.selectedDate);

    LookupOutcome outcome = LookupOutcome::Empty;
    if (!records.empty()) {
        int index = 0;
        while (index + 1 < int(records.size()) && records[index].datum < selectedDay)
            ++index;
        showCurrentDraw(s, records[index], index, index == 0 ? 3 : 2);
        outcome = LookupOutcome::Shown;
    }
    // Without ENCORE digits the ticket-number comparison stays off until the user navigates.
    s.super6Zahl.clear();
    s.spiel77Zahl.clear();
    s.setSelectedDate(DrawDate::toQDate(s.current.datum1));
    completeCheck(s);
    return outcome;
}

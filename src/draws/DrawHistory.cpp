#include "draws/DrawHistory.h"

#include "draws/DrawDate.h"

#include <algorithm>

CurrentDraw CurrentDraw::of(const DrawRecord& record, int position)
{
    CurrentDraw d;
    d.date = record.datum;
    for (int k = 0; k < Game::NumbersPerDraw; ++k)
        d.numbers[std::size_t(k)] = record.zahlen[std::size_t(k)];
    d.bonus = record.bonus;
    d.position = position;
    return d;
}

namespace DrawHistory {

namespace {

struct Walk
{
    DrawRecord record;
    int index = 0;
    int position = 0;
};

Step land(const std::vector<DrawRecord>& records, Walk step, bool mainDrawOnly)
{
    if (mainDrawOnly && step.record.bonus == 0) {
        const int count = int(records.size());
        while (step.index + 1 < count && step.record.bonus == 0)
            step.record = records[std::size_t(++step.index)];
        if (step.index + 1 < count)
            step.position = step.index;
    }
    return {CurrentDraw::of(step.record, std::min(step.position, step.index)), step.record};
}

} // namespace

std::optional<CurrentDraw> lookup(const std::vector<DrawRecord>& records, double day)
{
    if (records.empty())
        return std::nullopt;
    std::size_t index = 0;
    while (index + 1 < records.size() && records[index].datum < day)
        ++index;
    return CurrentDraw::of(records[index], int(index));
}

Step previous(const std::vector<DrawRecord>& records, const CurrentDraw& current, double day, GameRules rules,
              bool mainDrawOnly)
{
    if (rules == GameRules::AsPlayed) {
        if (records.empty())
            return {};
        int index = std::clamp(current.position, 0, int(records.size()) - 1);
        int found = index;
        while (--index >= 0) {
            if (!mainDrawOnly || records[std::size_t(index)].isMainDraw()) {
                found = index;
                break;
            }
        }
        return {CurrentDraw::of(records[std::size_t(found)], found), records[std::size_t(found)]};
    }
    const double wanted = day - GameEras::ClassicStepDays;
    Walk step;
    if (!records.empty()) {
        step.record = records.front();
        while (step.index + 1 < int(records.size()) && step.record.datum != wanted)
            step.record = records[std::size_t(++step.index)];
    }
    step.position = step.index;
    return land(records, step, mainDrawOnly);
}

Step next(const std::vector<DrawRecord>& records, int position, bool mainDrawOnly)
{
    Walk step;
    step.position = position + 1;
    if (!records.empty()) {
        step.record = records.front();
        while (step.index + 1 < int(records.size()) && step.index != step.position)
            step.record = records[std::size_t(++step.index)];
    }
    return land(records, step, mainDrawOnly);
}

double pickerDay(double drawDate, double previousDay)
{
    const QDate date = DrawDate::toQDate(drawDate);
    return date.isValid() && date >= DrawDate::earliestPickerDate() ? drawDate : previousDay;
}

ReferenceDraws referenceDraws(const std::vector<DrawRecord>& records, double day, GameRules rules,
                              bool mainDrawOnly, const CurrentDraw& shown)
{
    ReferenceDraws r;
    const CurrentDraw last = lookup(records, day).value_or(shown);
    r.draws[0] = last;
    double stepDay = pickerDay(last.date, day);
    r.draws[1] = previous(records, last, stepDay, rules, mainDrawOnly).draw;
    stepDay = pickerDay(r.draws[1].date, stepDay);
    r.draws[2] = previous(records, r.draws[1], stepDay, rules, mainDrawOnly).draw;
    // The selected date is put back and looked up again.
    r.day = records.empty() ? day : pickerDay(last.date, day);
    return r;
}

QString drawLine(const CurrentDraw& draw, DrawShownBy shownBy)
{
    if (shownBy == DrawShownBy::Update) {
        QString line = DrawDate::shortDayLine(draw.date) + QStringLiteral(" 00:00   ");
        for (int n : draw.numbers)
            line += QStringLiteral("  ") + QString::number(n);
        line += QStringLiteral("  ") + QString::number(draw.bonus);
        if (draw.bonus > 0)
            line += QStringLiteral("  B: ") + QString::number(draw.bonus);
        return line;
    }
    const int blanks = shownBy == DrawShownBy::Lookup && draw.position == 0 ? 3 : 2;
    QString line = DrawDate::shortDayLine(draw.date) + QString(blanks, QLatin1Char(' '));
    for (int n : draw.numbers)
        line += QStringLiteral("  ") + QString::number(n);
    if (shownBy == DrawShownBy::Step && draw.bonus > 0)
        line += QStringLiteral(" B: ") + QString::number(draw.bonus);
    return line;
}

int crossSum(const CurrentDraw& draw)
{
    int sum = 0;
    for (int n : draw.numbers)
        sum += n;
    return sum;
}

QString crossSumLine(const CurrentDraw& draw)
{
    return QStringLiteral("QS: ") + QString::number(crossSum(draw));
}

QString encoreDigits(const DrawRecord& record)
{
    QString digits;
    for (auto d : record.spiel77)
        digits += QString::number(d);
    return digits;
}

} // namespace DrawHistory

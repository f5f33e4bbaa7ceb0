#include "draws/DrawEntry.h"

#include "draws/DrawDate.h"
#include "draws/DrawFile.h"

#include <algorithm>

DrawEntryValue DrawEntryValue::of(const DrawRecord& record)
{
    DrawEntryValue v;
    v.date = DrawDate::toQDate(record.datum);
    std::copy(record.zahlen.begin(), record.zahlen.end(), v.numbers.begin());
    v.bonus = record.bonus;
    std::copy(record.spiel77.begin(), record.spiel77.end(), v.encore.begin());
    std::copy(record.super6.begin(), record.super6.end(), v.super6.begin());
    return v;
}

namespace DrawEntry {

Start start(const std::vector<DrawRecord>& records, const QDate& day)
{
    Start s;
    if (records.empty()) {
        s.value.date = day;
        s.blank = true;
    } else {
        const double wanted = DrawDate::fromQDate(day);
        const auto it = std::find_if(records.begin(), records.end(),
                                     [wanted](const DrawRecord& r) { return r.datum == wanted; });
        s.value = DrawEntryValue::of(it != records.end() ? *it : records.back());
    }
    s.remembered = s.value.date;
    return s;
}

QString problem(const DrawEntryValue& typed, const Game& game)
{
    if (!typed.date.isValid() || !DrawFile::isSupportedDate(DrawDate::fromQDate(typed.date)))
        return QStringLiteral("Das Datum muss zwischen %1 und 31.12.2199 liegen.")
            .arg(DrawDate::format(DrawDate::earliestPickerDate()));
    for (std::size_t i = 0; i < typed.numbers.size(); ++i) {
        const int n = typed.numbers[i];
        if (!game.contains(n))
            return QStringLiteral("Bitte alle %1 Zahlen von 1 bis %2 eingeben.")
                .arg(game.numbersPerDraw)
                .arg(game.highestNumber);
        if (std::find(typed.numbers.begin(), typed.numbers.begin() + std::ptrdiff_t(i), n) !=
            typed.numbers.begin() + std::ptrdiff_t(i))
            return QStringLiteral("Die Zahl %1 kommt zweimal vor.").arg(n);
    }
    if (typed.bonus != 0 && !game.contains(typed.bonus))
        return QStringLiteral("Die Bonuszahl muss von 1 bis %1 reichen.").arg(game.highestNumber);
    if (typed.bonus != 0 &&
        std::find(typed.numbers.begin(), typed.numbers.end(), typed.bonus) != typed.numbers.end())
        return QStringLiteral("Die Bonuszahl %1 ist schon eine der Zahlen.").arg(typed.bonus);
    return {};
}

DrawRecord record(const DrawEntryValue& typed, const DrawEntryValue& shown)
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(typed.date);
    std::array<int, Game::NumbersPerDraw> numbers = typed.numbers;
    std::sort(numbers.begin(), numbers.end());
    for (std::size_t i = 0; i < numbers.size(); ++i)
        r.zahlen[i] = std::uint8_t(numbers[i] & 0xFF);
    r.bonus = std::uint8_t(typed.bonus & 0xFF);
    if (typed.date == shown.date) {
        for (std::size_t i = 0; i < r.spiel77.size(); ++i)
            r.spiel77[i] = std::uint8_t(typed.encore[i] & 0xFF);
        for (std::size_t i = 0; i < r.super6.size(); ++i)
            r.super6[i] = std::uint8_t(typed.super6[i] & 0xFF);
    }
    return r;
}

} // namespace DrawEntry

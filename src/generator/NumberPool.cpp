#include "generator/NumberPool.h"

#include "language/MessageTable.h"
#include "statistics/Statistics.h"

#include <algorithm>

namespace {

// Bounds are computed from whole numbers as p * range / d so that a half (35.5) is exact and rounds
// to its even neighbour the same way on every machine.
int roundedShare(double base, double range, int numerator, int denominator)
{
    return int(Statistics::roundHalfEven(base + range * numerator / denominator));
}

struct Builder
{
    const NumberPool::Inputs& in;
    std::vector<int> entries;

    void append(int number, int times = 1)
    {
        if (!in.game.contains(number))
            return;
        entries.insert(entries.end(), std::size_t(times), number);
    }

    void status(const QString& text) const
    {
        if (in.status)
            in.status(text);
    }

    void announce(Msg what) const
    {
        status(in.messages->text(Msg::CalculationOf) + QLatin1Char(' ') + in.messages->text(what));
    }

    void showBand(int lo, int hi) const
    {
        status(QStringLiteral("Min: %1  Max: %2  %3").arg(lo).arg(hi).arg(entries.size()));
    }

    // Frequent or rare runs of `size` consecutive numbers; the last size-1 points are never examined.
    void groups(const StatisticSeries& s, int size, bool frequent)
    {
        const double max = s.axisMaximum, min = s.axisMinimum;
        int lo = 0, hi = 0;
        if (frequent) {
            lo = roundedShare(max, -(max - min), 3, 10);
            hi = int(Statistics::roundHalfEven(max));
        } else {
            hi = roundedShare(min, max - min, 3, 10);
        }
        showBand(lo, hi);
        const int count = int(s.bars.size());
        for (int k = 0; k + size - 1 < count; ++k) {
            const double y = s.bars[std::size_t(k)].y;
            if (lo < y && y <= hi)
                for (int i = 1; i <= size; ++i)
                    append(k + i);
        }
    }

    // The upper (or lower) p % of the range give two entries, its nearer half a third.
    void numbers(const StatisticSeries& s, int percent, bool upper)
    {
        const double max = s.axisMaximum, min = s.axisMinimum, range = max - min;
        auto pass = [&](int lo, int hi, int times) {
            for (std::size_t k = 0; k < s.bars.size(); ++k)
                if (lo <= s.bars[k].y && s.bars[k].y <= hi)
                    append(int(k) + 1, times);
        };
        if (upper) {
            const int hi = int(Statistics::roundHalfEven(max));
            const int lo = roundedShare(max, -range, percent, 100);
            showBand(lo, hi);
            pass(lo, hi, 2);
            pass(roundedShare(max, -range, percent, 200), hi, 1);
        } else {
            const int lo = int(Statistics::roundHalfEven(min));
            const int hi = roundedShare(min, range, percent, 100);
            showBand(lo, hi);
            pass(lo, hi, 2);
            pass(lo, roundedShare(min, range, percent, 200), 1);
        }
    }
};

} // namespace

NumberPool NumberPool::build(const Inputs& in)
{
    const GeneratorOptions& o = *in.options;
    const int highest = in.game.highestNumber;
    Builder b{in, {}};

    struct GroupOption
    {
        GeneratorOptions::GroupPreference preference;
        Source source;
        int size;
        Msg name;
    };
    const GroupOption groupOptions[] = {
        {o.pairs, Source::Pairs, 2, Msg::PairForming},
        {o.triples, Source::Triples, 3, Msg::TripleForming},
        {o.quads, Source::Quads, 4, Msg::QuadForming},
    };
    for (const GroupOption& g : groupOptions) {
        StatisticSeries series;
        if (g.preference.frequent) {
            b.announce(g.name);
            series = in.statistic(g.source);
            b.groups(series, g.size, true);
        }
        if (g.preference.rare) {
            b.announce(g.name);
            if (!g.preference.frequent)
                series = in.statistic(g.source);
            b.groups(series, g.size, false);
        }
    }

    StatisticSeries frequency;
    if (o.preferFrequent.on) {
        b.announce(Msg::NumberDistribution);
        frequency = in.statistic(Source::Frequency);
        b.numbers(frequency, o.preferFrequent.percent, true);
    }
    if (o.preferRare.on) {
        b.announce(Msg::NumberDistribution);
        if (!o.preferFrequent.on)
            frequency = in.statistic(Source::Frequency);
        b.numbers(frequency, o.preferRare.percent, false);
    }
    if (o.preferOverdue.on) {
        b.announce(Msg::OverdueNumbers);
        b.numbers(in.statistic(Source::Overdue), o.preferOverdue.percent, true);
    }
    if (o.preferNeighboursOfLastDraw) {
        b.announce(Msg::NeighboursOfLastDraw);
        const CurrentDraw& last = in.draws[0];
        for (int v : last.numbers) {
            if (v > 1)
                b.append(v - 1, 4);
            if (v < highest)
                b.append(v + 1, 4);
        }
        // The bonus number's neighbours count as well.
        if (last.bonus > 1)
            b.append(last.bonus - 1, 4);
        if (last.bonus < highest)
            b.append(last.bonus + 1, 4);
    }

    if (!o.onlyPreferredNumbers)
        for (int v = 1; v <= highest + 1; ++v)
            b.append(v > highest ? 1 : v);

    NumberPool pool(std::move(b.entries));
    for (std::size_t which = 0; which < 3; ++which) {
        const auto& bound = o.sharedWithDraw[which];
        if (!bound.on || bound.max != 0)
            continue;
        const auto& draw = in.draws[which].numbers;
        pool.removeIf([&](int v) { return std::find(draw.begin(), draw.end(), v) != draw.end(); });
    }
    if (o.avoidMonthNumbers)
        pool.removeIf([](int v) { return v < 13; });
    if (o.weakenDateNumbers)
        for (int n = 1; n <= 31; ++n) {
            const auto it = std::find(pool.m_entries.begin(), pool.m_entries.end(), n);
            if (it != pool.m_entries.end())
                pool.removeAt(std::size_t(it - pool.m_entries.begin()));
        }
    return pool;
}

void NumberPool::removeAt(std::size_t index)
{
    m_entries[index] = m_entries.back();
    m_entries.pop_back();
}

void NumberPool::removeIf(const std::function<bool(int)>& predicate)
{
    for (std::size_t i = 0; i < m_entries.size();) {
        if (predicate(m_entries[i]))
            removeAt(i); // the moved-in last entry is examined next
        else
            ++i;
    }
}

int NumberPool::count(int number) const
{
    return int(std::count(m_entries.begin(), m_entries.end(), number));
}

int NumberPool::distinctNumbers() const
{
    std::array<bool, 256> seen{};
    int distinct = 0;
    for (int v : m_entries)
        if (!seen[std::size_t(v & 0xFF)]) {
            seen[std::size_t(v & 0xFF)] = true;
            ++distinct;
        }
    return distinct;
}

NumberPool::List NumberPool::toList(const Game& game) const
{
    List list;
    for (int v = 1; v <= game.highestNumber; ++v) {
        const int n = count(v);
        list[std::size_t(v)] = {n > 0, QString::number(n)};
    }
    return list;
}

NumberPool NumberPool::rebuildFromList(const List& list, const Game& game)
{
    std::vector<int> entries;
    for (int v = 1; v <= game.highestNumber; ++v) {
        const ListEntry& e = list[std::size_t(v)];
        if (!e.checked)
            continue;
        bool ok = false;
        int weight = e.weight.trimmed().toInt(&ok);
        if (!ok || weight == 0)
            weight = 1;
        if (weight < 0)
            continue;
        weight = std::min(weight, MaxReviewWeight);
        entries.insert(entries.end(), std::size_t(weight) + 1, v);
    }
    return NumberPool(std::move(entries));
}

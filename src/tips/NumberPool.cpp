#include "tips/NumberPool.h"

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
        if (number < 1 || number > Game::HighestNumber)
            return;
        entries.insert(entries.end(), std::size_t(times), number);
    }

    void status(const QString& text) const
    {
        if (in.status)
            in.status(text);
    }

    void announce(int entry) const
    {
        status(in.messages->text(17) + QLatin1Char(' ') + in.messages->text(entry));
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
    const CalcParameters& p = *in.params;
    Builder b{in, {}};

    struct GroupOption
    {
        bool frequent, rare;
        Source source;
        int size, name;
    };
    const GroupOption groupOptions[] = {
        {p.CheckBox1, p.CheckBox11, Source::Pairs, 2, 18},
        {p.CheckBox6, p.CheckBox12, Source::Triples, 3, 19},
        {p.CheckBox7, p.CheckBox13, Source::Quads, 4, 20},
    };
    for (const GroupOption& g : groupOptions) {
        StatisticSeries series;
        if (g.frequent) {
            b.announce(g.name);
            series = in.statistic(g.source);
            b.groups(series, g.size, true);
        }
        if (g.rare) {
            b.announce(g.name);
            if (!g.frequent)
                series = in.statistic(g.source);
            b.groups(series, g.size, false);
        }
    }

    StatisticSeries frequency;
    if (p.CheckBox2) {
        b.announce(0);
        frequency = in.statistic(Source::Frequency);
        b.numbers(frequency, p.UpDown12, true);
    }
    if (p.CheckBox14) {
        b.announce(0);
        if (!p.CheckBox2)
            frequency = in.statistic(Source::Frequency);
        b.numbers(frequency, p.UpDown14, false);
    }
    if (p.CheckBox10) {
        b.announce(21);
        b.numbers(in.statistic(Source::Overdue), p.UpDown13, true);
    }
    if (p.CheckBox19) {
        b.announce(22);
        for (int v : in.draws[0]) {
            if (v > 1)
                b.append(v - 1, 4);
            if (v < Game::HighestNumber)
                b.append(v + 1, 4);
        }
    }

    if (!p.CheckBox15)
        for (int v = 1; v <= Game::HighestNumber + 1; ++v)
            b.append(v > Game::HighestNumber ? 1 : v);

    NumberPool pool(std::move(b.entries));
    const std::pair<bool, int> drawRemovals[] = {
        {p.CheckBox4 && p.UpDown4 == 0, 0},
        {p.CheckBox5 && p.UpDown5 == 0, 1},
        {p.CheckBox23 && p.UpDown11 == 0, 2},
    };
    for (const auto& [active, which] : drawRemovals) {
        if (!active)
            continue;
        const auto& draw = in.draws[std::size_t(which)];
        pool.removeIf([&](int v) {
            return std::find(draw.begin(), draw.begin() + Game::NumbersPerDraw, v) !=
                   draw.begin() + Game::NumbersPerDraw;
        });
    }
    if (p.CheckBox29)
        pool.removeIf([](int v) { return v < 13; });
    if (p.CheckBox30)
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

NumberPool::List NumberPool::toList() const
{
    List list;
    for (int v = 1; v <= Game::HighestNumber; ++v) {
        const int n = count(v);
        list[std::size_t(v)] = {n > 0, QString::number(n)};
    }
    return list;
}

NumberPool NumberPool::rebuildFromList(const List& list)
{
    std::vector<int> entries;
    for (int v = 1; v <= Game::HighestNumber; ++v) {
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

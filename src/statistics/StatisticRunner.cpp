#include "statistics/StatisticRunner.h"

#include "statistics/Statistics.h"

namespace {

struct KindName
{
    StatisticKind kind;
    const char* name;
};

constexpr KindName Names[] = {
    {StatisticKind::Frequency, "frequency"}, {StatisticKind::Overdue, "overdue"},
    {StatisticKind::Pairs, "pairs"},         {StatisticKind::Triples, "triples"},
    {StatisticKind::Quads, "quads"},         {StatisticKind::CrossSums, "crosssum"},
    {StatisticKind::Primes, "primes"},       {StatisticKind::Odd, "odd"},
    {StatisticKind::Even, "even"},           {StatisticKind::TipDistribution, "tipdistribution"},
};

} // namespace

QString statisticName(StatisticKind kind)
{
    for (const auto& n : Names)
        if (n.kind == kind)
            return QLatin1String(n.name);
    return {};
}

std::optional<StatisticKind> statisticKindFromName(const QString& name)
{
    for (const auto& n : Names)
        if (name == QLatin1String(n.name))
            return n.kind;
    return std::nullopt;
}

const std::vector<StatisticKind>& allStatisticKinds()
{
    static const std::vector<StatisticKind> all = [] {
        std::vector<StatisticKind> v;
        for (const auto& n : Names)
            v.push_back(n.kind);
        return v;
    }();
    return all;
}

bool usesClosedStart(StatisticKind kind)
{
    return kind == StatisticKind::Frequency;
}

bool readsDraws(StatisticKind kind)
{
    return kind != StatisticKind::TipDistribution;
}

StatisticSeries computeStatistic(StatisticKind kind, const StatisticInputs& in)
{
    using namespace Statistics;
    StatisticWindow window = in.window;
    window.closedStart = usesClosedStart(kind);
    const std::vector<DrawRecord>& records = in.records;
    const MessageTable& m = in.messages;
    switch (kind) {
    case StatisticKind::Frequency:
        return frequency(records, window, m, in.previousTitle, in.game);
    case StatisticKind::Overdue:
        return overdue(records, window, m, in.game);
    case StatisticKind::Pairs:
        return groups(records, window, m, GroupSize::Pairs, in.game);
    case StatisticKind::Triples:
        return groups(records, window, m, GroupSize::Triples, in.game);
    case StatisticKind::Quads:
        return groups(records, window, m, GroupSize::Quads, in.game);
    case StatisticKind::CrossSums:
        return crossSums(records, window, m);
    case StatisticKind::Primes:
        return composition(records, window, m, Composition::Primes);
    case StatisticKind::Odd:
        return composition(records, window, m, Composition::Odd);
    case StatisticKind::Even:
        return composition(records, window, m, Composition::Even);
    case StatisticKind::TipDistribution:
        return tipDistribution(in.sheet, m, in.game);
    }
    return {};
}

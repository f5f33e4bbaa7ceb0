#include "statistics/StatisticRunner.h"

#include "app/Session.h"
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

StatisticSeries computeStatistic(const Session& session, StatisticKind kind,
                                 const std::vector<DrawRecord>& records)
{
    using namespace Statistics;
    const StatisticWindow window = session.window(usesClosedStart(kind));
    const MessageTable& m = session.messages;
    switch (kind) {
    case StatisticKind::Frequency:
        return frequency(records, window, m, session.chart.title);
    case StatisticKind::Overdue:
        return overdue(records, window, m);
    case StatisticKind::Pairs:
        return groups(records, window, m, GroupSize::Pairs);
    case StatisticKind::Triples:
        return groups(records, window, m, GroupSize::Triples);
    case StatisticKind::Quads:
        return groups(records, window, m, GroupSize::Quads);
    case StatisticKind::CrossSums:
        return crossSums(records, window, m);
    case StatisticKind::Primes:
        return composition(records, window, m, Composition::Primes);
    case StatisticKind::Odd:
        return composition(records, window, m, Composition::Odd);
    case StatisticKind::Even:
        return composition(records, window, m, Composition::Even);
    case StatisticKind::TipDistribution:
        return tipDistribution(session.sheet, m);
    }
    return {};
}

StatisticSeries runStatistic(Session& session, StatisticKind kind)
{
    const std::vector<DrawRecord> records =
        readsDraws(kind) ? session.drawFile().readAll() : std::vector<DrawRecord>{};
    session.chart = computeStatistic(session, kind, records);
    return session.chart;
}

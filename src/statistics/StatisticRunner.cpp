#include "statistics/StatisticRunner.h"

#include "draws/DrawDate.h"
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

std::optional<std::pair<Game, Game>> gamesInWindow(const std::vector<DrawRecord>& records,
                                                   const StatisticWindow& window, GameRules rules)
{
    const DrawRecord* first = nullptr;
    const DrawRecord* newest = nullptr;
    for (const DrawRecord& r : records) {
        if (!window.accepts(r))
            continue;
        if (!first)
            first = &r;
        newest = &r;
    }
    if (!first)
        return std::nullopt;
    return std::pair{GameEras::on(DrawDate::toQDate(first->datum), rules),
                     GameEras::on(DrawDate::toQDate(newest->datum), rules)};
}

StatisticSeries computeStatistic(StatisticKind kind, const StatisticInputs& in)
{
    using namespace Statistics;
    StatisticWindow window = in.window;
    window.closedStart = usesClosedStart(kind);
    const std::vector<DrawRecord>& records = in.records;
    const MessageTable& m = in.messages;
    const auto games = gamesInWindow(records, window, in.rules);
    const QDate end = DrawDate::toQDate(window.end);
    const Game game = games ? games->second : GameEras::on(end, in.rules);

    StatisticSeries series;
    switch (kind) {
    case StatisticKind::Frequency:
        series = frequency(records, window, m, in.previousTitle, game);
        break;
    case StatisticKind::Overdue:
        series = overdue(records, window, m, game);
        break;
    case StatisticKind::Pairs:
        series = groups(records, window, m, GroupSize::Pairs, game);
        break;
    case StatisticKind::Triples:
        series = groups(records, window, m, GroupSize::Triples, game);
        break;
    case StatisticKind::Quads:
        series = groups(records, window, m, GroupSize::Quads, game);
        break;
    case StatisticKind::CrossSums:
        series = crossSums(records, window, m);
        break;
    case StatisticKind::Primes:
        series = composition(records, window, m, Composition::Primes);
        break;
    case StatisticKind::Odd:
        series = composition(records, window, m, Composition::Odd);
        break;
    case StatisticKind::Even:
        series = composition(records, window, m, Composition::Even);
        break;
    case StatisticKind::TipDistribution:
        return tipDistribution(in.sheet, m, GameEras::forTipsAfter(end, in.rules));
    }
    if (games && games->first != games->second)
        series.title += QStringLiteral("   (") + GameEras::label(games->first) + QStringLiteral(" und ") +
                        GameEras::label(games->second) + QLatin1Char(')');
    return series;
}

#include "cli/Cli.h"
#include "session/Actions.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

QJsonObject toJson(StatisticKind kind, const StatisticSeries& s)
{
    QJsonArray bars;
    for (const auto& bar : s.bars) {
        QJsonValue colour = QJsonValue::Null;
        if (bar.colour)
            colour = QStringLiteral("#%1").arg(*bar.colour, 6, 16, QLatin1Char('0'));
        bars.append(QJsonObject{
            {QStringLiteral("x"), bar.x}, {QStringLiteral("y"), bar.y}, {QStringLiteral("colour"), colour}});
    }
    return QJsonObject{
        {QStringLiteral("statistic"), statisticName(kind)},
        {QStringLiteral("title"), s.title},
        {QStringLiteral("scale"),
         s.scale == StatisticSeries::Scale::Fixed ? QStringLiteral("fixed") : QStringLiteral("automatic")},
        {QStringLiteral("axisMinimum"), s.axisMinimum},
        {QStringLiteral("axisMaximum"), s.axisMaximum},
        {QStringLiteral("bars"), bars},
    };
}

int stat(Cli::Context& context)
{
    Cli::Args& args = context.args;
    const auto name = args.positional();
    if (!name)
        throw Cli::UsageError{QStringLiteral("stat needs the name of a statistic")};
    const auto kind = statisticKindFromName(*name);
    if (!kind)
        throw Cli::UsageError{QStringLiteral("unknown statistic: ") + *name};

    Session session = context.makeSession();
    if (const auto start = args.date(QStringLiteral("--start")))
        session.startDate = *start;
    session.selectedDate = args.date(QStringLiteral("--end")).value_or(session.today);
    if (args.flag(QStringLiteral("--all-draws")))
        session.mainDrawOnly = false;
    Cli::applyTipArgs(args, session);
    args.finish();

    Cli::printJson(toJson(*kind, Actions::runStatistic(session, *kind)));
    return 0;
}

const Cli::RegisterCommand
    registered("stat",
               "stat NAME [--start dd.mm.yyyy] [--end dd.mm.yyyy] [--all-draws] [--tip n1,...,n7 ...]\n"
               "      NAME: frequency overdue pairs triples quads crosssum primes odd even tipdistribution",
               stat);

} // namespace

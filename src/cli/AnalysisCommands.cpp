#include "cli/Cli.h"
#include "draws/DrawDate.h"
#include "session/Actions.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

void requireDraws(const Session& s)
{
    if (!s.drawFile().exists())
        throw Cli::CommandError{Actions::readDrawsFirstMessage() + QStringLiteral(" (") +
                                s.drawFile().path() + QLatin1Char(')')};
}

QJsonArray pairs(const Backtest::HitCounts& counts)
{
    QJsonArray out;
    for (const auto& line : counts)
        out.append(QJsonArray{line[0], line[1]});
    return out;
}

QJsonArray table(const Similarity::Table& t)
{
    QJsonArray out;
    for (int v : t)
        out.append(v);
    return out;
}

int backtestCommand(Cli::Context& context)
{
    Session s = context.makeSession();
    Cli::Args& args = context.args;
    const auto seed = args.integer(QStringLiteral("--seed"));
    if (!seed)
        throw Cli::UsageError{QStringLiteral("backtest needs --seed N (the lucky number)")};
    if (const auto date = args.date(QStringLiteral("--date")))
        s.selectedDate = *date;
    else
        s.selectedDate = s.today;
    if (const auto start = args.date(QStringLiteral("--start")))
        s.startDate = *start;
    if (const auto tips = args.integer(QStringLiteral("--tips"))) {
        if (*tips < 1 || *tips > TipSheet::Rows)
            throw Cli::UsageError{QStringLiteral("--tips: 1..12")};
        s.sheet.tipCount = *tips;
    }
    Cli::applyOptionArgs(args, s);
    const bool recompute = args.flag(QStringLiteral("--recompute-after-3"));
    args.finish();
    requireDraws(s);

    const Actions::BacktestRun run = Actions::backtest(s, std::int32_t(*seed), recompute);
    QJsonArray counts;
    for (const auto& line : run.result.counts)
        counts.append(QJsonArray{line[0], line[1], line[2], line[3]});
    Cli::printJson(QJsonObject{{QStringLiteral("report"), Backtest::report(run.result, s.messages)},
                               {QStringLiteral("steps"), run.result.steps},
                               {QStringLiteral("counts"), counts},
                               {QStringLiteral("random"), pairs(run.result.random)},
                               {QStringLiteral("expected"), pairs(run.result.expected)},
                               {QStringLiteral("verdict"), Backtest::verdict(run.result).text}});
    return 0;
}

int similarityCommand(Cli::Context& context)
{
    Session s = context.makeSession();
    Cli::Args& args = context.args;
    if (const auto date = args.date(QStringLiteral("--date")))
        s.selectedDate = *date;
    const int threshold = args.integer(QStringLiteral("--threshold")).value_or(6);
    const bool yes = args.flag(QStringLiteral("--yes"));
    args.finish();
    requireDraws(s);

    Similarity::Hooks hooks;
    hooks.goOn = [yes](const QDate&) { return yes; };
    const Actions::SimilarityRun run = Actions::similarity(s, threshold, hooks);
    const auto& r = run.result;
    Cli::printJson(QJsonObject{{QStringLiteral("database"), table(r.database)},
                               {QStringLiteral("next"), table(r.next)},
                               {QStringLiteral("second"), table(r.second)},
                               {QStringLiteral("third"), table(r.third)},
                               {QStringLiteral("stoppedAt"),
                                r.stoppedAt ? QJsonValue(DrawDate::format(*r.stoppedAt)) : QJsonValue()}});
    return 0;
}

const Cli::RegisterCommand backtestRegistration(
    "backtest",
    "backtest --seed N [--date dd.mm.yyyy] [--start dd.mm.yyyy] [--tips N] [--set KEY=VALUE]...\n"
    "        [--recompute-after-3]   the parameter backtest from --date (default today) with the lucky\n"
    "        number N; writes HOME/Test.txt and prints the report, the steps, the counts, the random\n"
    "        tickets' counts, the expected counts and the verdict",
    backtestCommand);
const Cli::RegisterCommand similarityRegistration(
    "similarity",
    "similarity [--date dd.mm.yyyy] [--threshold N] [--yes]   the draw similarity analysis; writes\n"
    "        HOME/Test.rtf unless it stops at an earlier draw sharing N numbers (default 6; --yes goes on)",
    similarityCommand);

} // namespace

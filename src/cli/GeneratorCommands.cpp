#include "cli/Cli.h"
#include "draws/DrawDate.h"
#include "session/Actions.h"
#include "tipfiles/TipFile.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const char* endName(TipGenerator::End end)
{
    switch (end) {
    case TipGenerator::End::Completed:
        return "completed";
    case TipGenerator::End::BudgetUsedUp:
        return "budget";
    case TipGenerator::End::PoolTooSmall:
        return "pool";
    case TipGenerator::End::Stopped:
        return "stopped";
    case TipGenerator::End::ReviewAborted:
        return "aborted";
    }
    return "";
}

// The generator's rules read the pickers' dates, so a date no picker shows is refused.
void applyPickerDates(Cli::Args& args, Session& session)
{
    const auto refuse = [](const QString& option, const QDate& date) {
        return Cli::UsageError{option + QStringLiteral(": ") + DrawDate::format(date) +
                               QStringLiteral(" is outside the allowed range: ") +
                               DrawDate::format(DrawDate::earliestPickerDate()) +
                               QStringLiteral(" or later")};
    };
    if (const auto date = args.date(QStringLiteral("--date")); date && !session.setSelectedDate(*date))
        throw refuse(QStringLiteral("--date"), *date);
    if (const auto start = args.date(QStringLiteral("--start")); start && !session.setStartDate(*start))
        throw refuse(QStringLiteral("--start"), *start);
}

// A search window may begin or end before the first draw: it then simply holds fewer draws.
void applySearchDates(Cli::Args& args, Session& session)
{
    if (const auto date = args.date(QStringLiteral("--date")))
        session.selectedDate = *date;
    if (const auto start = args.date(QStringLiteral("--start")))
        session.startDate = *start;
}

void requireDrawFile(const Session& session)
{
    if (!session.drawFile().exists())
        throw Cli::CommandError{Actions::readDrawsFirstMessage()};
}

int generateCommand(Cli::Context& context)
{
    Session session = context.makeSession();
    const auto seed = context.args.integer(QStringLiteral("--seed"));
    const auto out = context.args.value(QStringLiteral("--out"));
    applyPickerDates(context.args, session);
    if (const auto tips = context.args.integer(QStringLiteral("--tips"))) {
        if (*tips < 1 || *tips > TipSheet::Rows)
            throw Cli::UsageError{QStringLiteral("--tips: 1..12")};
        session.sheet.tipCount = *tips;
    }
    Cli::applyOptionArgs(context.args, session);
    for (const QString& lock : context.args.values(QStringLiteral("--lock"))) {
        bool ok = false;
        const int row = lock.section(QLatin1Char('='), 0, 0).toInt(&ok);
        if (!ok || row < 1 || row > TipSheet::Rows)
            throw Cli::UsageError{QStringLiteral("--lock R=n1,...,n7 with R 1..12: ") + lock};
        session.sheet.cells[std::size_t(row - 1)] =
            Cli::parseTip(lock.section(QLatin1Char('='), 1), session.tipGame());
        session.sheet.locked[std::size_t(row - 1)] = true;
    }
    context.args.finish();
    requireDrawFile(session);

    if (seed)
        session.random.seed = std::int32_t(*seed);
    else
        session.random.randomize();
    session.sheetSettled = true;
    const TipGenerator::Outcome outcome = Actions::generate(session);
    if (out)
        TipFile::write(*out, session.sheet, session.ticketNumber);

    QJsonArray rows;
    for (int r = 0; r < TipSheet::Rows; ++r) {
        if (!session.sheet.rowComplete(r)) {
            rows.append(QJsonValue::Null);
            continue;
        }
        QJsonArray numbers;
        for (int v : session.sheet.cells[std::size_t(r)])
            numbers.append(v);
        rows.append(numbers);
    }
    Cli::printJson(QJsonObject{{QStringLiteral("rows"), rows},
                               {QStringLiteral("status"), session.status},
                               {QStringLiteral("candidates"), outcome.candidates},
                               {QStringLiteral("end"), QLatin1String(endName(outcome.end))}});
    return 0;
}

int searchCommand(Cli::Context& context)
{
    Session session = context.makeSession();
    const int threshold = context.args.integer(QStringLiteral("--threshold")).value_or(6);
    applySearchDates(context.args, session);
    Cli::applyTipArgs(context.args, session);
    context.args.finish();
    requireDrawFile(session);

    QJsonArray stops;
    Actions::search(session, threshold, [&](const TipSearch::Stop& stop) {
        stops.append(QJsonObject{{QStringLiteral("date"), DrawDate::format(stop.date)},
                                 {QStringLiteral("row"), stop.row},
                                 {QStringLiteral("hits"), stop.hits},
                                 {QStringLiteral("bonus"), stop.bonus}});
        return true;
    });
    Cli::printJson(stops);
    return 0;
}

const Cli::RegisterCommand generateRegistration(
    "generate",
    "generate [--seed N] [--date dd.mm.yyyy] [--start dd.mm.yyyy] [--tips N] [--set KEY=VALUE]...\n"
    "        [--lock R=n1,...,n7]... [--out F.tlt]   one generator run as the button does; prints the\n"
    "        twelve rows (seven numbers or null), the status text, the candidates drawn and how the run\n"
    "        ended; --out also writes the sheet as a tip file",
    generateCommand);
const Cli::RegisterCommand searchRegistration(
    "search",
    "search [--threshold N] [--date dd.mm.yyyy] [--start dd.mm.yyyy] [--tip n1,...,n7]...\n"
    "        every draw of the window (start date included) where a tip reached N hits (default 6),\n"
    "        as a JSON array of {date, row, hits, bonus}",
    searchCommand);

} // namespace

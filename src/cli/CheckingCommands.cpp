#include "cli/Cli.h"
#include "draws/DrawDate.h"
#include "session/Actions.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// The lookup of the window, but a missing or empty draw file is an error here instead of a prompt (and
// the command line never creates the file).
void lookupOrFail(Cli::Context& context, Session& s)
{
    if (const auto date = context.args.date(QStringLiteral("--date")))
        s.selectedDate = *date;
    const Actions::LookupOutcome outcome = Actions::lookup(s, false);
    if (outcome == Actions::LookupOutcome::FileMissing)
        throw Cli::CommandError{Actions::readDrawsFirstMessage() + QStringLiteral(" (") +
                                s.drawFile().path() + QLatin1Char(')')};
    if (outcome == Actions::LookupOutcome::Empty)
        throw Cli::CommandError{QStringLiteral("the draw file holds no draw: ") + s.drawFile().path()};
}

QJsonArray numbersOf(const TipSheet::Row& row)
{
    QJsonArray a;
    for (int v : row)
        a.append(v);
    return a;
}

QJsonObject gameOf(const Game& game)
{
    return QJsonObject{
        {QStringLiteral("highest"), game.highestNumber},
        {QStringLiteral("numbers"), game.numbersPerDraw},
        {QStringLiteral("drawDays"), QJsonArray::fromStringList(GameEras::drawDayNames(game))}};
}

int runLookup(Cli::Context& context)
{
    Session s = context.makeSession();
    s.sheetSettled = false;
    const QStringList steps = context.args.values(QStringLiteral("--step"));
    for (const QString& step : steps)
        if (step != QLatin1String("previous") && step != QLatin1String("next"))
            throw Cli::UsageError{QStringLiteral("--step takes previous or next: ") + step};
    lookupOrFail(context, s);
    context.args.finish();
    // As the draw bar's arrows do, in the order given.
    for (const QString& step : steps) {
        if (step == QLatin1String("previous"))
            Actions::previousDraw(s);
        else
            Actions::nextDraw(s);
    }
    QJsonArray numbers;
    for (int n : s.current.numbers)
        numbers.append(n);
    Cli::printJson(
        QJsonObject{{QStringLiteral("date"), DrawDate::format(s.current.date)},
                    {QStringLiteral("numbers"), numbers},
                    {QStringLiteral("bonus"), s.current.bonus},
                    {QStringLiteral("position"), s.current.position},
                    {QStringLiteral("drawLine"), DrawHistory::drawLine(s.current, s.shownBy)},
                    {QStringLiteral("game"), gameOf(s.gameOn(DrawDate::toQDate(s.current.date)))}});
    return 0;
}

int runCheck(Cli::Context& context)
{
    Session s = context.makeSession();
    s.sheetSettled = false; // the lookup's own check is repeated below
    lookupOrFail(context, s);
    // The tips are read for the game of the draw after the one they are checked against.
    Cli::applyTipArgs(context.args, s);
    context.args.finish();
    s.sheetSettled = true;
    const int best = Actions::check(s);

    QJsonArray rows;
    for (int r = 0; r < TipSheet::Rows; ++r) {
        if (!s.sheet.rowUsable(r)) {
            rows.append(QJsonValue::Null);
            continue;
        }
        const HitResult hit = scoreTip(s.sheet.cells[r], s.current);
        QJsonArray marks;
        for (auto m : s.sheet.marks[r])
            marks.append(int(m));
        int sum = 0;
        for (int v : s.sheet.cells[r])
            sum += v;
        rows.append(QJsonObject{{QStringLiteral("row"), r + 1},
                                {QStringLiteral("numbers"), numbersOf(s.sheet.cells[r])},
                                {QStringLiteral("crossSum"), sum},
                                {QStringLiteral("hits"), hit.hits},
                                {QStringLiteral("bonus"), hit.bonusHit},
                                {QStringLiteral("marks"), marks},
                                {QStringLiteral("label"), s.sheet.hitText[r]}});
    }
    QJsonArray tally;
    for (const auto& line : s.tally)
        tally.append(QJsonArray{line[0], line[1]});
    Cli::printJson(QJsonObject{{QStringLiteral("date"), DrawDate::format(s.current.date)},
                               {QStringLiteral("rows"), rows},
                               {QStringLiteral("best"), best},
                               {QStringLiteral("tally"), tally}});
    return 0;
}

const Cli::RegisterCommand lookupCommand("lookup", "lookup [--date dd.mm.yyyy] [--step previous|next]...",
                                         runLookup);
const Cli::RegisterCommand checkCommand("check", "check [--date dd.mm.yyyy] --tip n1,...,n7 [--tip ...]",
                                        runCheck);

} // namespace

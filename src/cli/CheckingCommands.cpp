#include "checking/CompleteCheck.h"
#include "checking/DrawLookup.h"
#include "cli/Cli.h"
#include "draws/DrawDate.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// The lookup of the window, but a missing or empty draw file is an error here instead of a prompt (and
// the command line never creates the file).
void lookupOrFail(Cli::Context& context, Session& s)
{
    if (const auto date = context.args.date(QStringLiteral("--date")))
        s.selectedDate = *date;
    if (!s.drawFile().exists())
        throw Cli::CommandError{QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein (") +
                                s.drawFile().path() + QLatin1Char(')')};
    if (lookup(s) == LookupOutcome::Empty)
        throw Cli::CommandError{QStringLiteral("the draw file holds no draw: ") + s.drawFile().path()};
}

QJsonArray numbersOf(const TipSheet::Row& row)
{
    QJsonArray a;
    for (int v : row)
        a.append(v);
    return a;
}

int runLookup(Cli::Context& context)
{
    Session s = context.makeSession();
    s.sortieren = false;
    lookupOrFail(context, s);
    context.args.finish();
    QJsonArray numbers;
    for (int k = 1; k <= Game::NumbersPerDraw; ++k)
        numbers.append(s.current.zahl[k]);
    Cli::printJson(QJsonObject{{QStringLiteral("date"), DrawDate::format(s.current.datum1)},
                               {QStringLiteral("numbers"), numbers},
                               {QStringLiteral("bonus"), s.current.zahl[8]},
                               {QStringLiteral("position"), s.current.position},
                               {QStringLiteral("drawLine"), s.drawLine}});
    return 0;
}

int runCheck(Cli::Context& context)
{
    Session s = context.makeSession();
    Cli::applyTipArgs(context.args, s);
    s.sortieren = false; // the lookup's own check is repeated below
    lookupOrFail(context, s);
    context.args.finish();
    s.sortieren = true;
    const int best = completeCheck(s);

    QJsonArray rows;
    for (int r = 0; r < TipSheet::Rows; ++r) {
        if (!s.sheet.rowComplete(r)) {
            rows.append(QJsonValue::Null);
            continue;
        }
        const HitResult hit = zettelcheck(tipFromCells(s.sheet.cells[r]), s.current.zahl);
        QJsonArray marks;
        for (auto m : s.sheet.marks[r])
            marks.append(int(m));
        int sum = 0;
        for (int v : s.sheet.cells[r])
            sum += v;
        rows.append(QJsonObject{{QStringLiteral("row"), r + 1},
                                {QStringLiteral("numbers"), numbersOf(s.sheet.cells[r])},
                                {QStringLiteral("crossSum"), sum},
                                {QStringLiteral("hits"), hit.gewinn},
                                {QStringLiteral("bonus"), hit.zusatz},
                                {QStringLiteral("marks"), marks},
                                {QStringLiteral("label"), s.sheet.hitText[r]}});
    }
    QJsonArray tally;
    for (const auto& line : s.statistik)
        tally.append(QJsonArray{line[0], line[1]});
    Cli::printJson(QJsonObject{{QStringLiteral("date"), DrawDate::format(s.current.datum1)},
                               {QStringLiteral("rows"), rows},
                               {QStringLiteral("best"), best},
                               {QStringLiteral("tally"), tally}});
    return 0;
}

const Cli::RegisterCommand lookupCommand("lookup", "lookup [--date dd.mm.yyyy]", runLookup);
const Cli::RegisterCommand checkCommand("check", "check [--date dd.mm.yyyy] --tip n1,...,n7 [--tip ...]",
                                        runCheck);

} // namespace

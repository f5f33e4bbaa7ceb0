#include "cli/Cli.h"
#include "draws/DrawDate.h"
#include "session/Actions.h"
#include "tipfiles/TipCsv.h"
#include "tipfiles/TipPrintout.h"

namespace {

// print: the listing of the tip button, written to Home/Tipp.txt; the file is not opened.
int printCommand(Cli::Context& context)
{
    Session session = context.makeSession();
    const auto date = context.args.date(QStringLiteral("--date"));
    Cli::applyTipArgs(context.args, session);
    context.args.finish();

    // The header names the draw after the loaded one: the draw on or after --date (else the newest), as
    // the window's lookup finds it. Without draws, --date is taken as the loaded draw's date.
    // Any date has a meaning here (a date before the first draw loads the first one), so none is replaced.
    session.selectedDate = date.value_or(session.today);
    const bool haveDraws =
        session.drawFile().exists() && Actions::lookup(session, false) == Actions::LookupOutcome::Shown;
    if (!haveDraws) {
        if (!date)
            throw Cli::CommandError{QStringLiteral("no draws: read in the draws or give --date")};
        session.current.date = DrawDate::fromQDate(*date);
    }
    const QStringList lines = TipPrintout::lines(session.sheet, DrawDate::toQDate(session.current.date),
                                                 session.gameRules, session.messages.text(Msg::Tip));
    const QString path = session.home + QLatin1String(TipPrintout::FileName);
    TipPrintout::write(path, lines);
    Cli::printLine(path);
    return 0;
}

const Cli::RegisterCommand print("print", "print [--tip-file F] [--tip n1,...,n7]... [--date dd.mm.yyyy]",
                                 printCommand, Cli::HomeUse::Writes);

// export-tips: the sheet as CSV for other programs, to a file named on the command line.
int exportTips(Cli::Context& context)
{
    Session session = context.makeSession();
    Cli::applyTipArgs(context.args, session);
    const auto path = context.args.positional();
    context.args.finish();
    if (!path || path->isEmpty())
        throw Cli::UsageError{QStringLiteral("export-tips needs the name of the CSV file to write")};
    TipCsv::write(*path, session.sheet);
    Cli::printLine(*path);
    return 0;
}

const Cli::RegisterCommand exportTipsCommand("export-tips",
                                             "export-tips [--tip-file F] [--tip n1,...,n7]... FILE.csv",
                                             exportTips);

} // namespace

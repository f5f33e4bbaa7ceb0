#include "cli/Cli.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"

#include <QDir>

namespace {

int importCommand(Cli::Context& context)
{
    const auto file = context.args.positional();
    context.args.finish();
    const QString csv = file ? QDir::current().absoluteFilePath(*file)
                             : context.home + QLatin1String(DrawImport::DefaultCsvName);
    const Session session = context.makeSession();
    Cli::printLine(QString::number(DrawImport::importFile(csv, session.drawFile())));
    return 0;
}

QString drawLine(const DrawRecord& r)
{
    QString line = DrawDate::format(r.datum);
    for (int n : r.zahlen)
        line += QLatin1Char(',') + QString::number(n);
    line += QLatin1Char(',') + QString::number(r.bonus) + QLatin1Char(',');
    for (int digit : r.spiel77)
        line += QString::number(digit);
    return line;
}

int drawsCommand(Cli::Context& context)
{
    const auto from = context.args.date(QStringLiteral("--from"));
    const auto to = context.args.date(QStringLiteral("--to"));
    context.args.finish();
    const Session session = context.makeSession();
    QString out;
    for (const DrawRecord& r : session.readDraws()) {
        const QDate date = DrawDate::toQDate(r.datum);
        if ((from && date < *from) || (to && date > *to))
            continue;
        out += drawLine(r) + QLatin1Char('\n');
    }
    out.chop(1);
    if (!out.isEmpty())
        Cli::printLine(out);
    return 0;
}

const Cli::RegisterCommand importRegistration(
    "import",
    "import [FILE]   rebuild the draw file from a CSV file (default: HOME/LOTTOMAX.csv); prints the count",
    importCommand, Cli::HomeUse::Writes);
const Cli::RegisterCommand
    drawsRegistration("draws",
                      "draws [--from dd.mm.yyyy] [--to dd.mm.yyyy]   print the stored draws, oldest first:\n"
                      "        dd.mm.yyyy,n1,...,n7,bonus,ENCORE",
                      drawsCommand);

} // namespace

#include "cli/Cli.h"
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"
#include "draws/OperatorCsv.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

namespace {

QJsonValue drawJson(const DrawRecord& r)
{
    QJsonArray numbers;
    for (int n : r.zahlen)
        numbers << n;
    return QJsonObject{{QStringLiteral("numbers"), numbers}, {QStringLiteral("bonus"), r.bonus}};
}

int mergeCommand(Cli::Context& context, const QString& file)
{
    context.args.finish();
    const Session session = context.makeSession();
    const auto result = DrawImport::mergeFile(QDir::current().absoluteFilePath(file), session.drawFile());
    QJsonArray conflicts;
    for (const auto& c : result.conflicts)
        conflicts << QJsonObject{{QStringLiteral("date"), DrawDate::format(c.file.datum)},
                                 {QStringLiteral("file"), drawJson(c.file)},
                                 {QStringLiteral("stored"), c.stored ? drawJson(*c.stored) : QJsonValue()}};
    Cli::printJson(QJsonObject{{QStringLiteral("added"), int(result.appended.size())},
                               {QStringLiteral("skipped"), result.skipped},
                               {QStringLiteral("conflicts"), conflicts}});
    return 0;
}

int importCommand(Cli::Context& context)
{
    if (const auto merged = context.args.value(QStringLiteral("--merge")))
        return mergeCommand(context, *merged);
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
    const QString format = context.args.value(QStringLiteral("--format")).value_or(QStringLiteral("own"));
    if (format != QLatin1String("own") && format != QLatin1String("operator"))
        throw Cli::UsageError{QStringLiteral("--format takes own or operator: ") + format};
    context.args.finish();
    const Session session = context.makeSession();
    std::vector<DrawRecord> shown;
    for (const DrawRecord& r : session.readDraws()) {
        const QDate date = DrawDate::toQDate(r.datum);
        if ((from && date < *from) || (to && date > *to))
            continue;
        shown.push_back(r);
    }
    if (format == QLatin1String("operator")) {
        Cli::writeAll(stdout, OperatorCsv::write(shown));
        return 0;
    }
    QString out;
    for (const DrawRecord& r : shown)
        out += drawLine(r) + QLatin1Char('\n');
    out.chop(1);
    if (!out.isEmpty())
        Cli::printLine(out);
    return 0;
}

const Cli::RegisterCommand importRegistration(
    "import",
    "import [FILE]   rebuild the draw file from a CSV file (default: HOME/LOTTOMAX.csv), in the own\n"
    "        or the operator's layout; prints the count\n"
    "  import --merge FILE   add the draws of FILE newer than the newest stored one; prints what was\n"
    "        added, skipped and in conflict",
    importCommand, Cli::HomeUse::Writes);
const Cli::RegisterCommand
    drawsRegistration("draws",
                      "draws [--from dd.mm.yyyy] [--to dd.mm.yyyy] [--format own|operator]   print the stored\n"
                      "        draws, oldest first: dd.mm.yyyy,n1,...,n7,bonus,ENCORE, or in the operator's layout",
                      drawsCommand);

} // namespace

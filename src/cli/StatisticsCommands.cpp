#include "cli/Cli.h"
#include "gui/ChartImage.h"
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

// --size WxH, each side within the limits of ChartImage.
QSize imageSize(const std::optional<QString>& text)
{
    if (!text)
        return ChartImage::DefaultSize;
    const QStringList parts = text->split(QLatin1Char('x'));
    bool okW = false;
    bool okH = false;
    const int w = parts.size() == 2 ? parts[0].toInt(&okW) : 0;
    const int h = parts.size() == 2 ? parts[1].toInt(&okH) : 0;
    const auto fits = [](int side) { return side >= ChartImage::SmallestSide && side <= ChartImage::LargestSide; };
    if (!okW || !okH || !fits(w) || !fits(h))
        throw Cli::UsageError{QStringLiteral("--size takes WIDTHxHEIGHT in pixels, each from %1 to %2: %3")
                                  .arg(ChartImage::SmallestSide)
                                  .arg(ChartImage::LargestSide)
                                  .arg(*text)};
    return {w, h};
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
    const auto png = args.value(QStringLiteral("--png"));
    const auto svg = args.value(QStringLiteral("--svg"));
    const auto sizeText = args.value(QStringLiteral("--size"));
    const QSize size = imageSize(sizeText);
    args.finish();
    if (png && svg)
        throw Cli::UsageError{QStringLiteral("stat writes one picture: --png or --svg")};
    if (sizeText && !png && !svg)
        throw Cli::UsageError{QStringLiteral("--size needs --png or --svg")};
    for (const auto& path : {png, svg})
        if (path && path->isEmpty())
            throw Cli::UsageError{QStringLiteral("--png and --svg need a file name")};

    const StatisticSeries series = Actions::runStatistic(session, *kind);
    if (png || svg) {
        // The picture replaces the JSON: a script that asks for a file reads its name.
        const QString path = png ? *png : *svg;
        ChartImage::save(path, png ? ChartImage::Format::Png : ChartImage::Format::Svg, series, size);
        Cli::printLine(path);
        return 0;
    }
    Cli::printJson(toJson(*kind, series));
    return 0;
}

const Cli::RegisterCommand
    registered("stat",
               "stat NAME [--start dd.mm.yyyy] [--end dd.mm.yyyy] [--all-draws] [--tip n1,...,n7 ...]\n"
               "      [--png FILE | --svg FILE] [--size WxH]\n"
               "      NAME: frequency overdue pairs triples quads crosssum primes odd even tipdistribution",
               stat);

} // namespace

bool Cli::drawsPictures(const QStringList& arguments)
{
    return arguments.contains(QLatin1String("--png")) || arguments.contains(QLatin1String("--svg"));
}

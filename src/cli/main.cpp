#include "cli/Cli.h"
#include "draws/Error.h"
#include "session/Home.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>
#include <exception>

namespace {

void printUsage(FILE* to)
{
    QString text = QStringLiteral(
        "usage: numerant-cli [--home DIR] [--game played|classic] COMMAND [OPTIONS]\n\ncommands:\n");
    for (const auto& c : Cli::commands())
        text += QStringLiteral("  ") + c.usage + QLatin1Char('\n');
    text += QStringLiteral("  --help\n\nExit codes: 0 success, 1 error, 2 wrong usage.\n");
    std::fputs(text.toUtf8().constData(), to);
}

int fail(int code, const QString& message)
{
    std::fputs(("numerant-cli: " + message + '\n').toUtf8().constData(), stderr);
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Numerant"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    QStringList args = app.arguments().mid(1);
    QString homeOverride;
    std::optional<GameRules> gameRules;
    while (!args.isEmpty() && (args[0] == QLatin1String("--home") || args[0] == QLatin1String("--game"))) {
        if (args.size() < 2)
            return fail(2, args[0] + QStringLiteral(" needs a value"));
        if (args[0] == QLatin1String("--home")) {
            homeOverride = args[1];
        } else if (args[1] == QLatin1String("played")) {
            gameRules = GameRules::AsPlayed;
        } else if (args[1] == QLatin1String("classic")) {
            gameRules = GameRules::Classic;
        } else {
            return fail(2, QStringLiteral("--game takes played or classic: ") + args[1]);
        }
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        printUsage(stderr);
        return 2;
    }
    if (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        printUsage(stdout);
        return 0;
    }
    const QString name = args.takeFirst();
    if (args.contains(QLatin1String("--help"))) {
        printUsage(stdout);
        return 0;
    }
    for (const auto& command : Cli::commands()) {
        if (command.name != name)
            continue;
        try {
            Cli::Context context{Home::resolve(homeOverride, QCoreApplication::applicationDirPath()),
                                 Cli::Args(args), gameRules};
            return command.run(context);
        } catch (const Cli::UsageError& e) {
            fail(2, e.message);
            printUsage(stderr);
            return 2;
        } catch (const Error& e) {
            return fail(1, e.message);
        } catch (const std::exception& e) {
            return fail(1, QString::fromLocal8Bit(e.what()));
        }
    }
    fail(2, QStringLiteral("unknown command: ") + name);
    printUsage(stderr);
    return 2;
}

#include "cli/Cli.h"
#include "draws/Error.h"
#include "language/LanguageFiles.h"
#include "session/Home.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <exception>
#include <memory>

namespace {

void printUsage(FILE* to)
{
    QString text = QStringLiteral(
        "usage: numerant-cli [--home DIR] [--game played|classic] [--language CODE] COMMAND [OPTIONS]\n\ncommands:\n");
    for (const auto& c : Cli::commands())
        text += QStringLiteral("  ") + c.usage + QLatin1Char('\n');
    text += QStringLiteral("  --help\n\nExit codes: 0 success, 1 error, 2 wrong usage.\n");
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
}

int fail(int code, const QString& message)
{
    // Whole, even when the message carries a NUL from a file's content.
    const QByteArray bytes = ("numerant-cli: " + message + '\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return code;
}

// A script reads the one line that names the mistake; the whole usage is one option away.
int usageError(const QString& message)
{
    fail(2, message);
    std::fputs("see numerant-cli --help\n", stderr);
    return 2;
}

// Output still in the buffer may fail only now (a full disk, a closed pipe).
int flushed(int code)
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return fail(1, Cli::outputErrorMessage(stdout));
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    std::unique_ptr<QCoreApplication> application;
    if (Cli::drawsPictures(rawArguments)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& app = *application;
    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Numerant"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    QStringList args = app.arguments().mid(1);
    QString homeOverride;
    std::optional<GameRules> gameRules;
    std::optional<QStringList> messages;
    while (!args.isEmpty() && (args[0] == QLatin1String("--home") || args[0] == QLatin1String("--game") ||
                               args[0] == QLatin1String("--language"))) {
        if (args.size() < 2)
            return usageError(args[0] + QStringLiteral(" needs a value"));
        if (args[0] == QLatin1String("--language")) {
            if (!LanguageFiles::byCode(args[1]))
                return usageError(QStringLiteral("--language takes de, en, fr, sp, tr, ru, nl, cz or pl: ") + args[1]);
            const QString path = Home::programFiles(QCoreApplication::applicationDirPath()) +
                                 QLatin1String(LanguageFiles::Folder) + QLatin1Char('/') +
                                 QLatin1String(LanguageFiles::MessageStem) + args[1];
            messages = LanguageFiles::readLines(path);
            if (!messages)
                return fail(1, QStringLiteral("cannot read the messages of language %1: %2").arg(args[1], path));
        } else if (args[0] == QLatin1String("--home")) {
            if (args[1].isEmpty())
                return usageError(QStringLiteral("--home needs a folder, not an empty text"));
            homeOverride = args[1];
        } else if (args[1] == QLatin1String("played")) {
            gameRules = GameRules::AsPlayed;
        } else if (args[1] == QLatin1String("classic")) {
            gameRules = GameRules::Classic;
        } else {
            return usageError(QStringLiteral("--game takes played or classic: ") + args[1]);
        }
        args = args.mid(2);
    }
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given"));
    if (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        printUsage(stdout);
        return flushed(0);
    }
    const QString name = args.takeFirst();
    if (args.contains(QLatin1String("--help"))) {
        printUsage(stdout);
        return flushed(0);
    }
    for (const auto& command : Cli::commands()) {
        if (command.name != name)
            continue;
        try {
            // A command that only reads never creates a missing home folder.
            Cli::Context context{Home::resolve(homeOverride, QCoreApplication::applicationDirPath(),
                                               command.home == Cli::HomeUse::Writes),
                                 Cli::Args(args), gameRules, messages};
            return flushed(command.run(context));
        } catch (const Cli::UsageError& e) {
            return usageError(e.message);
        } catch (const Error& e) {
            return fail(1, e.message);
        } catch (const std::exception& e) {
            return fail(1, QString::fromLocal8Bit(e.what()));
        }
    }
    return usageError(QStringLiteral("unknown command: ") + name);
}

#include "cli/Cli.h"
#include "session/DrawUpdate.h"

#include <cstdio>

namespace {

void progressLine(const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}

int updateCommand(Cli::Context& context)
{
    const auto server = context.args.value(QStringLiteral("--server"));
    const auto proxy = context.args.value(QStringLiteral("--proxy"));
    const auto today = context.args.date(QStringLiteral("--today"));
    context.args.finish();

    Session session = context.makeSession();
    if (server)
        session.updateServer = *server;
    if (proxy) {
        // HOST:PORT, or an empty text for none
        const qsizetype colon = proxy->lastIndexOf(QLatin1Char(':'));
        if (!proxy->isEmpty() && colon <= 0)
            throw Cli::UsageError(QStringLiteral("--proxy takes HOST:PORT: ") + *proxy);
        session.proxyHost = proxy->isEmpty() ? QString() : proxy->left(colon);
        session.proxyPort = proxy->isEmpty() ? QStringLiteral("80") : proxy->mid(colon + 1);
    }
    if (today)
        session.today = *today;

    DrawUpdate::Hooks hooks;
    hooks.progress = progressLine;
    hooks.note = progressLine;
    DrawUpdate update(session, hooks);
    const DrawUpdate::Outcome outcome = update.run();
    // The draws appended before an unreadable answer stay, so their count is printed either way.
    Cli::printLine(QString::number(outcome.appended));
    if (outcome.end == DrawUpdate::End::Unreadable)
        throw Cli::CommandError(DrawUpdate::unreadableMessage(outcome));
    return 0;
}

const Cli::RegisterCommand updateRegistration(
    "update",
    "update [--server URL] [--proxy HOST:PORT] [--today dd.mm.yyyy]   fetch the draws after the newest\n"
    "        stored one from the server and append them; prints the count, progress on stderr",
    updateCommand);

} // namespace

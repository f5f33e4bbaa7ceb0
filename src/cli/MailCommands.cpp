#include "cli/Cli.h"
#include "mail/MailSettings.h"
#include "mail/SmtpClient.h"
#include "mail/TipMail.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {

// mail: the tip e-mail, sent with the server, account, sender and copy addresses of the settings file
// that the mail dialog keeps; the dialog's other fields keep their defaults.
int mailCommand(Cli::Context& context)
{
    Session session = context.makeSession();
    const auto to = context.args.value(QStringLiteral("--to"));
    const QStringList attachments = context.args.values(QStringLiteral("--attach"));
    Cli::applyTipArgs(context.args, session);
    context.args.finish();
    if (!to || to->trimmed().isEmpty())
        throw Cli::UsageError{QStringLiteral("mail needs --to ADDR")};

    const QString settingsPath = context.home + QLatin1String(MailSettings::FileName);
    const MailSettings settings = MailSettings::load(settingsPath);
    if (settings.host.trimmed().isEmpty())
        throw Cli::CommandError{QStringLiteral("no mail server: set Host in section [SMTP] of ") +
                                settingsPath};

    MailMessage message;
    message.fromAddress = settings.from;
    message.toAddress = to->trimmed();
    message.cc = settings.cc;
    message.subject = TipMail::subject(session.today);
    message.body = TipMail::bodyLines(session.sheet).join(QLatin1Char('\n'));
    QJsonArray names;
    for (const QString& path : attachments) {
        // Unlike the dialog's list, a file named on the command line is meant to go: a typo is an error.
        const QFileInfo info(QDir::current(), path);
        if (!info.isFile() || !info.isReadable())
            throw Cli::CommandError{QStringLiteral("cannot read attachment: ") + path};
        message.attachments << info.absoluteFilePath();
        names << info.fileName();
    }

    const SmtpAccount account =
        SmtpAccount::from(settings.host, settings.user, settings.password, settings.verifyCertificate);
    const SendResult result = SmtpClient::send(account, message);
    if (!result.sent)
        throw Cli::CommandError{result.error};
    Cli::printJson(
        QJsonObject{{QStringLiteral("to"), message.toAddress},
                    {QStringLiteral("cc"), QJsonArray::fromStringList(MailText::addressList(settings.cc))},
                    {QStringLiteral("subject"), message.subject},
                    {QStringLiteral("attachments"), names},
                    {QStringLiteral("refused"), QJsonArray::fromStringList(result.refused)}});
    return 0;
}

const Cli::RegisterCommand
    mail("mail", "mail --to ADDR [--tip-file F] [--tip n1,...,n7]... [--attach FILE]...", mailCommand);

} // namespace

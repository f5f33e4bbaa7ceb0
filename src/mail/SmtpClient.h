#pragma once

#include "mail/MailMessage.h"
#include "mail/MailSettings.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

// Where and as whom a message is sent.
struct SmtpAccount
{
    HostAndPort server;
    QString user; // empty: no authentication
    QString password;
    bool verifyCertificate = true;
    int connectTimeoutSeconds = 20;  // until the connection stands
    int responseTimeoutSeconds = 20; // for each reply of the server

    // The account of the stored settings with the host field as typed; throws Error for a host that
    // is no server address.
    static SmtpAccount from(const QString& hostField, const QString& user, const QString& password,
                            bool verifyCertificate);
};

struct SendResult
{
    bool connected = false; // the server greeted us: the connection was made
    bool sent = false;
    QString error;       // what went wrong, ready to show; empty when sent
    QStringList refused; // the server's reply to each recipient it refused
};

// Sends one message over SMTP with libcurl: STARTTLS when the server offers it (and always when a
// password is to be sent), AUTH LOGIN when a user is given, every recipient offered to the server.
// Blocks until the server answered or a timeout ended it, so the window calls it off its thread.
namespace SmtpClient {

// Progress for the user: the server's replies and the client's commands, never the login itself.
using StatusSink = std::function<void(const QString&)>;

// cancel, when set by another thread, ends the send within about a second.
SendResult send(const SmtpAccount& account, const MailMessage& message, const StatusSink& status = {},
                const std::atomic<bool>* cancel = nullptr);

} // namespace SmtpClient

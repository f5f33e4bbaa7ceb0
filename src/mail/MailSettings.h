#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What the mail client keeps from one run to the next: the server and account (section "SMTP") and
// the sender, recipient and copy addresses (section "MAIL") of an INI file in the home folder. The
// password is plain text, so the file is written readable by its owner only. Certificate
// verification is on unless the SMTP section says VerifyCertificate=0.
struct MailSettings
{
    static constexpr const char* FileName = "numerant.ini";

    QString host; // "host" or "host:port"
    QString user;
    QString password;
    QString from;
    QString to;
    QString cc;
    bool verifyCertificate = true;

    bool operator==(const MailSettings&) const = default;

    // Sections and keys are matched without regard to case; lines that are not key=value, unknown
    // keys and other sections are ignored; a value in double quotes keeps its blanks.
    static MailSettings parse(const QByteArray& bytes);
    static QByteArray serialize(const MailSettings& settings);

    // A missing or unreadable file gives empty fields.
    static MailSettings load(const QString& path);
    // Replaces the file atomically, mode 0600; throws FileError when it cannot.
    static void save(const QString& path, const MailSettings& settings);
};

// A server address as the host field holds it: "host" (port 25), "host:port", "[v6]" or "[v6]:port".
struct HostAndPort
{
    static constexpr int DefaultPort = 25;
    QString host;
    int port = DefaultPort;
    bool operator==(const HostAndPort&) const = default;

    // Nothing for an empty host, a bad port, or characters that do not belong in a host name.
    static std::optional<HostAndPort> parse(const QString& text);
};

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One e-mail as the mail client's fields hold it. Address lists (CC, BCC) are comma-separated; the
// bodies are texts with '\n' between lines; attachments are file paths, blank entries ignored.
struct MailMessage
{
    static constexpr const char* DefaultFromName = "Torvane Software";
    static constexpr const char* DefaultToName = "Torvane Service";
    static constexpr const char* DefaultSubject = "Bitte vergeben Sie einen Betreff für Ihre Nachricht";
    static constexpr const char* Mailer = "Torvane Software";

    QString fromName = QString::fromUtf8(DefaultFromName);
    QString fromAddress;
    QString toName = QString::fromUtf8(DefaultToName);
    QString toAddress;
    QString cc;
    QString bcc;
    QString subject = QString::fromUtf8(DefaultSubject);
    bool receipt = true; // Return-Receipt-To the sender
    QString body;
    QString htmlBody;
    QStringList attachments;

    bool operator==(const MailMessage&) const = default;
};

// How the message's parts nest: a "multipart/mixed" message (any attachment line) holds the bodies
// (inside a "multipart/alternative" container when there are both) and then the attachments that
// exist; otherwise the message is "multipart/alternative" with the bodies.
struct MimePlan
{
    bool mixed = false;
    bool container = false;
    bool text = false;
    bool html = false;
    QStringList files; // existing attachment files, in order

    static MimePlan of(const MailMessage& message);
};

namespace MailText {

// The HTML button: the text in <html><body>…</body></html>, "<br>" after every line feed and "&nbsp;"
// after every blank. &, < and > are escaped first, so that no text turns into markup.
QString htmlFromText(const QString& body);

// The addresses of a comma-separated list, trimmed, empty entries left out.
QStringList addressList(const QString& text);

// A plausible mailbox: local part "@" domain, no blanks, control characters or delimiters that would
// change the meaning of an SMTP command or a header.
bool isValidAddress(const QString& address);

// The content type of a file by its extension; "application/octet-stream" when the platform's table
// does not know it.
QString contentTypeFor(const QString& fileName);

// A header value: plain when it is printable ASCII, else RFC 2047 encoded words (UTF-8, Base64).
// Line breaks and other control characters become blanks, so no value can add a header.
QByteArray headerText(const QString& text);
// "Name" <address>, or the bare address without a name.
QByteArray mailbox(const QString& name, const QString& address);

// A text body as sent: UTF-8 with CR LF line ends.
QByteArray crlfText(const QString& text);
// True when a line of the encoded text is longer than SMTP allows for 8bit content (998 octets).
bool hasOverlongLine(const QByteArray& crlfText);

} // namespace MailText

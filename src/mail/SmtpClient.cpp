#include "mail/SmtpClient.h"

#include "draws/Error.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSysInfo>
#include <QUrl>
#include <QUuid>
#include <curl/curl.h>
#include <memory>

SmtpAccount SmtpAccount::from(const QString& hostField, const QString& user, const QString& password,
                              bool verifyCertificate)
{
    const auto server = HostAndPort::parse(hostField);
    if (!server)
        throw Error{QStringLiteral("Ungültiger SMTP-Server: \"") + hostField +
                    QStringLiteral("\" (erwartet: host oder host:port)")};
    SmtpAccount a;
    a.server = *server;
    a.user = user;
    a.password = password;
    a.verifyCertificate = verifyCertificate;
    return a;
}

namespace {

struct CurlDeleter
{
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
    void operator()(curl_mime* m) const { curl_mime_free(m); }
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;
using MimeHandle = std::unique_ptr<curl_mime, CurlDeleter>;
using ListHandle = std::unique_ptr<curl_slist, CurlDeleter>;

void append(ListHandle& list, const QByteArray& line)
{
    curl_slist* grown = curl_slist_append(list.get(), line.constData());
    if (!grown)
        throw std::bad_alloc();
    list.release();
    list.reset(grown);
}

// What the conversation showed, gathered from curl's trace. Only lines known to carry no secret are
// passed on: the login travels Base64-encoded in lines that are never shown.
struct Trace
{
    const SmtpClient::StatusSink* status = nullptr;
    const std::atomic<bool>* cancel = nullptr;
    bool wantAuth = false;
    bool greeted = false;
    bool authSent = false;
    bool mailSent = false;
    bool noAuthAbort = false;
    bool rcptPending = false;
    int accepted = 0;
    QStringList refused;
    QString authReply; // the server's verdict on the login

    void show(const QString& text) const
    {
        if (*status)
            (*status)(text);
    }
};

QString lineOf(const char* data, size_t size)
{
    return QString::fromUtf8(data, qsizetype(size)).trimmed();
}

int onTrace(CURL*, curl_infotype type, char* data, size_t size, void* user)
{
    auto& t = *static_cast<Trace*>(user);
    if (type == CURLINFO_HEADER_IN) {
        for (const QString& line : lineOf(data, size).split(QLatin1Char('\n'))) {
            const QString reply = line.trimmed();
            if (reply.isEmpty())
                continue;
            if (!t.greeted && reply.startsWith(QLatin1String("220")))
                t.greeted = true;
            const bool continued = reply.size() > 3 && reply[3] == QLatin1Char('-');
            if (t.rcptPending && !continued) {
                t.rcptPending = false;
                if (reply.startsWith(QLatin1Char('2')))
                    ++t.accepted;
                else
                    t.refused << reply;
            }
            if (t.authSent && t.authReply.isEmpty() && !continued && !reply.startsWith(QLatin1String("334")))
                t.authReply = reply;
            t.show(reply);
        }
    } else if (type == CURLINFO_HEADER_OUT) {
        const QString line = lineOf(data, size);
        const QString upper = line.toUpper();
        if (upper.startsWith(QLatin1String("AUTH "))) {
            t.authSent = true;
            t.show(QStringLiteral("AUTH LOGIN"));
        } else if (upper.startsWith(QLatin1String("MAIL FROM:"))) {
            t.mailSent = true;
            t.show(line);
        } else if (upper.startsWith(QLatin1String("RCPT TO:"))) {
            t.rcptPending = true;
            t.show(line);
        } else if (upper.startsWith(QLatin1String("EHLO")) || upper.startsWith(QLatin1String("HELO")) ||
                   upper == QLatin1String("STARTTLS") || upper == QLatin1String("DATA") ||
                   upper == QLatin1String("QUIT")) {
            t.show(line);
        }
    } else if (type == CURLINFO_TEXT) {
        const QString line = lineOf(data, size);
        if (line.startsWith(QLatin1String("Connected to")) ||
            line.startsWith(QLatin1String("SSL connection using")))
            t.show(line);
    }
    return 0;
}

// Also the last chance to stop before the end of the message is sent: a server that offered no
// login would otherwise take the message without one.
int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    auto& t = *static_cast<Trace*>(user);
    if (t.wantAuth && t.mailSent && !t.authSent) {
        t.noAuthAbort = true;
        return 1;
    }
    return t.cancel && t.cancel->load() ? 1 : 0;
}

void check(CURLcode code)
{
    if (code != CURLE_OK)
        throw Error{QStringLiteral("Die Nachricht konnte nicht zusammengestellt werden: ") +
                    QString::fromUtf8(curl_easy_strerror(code))};
}

void addTextPart(curl_mime* mime, const QByteArray& text, const char* type)
{
    curl_mimepart* part = curl_mime_addpart(mime);
    if (!part)
        throw std::bad_alloc();
    check(curl_mime_data(part, text.constData(), size_t(text.size())));
    check(curl_mime_type(part, type));
    // 8bit forbids lines beyond 998 octets; such a text goes quoted-printable instead of being cut.
    check(curl_mime_encoder(part, MailText::hasOverlongLine(text) ? "quoted-printable" : "8bit"));
}

void addBodies(curl_mime* mime, const MimePlan& plan, const QByteArray& text, const QByteArray& html)
{
    if (plan.text)
        addTextPart(mime, text, "text/plain; charset=UTF-8");
    if (plan.html)
        addTextPart(mime, html, "text/html; charset=UTF-8");
}

QString domainOf(const QString& address)
{
    const qsizetype at = address.lastIndexOf(QLatin1Char('@'));
    return at < 0 ? QStringLiteral("localhost") : address.mid(at + 1);
}

QString errorText(CURLcode code, const char* detail, const Trace& trace, const SmtpAccount& account)
{
    const QString where = account.server.host + QLatin1Char(':') + QString::number(account.server.port);
    const QString curlText = QString::fromUtf8(*detail ? detail : curl_easy_strerror(code));
    switch (code) {
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral(
                   "Das Zertifikat des Servers %1 konnte nicht geprüft werden (%2). Für einen Server "
                   "mit eigenem Zertifikat schalten Sie die Prüfung mit VerifyCertificate=0 im "
                   "Abschnitt [SMTP] der Datei %3 ab.")
            .arg(where, curlText, QLatin1String(MailSettings::FileName));
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral(
                   "Der Server %1 bietet keine Verschlüsselung (STARTTLS) an; das Passwort wird nicht "
                   "unverschlüsselt gesendet.")
            .arg(where);
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("Anmeldung am Server abgelehnt: ") +
               (trace.authReply.isEmpty() ? curlText : trace.authReply);
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("Der Server %1 antwortet nicht (%2).").arg(where, curlText);
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("Keine Verbindung zum Server %1 (%2).").arg(where, curlText);
    default:
        break;
    }
    if (trace.rcptPending || (trace.accepted == 0 && !trace.refused.isEmpty()))
        return QStringLiteral("Kein Empfänger wurde angenommen: ") + trace.refused.join(QStringLiteral("; "));
    return curlText;
}

} // namespace

namespace SmtpClient {

SendResult send(const SmtpAccount& account, const MailMessage& message, const StatusSink& status,
                const std::atomic<bool>* cancel)
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    SendResult result;
    const auto fail = [&result](const QString& text) {
        result.error = text;
        return result;
    };
    if (!initialised)
        return fail(QStringLiteral("Die Mail-Bibliothek konnte nicht gestartet werden."));

    const QStringList cc = MailText::addressList(message.cc);
    const QStringList bcc = MailText::addressList(message.bcc);
    QStringList recipients;
    if (!message.toAddress.trimmed().isEmpty())
        recipients << message.toAddress.trimmed();
    recipients << cc << bcc;
    const QString from = message.fromAddress.trimmed();
    if (!MailText::isValidAddress(from))
        return fail(QStringLiteral("Ungültige Absenderadresse (From-Email): \"") + from + QLatin1Char('"'));
    if (recipients.isEmpty())
        return fail(QStringLiteral("Kein Empfänger angegeben (To-Email, CC oder BCC)."));
    for (const QString& r : recipients)
        if (!MailText::isValidAddress(r))
            return fail(QStringLiteral("Ungültige Empfängeradresse: \"") + r + QLatin1Char('"'));

    CurlHandle curl(curl_easy_init());
    if (!curl)
        return fail(QStringLiteral("Die Mail-Bibliothek konnte nicht gestartet werden."));
    CURL* c = curl.get();

    const bool v6 = account.server.host.contains(QLatin1Char(':'));
    const QString host = v6 ? QLatin1Char('[') + account.server.host + QLatin1Char(']') : account.server.host;
    QString ehlo = QString::fromUtf8(QUrl::toPercentEncoding(QSysInfo::machineHostName()));
    if (ehlo.isEmpty())
        ehlo = QStringLiteral("localhost");
    const QByteArray url =
        QStringLiteral("smtp://%1:%2/%3").arg(host).arg(account.server.port).arg(ehlo).toUtf8();
    const QByteArray fromEnvelope = '<' + from.toUtf8() + '>';
    const QByteArray user = account.user.toUtf8();
    const QByteArray password = account.password.toUtf8();
    char errorBuffer[CURL_ERROR_SIZE] = {};

    Trace trace;
    trace.status = &status;
    trace.cancel = cancel;
    trace.wantAuth = !account.user.isEmpty();

    ListHandle rcpt;
    for (const QString& r : recipients)
        append(rcpt, '<' + r.toUtf8() + '>');

    // Top-level headers; Bcc stays in the envelope only.
    const MimePlan plan = MimePlan::of(message);
    ListHandle headers;
    append(headers, "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1());
    append(headers, "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + '@' +
                        MailText::headerText(domainOf(from)) + '>');
    append(headers, "From: " + MailText::mailbox(message.fromName, from));
    if (!message.toAddress.trimmed().isEmpty())
        append(headers, "To: " + MailText::mailbox(message.toName, message.toAddress.trimmed()));
    if (!cc.isEmpty())
        append(headers, "Cc: " + MailText::headerText(cc.join(QStringLiteral(", "))));
    append(headers, "Subject: " + MailText::headerText(message.subject));
    append(headers, QByteArray("X-Mailer: ") + MailMessage::Mailer);
    if (message.receipt)
        append(headers, "Return-Receipt-To: " + MailText::mailbox(message.fromName, from));
    append(headers,
           QByteArray("Content-Type: ") + (plan.mixed ? "multipart/mixed" : "multipart/alternative"));

    const QByteArray text = MailText::crlfText(message.body);
    const QByteArray html = MailText::crlfText(message.htmlBody);
    MimeHandle mime(curl_mime_init(c));
    try {
        if (plan.container) {
            MimeHandle alternative(curl_mime_init(c));
            addBodies(alternative.get(), plan, text, html);
            curl_mimepart* part = curl_mime_addpart(mime.get());
            if (!part)
                throw std::bad_alloc();
            check(curl_mime_subparts(part, alternative.get()));
            alternative.release(); // the part owns it now
            check(curl_mime_type(part, "multipart/alternative"));
        } else {
            addBodies(mime.get(), plan, text, html);
        }
        for (const QString& path : plan.files) {
            curl_mimepart* part = curl_mime_addpart(mime.get());
            if (!part)
                throw std::bad_alloc();
            const QByteArray name = QFileInfo(path).fileName().toUtf8();
            check(curl_mime_filedata(part, QFile::encodeName(path).constData()));
            check(curl_mime_filename(part, name.constData()));
            const QByteArray quotedName =
                MailText::headerText(QString::fromUtf8(name)).replace('\\', "\\\\").replace('"', "\\\"");
            const QByteArray type = MailText::contentTypeFor(path).toUtf8() + "; name=\"" + quotedName + '"';
            check(curl_mime_type(part, type.constData()));
            check(curl_mime_encoder(part, "base64"));
            ListHandle partHeaders;
            append(partHeaders, "Content-Disposition: attachment; filename=\"" + quotedName + '"');
            check(curl_mime_headers(part, partHeaders.release(), 1));
        }
    } catch (const Error& e) {
        return fail(e.message);
    }

    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp");
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(account.connectTimeoutSeconds));
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(account.responseTimeoutSeconds));
    // A server that stalls in the middle of the message ends the send as well.
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, long(account.responseTimeoutSeconds));
    // Without a login there is nothing to protect, and the message goes on unencrypted when the server
    // offers no STARTTLS; a password is only ever sent encrypted.
    curl_easy_setopt(c, CURLOPT_USE_SSL, long(account.user.isEmpty() ? CURLUSESSL_TRY : CURLUSESSL_ALL));
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, account.verifyCertificate ? 1L : 0L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, account.verifyCertificate ? 2L : 0L);
    if (!account.user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
        curl_easy_setopt(c, CURLOPT_LOGIN_OPTIONS, "AUTH=LOGIN");
    }
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, fromEnvelope.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt.get());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT_ALLLOWFAILS, 1L);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, onTrace);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &trace);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &trace);

    trace.show(QStringLiteral("Verbinde mit %1:%2").arg(account.server.host).arg(account.server.port));
    const CURLcode code = curl_easy_perform(c);
    curl.reset(); // closes the connection before the result is reported
    result.connected = trace.greeted;
    result.refused = trace.refused;
    if (trace.noAuthAbort)
        return fail(
            QStringLiteral("Der Server hat keine Anmeldung (AUTH LOGIN) angeboten; die Nachricht wurde "
                           "nicht gesendet."));
    if (code == CURLE_ABORTED_BY_CALLBACK)
        return fail(QStringLiteral("Senden abgebrochen."));
    if (code != CURLE_OK)
        return fail(errorText(code, errorBuffer, trace, account));
    if (trace.wantAuth && !trace.authSent)
        return fail(QStringLiteral("Der Server hat keine Anmeldung (AUTH LOGIN) angeboten."));
    result.sent = true;
    trace.show(QStringLiteral("Nachricht gesendet"));
    return result;
}

} // namespace SmtpClient

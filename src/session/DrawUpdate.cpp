#include "session/DrawUpdate.h"

#include "draws/DrawDate.h"
#include "draws/Error.h"
#include "draws/UpdateAnswer.h"
#include "session/Actions.h"

namespace {

UpdateClient::Settings clientSettings(const Session& s)
{
    UpdateClient::Settings settings;
    settings.server = DrawUpdate::serverUrl(s.updateServer);
    if (!settings.server.isValid())
        throw Error(
            QStringLiteral("Die Adresse des Update-Servers \"%1\" ist ungültig.").arg(s.updateServer));
    settings.proxyHost = s.proxyHost.trimmed();
    if (!settings.proxyHost.isEmpty()) {
        const auto port = DrawUpdate::portNumber(s.proxyPort);
        if (!port)
            throw Error(QStringLiteral("Der Proxy-Port \"%1\" ist keine ganze Zahl von 1 bis 65535.")
                            .arg(s.proxyPort));
        settings.proxyPort = *port;
    }
    settings.timeoutMs = s.updateTimeoutMs;
    return settings;
}

void call(const std::function<void(const QString&)>& hook, const QString& text)
{
    if (hook)
        hook(text);
}

} // namespace

DrawUpdate::DrawUpdate(Session& session, Hooks hooks)
    : m_session(session)
    , m_hooks(std::move(hooks))
    , m_client(clientSettings(session))
{
}

std::optional<quint16> DrawUpdate::portNumber(const QString& text)
{
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return std::nullopt;
    return quint16(port);
}

QUrl DrawUpdate::serverUrl(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    QUrl url = trimmed.contains(QLatin1String("://"))
                   ? QUrl(trimmed, QUrl::StrictMode)
                   : QUrl(QStringLiteral("http://") + trimmed, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url;
}

void DrawUpdate::stop()
{
    m_client.stop();
}

QString DrawUpdate::unreadableMessage(const Outcome& o)
{
    return QStringLiteral("Die Antwort des Servers für den %1 ist nicht lesbar (Zeile %2):\n\n%3")
        .arg(DrawDate::format(o.unreadableDate))
        .arg(o.unreadableLine)
        .arg(UpdateAnswer::shownBody(o.body));
}

DrawUpdate::Outcome DrawUpdate::run()
{
    Session& s = m_session;
    Actions::BusyScope busy(s);
    Outcome outcome;
    const DrawFile file = s.drawFile();
    file.createIfMissing();
    const std::vector<DrawRecord> stored = file.readAll();
    std::size_t count = stored.size();
    DrawRecord last = stored.empty() ? DrawRecord{} : stored.back();

    std::optional<QDate> newest;
    if (!stored.empty()) {
        newest = DrawDate::toQDate(last.datum);
        s.setSelectedDate(*newest);
    }
    QDate date = UpdateAnswer::firstRequestDate(newest, s.selectedDate, s.gameRules);
    s.setSelectedDate(date);

    while (date <= s.today && !m_client.stopped()) {
        call(m_hooks.progress, Loading);
        const UpdateClient::Answer answer = m_client.get(date);
        if (answer.stopped) {
            call(m_hooks.progress, Stopped);
            break;
        }
        ++outcome.requests;
        call(m_hooks.progress, QStringLiteral("Received %1 bytes").arg(answer.body.size()));
        call(m_hooks.note, Disclaimer);
        if (answer.status == 500) {
            call(m_hooks.progress, DrawDate::format(date) + QStringLiteral(" noch nicht da!"));
        } else if (answer.status > 200) {
            call(m_hooks.progress, QStringLiteral("Failed : %1 %2").arg(answer.status).arg(answer.reason));
        } else if (answer.status == 0) {
            // No answer at all is a failure too, not a quiet "0 bytes".
            call(m_hooks.progress, QStringLiteral("Failed : ") + answer.failure);
        } else if (answer.status == 200) {
            const UpdateAnswer::Parsed parsed = UpdateAnswer::parse(answer.body, date, last);
            if (!parsed.records.empty()) {
                file.append(parsed.records);
                outcome.appended += int(parsed.records.size());
                count += parsed.records.size();
                last = parsed.records.back();
                s.current = CurrentDraw::of(last, int(count) - 1);
                s.shownBy = DrawShownBy::Update;
                s.drawShown = true;
                if (m_hooks.received)
                    m_hooks.received();
            }
            if (!parsed.ok()) {
                outcome.end = End::Unreadable;
                outcome.unreadableDate = date;
                outcome.unreadableLine = parsed.unreadableLine;
                outcome.body = answer.body;
                break;
            }
        }
        date = UpdateAnswer::nextRequestDate(date, s.gameRules);
        s.setSelectedDate(date);
        call(m_hooks.note, DrawDate::format(date));
        if (m_hooks.betweenRequests)
            m_hooks.betweenRequests();
    }
    if (outcome.end != End::Unreadable && m_client.stopped())
        outcome.end = End::Stopped;
    Actions::lookup(s);
    return outcome;
}

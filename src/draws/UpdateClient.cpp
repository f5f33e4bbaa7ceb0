#include "draws/UpdateClient.h"

#include "draws/UpdateAnswer.h"

#include <QEventLoop>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

UpdateClient::UpdateClient(const Settings& settings)
    : m_settings(settings)
{
    m_manager.setCookieJar(new QNetworkCookieJar(&m_manager));
    m_manager.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    // Set on the manager: an application-wide proxy would be passed by for loopback addresses.
    m_manager.setProxy(
        m_settings.proxyHost.isEmpty()
            ? QNetworkProxy(QNetworkProxy::NoProxy)
            : QNetworkProxy(QNetworkProxy::HttpProxy, m_settings.proxyHost, m_settings.proxyPort));
}

UpdateClient::~UpdateClient()
{
    if (m_reply)
        m_reply->abort();
}

QUrl UpdateClient::requestUrl(const QUrl& server, const QDate& date)
{
    QUrl url = server;
    url.setPath(QLatin1String(UpdateAnswer::Path));
    url.setQuery(UpdateAnswer::query(date));
    url.setFragment(QString());
    return url;
}

UpdateClient::Answer UpdateClient::get(const QDate& date)
{
    Answer answer;
    if (m_stopped) {
        answer.stopped = true;
        return answer;
    }
    QNetworkRequest request(requestUrl(m_settings.server, date));
    request.setRawHeader("Accept", Accept);
    request.setRawHeader("User-Agent", UserAgent);

    QNetworkReply* reply = m_manager.get(request);
    m_reply = reply;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    bool tooLarge = false;
    // The lambdas see locals of this call: they hang on the loop, which goes with them.
    QObject::connect(&timer, &QTimer::timeout, &loop, [&timedOut, reply] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&, reply](qint64 received, qint64) {
        if (received > m_settings.maxBodyBytes && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(m_settings.timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::AllEvents);
    timer.stop();
    // Only the application's end leaves the loop early: the update ends with it.
    if (!reply->isFinished())
        stop();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (timedOut) {
        answer.failure = QStringLiteral("keine Antwort nach %1 s").arg(m_settings.timeoutMs / 1000.0);
    } else if (tooLarge) {
        answer.failure = QStringLiteral("Antwort größer als %1 Bytes").arg(m_settings.maxBodyBytes);
    } else if (m_stopped && reply->error() == QNetworkReply::OperationCanceledError) {
        // An answer that was complete before the stop still counts.
        answer.stopped = true;
        answer.failure = QStringLiteral("gestoppt");
    } else if (status.isValid()) {
        answer.status = status.toInt();
        answer.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        answer.body = reply->readAll();
    } else {
        answer.failure = reply->errorString();
    }
    m_reply = nullptr;
    reply->deleteLater();
    return answer;
}

void UpdateClient::stop()
{
    m_stopped = true;
    if (m_reply)
        m_reply->abort();
}

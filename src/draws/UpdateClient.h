#pragma once

#include <QByteArray>
#include <QDate>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkReply;

// The HTTP side of the draw update: one GET per date on the maker's server, with cookies kept and
// redirects followed for the whole run, through an HTTP proxy when one is set. get() waits in a local
// event loop, so the window keeps handling input; stop() from an event handled meanwhile ends the
// request at once. A request that takes longer than the timeout is given up.
class UpdateClient
{
public:
    struct Settings
    {
        QUrl server;       // scheme, host and port; the path is always the update path
        QString proxyHost; // empty: no proxy
        quint16 proxyPort = 0;
        int timeoutMs = 30000;
        qint64 maxBodyBytes = 1024 * 1024; // a draw answer is a few lines
    };

    struct Answer
    {
        int status = 0; // the HTTP status; 0 when no answer came
        QString reason; // the status text
        QByteArray body;
        QString failure; // why no answer came: connection, timeout, size
        bool stopped = false;
    };

    inline static const QByteArray UserAgent = "Mozilla/3.0 (compatible; Indy Library)";
    inline static const QByteArray Accept = "text/html, */*";

    explicit UpdateClient(const Settings& settings);
    ~UpdateClient();
    UpdateClient(const UpdateClient&) = delete;
    UpdateClient& operator=(const UpdateClient&) = delete;

    Answer get(const QDate& date);
    void stop();
    bool stopped() const { return m_stopped; }

    static QUrl requestUrl(const QUrl& server, const QDate& date);

private:
    Settings m_settings;
    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    bool m_stopped = false;
};

#pragma once

#include "draws/UpdateClient.h"
#include "session/Session.h"

#include <functional>
#include <optional>

// The draw update: asks the maker's server for every draw day after the newest stored draw up to
// today, one request per date, appends the draws of each answer and ends with the lookup. Runs in the
// busy state; the hooks report progress and let the front end handle input between requests.
class DrawUpdate
{
public:
    struct Hooks
    {
        std::function<void(const QString&)> progress; // the first status panel
        std::function<void(const QString&)> note;     // the second status panel
        std::function<void()> received;               // a received draw is on the draw bar
        std::function<void()> betweenRequests;        // the window handles pending input here
    };

    enum class End
    {
        Completed, // the next date lies after today
        Stopped,
        Unreadable // an answer line did not follow the grammar; the draws before it were kept
    };
    struct Outcome
    {
        End end = End::Completed;
        int requests = 0;
        int appended = 0;
        QDate unreadableDate; // for Unreadable: the request date, the line and the body as received
        int unreadableLine = 0;
        QByteArray body;
    };

    inline static const QString Loading = QStringLiteral("Loading");
    inline static const QString Disclaimer = QStringLiteral("Not guarantee the accuracy of the numbers!");
    inline static const QString Stopped = QStringLiteral("Gestoppt");

    // Checks the server address and the proxy port before anything happens; throws Error when one of
    // them is unusable.
    DrawUpdate(Session& session, Hooks hooks);

    Outcome run();
    // Ends the run: a request in flight is given up at once, else the run ends after the current answer.
    void stop();

    // What the user reads about an unreadable answer.
    static QString unreadableMessage(const Outcome& outcome);
    // "1080" -> 1080; nothing for a text that is not a port number.
    static std::optional<quint16> portNumber(const QString& text);
    // A server address typed by the user ("host", "host:port", "http://host:port"); invalid when unusable.
    static QUrl serverUrl(const QString& text);

private:
    Session& m_session;
    Hooks m_hooks;
    UpdateClient m_client;
};

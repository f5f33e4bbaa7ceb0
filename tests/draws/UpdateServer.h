#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

// Real peers for the draw update on 127.0.0.1: the scripted draw server (update_server.py) and
// Debian's tinyproxy, each started with its own files and stopped by its process id.
class UpdateServer
{
public:
    // answers: {"20200110": {"status": 200, "body": "..."}, ...}; see update_server.py.
    explicit UpdateServer(const QJsonObject& answers, const QJsonObject& defaultAnswer = {})
    {
        QJsonObject config{{QStringLiteral("answers"), answers}};
        if (!defaultAnswer.isEmpty())
            config.insert(QStringLiteral("default"), defaultAnswer);
        QFile f(m_dir.filePath(QStringLiteral("answers.json")));
        if (!f.open(QIODevice::WriteOnly))
            return;
        f.write(QJsonDocument(config).toJson());
        f.close();
        m_process.start(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(TEST_DATA_DIR "/../draws/update_server.py"), f.fileName(), logPath()});
        const QDeadlineTimer deadline(10000);
        while (!m_process.canReadLine() && !deadline.hasExpired() &&
               m_process.state() != QProcess::NotRunning)
            m_process.waitForReadyRead(100);
        m_port = m_process.readLine().trimmed().toInt();
    }
    ~UpdateServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    int port() const { return m_port; }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

    struct Request
    {
        QString path;
        QString query;
        QJsonObject headers; // names in lower case
    };
    QList<Request> requests() const
    {
        QList<Request> list;
        QFile f(logPath());
        if (!f.open(QIODevice::ReadOnly))
            return list;
        while (!f.atEnd()) {
            const QJsonObject o = QJsonDocument::fromJson(f.readLine()).object();
            list.append({o[QStringLiteral("path")].toString(), o[QStringLiteral("query")].toString(),
                         o[QStringLiteral("headers")].toObject()});
        }
        return list;
    }
    // The Datum of every request, in order: "20200110", ...
    QStringList requestedDates() const
    {
        QStringList dates;
        for (const Request& r : requests())
            if (r.path == QLatin1String("/zahlen/lottomax.asp"))
                dates << r.query.section(QStringLiteral("Datum="), 1);
        return dates;
    }

    static QJsonObject answer(int status, const QString& body = {}, double delay = 0)
    {
        QJsonObject o{{QStringLiteral("status"), status}, {QStringLiteral("body"), body}};
        if (delay > 0)
            o.insert(QStringLiteral("delay"), delay);
        return o;
    }

private:
    QString logPath() const { return m_dir.filePath(QStringLiteral("requests.jsonl")); }

    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

class TinyProxy
{
public:
    TinyProxy()
    {
        const QString program = QStandardPaths::findExecutable(
            QStringLiteral("tinyproxy"), {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin")});
        if (program.isEmpty())
            return;
        // A free port: bound and let go again just before tinyproxy takes it.
        {
            QTcpServer probe;
            if (!probe.listen(QHostAddress::LocalHost, 0))
                return;
            m_port = probe.serverPort();
        }
        QFile conf(m_dir.filePath(QStringLiteral("tinyproxy.conf")));
        if (!conf.open(QIODevice::WriteOnly))
            return;
        conf.write(QStringLiteral("Port %1\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 30\nLogFile \"%2\"\n"
                                  "LogLevel Info\nMaxClients 10\n")
                       .arg(m_port)
                       .arg(m_dir.filePath(QStringLiteral("tinyproxy.log")))
                       .toUtf8());
        conf.close();
        m_process.start(program, {QStringLiteral("-d"), QStringLiteral("-c"), conf.fileName()});
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, quint16(m_port));
            if (probe.waitForConnected(200)) {
                m_ready = true;
                return;
            }
            QTest::qWait(100);
        }
    }
    ~TinyProxy()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    bool ready() const { return m_ready; }
    int port() const { return m_port; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    bool m_ready = false;
};

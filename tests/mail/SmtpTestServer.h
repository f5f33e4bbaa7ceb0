#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// A real SMTP server on 127.0.0.1 (tests/mail/smtp_server.py under Debian's python3 with aiosmtpd):
// STARTTLS from a certificate made by the test, AUTH LOGIN for one account, recipients it refuses.
// Each accepted message comes back with its envelope and the MIME tree as Python's parser reads it.
class SmtpTestServer
{
public:
    struct Options
    {
        bool tls = true;
        bool offerAuth = true;
        QString user;
        QString password;
        QStringList refuse;
    };
    struct Received
    {
        QByteArray raw;
        QJsonObject meta;
        QJsonObject tree() const { return meta[QStringLiteral("tree")].toObject(); }
        QString header(const char* name) const
        {
            const QJsonArray all = meta[QStringLiteral("headers")].toObject()[QLatin1String(name)].toArray();
            return all.isEmpty() ? QString() : all.first().toString();
        }
    };

    // A self-signed certificate for 127.0.0.1 in dir (cert.pem, key.pem).
    static bool makeCertificate(const QString& dir)
    {
        QProcess p;
        p.start(QStringLiteral("openssl"),
                {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                 QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                 QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                 QStringLiteral("-keyout"), dir + QStringLiteral("/key.pem"), QStringLiteral("-out"),
                 dir + QStringLiteral("/cert.pem"), QStringLiteral("-days"), QStringLiteral("2"),
                 QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                 QStringLiteral("subjectAltName=IP:127.0.0.1")});
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    ~SmtpTestServer() { stop(); }

    bool start(const Options& options, const QString& certDir)
    {
        QStringList args{QStringLiteral(TEST_DATA_DIR "/../mail/smtp_server.py"), QStringLiteral("--out"),
                         m_out.path()};
        if (options.tls)
            args << QStringLiteral("--cert") << certDir + QStringLiteral("/cert.pem")
                 << QStringLiteral("--key") << certDir + QStringLiteral("/key.pem");
        if (!options.offerAuth)
            args << QStringLiteral("--no-auth");
        if (!options.user.isEmpty())
            args << QStringLiteral("--user") << options.user << QStringLiteral("--password")
                 << options.password;
        for (const QString& r : options.refuse)
            args << QStringLiteral("--refuse") << r;
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("/usr/bin/python3"), args);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 15000 && m_process.state() != QProcess::NotRunning) {
            m_process.waitForReadyRead(200);
            const QByteArray line = m_process.readLine().trimmed();
            if (line.startsWith("READY ")) {
                port = line.mid(6).toInt();
                return port > 0;
            }
        }
        return false;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel(); // the server ends when its input closes
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }

    QList<Received> received() const
    {
        QList<Received> all;
        for (int n = 1;; ++n) {
            QFile raw(m_out.filePath(QStringLiteral("%1.eml").arg(n)));
            QFile meta(m_out.filePath(QStringLiteral("%1.json").arg(n)));
            if (!raw.open(QIODevice::ReadOnly) || !meta.open(QIODevice::ReadOnly))
                return all;
            all.append({raw.readAll(), QJsonDocument::fromJson(meta.readAll()).object()});
        }
    }

    int port = 0;

private:
    QTemporaryDir m_out;
    QProcess m_process;
};

// The parts of a MIME tree as "type" or "type(child,child)", e.g. "multipart/mixed(text/plain,image/png)".
inline QString shape(const QJsonObject& node)
{
    QString s = node[QStringLiteral("type")].toString();
    if (node.contains(QStringLiteral("parts"))) {
        QStringList children;
        for (const auto& child : node[QStringLiteral("parts")].toArray())
            children << shape(child.toObject());
        s += QLatin1Char('(') + children.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    return s;
}

inline QJsonObject partAt(const QJsonObject& node, std::initializer_list<int> path)
{
    QJsonObject n = node;
    for (int i : path)
        n = n[QStringLiteral("parts")].toArray().at(i).toObject();
    return n;
}

inline QByteArray contentOf(const QJsonObject& node)
{
    return QByteArray::fromBase64(node[QStringLiteral("base64")].toString().toLatin1());
}

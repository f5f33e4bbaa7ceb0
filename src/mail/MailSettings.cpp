#include "mail/MailSettings.h"

#include "draws/Error.h"

#include <QFile>
#include <QList>
#include <QSaveFile>
#include <cctype>

namespace {

QString unquoted(const QString& raw)
{
    const QString v = raw.trimmed();
    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
        return v.mid(1, v.size() - 2);
    return v;
}

// Quotes a value whose blanks at either end or surrounding quotes would otherwise be lost on reading.
QByteArray written(QString value)
{
    // A line break would start a new line of the file; the fields are single lines anyway.
    value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const bool keep = value != value.trimmed() || (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
                                                   value.endsWith(QLatin1Char('"')));
    return (keep ? QLatin1Char('"') + value + QLatin1Char('"') : value).toUtf8();
}

} // namespace

MailSettings MailSettings::parse(const QByteArray& bytes)
{
    MailSettings s;
    QString section;
    // A lone CR ends a line as well, so that no value can hold a line break.
    const QString text = QString::fromUtf8(bytes).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toUpper();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toUpper();
        const QString value = unquoted(line.mid(eq + 1));
        if (section == QLatin1String("SMTP")) {
            if (key == QLatin1String("HOST"))
                s.host = value;
            else if (key == QLatin1String("USER"))
                s.user = value;
            else if (key == QLatin1String("PASS"))
                s.password = value;
            else if (key == QLatin1String("VERIFYCERTIFICATE"))
                s.verifyCertificate = value != QLatin1String("0");
        } else if (section == QLatin1String("MAIL")) {
            if (key == QLatin1String("FROM"))
                s.from = value;
            else if (key == QLatin1String("TO"))
                s.to = value;
            else if (key == QLatin1String("CC"))
                s.cc = value;
        }
    }
    return s;
}

QByteArray MailSettings::serialize(const MailSettings& s)
{
    QByteArray out;
    out += "[SMTP]\nHost=" + written(s.host) + "\nUser=" + written(s.user) + "\nPass=" + written(s.password) +
           "\n";
    if (!s.verifyCertificate)
        out += "VerifyCertificate=0\n";
    out += "\n[MAIL]\nFrom=" + written(s.from) + "\nTo=" + written(s.to) + "\nCC=" + written(s.cc) + "\n";
    return out;
}

MailSettings MailSettings::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

void MailSettings::save(const QString& path, const MailSettings& settings)
{
    const auto failure = [&path](const QString& detail) {
        return FileError{QStringLiteral("Die Mail-Einstellungen konnten nicht gespeichert werden (") +
                         detail + QStringLiteral("): ") + path};
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failure(file.errorString());
    // The temporary file would otherwise take the old file's or the default mode.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw failure(file.errorString());
    const QByteArray bytes = serialize(settings);
    if (file.write(bytes) != bytes.size())
        throw failure(file.errorString());
    if (!file.commit())
        throw failure(file.errorString());
}

std::optional<HostAndPort> HostAndPort::parse(const QString& text)
{
    const QString t = text.trimmed();
    HostAndPort result;
    QString portText;
    if (t.startsWith(QLatin1Char('['))) {
        const qsizetype close = t.indexOf(QLatin1Char(']'));
        if (close < 0)
            return std::nullopt;
        result.host = t.mid(1, close - 1);
        const QString rest = t.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':')))
                return std::nullopt;
            portText = rest.mid(1);
        }
        // An IPv6 address: hex digits and colons, an IPv4 tail allowed.
        if (!result.host.contains(QLatin1Char(':')))
            return std::nullopt;
        for (const QChar c : result.host)
            if (!(isxdigit(c.unicode()) && c.unicode() < 0x80) && c != QLatin1Char(':') &&
                c != QLatin1Char('.'))
                return std::nullopt;
    } else {
        const qsizetype colon = t.indexOf(QLatin1Char(':'));
        result.host = colon < 0 ? t : t.left(colon);
        if (colon >= 0)
            portText = t.mid(colon + 1);
        // Whatever would change the meaning of the server's address (user, path, query, blanks) is refused.
        for (const QChar c : result.host)
            if (!(c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.') ||
                  c == QLatin1Char('_')))
                return std::nullopt;
    }
    if (result.host.isEmpty())
        return std::nullopt;
    if (!portText.isNull()) {
        bool ok = false;
        result.port = portText.toInt(&ok);
        if (!ok || result.port < 1 || result.port > 65535 || portText.startsWith(QLatin1Char('+')))
            return std::nullopt;
    }
    return result;
}

#include "mail/MailMessage.h"

#include <QFileInfo>
#include <QMimeDatabase>

MimePlan MimePlan::of(const MailMessage& message)
{
    MimePlan plan;
    bool anyLine = false;
    for (const QString& line : message.attachments) {
        if (line.trimmed().isEmpty())
            continue;
        anyLine = true;
        const QFileInfo info(line.trimmed());
        if (info.isFile() && info.isReadable())
            plan.files << info.absoluteFilePath();
    }
    plan.mixed = anyLine;
    plan.text = !message.body.isEmpty();
    plan.html = !message.htmlBody.isEmpty();
    plan.container = plan.mixed && plan.text && plan.html;
    // A multipart needs at least one part; an empty message gets an empty text part.
    if (!plan.text && !plan.html && plan.files.isEmpty())
        plan.text = true;
    return plan;
}

namespace MailText {

QString htmlFromText(const QString& body)
{
    QString html = QStringLiteral("<html><body>") + body.toHtmlEscaped() + QStringLiteral("</body></html>");
    html.replace(QLatin1Char('\n'), QStringLiteral("\n<br>"));
    html.replace(QLatin1Char(' '), QStringLiteral(" &nbsp;"));
    return html;
}

QStringList addressList(const QString& text)
{
    QStringList result;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QString a = part.trimmed();
        if (!a.isEmpty())
            result << a;
    }
    return result;
}

bool isValidAddress(const QString& address)
{
    const qsizetype at = address.lastIndexOf(QLatin1Char('@'));
    if (at <= 0 || at == address.size() - 1 || address.size() > 254)
        return false;
    for (const QChar c : address) {
        if (c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
        if (QStringView(u"<>()[],;:\"\\").contains(c))
            return false;
    }
    return true;
}

QString contentTypeFor(const QString& fileName)
{
    static const QMimeDatabase db;
    const QMimeType type = db.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    return type.isValid() && !type.isDefault() ? type.name() : QStringLiteral("application/octet-stream");
}

QByteArray headerText(const QString& text)
{
    QString clean = text;
    for (QChar& c : clean)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    bool ascii = true;
    for (const QChar c : clean)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return clean.toLatin1();
    // Words of at most 45 octets, never splitting a character, stay within 76 columns once encoded.
    QByteArray out;
    QByteArray chunk;
    const auto flush = [&] {
        if (chunk.isEmpty())
            return;
        if (!out.isEmpty())
            out += ' ';
        out += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    for (qsizetype i = 0; i < clean.size(); ++i) {
        qsizetype n = clean[i].isHighSurrogate() && i + 1 < clean.size() ? 2 : 1;
        const QByteArray ch = clean.mid(i, n).toUtf8();
        if (chunk.size() + ch.size() > 45)
            flush();
        chunk += ch;
        i += n - 1;
    }
    flush();
    return out;
}

QByteArray mailbox(const QString& name, const QString& address)
{
    const QByteArray addr = '<' + headerText(address) + '>';
    const QString n = name.trimmed();
    if (n.isEmpty())
        return addr;
    const QByteArray encoded = headerText(n);
    if (encoded.startsWith("=?"))
        return encoded + ' ' + addr;
    QByteArray quoted = encoded;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + quoted + "\" " + addr;
}

QByteArray crlfText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t.toUtf8();
}

bool hasOverlongLine(const QByteArray& crlfText)
{
    qsizetype start = 0;
    while (start <= crlfText.size()) {
        qsizetype end = crlfText.indexOf("\r\n", start);
        if (end < 0)
            end = crlfText.size();
        if (end - start > 998)
            return true;
        start = end + 2;
    }
    return false;
}

} // namespace MailText

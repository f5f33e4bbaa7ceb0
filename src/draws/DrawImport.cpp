#include "draws/DrawImport.h"

#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>
#include <optional>

namespace DrawImport {

namespace {

constexpr int FieldCount = 1 + Game::NumbersPerDraw + 1; // date, numbers, bonus

QString shown(const QByteArray& field)
{
    constexpr int MaxShown = 40;
    const QString text = QString::fromLatin1(field.left(MaxShown));
    return QLatin1Char('"') + text + (field.size() > MaxShown ? QStringLiteral("…\"") : QStringLiteral("\""));
}

// A whole decimal number that fits 32 bits, blanks around it allowed.
std::optional<qint64> wholeNumber(const QByteArray& field)
{
    const QByteArray t = field.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    if (i == t.size() || t.size() - i > 10)
        return std::nullopt;
    for (qsizetype k = i; k < t.size(); ++k)
        if (t[k] < '0' || t[k] > '9')
            return std::nullopt;
    const qint64 value = t.toLongLong();
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return value;
}

std::uint8_t lowestByte(qint64 value)
{
    return std::uint8_t(quint64(value) & 0xFF);
}

// Returns the error text for a bad line, or an empty text after filling the record.
QString parseLine(const QByteArray& line, DrawRecord& record)
{
    if (line.trimmed().isEmpty())
        return QStringLiteral("leere Zeile");
    // The bonus is everything after the eighth comma, so a ninth comma makes it no number.
    QList<QByteArray> fields;
    qsizetype from = 0;
    while (fields.size() < FieldCount - 1) {
        const qsizetype comma = line.indexOf(',', from);
        if (comma < 0)
            break;
        fields << line.mid(from, comma - from);
        from = comma + 1;
    }
    fields << line.mid(from);
    if (fields.size() < FieldCount)
        return QStringLiteral("%1 statt %2 Felder").arg(fields.size()).arg(FieldCount);
    if (fields.last().contains(','))
        return QStringLiteral("mehr als %1 Felder").arg(FieldCount);

    const QDate date = DrawDate::parse(QString::fromLatin1(fields[0]));
    if (!date.isValid())
        return QStringLiteral("Feld 1 ist kein Datum tt.mm.jjjj: %1").arg(shown(fields[0]));
    record = DrawRecord{};
    record.datum = DrawDate::fromQDate(date);
    for (int f = 1; f < FieldCount; ++f) {
        const auto value = wholeNumber(fields[f]);
        if (!value)
            return QStringLiteral("Feld %1 ist keine ganze Zahl: %2").arg(f + 1).arg(shown(fields[f]));
        if (f <= Game::NumbersPerDraw)
            record.zahlen[f - 1] = lowestByte(*value);
        else
            record.bonus = lowestByte(*value);
    }
    return {};
}

} // namespace

ParseResult parse(const QByteArray& text)
{
    ParseResult result;
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first().remove(0, 3); // byte order mark written by some spreadsheet programs
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    qsizetype count = lines.size();
    while (count > 0 && lines[count - 1].trimmed().isEmpty())
        --count;

    result.records.reserve(size_t(count));
    for (qsizetype i = 0; i < count; ++i) {
        DrawRecord record;
        const QString error = parseLine(lines[i], record);
        if (!error.isEmpty()) {
            result.records.clear();
            result.errorLine = int(i + 1);
            result.error = error;
            return result;
        }
        result.records.push_back(record);
    }
    return result;
}

int importFile(const QString& csvPath, const DrawFile& drawFile)
{
    const QString shownPath = QDir::toNativeSeparators(csvPath);
    QFile csv(csvPath);
    if (QFileInfo(csvPath).isDir() || !csv.open(QIODevice::ReadOnly))
        throw FileError{QStringLiteral("Die Importdatei kann nicht geöffnet werden: %1\n(%2)")
                            .arg(shownPath, QFileInfo(csvPath).isDir() ? QStringLiteral("ist ein Ordner")
                                                                       : csv.errorString())};
    const QByteArray text = csv.readAll();
    if (csv.error() != QFileDevice::NoError)
        throw FileError{QStringLiteral("Die Importdatei kann nicht gelesen werden: %1\n(%2)")
                            .arg(shownPath, csv.errorString())};
    csv.close();

    const ParseResult parsed = parse(text);
    if (!parsed.ok())
        throw FileError{
            QStringLiteral("Zeile %1 der Importdatei %2: %3\nDie Ziehungsdatei wurde nicht verändert.")
                .arg(parsed.errorLine)
                .arg(shownPath, parsed.error)};
    drawFile.replaceAll(parsed.records);
    return int(parsed.records.size());
}

} // namespace DrawImport

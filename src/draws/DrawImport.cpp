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

namespace {

constexpr int FieldCount = 1 + Game::NumbersPerDraw + 1; // date, numbers, bonus

// A field as quoted in a message: cut short, control bytes (a NUL above all) written as \xHH so that
// the message stays whole wherever it is printed.
QString shown(const QByteArray& field)
{
    constexpr int MaxShown = 40;
    QString text;
    for (const char c : field.left(MaxShown)) {
        const auto byte = uchar(c);
        if (byte < 0x20 || byte == 0x7F)
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else
            text += QChar(byte);
    }
    return QLatin1Char('"') + text + (field.size() > MaxShown ? QStringLiteral("…\"") : QStringLiteral("\""));
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
    if (!DrawFile::isSupportedDate(record.datum))
        return QStringLiteral("Feld 1 liegt nicht zwischen 25.09.2009 und 31.12.2199: %1")
            .arg(shown(fields[0]));
    for (int f = 1; f < FieldCount; ++f) {
        const auto value = wholeNumber(fields[f]);
        if (!value)
            return QStringLiteral("Feld %1 ist keine ganze Zahl: %2").arg(f + 1).arg(shown(fields[f]));
        if (f <= Game::NumbersPerDraw)
            record.zahlen[f - 1] = lowestByte(*value);
        else
            record.bonus = lowestByte(*value);
    }
    // A repeated number would count twice as a hit.
    for (int i = 0; i < Game::NumbersPerDraw; ++i)
        for (int k = i + 1; k < Game::NumbersPerDraw; ++k)
            if (record.zahlen[i] == record.zahlen[k])
                return QStringLiteral("Feld %1 wiederholt die Zahl %2 aus Feld %3")
                    .arg(k + 2)
                    .arg(record.zahlen[k])
                    .arg(i + 2);
    return {};
}

} // namespace

ParseResult parse(const QByteArray& text)
{
    ParseResult result;
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF")) {
        result.errorLine = 1;
        result.error = QStringLiteral("die Datei ist in UTF-16 gespeichert (Byte-Order-Mark %1 am Anfang); "
                                      "erwartet wird ASCII oder UTF-8")
                           .arg(QString::fromLatin1(text.left(2).toHex(' ').toUpper()));
        return result;
    }
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first().remove(0, 3); // byte order mark written by some spreadsheet programs
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    qsizetype count = lines.size();
    while (count > 0 && lines[count - 1].trimmed().isEmpty())
        --count;

    const auto fail = [&result](qsizetype index, const QString& error) {
        result.records.clear();
        result.errorLine = int(index + 1);
        result.error = error;
        return result;
    };
    result.records.reserve(size_t(count));
    qsizetype mainDrawLine = -1; // index of the main draw on the date of the previous line
    for (qsizetype i = 0; i < count; ++i) {
        DrawRecord record;
        const QString error = parseLine(lines[i], record);
        if (!error.isEmpty())
            return fail(i, error);
        // Lookup and the scans rely on the file being in date order. A date may hold one main draw
        // followed by draws without bonus number (the extra draws of that evening).
        if (!result.records.empty()) {
            const DrawRecord& previous = result.records.back();
            if (record.datum < previous.datum)
                return fail(i,
                            QStringLiteral("das Datum %1 liegt vor dem der Zeile davor (%2); die Ziehungen "
                                           "müssen nach Datum aufsteigend sortiert sein")
                                .arg(DrawDate::format(record.datum), DrawDate::format(previous.datum)));
            if (record.datum != previous.datum)
                mainDrawLine = -1;
        }
        if (record.isMainDraw()) {
            if (mainDrawLine >= 0)
                return fail(i,
                            QStringLiteral("zweite Ziehung mit Bonuszahl am %1 (die erste steht in Zeile %2)")
                                .arg(DrawDate::format(record.datum))
                                .arg(mainDrawLine + 1));
            mainDrawLine = i;
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
    if (parsed.records.empty())
        throw FileError{QStringLiteral("Die Importdatei %1 enthält keine Ziehung.\nDie Ziehungsdatei wurde "
                                       "nicht verändert.")
                            .arg(shownPath)};
    drawFile.replaceAll(parsed.records);
    return int(parsed.records.size());
}

} // namespace DrawImport

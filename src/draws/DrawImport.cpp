#include "draws/DrawImport.h"

#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/Error.h"
#include "draws/OperatorCsv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
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

QString shownField(const QByteArray& field)
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

QList<QByteArray> splitLines(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first().remove(0, 3); // byte order mark written by some spreadsheet programs
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

namespace {

constexpr int FieldCount = 1 + Game::NumbersPerDraw + 1; // date, numbers, bonus

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
        return QStringLiteral("Feld 1 ist kein Datum tt.mm.jjjj: %1").arg(shownField(fields[0]));
    record = DrawRecord{};
    record.datum = DrawDate::fromQDate(date);
    if (!DrawFile::isSupportedDate(record.datum))
        return QStringLiteral("Feld 1 liegt nicht zwischen 25.09.2009 und 31.12.2199: %1")
            .arg(shownField(fields[0]));
    for (int f = 1; f < FieldCount; ++f) {
        const auto value = wholeNumber(fields[f]);
        if (!value)
            return QStringLiteral("Feld %1 ist keine ganze Zahl: %2").arg(f + 1).arg(shownField(fields[f]));
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
    if (OperatorCsv::isOperatorFile(text))
        return OperatorCsv::parse(text);
    const QList<QByteArray> lines = splitLines(text);
    const qsizetype count = lines.size();

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

std::vector<DrawRecord> readFile(const QString& csvPath)
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
    return parsed.records;
}

namespace {

bool sameDraw(const DrawRecord& a, const DrawRecord& b)
{
    // Stored draws keep the order they came in, the operator's are sorted: the numbers count, not their order.
    auto x = a.zahlen, y = b.zahlen;
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return a.datum == b.datum && x == y && a.bonus == b.bonus;
}

} // namespace

int importFile(const QString& csvPath, const DrawFile& drawFile)
{
    const std::vector<DrawRecord> records = readFile(csvPath);
    drawFile.replaceAll(records);
    return int(records.size());
}

MergeResult merge(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& incoming)
{
    MergeResult result;
    const double newest = stored.empty() ? -1 : stored.back().datum;
    size_t storedAt = 0;
    for (size_t from = 0; from < incoming.size();) {
        const double date = incoming[from].datum;
        size_t to = from;
        while (to < incoming.size() && incoming[to].datum == date)
            ++to;
        if (date > newest) {
            result.appended.insert(result.appended.end(), incoming.begin() + qsizetype(from),
                                   incoming.begin() + qsizetype(to));
        } else {
            // Both lists are in date order, so the stored draws of this date follow the earlier ones.
            while (storedAt < stored.size() && stored[storedAt].datum < date)
                ++storedAt;
            size_t same = storedAt;
            while (same < stored.size() && stored[same].datum == date)
                ++same;
            for (size_t k = from; k < to; ++k) {
                const size_t at = storedAt + (k - from);
                if (at < same && sameDraw(stored[at], incoming[k]))
                    ++result.skipped;
                else
                    result.conflicts.push_back(
                        {incoming[k], at < same ? std::optional<DrawRecord>(stored[at]) : std::nullopt});
            }
        }
        from = to;
    }
    return result;
}

MergeResult mergeFile(const QString& csvPath, const DrawFile& drawFile)
{
    const std::vector<DrawRecord> incoming = readFile(csvPath);
    MergeResult result;
    drawFile.modify([&](const std::vector<DrawRecord>& stored) -> std::optional<std::vector<DrawRecord>> {
        result = merge(stored, incoming);
        if (result.appended.empty())
            return std::nullopt;
        std::vector<DrawRecord> all = stored;
        all.insert(all.end(), result.appended.begin(), result.appended.end());
        return all;
    });
    return result;
}

QString numbersText(const DrawRecord& record)
{
    QStringList numbers;
    for (int n : record.zahlen)
        numbers << QString::number(n);
    return numbers.join(QLatin1Char(' '))
        + (record.isMainDraw() ? QStringLiteral(" B %1").arg(record.bonus) : QStringLiteral(" ohne Bonus"));
}

} // namespace DrawImport

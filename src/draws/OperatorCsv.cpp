#include "draws/OperatorCsv.h"

#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/GameEras.h"

#include <QList>

namespace OperatorCsv {

namespace {

enum Column
{
    Product,
    DrawNumber,
    Sequence,
    Date,
    FirstNumber,
    Bonus = FirstNumber + Game::NumbersPerDraw,
    ColumnCount
};

constexpr const char* ProductName = "LOTTO MAX";

QList<QByteArray> headerFields()
{
    QList<QByteArray> fields{"PRODUCT", "DRAW NUMBER", "SEQUENCE NUMBER", "DRAW DATE"};
    for (int i = 1; i <= Game::NumbersPerDraw; ++i)
        fields << "NUMBER DRAWN " + QByteArray::number(i);
    fields << "BONUS NUMBER";
    return fields;
}

// Splits a row at commas outside quotes and drops the quotes; nullopt for an unbalanced quote.
std::optional<QList<QByteArray>> splitRow(const QByteArray& line)
{
    QList<QByteArray> fields;
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                field += line[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    fields << field;
    return fields;
}

bool hasHeader(const QByteArray& line)
{
    const auto fields = splitRow(line);
    if (!fields)
        return false;
    QList<QByteArray> trimmed;
    for (const QByteArray& f : *fields)
        trimmed << f.trimmed();
    return trimmed == headerFields();
}

QString parseRow(const QList<QByteArray>& fields, DrawRecord& record, qint64& sequence)
{
    if (fields.size() != ColumnCount)
        return QStringLiteral("%1 statt %2 Felder").arg(fields.size()).arg(ColumnCount);
    if (fields[Product].trimmed() != ProductName)
        return QStringLiteral("Feld 1 ist nicht das Produkt \"%1\": %2")
            .arg(QLatin1String(ProductName), DrawImport::shownField(fields[Product]));
    if (!DrawImport::wholeNumber(fields[DrawNumber]))
        return QStringLiteral("Feld 2 ist keine ganze Zahl: %1")
            .arg(DrawImport::shownField(fields[DrawNumber]));
    const auto seq = DrawImport::wholeNumber(fields[Sequence]);
    if (!seq || *seq < 0)
        return QStringLiteral("Feld 3 ist keine Laufnummer 0, 1, 2, …: %1")
            .arg(DrawImport::shownField(fields[Sequence]));
    sequence = *seq;

    const QByteArray dateText = fields[Date].trimmed();
    const QDate date =
        dateText.size() == 10 ? QDate::fromString(QString::fromLatin1(dateText), Qt::ISODate) : QDate();
    if (!date.isValid())
        return QStringLiteral("Feld 4 ist kein Datum jjjj-mm-tt: %1")
            .arg(DrawImport::shownField(fields[Date]));
    record = DrawRecord{};
    record.datum = DrawDate::fromQDate(date);
    if (!DrawFile::isSupportedDate(record.datum))
        return QStringLiteral("Feld 4 liegt nicht zwischen 25.09.2009 und 31.12.2199: %1")
            .arg(DrawImport::shownField(fields[Date]));

    // The operator's numbers are checked against the game of their date: a number outside it means a
    // shifted column or another product's file.
    const Game game = GameEras::on(date, GameRules::AsPlayed);
    for (int f = FirstNumber; f <= Bonus; ++f) {
        const auto value = DrawImport::wholeNumber(fields[f]);
        if (!value)
            return QStringLiteral("Feld %1 ist keine ganze Zahl: %2")
                .arg(f + 1)
                .arg(DrawImport::shownField(fields[f]));
        if (f < Bonus) {
            if (!game.contains(int(*value)))
                return QStringLiteral("Feld %1: die Zahl %2 liegt nicht in 1..%3 (%4 am %5)")
                    .arg(f + 1)
                    .arg(*value)
                    .arg(game.highestNumber)
                    .arg(GameEras::label(game), DrawDate::format(date));
            record.zahlen[f - FirstNumber] = std::uint8_t(*value);
        } else if (sequence == 0) {
            // A main draw may come without bonus number (stored as such); any other bonus is in range.
            if (*value != 0 && !game.contains(int(*value)))
                return QStringLiteral("Feld %1: die Bonuszahl %2 liegt nicht in 1..%3 (%4 am %5)")
                    .arg(f + 1)
                    .arg(*value)
                    .arg(game.highestNumber)
                    .arg(GameEras::label(game), DrawDate::format(date));
            record.bonus = std::uint8_t(*value);
        } else if (*value != 0) {
            return QStringLiteral("Feld %1: eine MAXMILLIONS-Ziehung (Laufnummer %2) hat keine Bonuszahl, "
                                  "hier steht %3")
                .arg(f + 1)
                .arg(sequence)
                .arg(*value);
        }
    }
    for (int i = 0; i < Game::NumbersPerDraw; ++i)
        for (int k = i + 1; k < Game::NumbersPerDraw; ++k)
            if (record.zahlen[i] == record.zahlen[k])
                return QStringLiteral("Feld %1 wiederholt die Zahl %2 aus Feld %3")
                    .arg(FirstNumber + k + 1)
                    .arg(record.zahlen[k])
                    .arg(FirstNumber + i + 1);
    return {};
}

} // namespace

QByteArray header()
{
    QByteArray line;
    for (const QByteArray& field : headerFields())
        line += (line.isEmpty() ? "\"" : ",\"") + field + '"';
    return line;
}

bool isOperatorFile(const QByteArray& text)
{
    const QByteArray first = DrawImport::splitLines(text.left(64)).value(0);
    const auto fields = splitRow(first.left(first.indexOf(',')));
    return fields && fields->value(0).trimmed() == "PRODUCT";
}

DrawImport::ParseResult parse(const QByteArray& text)
{
    DrawImport::ParseResult result;
    const auto fail = [&result](qsizetype index, const QString& error) {
        result.records.clear();
        result.errorLine = int(index + 1);
        result.error = error;
        return result;
    };
    const QList<QByteArray> lines = DrawImport::splitLines(text);
    if (!hasHeader(lines.value(0)))
        return fail(
            0, QStringLiteral("die Kopfzeile ist nicht die der Ziehungsliste des Lotteriebetreibers (%1)")
                   .arg(QString::fromLatin1(header())));
    result.records.reserve(size_t(lines.size()));
    qint64 previousSequence = -1; // of the previous row, when it has the same date
    qsizetype mainDrawLine = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            return fail(i, QStringLiteral("leere Zeile"));
        const auto fields = splitRow(lines[i]);
        if (!fields)
            return fail(i, QStringLiteral("ein Anführungszeichen ist nicht geschlossen"));
        DrawRecord record;
        qint64 sequence = 0;
        const QString error = parseRow(*fields, record, sequence);
        if (!error.isEmpty())
            return fail(i, error);

        const bool sameDate = !result.records.empty() && result.records.back().datum == record.datum;
        if (!result.records.empty() && record.datum < result.records.back().datum)
            return fail(
                i, QStringLiteral("das Datum %1 liegt vor dem der Zeile davor (%2); die Ziehungen "
                                  "müssen nach Datum aufsteigend sortiert sein")
                       .arg(DrawDate::format(record.datum), DrawDate::format(result.records.back().datum)));
        if (sequence == 0 && sameDate)
            return fail(
                i, QStringLiteral("zweite Hauptziehung (Laufnummer 0) am %1 (die erste steht in Zeile %2)")
                       .arg(DrawDate::format(record.datum))
                       .arg(mainDrawLine + 1));
        if (sequence > 0 && !sameDate)
            return fail(i, QStringLiteral("MAXMILLIONS-Ziehung (Laufnummer %1) ohne die Hauptziehung vom %2 "
                                          "in der Zeile davor")
                               .arg(sequence)
                               .arg(DrawDate::format(record.datum)));
        if (sequence > 0 && sequence <= previousSequence)
            return fail(i, QStringLiteral("Laufnummer %1 nach Laufnummer %2 am %3; sie müssen aufsteigen")
                               .arg(sequence)
                               .arg(previousSequence)
                               .arg(DrawDate::format(record.datum)));
        if (sequence == 0)
            mainDrawLine = i;
        previousSequence = sequence;
        result.records.push_back(record);
    }
    return result;
}

QByteArray write(const std::vector<DrawRecord>& records)
{
    QByteArray out = header() + '\n';
    const auto row = [&out](int drawNumber, int sequence, const DrawRecord& r) {
        out += '"' + QByteArray(ProductName) + "\"," + QByteArray::number(drawNumber) + ',' +
               QByteArray::number(sequence) + ",\"" +
               DrawDate::toQDate(r.datum).toString(Qt::ISODate).toLatin1() + '"';
        for (int n : r.zahlen)
            out += ',' + QByteArray::number(n);
        out += ',' + QByteArray::number(r.bonus) + '\n';
    };
    int drawNumber = 0;
    for (size_t from = 0; from < records.size();) {
        size_t to = from;
        while (to < records.size() && records[to].datum == records[from].datum)
            ++to;
        ++drawNumber;
        // The main draw leads its date, whatever order the records of that date were stored in.
        size_t main = to;
        for (size_t i = from; i < to && main == to; ++i)
            if (records[i].isMainDraw())
                main = i;
        int sequence = 0;
        if (main != to)
            row(drawNumber, sequence++, records[main]);
        for (size_t i = from; i < to; ++i)
            if (i != main)
                row(drawNumber, sequence++, records[i]);
        from = to;
    }
    return out;
}

} // namespace OperatorCsv

#include "draws/UpdateAnswer.h"

#include "draws/DrawDate.h"
#include "draws/DrawImport.h"

#include <QStringDecoder>
#include <limits>
#include <set>

namespace UpdateAnswer {

namespace {

constexpr int EncoreDigits = 7;

bool repeatsANumber(const DrawRecord& r)
{
    const std::set<std::uint8_t> distinct(r.zahlen.begin(), r.zahlen.end());
    return distinct.size() != r.zahlen.size();
}

} // namespace

QString query(const QDate& date)
{
    return QStringLiteral("Programm=Korvex&Datum=") + date.toString(QStringLiteral("yyyyMMdd"));
}

QDate firstRequestDate(std::optional<QDate> newest, const QDate& selected, GameRules rules)
{
    if (newest)
        return nextRequestDate(*newest, rules);
    if (rules == GameRules::Classic || GameEras::on(selected, rules).drawsOn(selected.dayOfWeek()))
        return selected;
    return GameEras::nextDrawDay(selected, rules);
}

QDate nextRequestDate(const QDate& date, GameRules rules)
{
    return GameEras::nextDrawDay(date, rules);
}

std::vector<QDate> requestDates(std::optional<QDate> newest, const QDate& selected, const QDate& today,
                                GameRules rules)
{
    std::vector<QDate> dates;
    for (QDate d = firstRequestDate(newest, selected, rules); d.isValid() && d <= today;
         d = nextRequestDate(d, rules))
        dates.push_back(d);
    return dates;
}

std::optional<DrawRecord> parseLine(const QByteArray& line, const QDate& date, const DrawRecord& before)
{
    qsizetype at = line.indexOf(',');
    if (at < 0)
        return std::nullopt;
    ++at;
    std::array<qint64, Game::NumbersPerDraw + 1> values{};
    for (qint64& value : values) {
        const qsizetype comma = line.indexOf(',', at);
        if (comma < 0)
            return std::nullopt;
        const auto number = DrawImport::wholeNumber(line.mid(at, comma - at));
        if (!number)
            return std::nullopt;
        value = *number;
        at = comma + 1;
    }

    DrawRecord r;
    r.datum = DrawDate::fromQDate(date);
    for (int i = 0; i < Game::NumbersPerDraw; ++i)
        r.zahlen[std::size_t(i)] = DrawImport::lowestByte(values[std::size_t(i)]);
    r.bonus = DrawImport::lowestByte(values.back());
    r.super6 = before.super6;

    const QByteArray rest = line.mid(at);
    const qsizetype semicolon = rest.indexOf(';');
    if (semicolon >= EncoreDigits) {
        std::array<std::uint8_t, EncoreDigits> digits{};
        bool allDigits = true;
        for (int i = 0; i < EncoreDigits && allDigits; ++i) {
            const char c = rest[i];
            allDigits = c >= '0' && c <= '9';
            digits[std::size_t(i)] = std::uint8_t(c - '0');
        }
        if (allDigits)
            r.spiel77 = digits;
    }
    return r;
}

Parsed parse(const QByteArray& body, const QDate& date, const DrawRecord& before)
{
    Parsed parsed;
    DrawRecord previous = before;
    bool mainDrawSeen = false;
    int lineNumber = 0;
    qsizetype at = 0;
    while (at < body.size()) {
        qsizetype end = at;
        while (end < body.size() && body[end] != '\n' && body[end] != '\r')
            ++end;
        const QByteArray line = body.mid(at, end - at);
        at = end + (end + 1 < body.size() && body[end] == '\r' && body[end + 1] == '\n' ? 2 : 1);
        ++lineNumber;
        if (line.trimmed().isEmpty())
            continue;
        const auto record = parseLine(line, date, previous);
        if (!record || repeatsANumber(*record) || (record->isMainDraw() && mainDrawSeen)) {
            parsed.unreadableLine = lineNumber;
            return parsed;
        }
        mainDrawSeen = mainDrawSeen || record->isMainDraw();
        parsed.records.push_back(*record);
        previous = *record;
    }
    return parsed;
}

QString shownBody(const QByteArray& body, int maxChars)
{
    auto decoder = QStringDecoder(QStringDecoder::Utf8);
    QString text = decoder.decode(body);
    if (decoder.hasError())
        text = QString::fromLatin1(body);
    QString shown;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // The limit holds for the text shown, escapes included.
        const QString piece = (u < 0x20 && u != '\n' && u != '\r' && u != '\t') || u == 0x7F
                                  ? QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'))
                                  : QString(c);
        if (shown.size() + piece.size() > maxChars) {
            shown += QStringLiteral("…");
            break;
        }
        shown += piece;
    }
    return shown;
}

} // namespace UpdateAnswer

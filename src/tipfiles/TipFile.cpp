#include "tipfiles/TipFile.h"

#include "draws/Error.h"
#include "draws/OutputFile.h"

#include <QFile>
#include <QStringList>

namespace TipFile {

namespace {

// Rows from the third on end their last field at ":"; the first two keep the whole rest.
constexpr int FirstRowCutAtColon = 2;

QByteArray crlf()
{
    return QByteArrayLiteral("\r\n");
}

} // namespace

QString proposedName(const QDate& selectedDate, const QDate& today)
{
    QDate date = today;
    switch (selectedDate.dayOfWeek()) {
    case Qt::Sunday:
    case Qt::Wednesday:
        date = selectedDate.addDays(3);
        break;
    case Qt::Saturday:
        date = selectedDate.addDays(4);
        break;
    default:
        break;
    }
    return date.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + QLatin1String(Extension);
}

QByteArray encode(const TipSheet& sheet, const QString& ticketNumber)
{
    QByteArray bytes;
    for (const auto& row : sheet.cells) {
        QStringList texts;
        for (int v : row)
            texts << TipSheet::cellText(v);
        bytes += texts.join(QLatin1Char(',')).toLatin1() + crlf();
    }
    bytes += ticketNumber.toLatin1() + crlf();
    return bytes;
}

void write(const QString& path, const TipSheet& sheet, const QString& ticketNumber)
{
    // A device named as the output (/dev/stdout) is written, never replaced by a file.
    OutputFile::write(path, encode(sheet, ticketNumber));
}

QByteArray read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError{
            QStringLiteral("Die Datei %1 kann nicht geöffnet werden: %2").arg(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError{
            QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2").arg(path, file.errorString())};
    return bytes;
}

Contents parse(const QByteArray& bytes, const Game& game)
{
    Contents contents;
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the end of the last line, not a line of its own
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);

    const int rows = std::min<int>(int(lines.size()), TipSheet::Rows);
    for (int r = 0; r < rows; ++r) {
        QString rest = QString::fromLatin1(lines[r]);
        TipSheet::Row row{};
        for (int c = 0; c < TipSheet::Cells - 1; ++c) {
            const qsizetype comma = rest.indexOf(QLatin1Char(','));
            if (comma < 0)
                continue; // this cell stays empty and the rest goes to the last cell
            row[c] = TipSheet::cellValue(rest.left(comma), game);
            rest.remove(0, comma + 1);
        }
        if (r >= FirstRowCutAtColon) {
            const qsizetype colon = rest.indexOf(QLatin1Char(':'));
            if (colon >= 0)
                rest.truncate(colon);
        }
        row[TipSheet::Cells - 1] = TipSheet::cellValue(rest, game);
        if (TipSheet::hasRepeat(row))
            throw FileError{QStringLiteral("Tipp %1 der Tippdatei enthält eine Zahl doppelt: %2")
                                .arg(r + 1)
                                .arg(QString::fromLatin1(lines[r].left(80)))};
        contents.rows.push_back(row);
    }
    if (lines.size() > TipSheet::Rows)
        contents.ticketNumber = QString::fromLatin1(lines[TipSheet::Rows]);
    return contents;
}

void apply(const Contents& contents, TipSheet& sheet, QString& ticketNumber)
{
    for (std::size_t r = 0; r < contents.rows.size() && r < std::size_t(TipSheet::Rows); ++r) {
        sheet.clearRow(int(r));
        sheet.cells[r] = contents.rows[r];
    }
    if (contents.ticketNumber)
        ticketNumber = *contents.ticketNumber;
}

void apply(const QByteArray& bytes, TipSheet& sheet, QString& ticketNumber, const Game& game)
{
    apply(parse(bytes, game), sheet, ticketNumber);
}

void checkRange(const QByteArray& bytes, const Game& game)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (int r = 0; r < std::min<int>(int(lines.size()), TipSheet::Rows); ++r) {
        for (const QByteArray& text : lines[r].trimmed().split(',')) {
            bool ok = false;
            const int v = text.trimmed().toInt(&ok);
            if (ok && v > game.highestNumber)
                throw Error(QStringLiteral("Tipp %1 der Datei enthält die Zahl %2, die es in %3 nicht gibt.")
                                .arg(r + 1)
                                .arg(v)
                                .arg(GameEras::label(game)));
        }
    }
}

} // namespace TipFile

#include "tipfiles/TipPrintout.h"

#include "draws/Error.h"
#include "draws/OutputFile.h"
#include "draws/Game.h"


namespace TipPrintout {

QStringList lines(const TipSheet& sheet, const QDate& drawDate, GameRules rules, const QString& tippWord,
                  const QLocale& locale)
{
    const QDate next = GameEras::nextDrawDay(drawDate, rules);
    QStringList out;
    out << QStringLiteral("Torvanes Numerant Tipp für ") +
               locale.dayName(next.dayOfWeek(), QLocale::LongFormat) + QLatin1Char(' ') +
               next.toString(QStringLiteral("dd.MM.yy"));
    out << QString(46, QLatin1Char('~'));
    out << QString();
    for (int r = 0; r < TipSheet::Rows; ++r) {
        const auto& row = sheet.cells[r];
        if (row[0] == 0)
            continue;
        if (!sheet.rowComplete(r))
            throw FileError{
                QStringLiteral("Tipp %1 ist unvollständig: bitte alle %2 Zahlen ausfüllen oder die "
                               "Reihe leeren. Es wurde nichts gedruckt.")
                    .arg(r + 1)
                    .arg(TipSheet::Cells)};
        if (TipSheet::hasRepeat(row))
            throw FileError{QStringLiteral("Tipp %1 enthält eine Zahl doppelt: bitte korrigieren oder die "
                                           "Reihe leeren. Es wurde nichts gedruckt.")
                                .arg(r + 1)};
        QStringList numbers;
        for (int v : row)
            numbers << QString::asprintf("%2d", v);
        out << QStringLiteral("%1. ").arg(r + 1, 2) + tippWord + QStringLiteral(": ") +
                   numbers.join(QStringLiteral("   "));
    }
    return out;
}

QByteArray encode(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

void write(const QString& path, const QStringList& lines)
{
    // A device named as the output (/dev/stdout) is written, never replaced by a file.
    OutputFile::write(path, encode(lines));
}

} // namespace TipPrintout

#include "tipfiles/TipPrintout.h"

#include "draws/Error.h"
#include "draws/Game.h"

#include <QSaveFile>

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
    QSaveFile file(path);
    const QByteArray bytes = encode(lines);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError{
            QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2").arg(path, file.errorString())};
}

} // namespace TipPrintout

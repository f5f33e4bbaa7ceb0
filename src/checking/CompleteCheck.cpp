#include "checking/CompleteCheck.h"

#include "app/Session.h"

#include <algorithm>

namespace {

constexpr int RedFromHits = 3;

QString ticketPrefix(const Session& s)
{
    return s.messages.text(12) + QStringLiteral(": ");
}

void compareTicketNumber(Session& s)
{
    if (s.losNr.isEmpty() || s.spiel77Zahl.isEmpty())
        return;
    s.losnummerCaption = ticketPrefix(s) + s.losNr;
    s.losnummerRed = false;
    if (s.spiel77Ja != 1)
        return;
    QString digits = s.spiel77Zahl;
    for (qsizetype i = 0; i < std::min<qsizetype>(digits.size(), Game::NumbersPerDraw); ++i)
        if (i >= s.losNr.size() || digits[i] != s.losNr[i])
            digits[i] = QLatin1Char('-');
    // Only a match of the last digit wins anything, so only then is the comparison worth showing.
    const qsizetype last = Game::NumbersPerDraw - 1;
    if (digits.size() > last && digits[last] != QLatin1Char('-')) {
        s.losnummerCaption = QStringLiteral("Spiel77: ") + digits;
        s.losnummerRed = true;
    }
}

} // namespace

int completeCheck(Session& s)
{
    s.statistik = {};
    if (!s.sortieren)
        return 0;
    TipSheet& sheet = s.sheet;
    int best = 0;
    for (int row = 0; row < TipSheet::Rows; ++row) {
        if (!sheet.rowComplete(row)) {
            sheet.marks[row] = {};
            sheet.hitText[row].clear();
            sheet.crossSumText[row].clear();
            sheet.hitRed[row] = false;
            continue;
        }
        auto& cells = sheet.cells[row];
        int sum = 0;
        for (int v : cells)
            sum += v;
        sheet.crossSumText[row] = QString::number(sum);
        std::stable_sort(cells.begin(), cells.end());

        s.hit = zettelcheck(tipFromCells(cells), s.current.zahl);
        const HitResult& hit = s.hit;
        for (int k = 0; k < TipSheet::Cells; ++k)
            sheet.marks[row][k] = hit.treffer[k + 1] == 1   ? TipSheet::Mark::Hit
                                  : hit.treffer[k + 1] == 2 ? TipSheet::Mark::Bonus
                                                            : TipSheet::Mark::None;
        showHitLabel(sheet, row, hit);
        ++s.statistik[hit.gewinn][hit.zusatz ? 1 : 0];
        if (hit.gewinn >= RedFromHits && s.playSound)
            s.playSound(s.home + s.soundName);
        best = std::max(best, hit.gewinn);
    }
    compareTicketNumber(s);
    return best;
}

void showHitLabel(TipSheet& sheet, int row, const HitResult& hit)
{
    sheet.hitText[row] = QString::number(hit.gewinn) + (hit.zusatz ? QStringLiteral(" + B") : QString());
    sheet.hitRed[row] = hit.gewinn >= RedFromHits;
}

void setTicketNumber(Session& s, const QString& answer)
{
    s.losNr = answer;
    s.losnummerCaption = ticketPrefix(s) + s.losNr;
    s.losnummerRed = false;
}

QString ticketLabelText(const Session& s)
{
    return s.losNr.isEmpty() ? s.messages.text(54) : ticketPrefix(s) + s.losNr;
}

QString ticketNumberCaption(const Session& s)
{
    return s.messages.text(54);
}

QString ticketNumberPrompt(const Session& s)
{
    return ticketPrefix(s);
}

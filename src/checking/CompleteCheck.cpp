#include "checking/CompleteCheck.h"

#include <algorithm>

namespace {
constexpr int RedFromHits = 3;
} // namespace

CheckSummary checkSheet(TipSheet& sheet, const CurrentDraw& draw)
{
    CheckSummary summary;
    for (int row = 0; row < TipSheet::Rows; ++row) {
        // A row with a number twice stays as typed but, like an incomplete one, gets no result.
        if (!sheet.rowUsable(row)) {
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

        const HitResult hit = scoreTip(cells, draw);
        sheet.marks[row] = hit.marks;
        showHitLabel(sheet, row, hit);
        // A draw file written before repeats were refused may still hold a number twice.
        ++summary.tally[std::size_t(std::min(hit.hits, Game::NumbersPerDraw))][hit.bonusHit ? 1 : 0];
        summary.soundDue = summary.soundDue || hit.hits >= RedFromHits;
        summary.best = std::max(summary.best, hit.hits);
    }
    return summary;
}

void showHitLabel(TipSheet& sheet, int row, const HitResult& hit)
{
    sheet.hitText[row] = QString::number(hit.hits) + (hit.bonusHit ? QStringLiteral(" + B") : QString());
    sheet.hitRed[row] = hit.hits >= RedFromHits;
}

namespace Ticket {

namespace {
QString prefix(const MessageTable& messages)
{
    return messages.text(Msg::TicketNumber) + QStringLiteral(": ");
}
} // namespace

QString caption(const MessageTable& messages, const QString& number)
{
    return prefix(messages) + number;
}

QString labelText(const MessageTable& messages, const QString& number)
{
    return number.isEmpty() ? messages.text(Msg::TicketNumberQuestion) : caption(messages, number);
}

QString inputCaption(const MessageTable& messages)
{
    return messages.text(Msg::TicketNumberQuestion);
}

QString inputPrompt(const MessageTable& messages)
{
    return prefix(messages);
}

std::optional<Comparison> compare(const MessageTable& messages, const QString& number,
                                  const QString& encoreDigits, bool compareOn)
{
    if (number.isEmpty() || encoreDigits.isEmpty())
        return std::nullopt;
    Comparison result{caption(messages, number), false};
    if (!compareOn)
        return result;
    QString digits = encoreDigits;
    for (qsizetype i = 0; i < std::min<qsizetype>(digits.size(), Game::NumbersPerDraw); ++i)
        if (i >= number.size() || digits[i] != number[i])
            digits[i] = QLatin1Char('-');
    // Only a match of the last digit wins anything, so only then is the comparison worth showing.
    const qsizetype last = Game::NumbersPerDraw - 1;
    if (digits.size() > last && digits[last] != QLatin1Char('-'))
        result = {QStringLiteral("Spiel77: ") + digits, true};
    return result;
}

} // namespace Ticket

#pragma once

#include "checking/HitRule.h"
#include "language/MessageTable.h"
#include "tips/TipSheet.h"

#include <QString>
#include <array>
#include <optional>

// Tally of a complete check: [hits][bonus hit] over the complete rows.
using HitTally = std::array<std::array<int, 2>, Game::NumbersPerDraw + 1>;

struct CheckSummary
{
    HitTally tally{};
    int best = 0;          // the most hits of any row
    bool soundDue = false; // a row reached the hits that the hit sound greets
    bool operator==(const CheckSummary&) const = default;
};

// The complete check: every complete row of the sheet is sorted and compared with the draw; its marks,
// hit label and cross sum are set, and the tally counts it. Incomplete rows lose their results.
CheckSummary checkSheet(TipSheet& sheet, const CurrentDraw& draw);

// A row's hit label from a check: the hit count, " + B" for a bonus hit, red from three hits.
void showHitLabel(TipSheet& sheet, int row, const HitResult& hit);

// The ticket number and its comparison with a draw's ENCORE digits.
namespace Ticket {
// "Schein Nr : " + number.
QString caption(const MessageTable& messages, const QString& number);
// The label before any comparison: the number after its prefix, or the question for one.
QString labelText(const MessageTable& messages, const QString& number);
QString inputCaption(const MessageTable& messages);
QString inputPrompt(const MessageTable& messages);

struct Comparison
{
    QString caption;
    bool red = false;
};
// Nothing while the number or the digits are unknown. Otherwise the caption with the number; when the
// comparison is switched on and the last digit matches, "Spiel77: " with each digit that differs as '-'.
std::optional<Comparison> compare(const MessageTable& messages, const QString& number,
                                  const QString& encoreDigits, bool compareOn);
} // namespace Ticket

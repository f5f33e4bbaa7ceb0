#include "mail/TipMail.h"

namespace TipMail {

QString subject(const QDate& today)
{
    return QStringLiteral("Torvane Numerant Tipp vom ") + today.toString(QStringLiteral("dd.MM.yyyy"));
}

QString evaluationLink(const TipSheet& sheet)
{
    QStringList pairs;
    for (int t = 0; t < TipSheet::Rows; ++t)
        for (int p = 0; p < TipSheet::Cells; ++p)
            pairs << QStringLiteral("Z%1_%2=").arg(t + 1).arg(p + 1) + TipSheet::cellText(sheet.cells[t][p]);
    return QStringLiteral("http://") + QLatin1String(EvaluationHost) + QLatin1String(EvaluationPath) +
           pairs.join(QLatin1Char('&'));
}

QStringList bodyLines(const TipSheet& sheet)
{
    QStringList lines;
    for (int t = 0; t < TipSheet::Rows; ++t) {
        if (sheet.cells[t][0] == 0)
            continue;
        QStringList numbers;
        for (int value : sheet.cells[t])
            numbers << TipSheet::cellText(value);
        lines << numbers.join(QLatin1Char(','));
    }
    lines << QStringLiteral(" ") << QStringLiteral(" ") << QStringLiteral("Web-Link für Online Auswertung:")
          << evaluationLink(sheet);
    return lines;
}

} // namespace TipMail

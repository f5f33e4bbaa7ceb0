#include "checking/TipSearch.h"

#include "checking/CompleteCheck.h"
#include "draws/DrawDate.h"

#include <array>

namespace TipSearch {

QString thresholdCaption(const MessageTable& messages)
{
    return messages.text(Msg::SearchThresholdQuestion);
}

QString thresholdPrompt(const MessageTable& messages)
{
    return messages.text(Msg::TipTest);
}

std::optional<int> parseThreshold(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

QString notANumberMessage(const QString& text)
{
    return QStringLiteral("'%1' ist kein gültiger ganzzahliger Wert").arg(text);
}

QString stopCaption(const MessageTable& messages)
{
    return messages.text(Msg::DrawFound);
}

QString stopQuestion(const MessageTable& messages, const Stop& stop)
{
    return messages.text(Msg::HitFoundOn) + DrawDate::format(stop.date) + QStringLiteral("   ") +
           messages.text(Msg::GoOn);
}

Outcome run(const std::vector<DrawRecord>& records, const StatisticWindow& window, TipSheet& sheet,
            StatisticSeries& chart, int threshold, const std::function<bool(const Stop&)>& goOn,
            const std::function<void(const CurrentDraw&)>& shown)
{
    Outcome outcome;
    chart.bars.clear();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const DrawRecord& r = records[i];
        if (!window.accepts(r))
            continue;
        const CurrentDraw draw = CurrentDraw::of(r, int(i));
        outcome.lastShown = draw;
        // Every row's marks and label belong to the draw on display before the first question, so a
        // stop never shows rows of this draw beside rows of the one before.
        std::array<std::optional<HitResult>, TipSheet::Rows> hits;
        for (int t = 0; t < TipSheet::Rows; ++t) {
            const auto row = std::size_t(t);
            if (TipSheet::hasRepeat(sheet.cells[row])) {
                sheet.marks[row] = {};
                sheet.hitText[row].clear();
                sheet.hitRed[row] = false;
                continue;
            }
            hits[row] = scoreTip(sheet.cells[row], draw);
            sheet.marks[row] = hits[row]->marks;
            showHitLabel(sheet, t, *hits[row]);
        }
        if (shown)
            shown(draw);
        for (int t = 0; t < TipSheet::Rows; ++t) {
            const auto& hit = hits[std::size_t(t)];
            if (hit && hit->hits >= threshold &&
                !goOn({DrawDate::toQDate(r.datum), t + 1, hit->hits, hit->bonusHit})) {
                outcome.end = End::Cancelled;
                return outcome;
            }
        }
    }
    // What these ten bars should count was never settled; they stay zero.
    for (int x = 0; x <= 9; ++x)
        chart.bars.push_back({double(x), 0.0, std::nullopt});
    if (chart.scale == StatisticSeries::Scale::Automatic)
        chart.setAutomaticBoundsFromBars();
    return outcome;
}

} // namespace TipSearch

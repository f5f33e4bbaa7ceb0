#include "checking/TipSearch.h"

#include "app/Session.h"
#include "checking/CompleteCheck.h"
#include "checking/DrawLookup.h"
#include "draws/DrawDate.h"

namespace TipSearch {

QString thresholdCaption(const Session& s)
{
    return s.messages.text(4);
}

QString thresholdPrompt(const Session& s)
{
    return s.messages.text(5);
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

QString stopCaption(const Session& s)
{
    return s.messages.text(8);
}

QString stopQuestion(const Session& s, const Stop& stop)
{
    return s.messages.text(6) + DrawDate::format(stop.date) + QStringLiteral("   ") + s.messages.text(7);
}

End run(Session& s, int threshold, const std::function<bool(const Stop&)>& goOn,
        const std::function<void()>& shown)
{
    const std::vector<DrawRecord> records = s.drawFile().readAll();
    const StatisticWindow window = s.window(true);
    s.chart.bars.clear();

    for (std::size_t i = 0; i < records.size(); ++i) {
        const DrawRecord& r = records[i];
        if (!window.accepts(r))
            continue;
        showCurrentDraw(s, r, int(i), 2);
        if (shown)
            shown();
        for (int t = 0; t < TipSheet::Rows; ++t) {
            s.hit = zettelcheck(tipFromCells(s.sheet.cells[std::size_t(t)]), s.current.zahl);
            showHitLabel(s.sheet, t, s.hit);
            if (s.hit.gewinn >= threshold &&
                !goOn({DrawDate::toQDate(r.datum), t + 1, s.hit.gewinn, s.hit.zusatz}))
                return End::Cancelled;
        }
    }
    // What these ten bars should count was never settled; they stay zero.
    for (int x = 0; x <= 9; ++x)
        s.chart.bars.push_back({double(x), 0.0, std::nullopt});
    if (s.chart.scale == StatisticSeries::Scale::Automatic)
        s.chart.setAutomaticBoundsFromBars();
    return End::Completed;
}

} // namespace TipSearch

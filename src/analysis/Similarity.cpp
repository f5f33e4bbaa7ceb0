#include "analysis/Similarity.h"

#include "draws/DrawDate.h"

#include <bit>
#include <cstdint>

namespace Similarity {

namespace {

std::uint64_t maskOf(const DrawRecord& r)
{
    std::uint64_t mask = 0;
    for (auto n : r.zahlen)
        mask |= std::uint64_t(1) << (n & 63);
    return mask;
}

void tally(Table& table, int shared)
{
    // Two draws alike in all seven numbers have no line in the tables.
    if (shared >= 0 && shared < int(table.size()))
        ++table[std::size_t(shared)];
}

// Rich text escapes: braces and backslashes, and every character outside ASCII as \uN.
QByteArray rtfText(const QString& text)
{
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u < 0x80)
            out += char(u);
        else
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
    }
    return out;
}

} // namespace

Result run(const std::vector<DrawRecord>& records, double startDay, bool mainDrawOnly, int threshold,
           const Hooks& hooks)
{
    std::vector<std::size_t> draws; // the records the analysis looks at
    std::vector<std::uint64_t> masks;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (mainDrawOnly && !records[i].isMainDraw())
            continue;
        draws.push_back(i);
        masks.push_back(maskOf(records[i]));
    }

    Result result;
    for (std::size_t b = 0; b < draws.size(); ++b) {
        const DrawRecord& base = records[draws[b]];
        if (base.datum < startDay)
            continue;
        if (hooks.stopRequested && hooks.stopRequested()) {
            result.stopped = true;
            return result;
        }
        for (std::size_t e = 0; e < b; ++e) {
            if (records[draws[e]].datum >= base.datum)
                break; // only draws before the base draw's date
            const int shared = std::popcount(masks[b] & masks[e]);
            tally(result.database, shared);
            if (shared >= threshold) {
                const QDate found = DrawDate::toQDate(records[draws[e]].datum);
                if (!hooks.goOn || !hooks.goOn(found)) {
                    result.stoppedAt = found;
                    return result;
                }
            }
        }
        Table* following[] = {&result.next, &result.second, &result.third};
        for (std::size_t k = 1; k <= 3 && b + k < draws.size(); ++k)
            tally(*following[k - 1], std::popcount(masks[b] & masks[b + k]));
        if (hooks.progress)
            hooks.progress(DrawDate::toQDate(base.datum));
    }
    return result;
}

QByteArray reportRtf(const Result& r, const MessageTable& messages)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\uc1\\f0\\fs20\r\n";
    auto line = [&](const QString& text) { rtf += rtfText(text) + "\\par\r\n"; };
    auto table = [&](Msg title, const Table& t) {
        line(messages.text(title));
        for (int i = 0; i < int(t.size()); ++i)
            line(QString::number(i) + QStringLiteral("x    =>") + QString::number(t[std::size_t(i)]));
    };
    table(Msg::SimilarityDatabase, r.database);
    line(QStringLiteral(" "));
    table(Msg::SimilarityNext, r.next);
    line(QStringLiteral(" "));
    table(Msg::SimilaritySecond, r.second);
    line(QStringLiteral(" "));
    table(Msg::SimilarityThird, r.third);
    rtf += "}\r\n";
    return rtf;
}

} // namespace Similarity

// Generator speed on a generated file of 2,000 weekly draws:
//  (a) one whole run with the default options and twelve tips (statistics, pool, rows, checks);
//  (b) candidates that the cheap rules reject, 30 million of them (UpDown7 = 30000);
//  (c) candidates that pass every cheap rule and are checked by all three database rules.
#include "checking/DatabaseFilters.h"
#include "draws/DrawDate.h"
#include "generator/RowRules.h"
#include "generator/TipGenerator.h"
#include "session/Actions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

std::vector<DrawRecord> makeDraws(int count, const QDate& last)
{
    RandomSource random;
    random.seed = 2024;
    std::vector<DrawRecord> records;
    for (int i = count - 1; i >= 0; --i) {
        DrawRecord r;
        r.datum = DrawDate::fromQDate(last.addDays(-7 * i));
        std::uint64_t used = 0;
        for (int k = 0; k < 8;) {
            const int v = int(random.random(49)) + 1;
            if (used >> v & 1)
                continue;
            used |= std::uint64_t(1) << v;
            if (k < 7)
                r.zahlen[std::size_t(k)] = std::uint8_t(v);
            else
                r.bonus = std::uint8_t(v);
            ++k;
        }
        records.push_back(r);
    }
    return records;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QDate last(2024, 6, 1);
    const auto records = makeDraws(2000, last);
    Session s(dir.path() + QLatin1Char('/'));
    s.drawFile().replaceAll(records);
    s.setSelectedDate(last);
    s.setStartDate(QDate(2009, 9, 25)); // the whole file
    s.sheetSettled = true;

    // (a)
    s.sheet.tipCount = 12;
    double best = 1e9;
    for (int i = 0; i < 10; ++i) {
        s.random.seed = 100 + i;
        QElapsedTimer t;
        t.start();
        Actions::generate(s);
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    std::printf("(a) default run, 12 tips, 2000 draws: best of 10 %.2f ms (goal < 20 ms)\n", best);

    // (b)
    s.options.budgetThousands = 30000;
    s.options.crossSum.min = 279; // the cross sum rejects nearly every candidate
    s.options.crossSum.max = 21;  // and no sum lies between 279 and 21
    s.sheet.tipCount = 1;
    s.random.seed = 7;
    QElapsedTimer t;
    t.start();
    const auto outcome = Actions::generate(s);
    const double seconds = t.nsecsElapsed() / 1e9;
    std::printf("(b) cheap rejects: %d candidates in %.2f s = %.2f million/s (goal >= 5)\n",
                outcome.candidates, seconds, outcome.candidates / seconds / 1e6);

    // (c) rules 1..13 with all three database rules over the whole file; the candidates share at most
    // two numbers with any draw, so every database rule scans its whole window.
    GeneratorOptions p;
    p.lastDrawsLong.draws = 500; // the longest windows the options allow
    p.lastDrawsShort.draws = 500;
    p.lastDrawsShort.hits = 6;
    p.lastDrawsLong.hits = 6;
    p.notInDatabase.hits = 6;
    const DatabaseFilters filters(records, DrawDate::fromQDate(last), true, Game::classic());
    const RowRules rules(Game::classic());
    RandomSource random;
    random.seed = 3;
    std::vector<TipSheet::Row> candidates;
    while (candidates.size() < 4096) {
        TipSheet::Row row{};
        std::uint64_t used = 0;
        for (int k = 0; k < 7;) {
            const int v = int(random.random(49)) + 1;
            if (used >> v & 1 || (used >> (v - 1) & 1 && used >> (v + 1) & 1))
                continue;
            used |= std::uint64_t(1) << v;
            row[std::size_t(k++)] = v;
        }
        std::sort(row.begin(), row.end());
        int sum = 0;
        for (int v : row)
            sum += v;
        if (rules.firstFailing(row, sum, p, &filters, DrawDate::fromQDate(QDate(2009, 9, 25))) ==
            RowRules::Rule::None)
            candidates.push_back(row);
    }
    const int rounds = 500;
    int passed = 0;
    t.restart();
    for (int r = 0; r < rounds; ++r)
        for (const auto& row : candidates) {
            int sum = 0;
            for (int v : row)
                sum += v;
            passed += rules.firstFailing(row, sum, p, &filters, DrawDate::fromQDate(QDate(2009, 9, 25))) ==
                      RowRules::Rule::None;
        }
    const double dbSeconds = t.nsecsElapsed() / 1e9;
    const double checked = double(rounds) * double(candidates.size());
    std::printf(
        "(c) three database rules over %d draws: %.0f candidates in %.2f s = %.0f/s (goal >= 500000), %d "
        "passed\n",
        filters.drawCount(), checked, dbSeconds, checked / dbSeconds, passed);
    return 0;
}

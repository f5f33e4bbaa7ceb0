#include "../generator/GeneratorFixture.h"
#include "checking/HitRule.h"
#include "checking/TipSearch.h"

#include <QTest>

class TestTipSearch : public QObject
{
    Q_OBJECT

    const QDate m_start{2015, 1, 3};
    std::vector<DrawRecord> m_draws{
        Fixture::draw(m_start.addDays(-7), {1, 2, 3, 4, 5, 6, 7}, 8),    // before the window
        Fixture::draw(m_start, {1, 2, 3, 4, 10, 11, 12}, 5),             // on the start date: examined
        Fixture::draw(m_start.addDays(7), {1, 2, 3, 20, 21, 22, 23}, 0), // no main draw
        Fixture::draw(m_start.addDays(14), {1, 2, 3, 4, 5, 6, 40}, 9),
    };

private slots:
    void stopsWhereATipReachedTheThreshold()
    {
        Fixture::Home h(m_draws);
        Session& s = h.session;
        s.setStartDate(m_start);
        s.sheet.cells[0] = {1, 2, 3, 4, 5, 30, 31};
        s.sheet.cells[1] = {1, 2, 9, 0, 0, 0, 0};
        s.chart.bars = {{1, 5, std::nullopt}};
        std::vector<TipSearch::Stop> stops;
        const auto end = Actions::search(s, 4, [&](const TipSearch::Stop& stop) {
            stops.push_back(stop);
            return true;
        });
        QCOMPARE(end.end, TipSearch::End::Completed);
        QCOMPARE(stops.size(), std::size_t(2));
        QCOMPARE(stops[0].date, m_start);
        QCOMPARE(stops[0].hits, 4); // the bonus 5 is shown, never counted
        QVERIFY(stops[0].bonus);
        QCOMPARE(stops[1].hits, 5);
        QCOMPARE(s.chart.bars.size(), std::size_t(10));
        QVERIFY(
            std::all_of(s.chart.bars.begin(), s.chart.bars.end(), [](const auto& b) { return b.y == 0; }));
        QCOMPARE(s.chart.bars.back().x, 9.0);
        QCOMPARE(s.sheet.hitText[1],
                 QStringLiteral("1")); // the empty cell stops the hit rule after draw slot 1
        QVERIFY(s.sheet.hitRed[0] && !s.sheet.hitRed[1]);
        QCOMPARE(DrawHistory::crossSumLine(s.current), QStringLiteral("QS: 61"));

        s.mainDrawOnly = false;
        stops.clear();
        Actions::search(s, 3, [&](const TipSearch::Stop& stop) {
            stops.push_back(stop);
            return true;
        });
        QCOMPARE(stops.size(), std::size_t(3)); // the draw without bonus counts now
        QCOMPARE(stops[1].date, m_start.addDays(7));
    }

    void answeringNoEndsAtOnce()
    {
        Fixture::Home h(m_draws);
        Session& s = h.session;
        s.setStartDate(m_start);
        s.chart.bars = {{1, 5, std::nullopt}};
        int asked = 0;
        const auto end = Actions::search(s, 0, [&](const TipSearch::Stop& stop) {
            ++asked;
            return stop.row != 1;
        });
        QCOMPARE(end.end, TipSearch::End::Cancelled);
        QCOMPARE(asked, 1); // threshold 0 stops at the first tip of the first draw
        QVERIFY(s.chart.bars.empty());
        QCOMPARE(s.current.date, DrawDate::fromQDate(m_start));
    }

    // At a stop every mark and label on the sheet, the ticket comparison included, belongs to the draw
    // on display, also in the rows after the one the question is about.
    void aStopShowsOnlyTheDrawOnDisplay()
    {
        std::vector<DrawRecord> draws = m_draws;
        draws[1].spiel77 = {1, 2, 3, 4, 5, 6, 7};
        draws[3].spiel77 = {9, 9, 9, 9, 9, 9, 7};
        Fixture::Home h(draws);
        Session& s = h.session;
        s.setStartDate(m_start);
        s.ticketNumber = QStringLiteral("1234567");
        s.compareTicket = 1;
        s.sheet.cells[0] = {1, 2, 3, 4, 10, 11, 12};   // all seven on the start date
        s.sheet.cells[11] = {4, 5, 6, 40, 41, 42, 43}; // four in the newest draw
        Actions::lookup(s);
        s.encoreDigits = DrawHistory::encoreDigits(draws[3]);
        Actions::check(s);
        QCOMPARE(s.sheet.hitText[11], QStringLiteral("4"));
        QCOMPARE(s.ticketComparison->caption, QStringLiteral("Spiel77: ------7"));

        bool consistent = false;
        Actions::search(s, 7, [&](const TipSearch::Stop& stop) {
            const HitResult row12 = scoreTip(s.sheet.cells[11], s.current);
            consistent =
                stop.row == 1 && s.current.date == DrawDate::fromQDate(m_start) &&
                s.sheet.hitText[11] == QLatin1String("1 + B") && !s.sheet.hitRed[11] &&
                s.sheet.marks[11] == row12.marks &&
                s.sheet.marks[0] == scoreTip(s.sheet.cells[0], s.current).marks && s.ticketComparison &&
                s.ticketComparison->caption == QLatin1String("Spiel77: 1234567") && s.tally == HitTally{};
            return false;
        });
        QVERIFY(consistent);
        QCOMPARE(s.sheet.hitText[11], QStringLiteral("1 + B"));

        // A lookup drops the comparison with a draw no longer shown.
        Actions::lookup(s);
        QVERIFY(!s.ticketComparison);
    }

    void thresholdText()
    {
        QCOMPARE(TipSearch::parseThreshold(QStringLiteral(" 5")), std::optional<int>(5));
        QVERIFY(!TipSearch::parseThreshold(QStringLiteral("fünf")));
        Session s;
        QCOMPARE(TipSearch::stopQuestion(s.messages, {QDate(2015, 1, 3), 1, 6, false}),
                 QStringLiteral("Ein Treffer gefunden am :03.01.2015   Weiter?"));
    }
};

QTEST_GUILESS_MAIN(TestTipSearch)
#include "TestTipSearch.moc"

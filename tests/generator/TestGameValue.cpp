#include "GeneratorFixture.h"
#include "checking/HitRule.h"
#include "generator/NumberPool.h"
#include "generator/RowRules.h"
#include "statistics/Statistics.h"

#include <QTest>

// The game is a value: with 7 of 52 the numbers 50..52 count everywhere the classic game stops at 49.
class TestGameValue : public QObject
{
    Q_OBJECT

    const Game m_game{52, 7, true, 1u << Qt::Tuesday | 1u << Qt::Friday};
    const QDate m_day{2026, 4, 17};
    const std::vector<DrawRecord> m_draws{Fixture::draw(m_day, {3, 17, 29, 40, 50, 51, 52}, 49)};

    StatisticWindow window() const
    {
        return {DrawDate::fromQDate(m_day.addDays(-1)), DrawDate::fromQDate(m_day), true, true};
    }

private slots:
    void statisticsCountTheWholeRange()
    {
        const MessageTable m;
        const auto frequency = Statistics::frequency(m_draws, window(), m, {}, m_game);
        QCOMPARE(frequency.bars.size(), std::size_t(52));
        QCOMPARE(frequency.bars[49].y, 1.0); // 50
        QCOMPARE(frequency.bars[51].y, 1.0); // 52
        QCOMPARE(Statistics::frequency(m_draws, window(), m, {}, Game::classic()).bars.size(),
                 std::size_t(49));

        const auto triples = Statistics::groups(m_draws, window(), m, Statistics::GroupSize::Triples, m_game);
        QCOMPARE(triples.bars.size(), std::size_t(50));
        QCOMPARE(triples.bars[49].y, 1.0); // 50, 51, 52
        QCOMPARE(Statistics::overdue(m_draws, window(), m, m_game).bars[51].y, 1.0);
    }

    void poolHoldsTheWholeRange()
    {
        GeneratorOptions options; // the defaults draw nothing from statistics here
        options.preferRare.on = options.preferOverdue.on = false;
        options.sharedWithDraw[0].on = options.sharedWithDraw[1].on = options.sharedWithDraw[2].on = false;
        options.preferNeighboursOfLastDraw = true;
        MessageTable messages;
        NumberPool::Inputs in;
        in.options = &options;
        in.messages = &messages;
        in.game = m_game;
        in.draws[0] = CurrentDraw::of(m_draws[0], 0);
        const NumberPool pool = NumberPool::build(in);
        QCOMPARE(pool.count(52), 1 + 4); // its base entry, and a neighbour of 51
        QCOMPARE(pool.count(53), 0);
        QCOMPARE(pool.toList(m_game)[52].checked, true);
    }

    void hitRuleAndRowRules()
    {
        const HitResult hit = scoreTip({1, 2, 3, 50, 51, 52, 49}, CurrentDraw::of(m_draws[0], 0));
        QCOMPARE(hit.hits, 4);
        QVERIFY(hit.bonusHit);

        GeneratorOptions options;
        options.notInDatabase.on = options.lastDrawsShort.on = options.lastDrawsLong.on = false;
        options.sharedWithDraw[0].max = 3;
        const RowRules rules(m_game, {CurrentDraw::of(m_draws[0], 0), {}, {}});
        const TipSheet::Row shares4{1, 8, 29, 40, 44, 50, 52};
        QCOMPARE(rules.firstFailing(shares4, 224, options, nullptr, 0), RowRules::Rule::SharedWithLastDraw);
        const TipSheet::Row runToTheTop{1, 8, 20, 30, 45, 51, 52};
        options.sharedWithDraw[0].max = 5;
        options.forcePair = true;
        QCOMPARE(rules.firstFailing(runToTheTop, 207, options, nullptr, 0),
                 RowRules::Rule::None); // 51, 52 pair
        RowRules withLockedRow(m_game);
        withLockedRow.addSettled({45, 51, 52, 0, 0, 0, 0}); // a locked row reaching the top of the range
        QCOMPARE(withLockedRow.firstFailing(runToTheTop, 207, options, nullptr, 0),
                 RowRules::Rule::OverlapWithSheet); // shares 45, 51 and 52; the sheet allows two
        QCOMPARE(TipSheet::cellValue(QStringLiteral("52"), m_game), 52);
        QCOMPARE(TipSheet::cellValue(QStringLiteral("52"), Game::classic()), 0);
    }
};

QTEST_GUILESS_MAIN(TestGameValue)
#include "TestGameValue.moc"

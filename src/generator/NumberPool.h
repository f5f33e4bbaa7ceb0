#pragma once

#include "draws/DrawHistory.h"
#include "draws/Game.h"
#include "generator/GeneratorOptions.h"
#include "statistics/StatisticSeries.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

class MessageTable;

// The weighted list a generator run picks its numbers from: a number standing in it k times is picked
// k times as often. Built once per run from the statistics the options select, then never changed.
// The list has no fixed capacity: the most the options can ask for is well under 2,000 entries, and a
// list rebuilt from the review dialog caps each weight instead (see rebuildFromList).
class NumberPool
{
public:
    // The statistics the pool reads; each kind is computed on demand and becomes the main chart.
    enum class Source
    {
        Frequency,
        Overdue,
        Pairs,
        Triples,
        Quads
    };

    struct Inputs
    {
        const GeneratorOptions* options = nullptr;
        const MessageTable* messages = nullptr;
        Game game;
        // The last three draws: last, second-last, third-last.
        std::array<CurrentDraw, 3> draws{};
        std::function<StatisticSeries(Source)> statistic; // computes and shows it
        std::function<void(const QString&)> status;
    };

    // The dialog's list: entry v checked with its weight (text, as the dialog keeps it).
    struct ListEntry
    {
        bool checked = false;
        QString weight;
    };
    using List =
        std::array<ListEntry, Game::MaxHighestNumber + 1>; // index 0 unused; up to the game's highest

    static constexpr int MaxReviewWeight = 999;

    static NumberPool build(const Inputs& inputs);

    // The review list: box v checked when v is in the pool, its weight the number of its entries.
    List toList(const Game& game) const;
    // "&Rechnen": v appended (weight + 1) times for each checked box in ascending order; a weight of 0
    // or one that is not a whole number counts as 1, a negative weight appends nothing, and a weight
    // above MaxReviewWeight counts as MaxReviewWeight.
    static NumberPool rebuildFromList(const List& list, const Game& game);

    const std::vector<int>& entries() const { return m_entries; }
    int size() const { return int(m_entries.size()); }
    int count(int number) const;
    int distinctNumbers() const;

    // Removes entries the way the list always did: the gap is filled with the current last entry.
    void removeAt(std::size_t index);
    void removeIf(const std::function<bool(int)>& predicate);

    explicit NumberPool(std::vector<int> entries = {})
        : m_entries(std::move(entries))
    {
    }

private:
    std::vector<int> m_entries;
};

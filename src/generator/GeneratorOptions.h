#pragma once

#include <QString>
#include <array>
#include <optional>
#include <span>

// The generator's options, grouped by what they mean. The window, the settings store and the command
// line reach them through one table (fields()) that names each option's key, control, stored value,
// range and default; nothing else knows the control names.
struct GeneratorOptions
{
    struct Preference
    {
        bool on = false;
        int percent = 30; // the share of the statistic's range that counts as "most"
        bool operator==(const Preference&) const = default;
    };
    struct GroupPreference
    {
        bool frequent = false;
        bool rare = false;
        bool operator==(const GroupPreference&) const = default;
    };
    struct Minimum
    {
        bool on = false;
        int min = 2;
        bool operator==(const Minimum&) const = default;
    };
    // The most numbers a tip may share with one of the three reference draws; 0 takes the draw's
    // numbers out of the pool instead.
    struct SharedWithDraw
    {
        bool on = true;
        int max = 0;
        bool operator==(const SharedWithDraw&) const = default;
    };
    struct RecentDraws
    {
        bool on = true;
        int hits = 3;
        int draws = 10;
        bool operator==(const RecentDraws&) const = default;
    };

    // Statistics that fill the pool
    Preference preferFrequent{false, 30};
    Preference preferRare{true, 20};
    Preference preferOverdue{true, 30};
    GroupPreference pairs;
    GroupPreference triples;
    GroupPreference quads;
    bool preferNeighboursOfLastDraw = false;
    bool avoidMonthNumbers = false; // leaves 1..12 out of the pool
    bool weakenDateNumbers = false; // takes one entry of each of 1..31 out of the pool

    // The tips of one sheet among each other
    struct Overlap
    {
        bool maxOn = true;
        int max = 2;
        bool minOn = true;
        int min = 0;
        bool everyPair = true; // the bounds hold against every settled tip, not only the closest
        bool operator==(const Overlap&) const = default;
    } overlapWithSheet;

    // The tips against past draws
    struct Database
    {
        bool on = true;
        int hits = 5;
        bool operator==(const Database&) const = default;
    } notInDatabase; // since the statistics' start date
    // No tip that reached `hits` in the last `draws` draws; two such windows, checked short one first.
    RecentDraws lastDrawsShort{true, 3, 10};
    RecentDraws lastDrawsLong{true, 4, 100};
    std::array<SharedWithDraw, 3> sharedWithDraw{{{true, 0}, {true, 1}, {true, 2}}}; // last, 2nd, 3rd last
    bool bonusCountsAsHit = false;

    // Each tip on its own
    struct Range
    {
        int min = 50;
        int max = 250;
        bool operator==(const Range&) const = default;
    } crossSum;
    Minimum minPrimes;
    Minimum minEven;
    Minimum minOdd;
    bool forcePair = false;
    bool noRunsOfThree = true;

    // The run
    bool onlyPreferredNumbers = false; // no base entry of every number in the pool
    bool reviewPool = false;           // the pool is shown for editing before the tips are drawn
    int budgetThousands = 50;          // candidates a run may draw, in thousands

    // Kept and stored for the hidden bonus-number page; no computation reads them.
    struct BonusNumber
    {
        bool avoidRecent = false;
        int recentDraws = 1;
        int choice = 0;
        int ticketChoice = 3;
        bool operator==(const BonusNumber&) const = default;
    } bonusNumber;

    int budget() const { return budgetThousands * 1000; }

    bool operator==(const GeneratorOptions&) const = default;

    enum class Kind
    {
        Flag,   // a check box; 0 or 1
        Number, // an up-down with its edit field
        Choice  // a radio group; the item index
    };
    struct Field
    {
        const char* key;     // e.g. "crossSum.min"
        const char* control; // the control that shows it, e.g. "UpDown1"
        Kind kind;
        int minimum;
        int maximum;
        const char* edit;   // the edit field of an up-down, else ""
        const char* stored; // the settings value that keeps it, else ""
        bool* (*flag)(GeneratorOptions&);
        int* (*number)(GeneratorOptions&);

        int defaultValue() const;
    };
    static std::span<const Field> fields();
    // By key or by control name.
    static const Field* field(const QString& name);

    // Check boxes as 0/1, radio groups as the item index. set() clamps a number into its range and
    // returns false only for an unknown name.
    bool set(const QString& name, int value);
    std::optional<int> get(const QString& name) const;
    int get(const Field& field) const;
    void set(const Field& field, int value);
};

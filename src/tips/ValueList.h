#pragma once

#include "draws/Game.h"
#include "tips/RandomSource.h"

#include <QByteArray>
#include <QString>
#include <array>

// What the number selection dialog holds: per number of the game whether it is selected and its weight,
// kept as the text the user sees (a loaded list may hold any text). Also the value-list file ".tlw": one
// line per number, line n the weight of number n or empty when n is not selected, CR LF, Latin-1.
struct ValueList
{
    struct Entry
    {
        bool checked = true;
        QString weight;
        bool operator==(const Entry&) const = default;
    };
    std::array<Entry, Game::MaxHighestNumber + 1> entries{}; // entry 0 unused
    int highestNumber = Game::classic().highestNumber;

    // Box n checked when count n > 0, its weight the count.
    static ValueList fromCounts(const std::array<int, Game::MaxHighestNumber + 1>& counts, int highestNumber);
    // The weight as a number; text that is not a number counts as 0.
    int weightOf(int number) const;

    // A click on box `number` once the box shows its new state: a checked box gains one weight (loses one
    // when minus is set, the right mouse button); a weight that is negative or not a number becomes "0", and
    // a weight of "0" deselects the box.
    void applyClick(int number, bool minus);
    QString statusLine(int number) const;

    // Saving gives a selected number without weight the weight "1" first.
    QByteArray toFileBytes();
    void fromFileBytes(const QByteArray& bytes);
    // Throw FileError when the file cannot be written or read.
    void save(const QString& path);
    void load(const QString& path);

    bool operator==(const ValueList&) const = default;
};

// The "Zufall" animation of the dialog: every tick redraws the positions from losgeht on, each press
// keeps one more position, and the press after the last position stops it.
class RandomTipAnimation
{
public:
    static constexpr int Capacity = 26;
    enum class Press
    {
        Started,
        Kept,
        Stopped
    };

    int maxTipp = 7;
    int highestNumber = Game::classic().highestNumber;

    bool running() const { return m_running; }
    int losgeht() const { return m_losgeht; }
    const std::array<int, Capacity>& tippreihe() const { return m_tippreihe; }

    Press press();
    void stop();
    // One timer tick: the checked boxes afterwards (kept numbers plus freshly drawn ones).
    std::array<bool, Game::MaxHighestNumber + 1> tick(RandomSource& random);

private:
    std::array<int, Capacity> m_tippreihe{}; // index 0 unused
    int m_losgeht = 1;
    bool m_running = false;
};

#pragma once

#include "checking/CompleteCheck.h"
#include "draws/DrawFile.h"
#include "draws/DrawHistory.h"
#include "draws/Game.h"
#include "draws/GameEras.h"
#include "draws/UpdateAnswer.h"
#include "generator/GeneratorOptions.h"
#include "language/MessageTable.h"
#include "statistics/StatisticSeries.h"
#include "tips/RandomSource.h"
#include "tips/TipSheet.h"

#include <QDate>
#include <QString>
#include <functional>
#include <vector>

// The program's state as one aggregate: what the window's controls hold and what its actions left
// behind, as plain values. Each front end owns one (the window for its lifetime, the command line per
// command) and calls the model's operations with its parts; display texts belong to the views.
class Session
{
public:
    explicit Session(QString home = {});

    // Files
    QString home; // ends with '/'
    QString drawFileName = QString::fromLatin1(DrawFile::DefaultName);
    QString soundName = QStringLiteral("yippee.wav");
    DrawFile drawFile() const { return DrawFile(home + drawFileName); }
    // One read of the draw file; drawsRead hears how many records were skipped for an absurd date, so
    // each front end can warn once instead of dropping them silently.
    std::vector<DrawRecord> readDraws() const;
    std::function<void(int skipped)> drawsRead;

    MessageTable messages;
    int language = 0; // interface language index (0 German)

    // The clock and the dates the rules read
    QDate today = QDate::currentDate();        // tests pin it
    QDate selectedDate = QDate::currentDate(); // the draw bar's date picker
    QDate startDate = QDate(2011, 5, 22);      // the statistics' start date
    bool mainDrawOnly = true;                  // "Main Draw only"
    GameRules gameRules = GameRules::AsPlayed; // "Spielregeln"
    Game gameOn(const QDate& date) const { return GameEras::on(date, gameRules); }
    // The game of the draw the sheet's tips are for: the next draw day after the draw on the draw bar
    // (after the selected date while no draw was shown).
    Game tipGame() const;
    // What a stored or loaded sheet may hold before the draw it is for is known.
    Game widestGame() const { return GameEras::widest(gameRules); }

    // Sets the selected date unless the picker refuses it (before its earliest date); false when refused.
    bool setSelectedDate(const QDate& date);
    bool setStartDate(const QDate& date);
    // What start-up settles once the stored settings are in: a start date within the last seven days
    // falls back to the earliest date, no proxy host means port 80.
    void applyStartUpRules();
    // The chart window from the start date to the selected date.
    StatisticWindow window(bool closedStart) const;

    // The draw on the draw bar
    CurrentDraw current;
    DrawShownBy shownBy = DrawShownBy::Lookup;
    bool drawShown = false; // false until a draw came onto the draw bar
    QString encoreDigits;   // known only after an arrow step

    // The ticket number and whether its ENCORE comparison is on
    QString ticketNumber;
    int compareTicket = 0;
    // What the last check made of the ticket number and the ENCORE digits; cleared when the number is
    // typed in, so the label shows the plain number until the next comparison.
    std::optional<Ticket::Comparison> ticketComparison;
    int compareSuper6 = 0; // stored, read by nothing

    // The tip sheet and its last complete check; a sheet being generated is not settled and not checked
    TipSheet sheet;
    bool sheetSettled = false;
    HitTally tally{};
    bool soundDue = false; // a check reached three hits; the window plays it

    // Generator
    GeneratorOptions options;
    RandomSource random;
    bool busy = false; // a long run handles events: no changes meanwhile

    // The draw update ("Internet-Optionen"): the maker's server, the proxy, the time a request may take
    QString updateServer = QString::fromLatin1(UpdateAnswer::DefaultServer);
    QString proxyHost;
    QString proxyPort = QStringLiteral("80");
    int updateTimeoutMs = 30000;

    // The main chart: every statistic replaces it, the searches clear it
    StatisticSeries chart;

    // Status bar panel 1
    QString status;
};

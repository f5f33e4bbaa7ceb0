#pragma once

#include "checking/HitRule.h"
#include "draws/DrawFile.h"
#include "language/MessageTable.h"
#include "statistics/StatisticSeries.h"
#include "tips/CalcParameters.h"
#include "tips/RandomSource.h"
#include "tips/TipSheet.h"

#include <QDate>
#include <QString>

#include <array>
#include <functional>

// The state that the operations share: what the main window shows and what its controls hold,
// as plain values. The window copies control changes in and shows the values after each action;
// the command line drives the same object without a window.
class Session
{
public:
    explicit Session(QString home = {});

    // Files
    QString home;                                     // ends with '/'
    QString zahlenFile = QString::fromLatin1(DrawFile::DefaultName);
    QString soundName = QStringLiteral("yippee.wav");
    DrawFile drawFile() const { return DrawFile(home + zahlenFile); }

    MessageTable messages;
    int sprache = 0;                                  // interface language index (0 German)

    // Control values the rules read
    QDate today = QDate::currentDate();               // the clock; tests pin it
    QDate selectedDate = QDate::currentDate();        // DateTimePicker1
    QDate startDate = QDate(2011, 5, 22);             // DateTimePicker2
    bool mainDrawOnly = true;                         // CheckBox16 "Main Draw only"

    // Sets DateTimePicker1 unless the date is before the earliest the picker accepts.
    void setSelectedDate(const QDate& date);
    void setStartDate(const QDate& date);
    // What start-up settles once the stored settings are in: a start date within the last seven days
    // falls back to the earliest date, the run budget follows UpDown7, no proxy host means port 80.
    void applyStartUpRules();
    StatisticWindow window(bool closedStart) const;

    // Current draw and its display
    CurrentDraw current;
    HitResult hit;
    QString drawLine;                                 // Label29, copied to Label35
    QString crossSumLine = QStringLiteral("QS: ");    // Label13
    QString spiel77Zahl;
    QString super6Zahl;
    QString label79;

    // Ticket number
    QString losNr;
    int spiel77Ja = 0;
    int super6Ja = 0;
    QString losnummerCaption = QStringLiteral("Losnr.");
    bool losnummerRed = false;

    // Tip sheet and its last complete check
    TipSheet sheet;
    bool sortieren = false;
    std::array<std::array<int, 2>, 8> statistik{};   // hit tally: [hits][bonus]

    // Generator
    CalcParameters params;
    RandomSource random;
    int laufMax = 100000;
    bool berechnungLaeuft = false;

    // Proxy of the draw update ("Internet-Optionen")
    QString proxyHost;
    QString proxyPort = QStringLiteral("80");

    // The main chart (Series2 of Chart1): every statistic replaces it, the searches clear it
    StatisticSeries chart;

    // Status bar panel 1
    QString status;

    // Plays a wave file without waiting; empty in tests and on the command line.
    std::function<void(const QString& path)> playSound;
};

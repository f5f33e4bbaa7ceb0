// Times every statistic of the main chart on a draw file of 2,000 draws, file read included, as a
// click on its button runs it. Goal: each below 5 ms.
#include "RandomDraws.h"
#include "draws/DrawDate.h"
#include "session/Actions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int Draws = 2000;
    constexpr int Repetitions = 300;

    QTemporaryDir dir;
    Session session(dir.path() + QLatin1Char('/'));
    const QDate first(1990, 1, 6);
    const std::vector<DrawRecord> records = weeklyRandomDraws(Draws, 20110522, first);
    session.drawFile().replaceAll(records);
    session.startDate = first.addDays(-1);
    session.selectedDate = first.addDays(qint64(Draws) * 7);
    for (int r = 0; r < TipSheet::Rows; ++r)
        session.sheet.cells[r] = {r + 1, r + 2, r + 3, r + 4, r + 5, r + 6, r + 7};

    std::printf("statistic          mean per run (us), %d draws, %d runs, file read included\n", Draws,
                Repetitions);
    for (StatisticKind kind : allStatisticKinds()) {
        Actions::runStatistic(session, kind); // warm the file cache
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < Repetitions; ++i)
            Actions::runStatistic(session, kind);
        const double micros = double(timer.nsecsElapsed()) / 1000.0 / Repetitions;
        std::printf("%-18s %10.1f %s\n", statisticName(kind).toUtf8().constData(), micros,
                    micros < 5000 ? "ok" : "SLOW");
    }
    return 0;
}

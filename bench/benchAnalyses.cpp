// Times the parameter backtest with default options and the draw similarity analysis over about 1,100
// weekly draws from 25.09.2009, file read included. Goals: backtest below 1 s, similarity below 0.2 s.
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
    constexpr int Draws = 1100;
    QTemporaryDir dir;
    Session session(dir.path() + QLatin1Char('/'));
    const QDate first(2009, 9, 25);
    const std::vector<DrawRecord> records = weeklyRandomDraws(Draws, 20090925, first);
    session.drawFile().replaceAll(records);
    session.gameRules = GameRules::Classic; // weekly draws of 7 of 49
    session.today = first.addDays(Draws * 7 + 30);

    for (int round = 0; round < 3; ++round) {
        session.selectedDate = first;
        QElapsedTimer timer;
        timer.start();
        const auto backtest = Actions::backtest(session, 4711, false);
        const double backtestSeconds = timer.nsecsElapsed() / 1e9;
        session.selectedDate = first;
        timer.restart();
        Similarity::Hooks yes;
        yes.goOn = [](const QDate&) { return true; };
        Actions::similarity(session, 7, yes);
        const double similaritySeconds = timer.nsecsElapsed() / 1e9;
        std::printf(
            "backtest: %d steps in %.3f s (goal < 1 s); similarity over %d draws: %.3f s (goal < 0.2 s)\n",
            backtest.result.steps, backtestSeconds, Draws, similaritySeconds);
    }
    return 0;
}

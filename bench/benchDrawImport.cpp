// Times the CSV import (read, check, atomic replace) and a full read of the draw file.
// Usage: benchDrawImport [FILE.csv]; without a file it makes 7194 draws of its own.
#include "draws/DrawDate.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QString csv = app.arguments().value(1);
    if (csv.isEmpty()) {
        csv = dir.filePath(QStringLiteral("LOTTOMAX.csv"));
        QFile f(csv);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        QDate date(2009, 9, 25);
        for (int i = 0; i < 7194; ++i, date = date.addDays(i % 2 ? 3 : 4))
            f.write(QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9\n")
                        .arg(DrawDate::format(date))
                        .arg(1 + i % 7)
                        .arg(8 + i % 7)
                        .arg(15 + i % 7)
                        .arg(22 + i % 7)
                        .arg(29 + i % 7)
                        .arg(36 + i % 7)
                        .arg(43 + i % 7)
                        .arg(i % 50)
                        .toLatin1());
    }
    const DrawFile file(dir.filePath(QStringLiteral("ZahlenMax.dat")));
    constexpr int Runs = 20;
    std::vector<double> importMs, readMs, parseMs;
    QFile source(csv);
    if (!source.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray text = source.readAll();
    int count = 0;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (DrawImport::parse(text).records.empty())
            return 1;
        parseMs.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        count = DrawImport::importFile(csv, file);
        importMs.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        const auto records = file.readAll();
        readMs.push_back(timer.nsecsElapsed() / 1e6);
        if (int(records.size()) != count)
            return 1;
    }
    std::sort(importMs.begin(), importMs.end());
    std::sort(readMs.begin(), readMs.end());
    std::sort(parseMs.begin(), parseMs.end());
    std::printf("parse only: median %.2f ms\n", parseMs[Runs / 2]);
    std::printf("import of %d draws: median %.2f ms, best %.2f ms (%d runs, including fsync)\n", count,
                importMs[Runs / 2], importMs.front(), Runs);
    std::printf("readAll of %d records: median %.2f ms, best %.2f ms\n", count, readMs[Runs / 2],
                readMs.front());
    return 0;
}

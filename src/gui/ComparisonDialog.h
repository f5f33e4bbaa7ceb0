#pragma once

#include "analysis/Backtest.h"

#include <QDialog>

class QLabel;
class QChartView;

// After a backtest: its hit classes beside as many random tickets and the counts the odds let one
// expect, as bars, with a one-line verdict in plain words.
class ComparisonDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ComparisonDialog(QWidget* parent = nullptr);

    void showResult(const Backtest::Result& result);
    QString verdictText() const;
    // Bar values per hit class 0..7: backtest, random tickets, expected.
    QList<QList<double>> values() const { return m_values; }

private:
    QChartView* m_view = nullptr;
    QLabel* m_verdict = nullptr;
    QList<QList<double>> m_values;
};

#include "gui/ComparisonDialog.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QValueAxis>

ComparisonDialog::ComparisonDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormVergleich"));
    setWindowTitle(QStringLiteral("Vergleich mit zufälligen Tipps"));
    auto* layout = new QVBoxLayout(this);
    m_view = new QChartView(this);
    m_view->setObjectName(QStringLiteral("ChartVergleich"));
    m_view->setMinimumSize(560, 320);
    m_view->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(m_view, 1);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("LabelUrteil"));
    m_verdict->setWordWrap(true);
    QFont bold = m_verdict->font();
    bold.setBold(true);
    m_verdict->setFont(bold);
    layout->addWidget(m_verdict);
    auto* note =
        new QLabel(QStringLiteral("Gleich viele zufällige Tipps je Ziehung und die nach den Gewinnchancen "
                                  "erwarteten Anzahlen; innerhalb von zwei Standardabweichungen ist ein "
                                  "Unterschied Zufall."),
                   this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void ComparisonDialog::showResult(const Backtest::Result& r)
{
    QList<double> backtest, random, expected;
    QStringList categories;
    for (int k = 0; k <= 7; ++k) {
        double own = 0;
        if (k <= 6)
            for (int c = 0; c < 4; ++c)
                own += r.counts[std::size_t(k)][std::size_t(c)];
        backtest << own;
        random << r.random[std::size_t(k)][0] + r.random[std::size_t(k)][1];
        expected << r.expected[std::size_t(k)][0] + r.expected[std::size_t(k)][1];
        categories << QString::number(k);
    }
    m_values = {backtest, random, expected};

    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Tipps je Anzahl Richtiger über %1 Ziehungen").arg(r.steps));
    auto* series = new QBarSeries(chart);
    const std::pair<QString, QColor> sets[] = {{QStringLiteral("Ihre Einstellungen"), QColor(0, 128, 0)},
                                               {QStringLiteral("Zufällige Tipps"), QColor(120, 120, 120)},
                                               {QStringLiteral("Erwartet"), QColor(30, 90, 200)}};
    for (int i = 0; i < 3; ++i) {
        auto* set = new QBarSet(sets[i].first, series);
        set->setColor(sets[i].second);
        for (double v : m_values[i])
            *set << v;
        series->append(set);
    }
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis(chart);
    x->append(categories);
    x->setTitleText(QStringLiteral("Richtige"));
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis(chart);
    double top = 1;
    for (const auto& values : m_values)
        for (double v : values)
            top = std::max(top, v);
    y->setRange(0, top * 1.05);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    QChart* old = m_view->chart();
    m_view->setChart(chart);
    delete old;

    m_verdict->setText(Backtest::verdict(r).text);
    QDialog::show();
    raise();
}

QString ComparisonDialog::verdictText() const
{
    return m_verdict->text();
}

#include "gui/Attach.h"
#include "gui/LottoZahlen.h"
#include "session/Actions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

const QString ChartPageName = QStringLiteral("TabSheet5");

// Whether the operation itself ends on the chart page (frequency and cross sums leave the page alone).
bool showsChartAfterwards(StatisticKind kind)
{
    return kind != StatisticKind::Frequency && kind != StatisticKind::CrossSums;
}

// One statistic started by a control: busy cursor, run, chart page as the operation asks. A statistic
// without draws to divide by ends in guarded() with its message and leaves the chart as it was.
void runFromControl(LottoZahlen& window, StatisticKind kind, bool chartPageFirst)
{
    window.guarded([&window, kind, chartPageFirst] {
        if (chartPageFirst)
            window.showPage(ChartPageName);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        Actions::runStatistic(window.session(), kind);
        QApplication::restoreOverrideCursor();
        if (showsChartAfterwards(kind))
            window.showPage(ChartPageName);
    });
}

// Starts a statistic when a label is clicked.
class LabelClick : public QObject
{
public:
    LabelClick(LottoZahlen& window, StatisticKind kind, QLabel* label)
        : QObject(label)
        , m_window(window)
        , m_kind(kind)
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonRelease)
            return QObject::eventFilter(watched, event);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()))
            runFromControl(m_window, m_kind, true);
        return true;
    }

private:
    LottoZahlen& m_window;
    StatisticKind m_kind;
};

struct Trigger
{
    const char* control;
    StatisticKind kind;
    bool chartPageFirst;
};

// clang-format off
constexpr Trigger Buttons[] = {
    // chart toolbar
    {"SpeedButton200", StatisticKind::Frequency, false},
    {"SpeedButton900", StatisticKind::CrossSums, false},
    {"SpeedButton1",   StatisticKind::Pairs,     false},
    {"SpeedButton3",   StatisticKind::Triples,   false},
    {"SpeedButton2",   StatisticKind::Quads,     false},
    {"SpeedButton9",   StatisticKind::Overdue,   false},
    // database page
    {"Button2",  StatisticKind::Pairs,   false},
    {"Button3",  StatisticKind::Triples, false},
    {"Button4",  StatisticKind::Quads,   false},
    {"Button5",  StatisticKind::Overdue, false},
    {"Button9",  StatisticKind::Primes,  false},
    {"Button10", StatisticKind::Odd,     false},
    {"Button11", StatisticKind::Even,    false},
    // tip page
    {"Button6", StatisticKind::TipDistribution, false},
    // calculation page
    {"SpeedButton26", StatisticKind::Frequency, true},
    {"SpeedButton22", StatisticKind::Overdue,   false},
    {"SpeedButton21", StatisticKind::Pairs,     false},
    {"SpeedButton23", StatisticKind::Pairs,     true},
    {"SpeedButton27", StatisticKind::Triples,   false},
    {"SpeedButton24", StatisticKind::Triples,   true},
    {"SpeedButton28", StatisticKind::Quads,     false},
    {"SpeedButton25", StatisticKind::Quads,     true},
    {"SpeedButton17", StatisticKind::CrossSums, true},
    {"SpeedButton29", StatisticKind::Primes,    false},
    {"SpeedButton32", StatisticKind::Odd,       false},
    {"SpeedButton31", StatisticKind::Even,      false},
};

constexpr Trigger Labels[] = {
    {"Label88", StatisticKind::CrossSums, true},
    {"Label89", StatisticKind::Pairs,     true},
    {"Label91", StatisticKind::Triples,   true},
    {"Label90", StatisticKind::Quads,     true},
};
// clang-format on

} // namespace

void attachStatistics(LottoZahlen& window)
{
    for (const Trigger& t : Buttons) {
        auto* button = window.control<QAbstractButton>(QLatin1String(t.control));
        if (!button)
            continue;
        QObject::connect(button, &QAbstractButton::clicked, &window,
                         [&window, t] { runFromControl(window, t.kind, t.chartPageFirst); });
    }
    for (const Trigger& t : Labels)
        if (auto* label = window.control<QLabel>(QLatin1String(t.control)))
            new LabelClick(window, t.kind, label);

    // Start-up shows the frequency without leaving the tip page.
    window.frequencyAction = [&window] { runFromControl(window, StatisticKind::Frequency, false); };
}

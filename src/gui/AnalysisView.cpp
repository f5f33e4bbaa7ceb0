#include "draws/DrawDate.h"
#include "generator/LuckyNumber.h"
#include "gui/Attach.h"
#include "gui/ComparisonDialog.h"
#include "gui/LottoZahlen.h"
#include "session/Actions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QUrl>

namespace {

// A long analysis on the window's thread: the window is busy, the generator's button is the stop
// button, input and painting get their turn about every 25 ms, and the status bar shows the date
// reached.
class AnalysisRun
{
public:
    explicit AnalysisRun(LottoZahlen& window)
        : m_window(window)
        , m_stop(window.control<QAbstractButton>(QStringLiteral("BitBtn4")))
    {
        if (m_stop) {
            m_caption = m_stop->text();
            m_stop->setText(window.session().messages.text(Msg::Stop));
        }
        window.setBusy(true, {m_stop});
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_timer.start();
    }
    ~AnalysisRun()
    {
        QApplication::restoreOverrideCursor();
        m_window.setBusy(false);
        if (m_stop)
            m_stop->setText(m_caption);
    }
    AnalysisRun(const AnalysisRun&) = delete;
    AnalysisRun& operator=(const AnalysisRun&) = delete;

    bool stopRequested()
    {
        if (m_timer.elapsed() >= 25) {
            QApplication::processEvents();
            m_timer.restart();
        }
        return m_window.stopRequested;
    }
    void progress(const QDate& reached)
    {
        if (m_shown.isValid() && m_shown.elapsed() < 100)
            return;
        m_window.setStatus(DrawDate::format(reached));
        m_shown.start();
    }

private:
    LottoZahlen& m_window;
    QAbstractButton* m_stop;
    QString m_caption;
    QElapsedTimer m_timer;
    QElapsedTimer m_shown;
};

void openReport(LottoZahlen& window, const QString& path)
{
    window.openWrittenFile(
        path, QStringLiteral("Bericht gespeichert: "),
        QStringLiteral("Der Bericht wurde gespeichert, aber kein Programm konnte ihn öffnen:\n"));
}

void connectClick(LottoZahlen& window, const char* name, const std::function<void()>& action)
{
    if (auto* button = window.control<QAbstractButton>(QLatin1String(name)))
        QObject::connect(button, &QAbstractButton::clicked, &window,
                         [&window, action] { window.guarded(action); });
}

} // namespace

void attachAnalyses(LottoZahlen& window)
{
    auto* comparison = new ComparisonDialog(&window);

    connectClick(window, "BitBtn9", [&window, comparison] {
        Session& s = window.session();
        if (window.isBusy())
            return;
        const QString answer =
            window.prompts().input(LuckyNumber::caption(s.messages), LuckyNumber::prompt(s.messages),
                                   LuckyNumber::propose(s.random));
        const auto lucky = LuckyNumber::parse(answer);
        if (!lucky) {
            window.prompts().error(s.messages.text(Msg::LuckyNumberError));
            return;
        }
        window.setStatus(s.messages.text(Msg::LuckyNumberPrompt) + QLatin1Char(' ') +
                         QString::number(*lucky));
        const auto* recompute = window.control<QCheckBox>(QStringLiteral("CheckBox31"));
        Actions::BacktestRun run;
        {
            AnalysisRun monitor(window);
            Backtest::Hooks hooks;
            hooks.stopRequested = [&monitor] { return monitor.stopRequested(); };
            hooks.progress = [&monitor](double day) { monitor.progress(DrawDate::toQDate(day)); };
            run = Actions::backtest(s, *lucky, recompute && recompute->isChecked(), hooks);
        }
        if (run.result.stopped) {
            s.status = s.messages.text(Msg::Stop);
            return;
        }
        openReport(window, run.reportPath);
        comparison->showResult(run.result);
    });

    connectClick(window, "BitBtn19", [&window] {
        Session& s = window.session();
        if (window.isBusy())
            return;
        if (window.lookupAction)
            window.lookupAction();
        window.showPage(QStringLiteral("TabSheet1"));
        const QString answer =
            window.prompts().input(s.messages.text(Msg::SearchThresholdQuestion),
                                   s.messages.text(Msg::CompareDrawResult), QStringLiteral("6"));
        const auto threshold = TipSearch::parseThreshold(answer);
        if (!threshold) {
            window.prompts().error(TipSearch::notANumberMessage(answer));
            return;
        }
        Actions::SimilarityRun run;
        {
            AnalysisRun monitor(window);
            Similarity::Hooks hooks;
            hooks.stopRequested = [&monitor] { return monitor.stopRequested(); };
            hooks.progress = [&monitor](const QDate& day) { monitor.progress(day); };
            hooks.goOn = [&window, &s](const QDate& found) {
                QApplication::setOverrideCursor(Qt::ArrowCursor);
                const bool yes =
                    window.prompts().yesNo(s.messages.text(Msg::HitFoundOn) + DrawDate::format(found) +
                                               QStringLiteral("  ") + s.messages.text(Msg::GoOn),
                                           s.messages.text(Msg::DrawFound));
                QApplication::restoreOverrideCursor();
                return yes;
            };
            run = Actions::similarity(s, *threshold, hooks);
        }
        if (run.reportPath.isEmpty()) {
            s.status = run.result.stopped ? s.messages.text(Msg::Stop) : QString();
            return;
        }
        openReport(window, run.reportPath);
    });
}

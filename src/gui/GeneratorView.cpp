#include "generator/LuckyNumber.h"
#include "gui/Attach.h"
#include "gui/LottoZahlen.h"
#include "gui/Zahlenwahl.h"
#include "session/Actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <memory>

namespace {

// Keeps the window alive during a run without handling events per candidate: input and painting get
// their turn about every 25 ms, which leaves the candidates their full speed.
class RunMonitor
{
public:
    explicit RunMonitor(LottoZahlen& window)
        : m_window(window)
    {
        m_timer.start();
    }

    bool stopRequested()
    {
        if ((++m_calls & 63) == 0 && m_timer.elapsed() >= 25) {
            if (m_last.row > 0)
                m_window.setStatus(TipGenerator::statusLine(m_window.session().messages, m_last));
            QApplication::processEvents();
            m_timer.restart();
        }
        return stop;
    }
    void candidate(const TipGenerator::Candidate& c) { m_last = c; }
    void rowSettled(const TipSheet& sheet)
    {
        if (m_timer.elapsed() >= 25) {
            m_window.session().sheet = sheet;
            m_window.refresh();
            m_timer.restart();
        }
    }

    bool stop = false;

private:
    LottoZahlen& m_window;
    QElapsedTimer m_timer;
    TipGenerator::Candidate m_last;
    unsigned m_calls = 0;
};

TipGenerator::ReviewAnswer reviewPool(LottoZahlen& window, NumberPool::List& list, const Game& game)
{
    const int highest = game.highestNumber;
    ValueList values;
    values.highestNumber = highest;
    for (int v = 1; v <= highest; ++v)
        values.entries[std::size_t(v)] = {list[std::size_t(v)].checked, list[std::size_t(v)].weight};
    Zahlenwahl& dialog = window.numberDialog();
    dialog.setGame(game);
    dialog.setList(values);
    switch (dialog.execList()) {
    case Zahlenwahl::Result::Ok:
        return TipGenerator::ReviewAnswer::Ok;
    case Zahlenwahl::Result::Retry:
        values = dialog.list();
        for (int v = 1; v <= highest; ++v)
            list[std::size_t(v)] = {values.entries[std::size_t(v)].checked,
                                    values.entries[std::size_t(v)].weight};
        return TipGenerator::ReviewAnswer::Recalculate;
    case Zahlenwahl::Result::Abort:
        break;
    }
    return TipGenerator::ReviewAnswer::Abort;
}

} // namespace

void attachGenerator(LottoZahlen& window)
{
    auto* button = window.control<QAbstractButton>(QStringLiteral("BitBtn4"));
    auto monitor = std::make_shared<RunMonitor*>(nullptr);

    // A run, or the stop request of the run going on (the window handles input inside it).
    auto runOrStop = [&window, button, monitor] {
        Session& s = window.session();
        if (s.busy) {
            window.stopRequested = true; // an analysis asks the window
            if (button)
                button->setText(QString());
            if (*monitor)
                (*monitor)->stop = true;
            return;
        }
        const QString caption = button ? button->text() : QString();
        if (button)
            button->setText(s.messages.text(Msg::Stop));
        RunMonitor current(window);
        *monitor = &current;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        window.setBusy(true, {button});
        struct Restore
        {
            LottoZahlen& window;
            QAbstractButton* button;
            QString caption;
            std::shared_ptr<RunMonitor*> monitor;
            ~Restore()
            {
                QApplication::restoreOverrideCursor();
                window.setBusy(false);
                if (button)
                    button->setText(caption);
                *monitor = nullptr;
            }
        } restore{window, button, caption, monitor};

        TipGenerator::Hooks hooks;
        hooks.stopRequested = [&current] { return current.stopRequested(); };
        hooks.candidate = [&current](const TipGenerator::Candidate& c) { current.candidate(c); };
        hooks.status = [&window](const QString& text) { window.setStatus(text); };
        hooks.showPage = [&window](const QString& page) { window.showPage(page); };
        hooks.chart = [&window](const StatisticSeries& chart) { window.session().chart = chart; };
        hooks.rowSettled = [&current](const TipSheet& sheet) { current.rowSettled(sheet); };
        hooks.reviewPool = [&window](NumberPool::List& list, const Game& game) {
            return reviewPool(window, list, game);
        };
        Actions::generate(s, hooks,
                          [&window] { window.prompts().information(Actions::readDrawsFirstMessage()); });
    };
    if (button)
        QObject::connect(button, &QAbstractButton::clicked, &window,
                         [&window, runOrStop] { window.guarded(runOrStop); });
    if (auto* menu = window.findChild<QAction*>(QStringLiteral("Berechnen1")))
        QObject::connect(menu, &QAction::triggered, &window,
                         [&window, runOrStop] { window.guarded(runOrStop); });

    if (auto* lucky = window.control<QAbstractButton>(QStringLiteral("SpeedButton13")))
        QObject::connect(lucky, &QAbstractButton::clicked, &window, [&window] {
            window.guarded([&window] {
                Session& s = window.session();
                LuckyNumber::ask(
                    s.random, s.messages,
                    [&window](const QString& caption, const QString& prompt, const QString& preset) {
                        return window.prompts().input(caption, prompt, preset);
                    },
                    [&window](const QString& text) { window.prompts().error(text); });
            });
        });

    if (auto* search = window.control<QAbstractButton>(QStringLiteral("SpeedButton4")))
        QObject::connect(search, &QAbstractButton::clicked, &window, [&window] {
            window.guarded([&window] {
                Session& s = window.session();
                const QString answer = window.prompts().input(TipSearch::thresholdCaption(s.messages),
                                                              TipSearch::thresholdPrompt(s.messages),
                                                              QLatin1String(TipSearch::DefaultThreshold));
                const auto threshold = TipSearch::parseThreshold(answer);
                if (!threshold) {
                    window.prompts().error(TipSearch::notANumberMessage(answer));
                    return;
                }
                QApplication::setOverrideCursor(Qt::WaitCursor);
                struct Cursor
                {
                    ~Cursor() { QApplication::restoreOverrideCursor(); }
                } cursor;
                Actions::search(s, *threshold, [&window, &s](const TipSearch::Stop& stop) {
                    window.refresh(); // the draw and the hits the question is about
                    QApplication::setOverrideCursor(Qt::ArrowCursor);
                    const bool goOn = window.prompts().yesNo(TipSearch::stopQuestion(s.messages, stop),
                                                             TipSearch::stopCaption(s.messages));
                    QApplication::restoreOverrideCursor();
                    return goOn;
                });
            });
        });
}

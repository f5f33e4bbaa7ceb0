#include "draws/DrawDate.h"
#include "draws/DrawImport.h"
#include "gui/Attach.h"
#include "gui/LoEingab.h"
#include "gui/LottoZahlen.h"
#include "session/DrawMaintenance.h"
#include "session/DrawUpdate.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <memory>

namespace {

template <typename Action> void onClick(LottoZahlen& window, const char* name, Action action)
{
    if (auto* button = window.control<QAbstractButton>(QLatin1String(name)))
        QObject::connect(button, &QAbstractButton::clicked, &window,
                         [&window, action] { window.guarded(action); });
}

void attachUpdate(LottoZahlen& window)
{
    auto* stop = window.control<QAbstractButton>(QStringLiteral("SpeedButton8"));
    auto running = std::make_shared<DrawUpdate*>(nullptr);

    auto update = [&window, stop, running] {
        Session& s = window.session();
        // Nothing else may run meanwhile, a second update least of all.
        if (s.busy || *running)
            return;
        DrawUpdate::Hooks hooks;
        hooks.progress = [&window](const QString& text) { window.setProgress(text); };
        hooks.note = [&window](const QString& text) { window.setStatus(text); };
        hooks.received = [&window] { window.refresh(); };
        hooks.betweenRequests = [] { QApplication::processEvents(); };
        // Checks the server address and the proxy port before any control is disabled.
        DrawUpdate run(s, hooks);

        *running = &run;
        window.setBusy(true, {stop});
        if (stop)
            stop->setVisible(true);
        // The generator's menu item stays live in the busy state to stop its own run; here it would
        // only stop a generator that is not running.
        QAction* generate = window.findChild<QAction*>(QStringLiteral("Berechnen1"));
        if (generate && !generate->isEnabled())
            generate = nullptr;
        if (generate)
            generate->setEnabled(false);
        struct Restore
        {
            LottoZahlen& window;
            QAbstractButton* stop;
            QAction* generate;
            std::shared_ptr<DrawUpdate*> running;
            ~Restore()
            {
                window.setBusy(false);
                if (stop)
                    stop->setVisible(false);
                if (generate)
                    generate->setEnabled(true);
                *running = nullptr;
            }
        } restore{window, stop, generate, running};

        const DrawUpdate::Outcome outcome = run.run();
        if (outcome.end == DrawUpdate::End::Unreadable)
            window.prompts().error(DrawUpdate::unreadableMessage(outcome));
    };
    onClick(window, "BitBtn1", update);
    onClick(window, "SpeedButton10", update);
    if (auto* menu = window.findChild<QAction*>(QStringLiteral("Aktualisieren1")))
        QObject::connect(menu, &QAction::triggered, &window, [&window, update] { window.guarded(update); });

    if (stop)
        QObject::connect(stop, &QAbstractButton::clicked, &window, [stop, running] {
            stop->setVisible(false);
            if (*running)
                (*running)->stop();
        });
}

void attachEntryAndDeletion(LottoZahlen& window)
{
    onClick(window, "BitBtn8", [&window] {
        Session& s = window.session();
        if (s.busy)
            return;
        const DrawEntry::Start start = DrawMaintenance::beginEntry(s);
        LoEingab dialog([&s](const QDate& date) { return s.gameOn(date); }, &window);
        dialog.check = [&s](const DrawEntryValue& v) { return DrawEntry::problem(v, s.gameOn(v.date)); };
        dialog.complain = [&window](const QString& text) { window.prompts().error(text); };
        dialog.setValue(start.value);
        window.languages().adopt(&dialog);
        if (dialog.exec() == QDialog::Accepted)
            DrawMaintenance::storeEntry(s, dialog.value(), start);
        DrawMaintenance::endEntry(s, start);
    });
    onClick(window, "BitBtn6", [&window] {
        Session& s = window.session();
        if (s.busy)
            return;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        DrawMaintenance::deleteShown(s);
        QApplication::restoreOverrideCursor();
    });
}

} // namespace

void attachDraws(LottoZahlen& window)
{
    // Records skipped for an absurd date are said once, when their count changes: at the start-up
    // lookup, or after the draw file was changed from outside.
    auto warned = std::make_shared<int>(0);
    window.session().drawsRead = [&window, warned](int skipped) {
        if (skipped == *warned)
            return;
        *warned = skipped;
        if (skipped == 0)
            return;
        Session& s = window.session();
        const QString warning =
            QStringLiteral("Achtung: %1 Datensätze der Ziehungsdatei mit ungültigem Datum übersprungen")
                .arg(skipped);
        s.status = s.status.isEmpty() ? warning : warning + QStringLiteral(" – ") + s.status;
    };

    if (auto* rebuild = window.control<QPushButton>(QStringLiteral("BitBtn2"))) {
        QObject::connect(rebuild, &QPushButton::clicked, &window, [&window] {
            window.guarded([&window] {
                Session& s = window.session();
                QApplication::setOverrideCursor(Qt::WaitCursor);
                const int count =
                    DrawImport::importFile(s.home + QLatin1String(DrawImport::DefaultCsvName), s.drawFile());
                QApplication::restoreOverrideCursor();
                // A rebuilt database is best seen from its newest draw.
                if (window.lookupAction) {
                    s.setSelectedDate(s.today);
                    window.lookupAction();
                }
                window.setStatus(
                    QStringLiteral("%1 %2 eingelesen").arg(count).arg(s.messages.text(Msg::Draws)));
            });
        });
    }
    onClick(window, "BitBtn20", [&window] {
        Session& s = window.session();
        if (s.busy)
            return;
        const QString csv = window.prompts().openFileName(s.home, QStringLiteral("CSV-Dateien (*.csv)"),
                                                          QStringLiteral("csv"));
        if (csv.isEmpty())
            return;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const DrawImport::MergeResult result = DrawMaintenance::mergeFile(s, csv);
        QApplication::restoreOverrideCursor();
        const QString summary = QStringLiteral("%1 %2 ergänzt, %3 schon gespeichert, %4 abweichend")
                                    .arg(result.appended.size())
                                    .arg(s.messages.text(Msg::Draws))
                                    .arg(result.skipped)
                                    .arg(result.conflicts.size());
        window.setStatus(summary);
        if (result.conflicts.empty())
            return;
        // The stored draws stay; the player decides which one is right.
        constexpr size_t MaxListed = 10;
        QString text = summary + QStringLiteral(".\nDiese Ziehungen der Datei weichen von der Ziehungsdatei "
                                                "ab und wurden nicht übernommen:\n");
        for (size_t i = 0; i < std::min(MaxListed, result.conflicts.size()); ++i) {
            const DrawImport::Conflict& c = result.conflicts[i];
            text += QStringLiteral("\n%1: Datei %2, gespeichert %3")
                        .arg(DrawDate::format(c.file.datum), DrawImport::numbersText(c.file),
                             c.stored ? DrawImport::numbersText(*c.stored) : QStringLiteral("nichts"));
        }
        if (result.conflicts.size() > MaxListed)
            text += QStringLiteral("\n… und %1 weitere").arg(result.conflicts.size() - MaxListed);
        window.prompts().information(text);
    });
    attachUpdate(window);
    attachEntryAndDeletion(window);
}

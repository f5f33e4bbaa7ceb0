#include "draws/Error.h"
#include "gui/Attach.h"
#include "gui/LottoZahlen.h"
#include "session/SettingsStore.h"

#include <QCheckBox>
#include <QScreen>
#include <QtDebug>
#include <memory>
#include <optional>

namespace {

// The window state that only widgets hold: the check boxes outside the session and the window size.
StoredSettings::WindowState windowState(LottoZahlen& window)
{
    StoredSettings::WindowState state;
    auto box = [&window](int number) {
        return window.control<QCheckBox>(QStringLiteral("CheckBox%1").arg(number));
    };
    state.checkBox = [box](int number) -> std::optional<bool> {
        if (auto* b = box(number))
            return b->isChecked();
        return std::nullopt;
    };
    state.setCheckBox = [box](int number, bool checked) {
        if (auto* b = box(number))
            b->setChecked(checked);
    };
    // A stored size larger than the screen (or absurd) would make a window nobody can handle.
    const QSize available = window.screen() ? window.screen()->availableGeometry().size() : QSize(1024, 768);
    state.setHeight = [&window, available](int height) {
        if (height > 0)
            window.resize(window.width(), std::min(height, available.height()));
        return window.height();
    };
    state.setWidth = [&window, available](int width) {
        if (width > 0)
            window.resize(std::min(width, available.width()), window.height());
        return window.width();
    };
    if (!(window.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        state.normalSize = window.size();
    return state;
}

} // namespace

void attachSettings(LottoZahlen& window)
{
    // The store stays open from the first restore step to the last one of start-up.
    auto open = std::make_shared<std::optional<SettingsStore>>();
    auto store = [open]() -> SettingsStore& {
        if (!*open)
            *open = SettingsStore::openDefault();
        return **open;
    };
    // What start-up could not take as stored, said once in the status bar when the last step is done.
    auto notes = std::make_shared<QStringList>();

    window.restoreGroups = [&window, store, notes] {
        *notes += StoredSettings::restoreGroup1(store(), window.session(), windowState(window));
        *notes += StoredSettings::restoreGroup2(store(), window.session());
        StoredSettings::restoreGameRules(store(), window.session());
        // The hidden "Main Draw only" box copies itself into the session; keep it in step.
        if (auto* mainDrawOnly = window.control<QCheckBox>(QStringLiteral("CheckBox16")))
            mainDrawOnly->setChecked(window.session().mainDrawOnly);
        window.refresh();
    };
    window.restoreTicketNumber = [&window, store, notes] {
        *notes += StoredSettings::restoreTicketNumber(store(), window.session());
    };
    window.restoreProxyAndStartDate = [&window, store, open, notes] {
        *notes += StoredSettings::restoreProxyAndStartDate(store(), window.session());
        Session& s = window.session();
        if (!store().keptAsidePath().isEmpty())
            s.status = QStringLiteral("Die Einstellungsdatei war beschädigt und wurde als %1 beiseitegelegt; "
                                      "es gelten die Standardwerte")
                           .arg(store().keptAsidePath());
        else if (!notes->isEmpty())
            s.status = QStringLiteral("Gespeicherte Einstellungen angepasst oder zurückgesetzt: ") +
                       notes->join(QStringLiteral(", "));
        notes->clear();
        open->reset();
    };
    window.saveSettings = [&window] {
        // Closing never fails because of the store: the file is replaced whole or not at all.
        try {
            SettingsStore store = SettingsStore::openDefault();
            StoredSettings::save(store, window.session(), windowState(window));
        } catch (const FileError& e) {
            qWarning().noquote() << "settings not saved:" << e.message;
        }
    };
}

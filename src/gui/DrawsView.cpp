#include "draws/DrawImport.h"
#include "gui/Attach.h"
#include "gui/LottoZahlen.h"

#include <QApplication>
#include <QPushButton>
#include <memory>

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
}

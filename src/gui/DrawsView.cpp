#include "draws/DrawImport.h"
#include "gui/Attach.h"
#include "gui/LottoZahlen.h"

#include <QApplication>
#include <QPushButton>

void attachDraws(LottoZahlen& window)
{
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

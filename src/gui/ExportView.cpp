#include "draws/Error.h"
#include "gui/Attach.h"
#include "gui/ChartImage.h"
#include "gui/LottoZahlen.h"
#include "tipfiles/TipCsv.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <memory>

namespace {

const QString ImageFilter = QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg)");

void connectAction(LottoZahlen& window, const char* name, std::function<void()> action)
{
    for (QAction* item : window.findChildren<QAction*>(QLatin1String(name)))
        QObject::connect(item, &QAction::triggered, &window,
                         [&window, action] { window.guarded(action); });
}

} // namespace

void attachExports(LottoZahlen& window)
{
    // The folder of the last export; the home folder until then.
    auto lastFolder = std::make_shared<QString>();
    auto proposal = [&window, lastFolder](const QString& suffix) {
        const Session& s = window.session();
        const QString folder = lastFolder->isEmpty() ? s.home : *lastFolder;
        return QDir(folder).filePath(s.today.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + suffix);
    };

    // The chart on display, from its context menu and from the menu.
    auto saveChart = [&window, lastFolder, proposal] {
        const QString path = window.prompts().saveFileName(proposal(QStringLiteral("png")), ImageFilter,
                                                           QStringLiteral("png"));
        if (path.isEmpty())
            return;
        const auto format = ChartImage::formatOf(path);
        if (!format)
            throw FileError{QStringLiteral("Die Datei %1 kann nicht geschrieben werden: ein Bild wird als "
                                           ".png oder .svg gespeichert")
                                .arg(QDir::toNativeSeparators(path))};
        Session& s = window.session();
        ChartImage::save(path, *format, s.chart);
        *lastFolder = QFileInfo(path).absolutePath();
        s.status = QStringLiteral("Diagramm gespeichert: ") + QDir::toNativeSeparators(path);
    };
    connectAction(window, "AlsBildspeichern1", saveChart);
    connectAction(window, "DiagrammalsBildspeichern1", saveChart);

    connectAction(window, "TippsalsCSVspeichern1", [&window, lastFolder, proposal] {
        const QString suffix = QLatin1String(TipCsv::Extension);
        const QString path =
            window.prompts().saveFileName(proposal(suffix), QLatin1String(TipCsv::Filter), suffix);
        if (path.isEmpty())
            return;
        Session& s = window.session();
        TipCsv::write(path, s.sheet);
        *lastFolder = QFileInfo(path).absolutePath();
        s.status = QStringLiteral("Tipps gespeichert: ") + QDir::toNativeSeparators(path);
    });
}

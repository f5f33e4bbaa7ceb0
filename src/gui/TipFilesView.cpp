#include "draws/DrawDate.h"
#include "gui/Attach.h"
#include "gui/LottoZahlen.h"
#include "tipfiles/TipFile.h"
#include "tipfiles/TipPrintout.h"
#include "tips/TipSheetOps.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <memory>

namespace {

void connectButton(LottoZahlen& window, const char* name, std::function<void()> action)
{
    if (auto* button = window.control<QAbstractButton>(QLatin1String(name)))
        QObject::connect(button, &QAbstractButton::clicked, &window,
                         [&window, action = std::move(action)] { window.guarded(action); });
}

} // namespace

void attachTipFiles(LottoZahlen& window)
{
    // The folder of the last tip file saved or loaded; the home folder until then.
    auto lastFolder = std::make_shared<QString>();
    auto folder = [&window, lastFolder] {
        return lastFolder->isEmpty() ? window.session().home : *lastFolder;
    };
    const QString filter = QLatin1String(TipFile::Filter);
    const QString suffix = QLatin1String(TipFile::Extension);

    connectButton(window, "SpeedButton15", [&window, lastFolder, folder, filter, suffix] {
        Session& s = window.session();
        const QString proposal = QDir(folder()).filePath(TipFile::proposedName(s.selectedDate, s.today));
        const QString path = window.prompts().saveFileName(proposal, filter, suffix);
        if (path.isEmpty())
            return;
        TipFile::write(path, s.sheet, s.ticketNumber);
        *lastFolder = QFileInfo(path).absolutePath();
    });

    connectButton(window, "SpeedButton16", [&window, lastFolder, folder, filter, suffix] {
        Session& s = window.session();
        const QString path = window.prompts().openFileName(folder(), filter, suffix);
        if (!path.isEmpty()) {
            // Read first: a file that cannot be read or is refused leaves the sheet as it was.
            const QByteArray bytes = TipFile::read(path);
            const Game game = s.tipGame();
            TipFile::checkRange(bytes, game);
            const TipFile::Contents contents = TipFile::parse(bytes, game);
            *lastFolder = QFileInfo(path).absolutePath();
            clearUnlocked(s.sheet);
            TipFile::apply(contents, s.sheet, s.ticketNumber);
        }
        if (window.lookupAction)
            window.lookupAction();
    });

    connectButton(window, "BitBtn7", [&window] {
        Session& s = window.session();
        const QStringList lines = TipPrintout::lines(s.sheet, DrawDate::toQDate(s.current.date), s.gameRules,
                                                     s.messages.text(Msg::Tip));
        const QString path = s.home + QLatin1String(TipPrintout::FileName);
        TipPrintout::write(path, lines);
        window.openWrittenFile(
            path, QStringLiteral("Tipp gespeichert: "),
            QStringLiteral("Der Tipp wurde gespeichert, aber kein Programm konnte ihn öffnen:\n"));
    });
}

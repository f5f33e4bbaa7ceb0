// Pictures of the real window for the manual: make-screenshots HISTORY.csv LANGUAGE_FOLDER OUTPUT_FOLDER
// The window starts offscreen on a scratch home filled from the shipped draws, with a fixed date and a
// fixed lucky number, so every build draws the same pictures.
#include "gui/LottoZahlen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPixmap>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

// The newest shipped draw: the pictures show it whatever day the build runs.
const QDate ShownDraw(2026, 2, 20);
const char* const LuckyNumber = "4711";

bool fail(const QString& text)
{
    std::fprintf(stderr, "make-screenshots: %s\n", qPrintable(text));
    return false;
}

// A question the run did not expect would wait for an answer nobody gives: the queued answers keep it
// from blocking, and what it said ends the run.
bool quiet(LottoZahlen& window, const char* step)
{
    if (window.prompts().shown.isEmpty())
        return true;
    return fail(QStringLiteral("%1 asked: %2")
                    .arg(QLatin1String(step), window.prompts().shown.join(QLatin1Char('\n'))));
}

bool click(LottoZahlen& window, const char* name)
{
    auto* button = window.control<QAbstractButton>(QLatin1String(name));
    if (!button)
        return fail(QStringLiteral("no button %1").arg(QLatin1String(name)));
    button->click();
    return true;
}

bool shoot(LottoZahlen& window, const char* page, const QString& folder, const char* file)
{
    window.showPage(QLatin1String(page));
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(QLatin1String(file));
    QImage picture = window.grab().toImage();
    // The resolution says how large the picture is meant to be shown.
    const int dotsPerMeter = qRound(96 / 0.0254 * picture.devicePixelRatio());
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    if (!picture.save(path, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}

bool run(const QStringList& args)
{
    QTemporaryDir home;
    if (!home.isValid())
        return fail(QStringLiteral("no scratch folder"));
    LottoZahlen::Options options{home.path() + QLatin1Char('/'), false, args[1],
                                 home.path() + QLatin1Char('/'),
                                 QDir(args[2]).absolutePath() + QLatin1Char('/')};
    LottoZahlen window(options);
    window.prompts().nextAnswers = {QStringLiteral("no"), QStringLiteral("no"), QStringLiteral("no")};
    // As wide as the menu, so that no entry hides behind the overflow arrow.
    window.resize(std::max(window.width(), window.menuBar()->sizeHint().width()), window.height());
    window.show();
    window.startUp();
    if (!quiet(window, "start-up"))
        return false;
    if (window.session().drawFile().readAll().empty())
        return fail(QStringLiteral("no draws read from %1").arg(args[1]));

    Session& s = window.session();
    s.setSelectedDate(ShownDraw);
    if (window.lookupAction)
        window.lookupAction();
    if (window.frequencyAction)
        window.frequencyAction();
    // Wide enough for the whole draw line, which the starting width cuts short.
    if (auto* line = window.control<QLabel>(QStringLiteral("Label35"))) {
        window.showPage(QStringLiteral("TabSheet1"));
        QApplication::processEvents();
        window.resize(window.width() + std::max(0, line->sizeHint().width() - line->width()),
                      window.height());
    }
    if (!quiet(window, "lookup"))
        return false;
    // The chart first: the generator may leave its own.
    const QString out = args[3];
    if (!shoot(window, "TabSheet5", out, "diagramm.png") || !shoot(window, "TabSheet4", out, "datenbank.png"))
        return false;

    window.prompts().nextAnswers = {QLatin1String(LuckyNumber)};
    if (!click(window, "SpeedButton13"))
        return false;
    if (s.random.seed != QByteArray(LuckyNumber).toInt())
        return fail(QStringLiteral("the lucky number was not taken: ") +
                    window.prompts().shown.join(QLatin1Char('\n')));
    window.prompts().shown.clear();
    if (auto* count = window.control<QSpinBox>(QStringLiteral("UpDown8")))
        count->setValue(8);
    window.prompts().nextAnswers = {QStringLiteral("no"), QStringLiteral("no"), QStringLiteral("no")};
    if (!click(window, "BitBtn4") || !quiet(window, "generator"))
        return false;
    if (!s.sheet.rowComplete(0))
        return fail(QStringLiteral("the generator filled no row: ") + window.statusText());
    return shoot(window, "TabSheet1", out, "lottotipp.png") &&
           shoot(window, "TabSheet6", out, "berechnung.png");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Twice the size, so that the pictures stay sharp in print.
    qputenv("QT_SCALE_FACTOR", "2");
    // The player's settings and files stay out of the pictures, and the pictures out of them.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        fail(QStringLiteral("no scratch folder"));
        return 1;
    }
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        const QString folder = scratch.filePath(QLatin1String(variable));
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(variable, QFile::encodeName(folder));
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Torvane"));
    QApplication::setApplicationName(QStringLiteral("Numerant"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QStringList args = QApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: make-screenshots HISTORY.csv LANGUAGE_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    QDir().mkpath(args[3]);
    return run(args) ? 0 : 1;
}

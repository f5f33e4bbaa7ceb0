#include "gui/LottoZahlen.h"
#include "session/Home.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLocale>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Torvane"));
    QApplication::setApplicationName(QStringLiteral("Numerant"));
    // The program's number and date formats are fixed, whatever the user's regional settings:
    // dates dd.mm.yyyy, decimal comma, thousands point.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption homeOption(QStringLiteral("home"),
                                  QStringLiteral("Folder of the draw file and the program's files."),
                                  QStringLiteral("DIR"));
    parser.addOption(homeOption);
    // Lets a script see that an installed program starts, without a display or anyone to close it.
    QCommandLineOption quitOption(QStringLiteral("quit-after-start"),
                                  QStringLiteral("Close the window as soon as its start-up has run."));
    parser.addOption(quitOption);
    // A picture for the README, made by scripts/run rather than kept in the repository.
    QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the window after its start-up to FILE (PNG), then close it."),
        QStringLiteral("FILE"));
    parser.addOption(screenshotOption);
    parser.process(app);

    LottoZahlen::Options options;
    options.home = Home::resolve(parser.value(homeOption), QApplication::applicationDirPath());
    const QString programFiles = Home::programFiles(QApplication::applicationDirPath());
    options.programFiles = programFiles;
    options.shippedHistory = programFiles + QStringLiteral("lottomax-history.csv");
    options.languageFolder = programFiles + QStringLiteral("land/");
    LottoZahlen window(options);
    // The application's own title is what the desktop shows for the minimised program; a display name
    // would be appended to every window caption instead.
    window.setWindowIconText(QStringLiteral("Torvanes Numerant Canada Max Lotto 7/49"));
    window.show();
    if (qEnvironmentVariableIsSet("NUMERANT_STARTUP_TIME"))
        QTimer::singleShot(1, &window, [&sinceStart] {
            std::fprintf(stderr, "startup: window shown after %lld ms\n", sinceStart.elapsed());
        });
    if (parser.isSet(quitOption))
        QTimer::singleShot(0, &window, &QWidget::close); // queued behind the start-up
    if (parser.isSet(screenshotOption))
        QTimer::singleShot(0, &window, [&window, file = parser.value(screenshotOption)] {
            if (!window.grab().save(file, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                QCoreApplication::exit(1);
                return;
            }
            window.close();
        });
    return app.exec();
}

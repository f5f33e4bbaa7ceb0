#include "app/Home.h"
#include "app/LottoZahlen.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Torvanes Numerant Canada Max Lotto 7/49"));
    QApplication::setOrganizationName(QStringLiteral("Torvane"));
    QApplication::setApplicationName(QStringLiteral("Numerant"));
    // The program's number and date formats are fixed, whatever the user's regional settings:
    // dates dd.mm.yyyy, decimal comma, thousands point.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption homeOption(QStringLiteral("home"), QStringLiteral("Folder of the draw file and the program's files."),
                                  QStringLiteral("DIR"));
    parser.addOption(homeOption);
    parser.process(app);

    LottoZahlen::Options options;
    options.home = Home::resolve(parser.value(homeOption), QApplication::applicationDirPath());
    LottoZahlen window(options);
    window.show();
    return app.exec();
}

#include "gui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <array>

namespace QtTranslations {

namespace {

// The language files' codes differ from ISO 639 for two languages.
QString isoCode(const QString& languageCode)
{
    if (languageCode == QLatin1String("sp"))
        return QStringLiteral("es");
    if (languageCode == QLatin1String("cz"))
        return QStringLiteral("cs");
    return languageCode;
}

QPointer<QTranslator> installed;

} // namespace

QString codeOf(int languageIndex)
{
    static constexpr std::array<const char*, 9> Codes{"de", "en", "fr", "sp", "tr", "ru", "nl", "cz", "pl"};
    if (languageIndex < 0 || languageIndex >= int(Codes.size()))
        languageIndex = 0;
    return QLatin1String(Codes[std::size_t(languageIndex)]);
}

bool load(const QString& languageCode)
{
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_") + isoCode(languageCode),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

} // namespace QtTranslations

#pragma once

#include <QString>

// Qt's own texts (the standard buttons, the file dialogs, the input boxes) in the interface language.
namespace QtTranslations {

// The file code of the interface language with the stored index (0 German .. 8 Polish); German for any
// other index, as the program's own texts stay German then.
QString codeOf(int languageIndex);

// Replaces the Qt translation installed by an earlier call with that of `languageCode`, a language
// file code ("de", "en", "fr", "sp", "tr", "ru", "nl", "cz", "pl"). Returns false when Qt ships no
// translation for it on this machine; Qt's texts are then English.
bool load(const QString& languageCode);

} // namespace QtTranslations

#pragma once

#include <QString>

// The folder that holds the draw file, the sound, the manual and the language files: the executable's
// folder when it is writable, else the per-user data folder; an explicit folder overrides both.
// The result always ends with '/'. With create false nothing is made: the folder may not exist.
namespace Home {
QString resolve(const QString& override, const QString& executableDir, bool create = true);
bool isWritableDir(const QString& dir);
QString userDataDir();
} // namespace Home

#pragma once

#include <QString>

// The folder that holds the draw file, the sound, the manual and the language files: the per-user data
// folder, so that the player's files outlive a rebuilt or reinstalled program; the executable's folder
// only when it already holds a draw file and is writable (a portable copy); an explicit folder overrides
// both.
// The result always ends with '/'. With create false nothing is made: the folder may not exist.
namespace Home {
QString resolve(const QString& override, const QString& executableDir, bool create = true);
bool isWritableDir(const QString& dir);
bool isPortable(const QString& executableDir);
QString userDataDir();
// The folder of the files that come with the program (the shipped draws, the manual, the languages):
// the executable's folder when they lie beside it (a build tree, a portable copy), else the share
// folder of an installation, <exe>/../share/numerant. Ends with '/'.
QString programFiles(const QString& executableDir);
} // namespace Home

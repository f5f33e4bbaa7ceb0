#pragma once

#include <QByteArray>
#include <QString>

// The program's own hit sound: a short rising chirp as a 16-bit mono wave file, made on first use so
// that nothing but code has to ship.
namespace HitSound {
QByteArray chirpWave();
// Writes the chirp to path unless a file is there already; false when it cannot be written.
bool ensureFile(const QString& path);
} // namespace HitSound

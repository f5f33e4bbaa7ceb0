#pragma once

#include <QByteArray>
#include <QString>

// A file the user names for an export. A regular file (or a new one) is replaced whole through a
// temporary file beside it, so a crash or a full disk leaves the old file or the new one, never a
// part. A device or pipe (/dev/stdout, /dev/full) is written directly: replacing it would put a
// regular file in its place wherever its folder is writable. Throws FileError naming the file and the
// reason when the bytes cannot all be written.
namespace OutputFile {

void write(const QString& path, const QByteArray& bytes);

} // namespace OutputFile

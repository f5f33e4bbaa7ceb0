#pragma once

#include <QByteArray>
#include <QString>

// The reports of the analyses ("Test.txt", "Test.rtf") in the home folder, replaced whole.
namespace ReportFile {
inline constexpr const char* BacktestName = "Test.txt";
inline constexpr const char* SimilarityName = "Test.rtf";

// Throws FileError naming the file when it cannot be written; an earlier report then stays.
void write(const QString& path, const QByteArray& bytes);
} // namespace ReportFile

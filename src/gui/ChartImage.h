#pragma once

#include "statistics/StatisticSeries.h"

#include <QSize>
#include <QString>
#include <optional>

// The chart saved as a picture, drawn by ChartPainter: a PNG of the given size in pixels or an SVG
// of that size, written as OutputFile writes: whole or not at all.
namespace ChartImage {

enum class Format
{
    Png,
    Svg
};

inline constexpr QSize DefaultSize{1000, 600};
inline constexpr int SmallestSide = 100;
inline constexpr int LargestSide = 10000;

// By the file's suffix (case ignored): ".png" or ".svg"; none for any other.
std::optional<Format> formatOf(const QString& path);

// Throws FileError naming the file and the reason when it cannot be written.
void save(const QString& path, Format format, const StatisticSeries& series, QSize size = DefaultSize);

} // namespace ChartImage

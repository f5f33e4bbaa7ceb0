#include "gui/ChartImage.h"

#include "draws/Error.h"
#include "draws/OutputFile.h"
#include "gui/ChartPainter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace ChartImage {

namespace {

[[noreturn]] void cannotWrite(const QString& path, const QString& reason)
{
    throw FileError{QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                        .arg(QDir::toNativeSeparators(path), reason)};
}

QByteArray pngBytes(const StatisticSeries& series, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        ChartPainter::paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), series);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray svgBytes(const StatisticSeries& series, QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(series.title);
    generator.setDescription(QStringLiteral("Torvane Numerant"));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    ChartPainter::paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), series);
    painter.end();
    return bytes;
}

} // namespace

std::optional<Format> formatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    return std::nullopt;
}

void save(const QString& path, Format format, const StatisticSeries& series, QSize size)
{
    // Drawn in memory first: a picture that cannot be made never touches the file.
    const QByteArray bytes = format == Format::Png ? pngBytes(series, size) : svgBytes(series, size);
    if (bytes.isEmpty())
        cannotWrite(path, QStringLiteral("das Bild (%1 × %2) kann nicht erzeugt werden")
                              .arg(size.width())
                              .arg(size.height()));
    OutputFile::write(path, bytes);
}

} // namespace ChartImage

// Renders the manual from its Markdown source into a PDF: make-manual SOURCE.md OUTPUT.pdf [PICTURES]
// Qt's own text layout does it, so the build needs nothing beyond Qt and runs without a display.
// Pictures named in the source are looked up in PICTURES, or beside the source without it.
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Every picture is drawn at most as wide as the text. The width is in the document's pixels, of
// which an inch holds 96 in print.
bool fitPictures(QTextDocument& document, double textWidthMm)
{
    const double widest = textWidthMm / 25.4 * 96;
    struct Picture
    {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Picture> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                found.push_back(
                    {fragment.position(), fragment.length(), fragment.charFormat().toImageFormat()});
        }
    }
    bool allFound = true;
    for (Picture& p : found) {
        const QImage picture =
            document.resource(QTextDocument::ImageResource, QUrl(p.format.name())).value<QImage>();
        if (picture.isNull()) {
            std::fprintf(stderr, "make-manual: picture %s not found\n", qPrintable(p.format.name()));
            allFound = false;
            continue;
        }
        // Printing works on a copy of the document, which keeps added resources but not the base URL.
        document.addResource(QTextDocument::ImageResource, QUrl(p.format.name()), picture);
        // A picture keeps the size its resolution gives it, as far as the text is wide.
        const double dpi = picture.dotsPerMeterX() > 0 ? picture.dotsPerMeterX() * 0.0254 : 96;
        const double width = std::min(widest, picture.width() * 96 / dpi);
        p.format.setWidth(width);
        p.format.setHeight(width * picture.height() / picture.width());
        QTextCursor cursor(&document);
        cursor.setPosition(p.position);
        cursor.setPosition(p.position + p.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(p.format);
    }
    return allFound;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A build has no session; Qt wants a private runtime folder all the same.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr, "usage: make-manual SOURCE.md OUTPUT.pdf [PICTURES]\n");
        return 2;
    }
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make-manual: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }

    QTextDocument document;
    const QString pictures =
        args.size() == 4 ? QFileInfo(args[3]).absoluteFilePath() : QFileInfo(args[1]).absolutePath();
    document.setBaseUrl(QUrl::fromLocalFile(pictures + QLatin1Char('/')));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(QStringLiteral("code { font-family: 'DejaVu Sans Mono'; }"));
    document.setMarkdown(QString::fromUtf8(source.readAll()), QTextDocument::MarkdownDialectGitHub);
    // Printing sets its own margin of 2 cm on every side, inside the page layout's margins; the layout
    // has none, so the text is 17 cm wide on A4.
    const double printMarginMm = 20;
    if (!fitPictures(document, 210 - 2 * printMarginMm))
        return 1;

    const QString output = args[2];
    QFile::remove(output);
    {
        QPdfWriter writer(output);
        writer.setTitle(QStringLiteral("Numerant – Handbuch"));
        writer.setCreator(QStringLiteral("Numerant make-manual"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setResolution(300);
        document.print(&writer);
    }
    if (QFileInfo(output).size() == 0) {
        std::fprintf(stderr, "make-manual: %s was not written\n", qPrintable(output));
        return 1;
    }
    return 0;
}

// Renders the manual from its Markdown source into a PDF: make-manual SOURCE.md OUTPUT.pdf
// Qt's own text layout does it, so the build needs nothing beyond Qt and runs without a display.
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

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
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make-manual SOURCE.md OUTPUT.pdf\n");
        return 2;
    }
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make-manual: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }

    QTextDocument document;
    // Pictures named in the source are looked up beside it.
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(args[1]).absolutePath() + QLatin1Char('/')));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(QStringLiteral("code { font-family: 'DejaVu Sans Mono'; }"));
    document.setMarkdown(QString::fromUtf8(source.readAll()), QTextDocument::MarkdownDialectGitHub);

    const QString output = args[2];
    QFile::remove(output);
    {
        QPdfWriter writer(output);
        writer.setTitle(QStringLiteral("Numerant – Handbuch"));
        writer.setCreator(QStringLiteral("Numerant make-manual"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
        writer.setResolution(300);
        document.print(&writer);
    }
    if (QFileInfo(output).size() == 0) {
        std::fprintf(stderr, "make-manual: %s was not written\n", qPrintable(output));
        return 1;
    }
    return 0;
}

#include "../TestFiles.h"
#include "draws/DrawDate.h"
#include "gui/BarChartView.h"
#include "gui/ChartImage.h"
#include "gui/LottoZahlen.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

DrawRecord draw(const QDate& date, std::array<int, 7> numbers)
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(date);
    for (int i = 0; i < 7; ++i)
        r.zahlen[std::size_t(i)] = std::uint8_t(numbers[std::size_t(i)]);
    r.bonus = 49;
    return r;
}

int countPixels(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

// The text of every element of an SVG; empty when the file is no well-formed XML.
QString svgText(const QByteArray& bytes, QString* error)
{
    QXmlStreamReader xml(bytes);
    QString text;
    bool root = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && !root) {
            root = true;
            if (xml.name() != QLatin1String("svg"))
                *error = QStringLiteral("root element ") + xml.name().toString();
        }
        if (xml.isCharacters())
            text += xml.text();
    }
    if (xml.hasError())
        *error = xml.errorString();
    return text;
}

} // namespace

// The chart saved as PNG and SVG: by numerant-cli stat --png/--svg and by the chart's context menu.
class TestChartImage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    QTemporaryDir m_home;

    CliResult run(const QStringList& args, bool withDisplay = false)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // A picture is drawn without any screen: no platform chosen, no display.
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        if (withDisplay)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return runCliIn(m_home.path(), m_config.path(), args, env);
    }
    QStringList frequency(const QStringList& more) const
    {
        return QStringList{QStringLiteral("stat"),   QStringLiteral("frequency"),  QStringLiteral("--start"),
                           QStringLiteral("01.01.2020"), QStringLiteral("--end"), QStringLiteral("31.12.2020")} +
               more;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        DrawFile(m_home.filePath(QStringLiteral("ZahlenMax.dat")))
            .replaceAll({draw(QDate(2020, 1, 3), {1, 2, 3, 4, 5, 6, 7}),
                         draw(QDate(2020, 1, 10), {2, 13, 20, 21, 33, 40, 47})});
    }

    void pngOfTheRequestedSizeShowsTheBars()
    {
        const CliResult r = run(frequency({QStringLiteral("--png"), QStringLiteral("f.png"), QStringLiteral("--size"),
                                        QStringLiteral("640x360")}));
        QVERIFY2(r.code == 0, r.err.constData());
        QCOMPARE(r.out, QByteArray("f.png\n"));
        const QImage image(m_home.filePath(QStringLiteral("f.png")), "PNG");
        QCOMPARE(image.size(), QSize(640, 360));
        // Green bars for the other numbers, red ones for the primes, black text and axes.
        QVERIFY(countPixels(image, 0x008000) > 200);
        QVERIFY(countPixels(image, 0xFF0000) > 200);
        QVERIFY(countPixels(image, 0x000000) > 100);
        // Number 2, drawn twice, is the tallest bar: its column is red right under the top of the plot.
        int redRows = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF0000) {
                    ++redRows;
                    break;
                }
        QVERIFY(redRows > 360 / 2);

        // Without --size the picture has the default size.
        QCOMPARE(run(frequency({QStringLiteral("--png"), QStringLiteral("d.png")})).code, 0);
        QCOMPARE(QImage(m_home.filePath(QStringLiteral("d.png"))).size(), ChartImage::DefaultSize);
    }

    void svgIsXmlWithTheTitle()
    {
        const CliResult json = run(frequency({}));
        QCOMPARE(json.code, 0);
        const QString title = QJsonDocument::fromJson(json.out).object().value(QStringLiteral("title")).toString();
        QVERIFY(title.startsWith(QStringLiteral("Zahlenverteilung")));

        const QString path = m_home.filePath(QStringLiteral("f.svg"));
        const CliResult r = run(frequency({QStringLiteral("--svg"), path, QStringLiteral("--size"),
                                        QStringLiteral("800x500")}));
        QVERIFY2(r.code == 0, r.err.constData());
        const QByteArray bytes = fileBytes(path);
        QString error;
        const QString text = svgText(bytes, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(text.contains(title)); // the runs of blanks of the title included
        QVERIFY(text.contains(QStringLiteral("10"))); // a category label
        QVERIFY(bytes.contains("viewBox=\"0 0 800 500\""));
        QVERIFY(bytes.contains("#008000"));
    }

    void windowAndCommandLineDrawTheSamePicture()
    {
        LottoZahlen window(LottoZahlen::Options{m_home.path() + QLatin1Char('/'), false});
        Session& s = window.session();
        s.startDate = QDate(2020, 1, 1);
        s.selectedDate = QDate(2020, 12, 31);
        window.frequencyAction();
        auto* chart = window.findChild<BarChartView*>(QStringLiteral("Chart1"));
        QVERIFY(chart);
        QCOMPARE(chart->contextMenuPolicy(), Qt::ActionsContextMenu);
        auto* save = chart->findChild<QAction*>(QStringLiteral("AlsBildspeichern1"));
        QVERIFY(save);
        QVERIFY(chart->actions().contains(save));

        const QString windowPng = m_home.filePath(QStringLiteral("window.png"));
        window.prompts().nextAnswers = {windowPng};
        save->trigger();
        QVERIFY(window.prompts().shown.isEmpty());
        QVERIFY(window.statusText().contains(windowPng));
        QCOMPARE(run(frequency({QStringLiteral("--png"), QStringLiteral("cli.png")}), true).code, 0);
        QCOMPARE(QImage(windowPng), QImage(m_home.filePath(QStringLiteral("cli.png"))));

        // The menu entry saves the same chart; SVG by its suffix.
        const QString windowSvg = m_home.filePath(QStringLiteral("window.SVG"));
        window.prompts().nextAnswers = {windowSvg};
        window.findChild<QAction*>(QStringLiteral("DiagrammalsBildspeichern1"))->trigger();
        QVERIFY(fileBytes(windowSvg).contains("<svg"));

        // Refused: another suffix, a missing folder. The message names the file; nothing is written.
        for (const QString& bad : {m_home.filePath(QStringLiteral("chart.jpg")),
                                   m_home.filePath(QStringLiteral("missing/chart.png"))}) {
            window.prompts().shown.clear();
            window.prompts().nextAnswers = {bad, QStringLiteral("ok")};
            save->trigger();
            QCOMPARE(window.prompts().shown.size(), 1);
            QVERIFY2(window.prompts().shown[0].contains(bad), qPrintable(window.prompts().shown[0]));
            QVERIFY(!QFile::exists(bad));
        }
    }

    void commandLineErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("named");
        const QString missing = m_home.filePath(QStringLiteral("no/such/x.png"));
        QTest::addRow("missing folder") << QStringList{QStringLiteral("--png"), missing} << 1 << missing;
        QTest::addRow("full disk") << QStringList{QStringLiteral("--png"), QStringLiteral("/dev/full")} << 1
                                   << QStringLiteral("/dev/full");
        QTest::addRow("a folder") << QStringList{QStringLiteral("--svg"), m_home.path()} << 1 << m_home.path();
        QTest::addRow("both formats") << QStringList{QStringLiteral("--png"), QStringLiteral("e.png"),
                                                     QStringLiteral("--svg"), QStringLiteral("e.svg")}
                                      << 2 << QStringLiteral("--svg");
        QTest::addRow("size alone") << QStringList{QStringLiteral("--size"), QStringLiteral("300x200")} << 2
                                    << QStringLiteral("--size");
        for (const char* size : {"300", "300x", "0x200", "99x200", "300x10001", "axb", "300x200x1"})
            QTest::addRow("size %s", size) << QStringList{QStringLiteral("--png"), QStringLiteral("e.png"),
                                                          QStringLiteral("--size"), QString::fromLatin1(size)}
                                           << 2 << QString::fromLatin1(size);
        QTest::addRow("no draw to divide by") << QStringList{QStringLiteral("--png"), QStringLiteral("e.png")} << 1
                                              << QString();
    }
    void commandLineErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, named);
        const QString name = QString::fromLatin1(QTest::currentDataTag()) == QLatin1String("no draw to divide by")
                                 ? QStringLiteral("primes")
                                 : QStringLiteral("frequency");
        const CliResult r = run(QStringList{QStringLiteral("stat"), name, QStringLiteral("--start"),
                                         QStringLiteral("01.01.2024")} +
                             args);
        QCOMPARE(r.code, code);
        QVERIFY2(QString::fromUtf8(r.err).contains(named), r.err.constData());
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(m_home.filePath(QStringLiteral("e.png"))));
        QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
    }
};

QTEST_MAIN(TestChartImage)
#include "TestChartImage.moc"

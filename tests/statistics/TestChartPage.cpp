#include "draws/DrawDate.h"
#include "gui/BarChartView.h"
#include "gui/LottoZahlen.h"

#include <QAbstractButton>
#include <QBarSet>
#include <QCategoryAxis>
#include <QDateEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

namespace {

DrawRecord draw(const QDate& date, std::array<int, 7> numbers)
{
    DrawRecord r;
    r.datum = DrawDate::fromQDate(date);
    for (int i = 0; i < 7; ++i)
        r.zahlen[i] = std::uint8_t(numbers[i]);
    r.bonus = 49;
    return r;
}

} // namespace

class TestChartPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void buttonsSwitchPagesAsTheirOperations();
    void chartShowsSeries();
    void smallestBarStaysVisible();
    void errorKeepsChart();
    void startDatePicker();

private:
    QString currentPage() const;
    void click(const char* name);

    QTemporaryDir* m_dir = nullptr;
    LottoZahlen* m_window = nullptr;
};

void TestChartPage::init()
{
    m_dir = new QTemporaryDir;
    const QString home = m_dir->path() + QLatin1Char('/');
    m_window = new LottoZahlen({home, false});
    Session& s = m_window->session();
    s.startDate = QDate(2020, 1, 1);
    s.selectedDate = QDate(2020, 12, 31);
    s.drawFile().replaceAll({draw(QDate(2020, 1, 3), {1, 2, 3, 4, 5, 6, 7}),
                             draw(QDate(2020, 1, 10), {2, 13, 20, 21, 33, 40, 47})});
    m_window->refresh();
}

void TestChartPage::cleanup()
{
    delete m_window;
    delete m_dir;
}

QString TestChartPage::currentPage() const
{
    return m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentWidget()->objectName();
}

void TestChartPage::click(const char* name)
{
    auto* button = m_window->control<QAbstractButton>(QLatin1String(name));
    QVERIFY2(button, name);
    button->click();
}

void TestChartPage::buttonsSwitchPagesAsTheirOperations()
{
    QCOMPARE(currentPage(), QStringLiteral("TabSheet1"));
    click("SpeedButton900"); // cross sums stay where they are
    QCOMPARE(currentPage(), QStringLiteral("TabSheet1"));
    QCOMPARE(m_window->session().chart.bars.size(), size_t(149)); // 28..176
    m_window->frequencyAction();
    QCOMPARE(currentPage(), QStringLiteral("TabSheet1"));
    QCOMPARE(m_window->session().chart.bars.size(), size_t(50)); // 7 of 50, the game of 2020

    click("Button2");
    QCOMPARE(currentPage(), QStringLiteral("TabSheet5"));
    QCOMPARE(m_window->session().chart.bars.size(), size_t(49));
    m_window->showPage(QStringLiteral("TabSheet4"));
    click("Button5");
    QCOMPARE(currentPage(), QStringLiteral("TabSheet5"));
    QCOMPARE(m_window->session().chart.bars.size(), size_t(50));
    QVERIFY(m_window->prompts().shown.isEmpty());
}

// A fixed scale starts at the smallest value; the drawn axis starts below it, so that bar has a height,
// while the series keeps its bounds for the generator.
void TestChartPage::smallestBarStaysVisible()
{
    StatisticSeries series;
    series.bars = {{1, 133, std::nullopt}, {2, 179, std::nullopt}, {3, 150, std::nullopt}};
    series.setFixedBoundsFromBars();
    BarChartView view;
    view.resize(400, 300);
    view.showSeries(series);
    QCOMPARE(series.axisMinimum, 133.0);
    QVERIFY(view.valueAxis()->min() < 133);
    QVERIFY(view.valueAxis()->min() >= 0);
    QCOMPARE(view.valueAxis()->max(), 179.0);

    // The smallest bar is drawn: its column holds green pixels just above the axis line.
    const QImage image = view.grab().toImage();
    const QRectF plot = view.chart()->plotArea();
    const int x = int(plot.left() + plot.width() / 6); // the middle of the first of three bars
    int green = 0;
    for (int y = int(plot.bottom()) - 12; y < int(plot.bottom()) - 2; ++y)
        green += QColor(image.pixel(x, y)).green() > 100 && QColor(image.pixel(x, y)).red() < 60;
    QVERIFY(green > 5);
}

void TestChartPage::chartShowsSeries()
{
    m_window->frequencyAction();
    auto* chart = m_window->findChild<BarChartView*>(QStringLiteral("Chart1"));
    QVERIFY(chart);
    QCOMPARE(chart->barSet()->count(), 50);
    QCOMPARE(chart->barSet()->at(1), 2.0); // number 2 drawn twice
    QCOMPARE(chart->axisTitle(), m_window->session().chart.title);
    QCOMPARE(chart->valueAxis()->max(), 2.0);
    QVERIFY(chart->barSet()->isBarSelected(1));  // 2 is prime: red
    QVERIFY(!chart->barSet()->isBarSelected(0)); // 1: green

    // The bars are drawn in the two colours.
    m_window->showPage(QStringLiteral("TabSheet5"));
    m_window->resize(900, 600);
    const QImage image = chart->grab().toImage();
    int red = 0, green = 0;
    for (int yy = 0; yy < image.height(); ++yy)
        for (int xx = 0; xx < image.width(); ++xx) {
            const QRgb p = image.pixel(xx, yy) & 0xFFFFFF;
            red += p == 0xFF0000;
            green += p == 0x008000;
        }
    QVERIFY(red > 20);
    QVERIFY(green > 20);

    click("SpeedButton1"); // pairs of 7 of 50: 49 bars in the series colour
    QCOMPARE(chart->barSet()->count(), 49);
    QVERIFY(chart->barSet()->selectedBars().isEmpty());

    m_window->session().chart = {}; // the searches clear the chart
    m_window->refresh();
    QCOMPARE(chart->barSet()->count(), 0);
}

void TestChartPage::errorKeepsChart()
{
    m_window->frequencyAction();
    const StatisticSeries before = m_window->session().chart;
    m_window->session().startDate = QDate(2020, 6, 1); // no draw after it
    m_window->prompts().nextAnswers.push_back(QStringLiteral("ok"));
    click("SpeedButton900");
    QCOMPARE(m_window->prompts().shown.size(), 1);
    QCOMPARE(m_window->session().chart, before);
    QCOMPARE(currentPage(), QStringLiteral("TabSheet1"));
}

void TestChartPage::startDatePicker()
{
    auto* picker = m_window->control<QDateEdit>(QStringLiteral("DateTimePicker2"));
    QVERIFY(picker);
    QCOMPARE(picker->date(), QDate(2020, 1, 1));
    QCOMPARE(picker->minimumDate(), QDate(2009, 9, 25));
    picker->setDate(QDate(2020, 1, 5));
    QCOMPARE(m_window->session().startDate, QDate(2020, 1, 5));
    m_window->frequencyAction();
    QCOMPARE(m_window->session().chart.bars[0].y, 0.0); // the draw of 03.01. is before the window
}

QTEST_MAIN(TestChartPage)
#include "TestChartPage.moc"

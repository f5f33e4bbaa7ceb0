#include "gui/ChartPage.h"

#include "draws/DrawDate.h"
#include "gui/BarChartView.h"
#include "gui/LottoZahlen.h"

#include <QAction>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The glyph of the frequency button: a few red and green bars.
QIcon frequencyGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const int heights[] = {9, 14, 6, 11};
    for (int i = 0; i < 4; ++i)
        p.fillRect(1 + i * 4, 16 - heights[i], 3, heights[i], i % 2 ? QColor(255, 0, 0) : QColor(0, 128, 0));
    return QIcon(pixmap);
}

} // namespace

ChartPage::ChartPage(LottoZahlen& window, QWidget* parent)
    : QWidget(parent)
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel7"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* tools = new QHBoxLayout(panel);
    tools->setContentsMargins(2, 2, 2, 2);
    tools->setSpacing(2);

    struct ButtonRow
    {
        const char* name;
        const char* caption;
        const char* hint;
    };
    const ButtonRow buttons[] = {
        {"SpeedButton200", "", "Verteilung der gezogenen Zahlen"},
        {"SpeedButton900", "QS", ""},
        {"SpeedButton1", "2er", ""},
        {"SpeedButton3", "3er", ""},
        {"SpeedButton2", "4er", ""},
        {"SpeedButton9", "Ausstehende", ""},
    };
    for (const auto& row : buttons) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QLatin1String(row.name));
        button->setText(QString::fromUtf8(row.caption));
        button->setToolTip(QString::fromUtf8(row.hint));
        button->setAutoRaise(true);
        if (!*row.caption)
            button->setIcon(frequencyGlyph());
        tools->addWidget(button);
    }
    tools->addStretch(1);

    auto* picker = new QDateEdit(panel);
    picker->setObjectName(QStringLiteral("DateTimePicker2"));
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    picker->setCalendarPopup(true);
    picker->setMinimumDate(DrawDate::earliestPickerDate());
    picker->setDate(window.session().startDate);
    tools->addWidget(picker);

    m_chart = new BarChartView(this);
    auto* saveImage = new QAction(QStringLiteral("Als Bild speichern…"), m_chart);
    saveImage->setObjectName(QStringLiteral("AlsBildspeichern1"));
    m_chart->addAction(saveImage);
    m_chart->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(m_chart, 1);

    connect(picker, &QDateEdit::dateChanged, this,
            [&window](const QDate& date) { window.session().setStartDate(date); });

    window.onRefresh([&window, picker, chart = m_chart] {
        const Session& s = window.session();
        if (picker->date() != s.startDate) {
            const QSignalBlocker block(picker);
            picker->setDate(s.startDate);
        }
        if (chart->shownSeries() != s.chart)
            chart->showSeries(s.chart);
    });
}

#include "gui/DatabasePage.h"

#include "draws/DrawDate.h"
#include "gui/LottoZahlen.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct ButtonSpec
{
    const char* name;
    const char* caption;
    const char* hint;
};

QPushButton* makeButton(QWidget* parent, const ButtonSpec& button)
{
    auto* b = new QPushButton(QString::fromUtf8(button.caption), parent);
    b->setObjectName(QLatin1String(button.name));
    b->setToolTip(QString::fromUtf8(button.hint));
    return b;
}

} // namespace

DatabasePage::DatabasePage(LottoZahlen& window, QWidget* parent)
    : QWidget(parent)
{
    Session& s = window.session();
    auto* layout = new QVBoxLayout(this);

    auto* drawBox = new QGroupBox(QStringLiteral("Ziehung"), this);
    drawBox->setObjectName(QStringLiteral("GroupBox1"));
    auto* drawGrid = new QGridLayout(drawBox);
    auto* picker = new QDateEdit(drawBox);
    picker->setObjectName(QStringLiteral("DateTimePicker1"));
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    picker->setCalendarPopup(true);
    picker->setMinimumDate(DrawDate::earliestPickerDate());
    picker->setDate(s.selectedDate);
    auto* lookup = new QToolButton(drawBox);
    lookup->setObjectName(QStringLiteral("SpeedButton5"));
    lookup->setText(QStringLiteral("Bewerten"));
    lookup->setToolTip(QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"));
    auto* drawLine = new QLabel(drawBox);
    drawLine->setObjectName(QStringLiteral("Label29"));
    drawLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    drawLine->setMinimumWidth(280);
    drawGrid->addWidget(picker, 0, 0);
    drawGrid->addWidget(lookup, 0, 1);
    drawGrid->addWidget(drawLine, 0, 2);
    drawGrid->setColumnStretch(2, 1);
    layout->addWidget(drawBox);

    auto* fileBox = new QGroupBox(QStringLiteral("Datenbank"), this);
    fileBox->setObjectName(QStringLiteral("GroupBox2"));
    auto* fileGrid = new QGridLayout(fileBox);
    fileGrid->addWidget(makeButton(fileBox, {"BitBtn1", "&Datenbank aktualisieren", ""}), 0, 0);
    auto* stop = new QToolButton(fileBox);
    stop->setObjectName(QStringLiteral("SpeedButton8"));
    stop->setText(QStringLiteral("Stopp"));
    stop->setToolTip(QStringLiteral("Stoppt das Einlesen"));
    stop->setVisible(false);
    fileGrid->addWidget(stop, 0, 1);
    fileGrid->addWidget(
        makeButton(fileBox, {"BitBtn2", "Datenbank neu anlegen",
                             "Beim neu anlegen der Datenbank, wird mit dem Einlesen bei dem "
                             "Eingestellten Datum begonnen. Ein Datum bis 1956 ist möglich."}),
        0, 2);
    fileGrid->addWidget(makeButton(fileBox, {"BitBtn8", "Eingeben", "manuelle eingaben der Ziehungsdaten."}),
                        0, 3);
    fileGrid->addWidget(
        makeButton(fileBox, {"BitBtn6", "Löschen", "Löschen der aktuell angezeigten Ziehung"}), 0, 4);
    // Made last so that the language files find the older buttons where they were; shown under BitBtn2,
    // as a sixth button in the row would widen the window beyond its designed size.
    fileGrid->addWidget(makeButton(fileBox, {"BitBtn20", "Ziehungen ergänzen",
                                             "Fügt die Ziehungen einer CSV-Datei an, die neuer sind als die "
                                             "neueste gespeicherte; die gespeicherten bleiben, wie sie sind."}),
                        1, 2);
    layout->addWidget(fileBox);

    auto* statBox = new QGroupBox(QStringLiteral("Statistik"), this);
    statBox->setObjectName(QStringLiteral("GroupBox3"));
    auto* statGrid = new QGridLayout(statBox);
    auto* heading = new QLabel(QStringLiteral("War eine Ziehung schon einmal ein 5er oder 6er?"), statBox);
    heading->setObjectName(QStringLiteral("Label5"));
    statGrid->addWidget(heading, 0, 0, 1, 4);
    const ButtonSpec statButtons[] = {
        {"Button2", "Paare suchen", "Erzeugen der Grafik für die Paarbildung der Zahlen"},
        {"Button3", "Dreier suchen", "Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen"},
        {"Button4", "Vierer suchen", "Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen"},
        {"Button5", "Ausstehende", "EErzeugt die Grafik für die Ausstehenden Zahlen"},
        {"Button9", "Primzahlen pro Tipp", ""},
        {"Button10", "Ungerade pro Tipp", ""},
        {"Button11", "Gerade pro Tipp", ""},
    };
    int i = 0;
    for (const auto& button : statButtons) {
        statGrid->addWidget(makeButton(statBox, button), 1 + i / 4, i % 4);
        ++i;
    }
    layout->addWidget(statBox);

    auto* historyBox = new QGroupBox(QStringLiteral("Historische Analyse"), this);
    historyBox->setObjectName(QStringLiteral("GroupBox4"));
    auto* historyLayout = new QVBoxLayout(historyBox);
    historyLayout->addWidget(
        makeButton(historyBox, {"BitBtn9",
                                "Historische Analyse der Parameter beginnenden mit oben "
                                "gewähltem Datum",
                                "Berechnung und Erfolg beginnend mit dem oben gewählten Datum"}));
    historyLayout->addWidget(makeButton(
        historyBox, {"BitBtn19", "Historische Analyse beginnend mit dem oben gewähltem Datum", ""}));
    auto* recompute =
        new QCheckBox(QStringLiteral("Neuberechnung  nur wenn ein 3er erzielt wurde"), historyBox);
    recompute->setObjectName(QStringLiteral("CheckBox31"));
    historyLayout->addWidget(recompute);
    layout->addWidget(historyBox);

    // "Main Draw only" is not shown, but it is stored and every scan honours it.
    auto* mainDrawOnly = new QCheckBox(QStringLiteral("Main Draw only"), this);
    mainDrawOnly->setObjectName(QStringLiteral("CheckBox16"));
    mainDrawOnly->setProperty("tag", 8);
    mainDrawOnly->setChecked(s.mainDrawOnly);
    mainDrawOnly->setVisible(false);
    connect(mainDrawOnly, &QCheckBox::toggled, this, [&s](bool on) { s.mainDrawOnly = on; });
    layout->addStretch(1);

    connect(picker, &QDateEdit::dateChanged, this, [&s](const QDate& d) { s.setSelectedDate(d); });
    window.onRefresh([&window, &s, picker, drawLine, mainDrawOnly] {
        if (picker->date() != s.selectedDate) {
            const QSignalBlocker block(picker);
            picker->setDate(s.selectedDate);
        }
        drawLine->setText(window.drawLine());
        if (mainDrawOnly->isChecked() != s.mainDrawOnly) {
            const QSignalBlocker block(mainDrawOnly);
            mainDrawOnly->setChecked(s.mainDrawOnly);
        }
    });
}

HiddenDrawPage::HiddenDrawPage(LottoZahlen& window, Kind kind, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QGridLayout(this);
    auto tool = [this](const char* name, const char* text) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setText(QString::fromUtf8(text));
        return b;
    };
    auto* group = new QGroupBox(this);
    auto* groupLayout = new QVBoxLayout(group);
    const char* items[] = {"wie oft", "ausstehend"};
    for (const char* item : items)
        groupLayout->addWidget(new QRadioButton(QString::fromUtf8(item), group));
    if (kind == Super6) {
        layout->addWidget(tool("SpeedButton30", "<"), 0, 0);
        layout->addWidget(tool("SpeedButton18", ">"), 0, 1);
        group->setObjectName(QStringLiteral("RadioGroup3"));
        auto* unused = new QCheckBox(this);
        unused->setObjectName(QStringLiteral("CheckBox32"));
        layout->addWidget(unused, 2, 0);
    } else {
        layout->addWidget(tool("SpeedButton19", "<"), 0, 0);
        layout->addWidget(tool("SpeedButton20", ">"), 0, 1);
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label79"));
        layout->addWidget(label, 0, 2);
        group->setObjectName(QStringLiteral("RadioGroup4"));
        // The ENCORE line stays as it was until a step brings digits again.
        Session& s = window.session();
        window.onRefresh([&s, label] {
            if (!s.encoreDigits.isEmpty())
                label->setText(DrawDate::shortDayLine(s.current.date) + QStringLiteral("  ") +
                               s.encoreDigits);
        });
    }
    layout->addWidget(group, 1, 0, 1, 3);
}

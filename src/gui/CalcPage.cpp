#include "gui/CalcPage.h"

#include "gui/LottoZahlen.h"
#include "gui/TipPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const GeneratorOptions::Field* numberField(const QString& name)
{
    const auto* f = GeneratorOptions::field(name);
    return f && f->kind == GeneratorOptions::Kind::Number ? f : nullptr;
}

QLabel* text(QWidget* parent, const QString& caption, bool bold = false)
{
    auto* label = new QLabel(caption, parent);
    label->setWordWrap(true);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

// The small buttons that show the statistic behind an option.
QToolButton* chartButton(QWidget* parent, const char* name, const QString& hint = {})
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(parent->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    b->setAutoRaise(true);
    b->setToolTip(hint);
    return b;
}

ClickableLabel* chartText(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new ClickableLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setCursor(Qt::PointingHandCursor);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    return label;
}

// One line of controls, left-aligned.
QHBoxLayout* line(QVBoxLayout* page, std::initializer_list<QWidget*> widgets, bool stretch = true)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (QWidget* w : widgets) {
        auto* label = qobject_cast<QLabel*>(w);
        const bool wraps = label && label->wordWrap(); // a wrapped text takes the room the line has
        row->addWidget(w, wraps ? 1 : 0);
        stretch = stretch && !wraps;
    }
    if (stretch)
        row->addStretch(1);
    page->addLayout(row);
    return row;
}

// A sub-page: its controls in a scroll area so that the page stays usable at the window's first size.
QVBoxLayout* scrolledPage(QWidget* tab, QWidget** content)
{
    auto* outer = new QVBoxLayout(tab);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(tab);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    *content = new QWidget(scroll);
    scroll->setWidget(*content);
    outer->addWidget(scroll);
    auto* layout = new QVBoxLayout(*content);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    return layout;
}

const QString kPercentHint =
    QStringLiteral("Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen");
const QString kDatabaseHint = QStringLiteral("Tipp vor noch keinen Xer aus der Datenbank entsprechen, "
                                             "beginnen mit dem Datum  aus deer Diagrammübersicht");
const QString kLastDrawsHint = QStringLiteral("Übereinstimmung mit Zahlen aus vorhergehender Ziehung");
const QString kHitsHint =
    QStringLiteral("Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen");
const QString kDrawsHint =
    QStringLiteral("Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen");

} // namespace

CalcPage::CalcPage(LottoZahlen& window, QWidget* parent)
    : QWidget(parent)
    , m_window(window)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl2"));
    layout->addWidget(m_pages);

    auto add = [this](QWidget* page, const char* name, const QString& caption) {
        page->setObjectName(QLatin1String(name));
        m_pages->addTab(page, caption);
    };
    add(buildStatistisch(), "TabSheet8", QStringLiteral("Statistisch"));
    add(buildOptimierung(), "TabSheet9", QStringLiteral("Schein Optimierung"));
    add(buildMathematisch(), "TabSheet7", QStringLiteral("Mathematisch"));
    add(buildSuperzahl(), "TabSheet2", QStringLiteral("Superzahl"));
    add(buildAllgemein(), "TabSheet10", QStringLiteral("Allgemein"));
    m_pages->setTabVisible(3, false);
    m_pages->setCurrentIndex(0);

    showSession();
    window.onRefresh([this] { showSession(); });
}

QCheckBox* CalcPage::check(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(hint);
    const QString key = QLatin1String(name);
    connect(box, &QCheckBox::toggled, this, [this, key](bool on) {
        if (!m_showing)
            m_window.session().options.set(key, on ? 1 : 0);
    });
    m_checks[key] = box;
    return box;
}

QSpinBox* CalcPage::number(QWidget* parent, const char* name, const QString& hint)
{
    const QString key = QLatin1String(name);
    const auto* field = numberField(key);
    Q_ASSERT(field);
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(key);
    spin->setRange(field->minimum, field->maximum);
    spin->setToolTip(hint);
    spin->setAlignment(Qt::AlignRight);
    spin->setFixedWidth(field->maximum >= 1000 ? 70 : field->maximum >= 100 ? 58 : 46);
    // The associated edit keeps its own name: settings and translations address it.
    if (auto* edit = spin->findChild<QLineEdit*>(); edit && *field->edit)
        edit->setObjectName(QLatin1String(field->edit));
    connect(spin, &QSpinBox::valueChanged, this, [this, key](int v) { numberChanged(key, v); });
    m_numbers[key] = spin;
    return spin;
}

void CalcPage::numberChanged(const QString& name, int value)
{
    if (m_showing)
        return;
    Session& s = m_window.session();
    s.options.set(name, value);
    applyCouplings();
}

// The lower bound of shared numbers never rises above the upper one, and the two parity minimums
// together never exceed the six numbers they count.
void CalcPage::applyCouplings()
{
    const int cells = 6;
    auto* upper = m_numbers.at(QStringLiteral("UpDown3"));
    auto* lower = m_numbers.at(QStringLiteral("UpDown9"));
    auto* even = m_numbers.at(QStringLiteral("UpDown15"));
    auto* odd = m_numbers.at(QStringLiteral("UpDown16"));
    lower->setMaximum(upper->value());
    upper->setMinimum(lower->value());
    even->setMaximum(cells - odd->value());
    odd->setMaximum(cells - even->value());
}

void CalcPage::showSession()
{
    const GeneratorOptions& p = m_window.session().options;
    m_showing = true;
    for (const auto& [name, box] : m_checks)
        box->setChecked(p.get(name).value_or(0) != 0);
    for (const auto& [name, spin] : m_numbers) {
        const auto* field = numberField(name);
        spin->setRange(field->minimum, field->maximum);
        spin->setValue(p.get(name).value_or(field->minimum));
    }
    for (int group = 1; group <= 2; ++group) {
        const QString name = QStringLiteral("RadioGroup%1").arg(group);
        if (auto* box = findChild<QGroupBox*>(name)) {
            const auto buttons = box->findChildren<QRadioButton*>();
            const int index = p.get(name).value_or(0);
            if (index >= 0 && index < buttons.size())
                buttons[index]->setChecked(true);
        }
    }
    if (auto* rules = m_gameRules->button(m_window.session().gameRules == GameRules::Classic ? 1 : 0))
        rules->setChecked(true);
    m_showing = false;
    applyCouplings(); // clamps stored values that break a coupling, and copies them back
}

QWidget* CalcPage::buildStatistisch()
{
    auto* tab = new QWidget;
    QWidget* c = nullptr;
    QVBoxLayout* page = scrolledPage(tab, &c);
    page->addWidget(text(c, QStringLiteral("Zahlen für die Tipps über Statistik bevorzugen"), true));
    page->addWidget(
        text(c, QStringLiteral("Unter \"Allgemein\" können Sie festlegen, dass nur diese Zahlen für die "
                               "Tippberechnung verwendet werden")));
    page->addWidget(
        text(c, QStringLiteral("Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% "
                               "vom Maximum)")));
    line(page, {check(c, "CheckBox2", QStringLiteral("Zahlen die besonders oft gezogen wurden bevorzugen"),
                      QStringLiteral("Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen")),
                number(c, "UpDown12", kPercentHint), new QLabel(QStringLiteral("%"), c),
                chartButton(c, "SpeedButton26", QStringLiteral("Verteilung der gezogenen Zahlen"))});
    line(page,
         {check(c, "CheckBox14", QStringLiteral("Zahlen die besonders selten gezogen wurden bevorzugen"),
                QStringLiteral("die ersten X% der am seltensten gezogenen Zahlen bevorzugen")),
          number(c, "UpDown14", kPercentHint), new QLabel(QStringLiteral("%"), c)});
    line(page, {check(c, "CheckBox10", QStringLiteral("Zahlen die am längsten überfällig sind"),
                      QStringLiteral("die ersten X% der am längsten überfälligen Zahlen bevorzugen")),
                number(c, "UpDown13", kPercentHint), new QLabel(QStringLiteral("%"), c),
                chartButton(c, "SpeedButton22",
                            QStringLiteral("EErzeugt die Grafik für die Ausstehenden Zahlen"))});
    struct Group
    {
        const char *frequent, *rare, *button, *caption, *hint;
    };
    const Group groups[] = {
        {"CheckBox1", "CheckBox11", "SpeedButton23", "Zahlen mit einer häufigen Paarebildung bevorzugen",
         "Erzeugen der Grafik für die Paarbildung der Zahlen"},
        {"CheckBox6", "CheckBox12", "SpeedButton24",
         "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen",
         "Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen"},
        {"CheckBox7", "CheckBox13", "SpeedButton25",
         "Zahlen mit einer häufigen Viergruppenbildung bevorzugen",
         "Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen"},
    };
    for (const Group& g : groups)
        line(page, {check(c, g.frequent, QString::fromUtf8(g.caption)),
                    check(c, g.rare, QStringLiteral("seltensten")),
                    chartButton(c, g.button, QString::fromUtf8(g.hint))});
    page->addWidget(
        text(c, QStringLiteral("Für höherer Quoten können verschiedene Zahlen  \"benachteiligt\" werden")));
    line(page, {check(c, "CheckBox19", QStringLiteral("benachbarte Zahlen der letzten Ziehung bevorzugen"))});
    line(page, {check(c, "CheckBox29",
                      QStringLiteral("vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) "))});
    line(page,
         {check(c, "CheckBox30",
                QStringLiteral(
                    "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten"))});
    page->addStretch(1);
    return tab;
}

QWidget* CalcPage::buildOptimierung()
{
    auto* tab = new QWidget;
    QWidget* c = nullptr;
    QVBoxLayout* page = scrolledPage(tab, &c);
    page->addWidget(text(c, QStringLiteral("Optimierung der einzelnen Tipps miteinander im Schein "), true));
    line(page, {check(c, "CheckBox3", QStringLiteral("maximale Übereinstimmungen mit anderen Tipps")),
                number(c, "UpDown3")});
    line(page, {check(c, "CheckBox24", QStringLiteral("minimale Übereinstimmungen mit anderen Tipps")),
                number(c, "UpDown9")});
    line(page, {check(c, "CheckBox27",
                      QStringLiteral("Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden"))});
    page->addWidget(
        text(c, QStringLiteral("Optimierung der einzelnen Tipps über die vergangenen Ziehungen"), true));
    line(page, {check(c, "CheckBox9", QStringLiteral("Tipp enspricht noch keiner Ziehung der Datenbank nit "),
                      kDatabaseHint),
                number(c, "UpDown6",
                       QStringLiteral(
                           "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden")),
                new QLabel(QStringLiteral("Richtigen"), c)});
    struct Recent
    {
        const char *box, *hits, *draws, *caption;
    };
    const Recent recent[] = {{"CheckBox34", "UpDown20", "UpDown21", "Tipp ergibt keine "},
                             {"CheckBox28", "UpDown17", "UpDown18", "Tipp ergibt keine"}};
    for (const Recent& r : recent)
        line(page, {check(c, r.box, QString::fromUtf8(r.caption), kDatabaseHint),
                    number(c, r.hits, kHitsHint), new QLabel(QStringLiteral("Richtigen in den letzten"), c),
                    number(c, r.draws, kDrawsHint), new QLabel(QStringLiteral("Ziehungen"), c)});
    const std::pair<const char*, const char*> lastDraws[] = {
        {"CheckBox4", "UpDown4"}, {"CheckBox5", "UpDown5"}, {"CheckBox23", "UpDown11"}};
    const char* captions[] = {"maximal zugelassene Anzahl von Zahlen der letzten Ziehung ",
                              "maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung ",
                              "maximal zugelassene Anzahl von Zahlen der vorvorletzten Ziehung "};
    for (int i = 0; i < 3; ++i)
        line(page, {check(c, lastDraws[i].first, QString::fromUtf8(captions[i]), kLastDrawsHint),
                    number(c, lastDraws[i].second)});
    auto* bonus =
        check(c, "CheckBox35", QStringLiteral("Zusatzzahl in die Berechnung der Richtigen mit einbeziehen "));
    bonus->setVisible(false);
    page->addWidget(bonus);
    page->addStretch(1);
    return tab;
}

QWidget* CalcPage::buildMathematisch()
{
    auto* tab = new QWidget;
    QWidget* c = nullptr;
    QVBoxLayout* page = scrolledPage(tab, &c);
    page->addWidget(
        text(c, QStringLiteral("Diese Bedingungen werden in jeder Tippreihe berücksichtigt"), true));
    page->addWidget(
        text(c, QStringLiteral("Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 oder "
                               "39-41-43-46-47-49")));
    page->addWidget(
        text(c, QStringLiteral("Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer größer 130. "
                               "(Datumstipper)")));
    line(page,
         {chartText(
              c, "Label88",
              QStringLiteral(
                  "Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  ")),
          chartButton(c, "SpeedButton17", QStringLiteral("QS"))});
    line(page, {new QLabel(QStringLiteral("Quersummen von"), c), number(c, "UpDown1"),
                new QLabel(QStringLiteral("bis"), c), number(c, "UpDown2"),
                new QLabel(QStringLiteral("im Tipp zulassen"), c)});
    line(page, {check(c, "CheckBox22", QStringLiteral("mindest Anzahl von Primzahlen in jedem Tipp")),
                number(c, "UpDown10"),
                chartButton(c, "SpeedButton29", QStringLiteral("Diagramm der Primzahlen pro Tipp"))});
    line(page, {check(c, "CheckBox25", QStringLiteral("mindest Anzahl von geraden Zahlen in jedem Tipp")),
                number(c, "UpDown15"),
                chartButton(c, "SpeedButton31", QStringLiteral("Diagramm der geraden Zahlen pro Tipp"))});
    line(page, {check(c, "CheckBox26", QStringLiteral("mindest Anzahl ungeraden Zahlen in jedem Tipp")),
                number(c, "UpDown16"),
                chartButton(c, "SpeedButton32", QStringLiteral("Diagramm der ungeraden Zahlen pro Tipp"))});
    line(page,
         {chartText(c, "Label89",
                    QStringLiteral(
                        "Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden.")),
          chartButton(c, "SpeedButton21",
                      QStringLiteral("Erzeugen der Grafik für die Paarbildung der Zahlen"))});
    line(page, {check(c, "CheckBox8", QStringLiteral("eine Paarbildung pro Tipp erzwingen"))});
    line(page,
         {chartText(c, "Label91", QStringLiteral("Dreier, ")),
          chartButton(c, "SpeedButton27",
                      QStringLiteral("Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen")),
          chartText(
              c, "Label90",
              QStringLiteral("Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können hier "
                             "ganz verhindert werden")),
          chartButton(c, "SpeedButton28",
                      QStringLiteral("Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen"))});
    line(page, {check(c, "CheckBox18", QStringLiteral("keine Dreier , Vierer... Paare"))});
    page->addStretch(1);
    return tab;
}

QWidget* CalcPage::buildSuperzahl()
{
    auto* tab = new QWidget;
    QWidget* c = nullptr;
    QVBoxLayout* page = scrolledPage(tab, &c);
    auto radioGroup = [&](const char* name, const QString& caption, const QStringList& items) {
        auto* box = new QGroupBox(caption, c);
        box->setObjectName(QLatin1String(name));
        auto* layout = new QVBoxLayout(box);
        auto* group = new QButtonGroup(box);
        for (int i = 0; i < items.size(); ++i) {
            auto* radio = new QRadioButton(items[i], box);
            group->addButton(radio, i);
            layout->addWidget(radio);
        }
        const QString key = QLatin1String(name);
        connect(group, &QButtonGroup::idToggled, this, [this, key](int id, bool on) {
            if (on && !m_showing)
                m_window.session().options.set(key, id);
        });
        page->addWidget(box);
    };
    radioGroup("RadioGroup1", QStringLiteral("Superzahl Option"),
               {QStringLiteral("einfach per Zufall bestimmen"),
                QStringLiteral("die am seltensten gezogen Superzahl verwenden"),
                QStringLiteral("die am längsten ausstehende Superzahl verwenden")});
    line(page, {check(c, "CheckBox33", QStringLiteral("Superzahlen der letzten Ziehungen nicht verwenden")),
                number(c, "UpDown19")});
    radioGroup("RadioGroup2", QStringLiteral("Super6 und Spiel77 Option"),
               {QStringLiteral("einfach per Zufall bestimmen"), QStringLiteral("Losnummer noch nie gezogen"),
                QStringLiteral("letzten 6 Stellen der Losnummer nie gezogen"),
                QStringLiteral("letzten 5 Stellen der Losnummer nie gezogen"),
                QStringLiteral("letzten 4 Stellen der Losnummer nie gezogen")});
    page->addStretch(1);
    return tab;
}

QWidget* CalcPage::buildAllgemein()
{
    auto* tab = new QWidget;
    QWidget* c = nullptr;
    QVBoxLayout* page = scrolledPage(tab, &c);
    page->addWidget(text(c, QStringLiteral("Allgemeine Berechnungsoptionen"), true));
    line(page, {check(c, "CheckBox15", QStringLiteral("für den Tipp nur bevorzugte Zahlen verwenden!"))});
    line(page,
         {check(c, "CheckBox20", QStringLiteral("Liste für Zahlenreihengenerierung anzeigen / bearbeiten"))});
    line(page, {new QLabel(QStringLiteral("Max. Berechnungsläufe"), c), number(c, "UpDown7"),
                new QLabel(QStringLiteral("Tausend"), c)});
    page->addWidget(
        text(c, QStringLiteral("Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren "
                               "Einstellungen nicht alle Reihen berechnet werden konnten. ")));

    // Which game the numbers and the draw rhythm follow.
    auto* rules = new QGroupBox(QStringLiteral("Spielregeln"), c);
    rules->setObjectName(QStringLiteral("RadioGroup5"));
    auto* rulesLayout = new QVBoxLayout(rules);
    m_gameRules = new QButtonGroup(rules);
    const QString items[] = {QStringLiteral("wie gespielt (nach Datum)"),
                             QStringLiteral("klassisch 7 aus 49, wöchentlich")};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(items[i], rules);
        m_gameRules->addButton(radio, i);
        rulesLayout->addWidget(radio);
    }
    connect(m_gameRules, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on && !m_showing) {
            m_window.session().gameRules = id == 1 ? GameRules::Classic : GameRules::AsPlayed;
            m_window.refresh();
        }
    });
    page->addWidget(rules);
    page->addStretch(1);
    return tab;
}

#include "gui/LoEingab.h"

#include "draws/DrawDate.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

namespace {

// A number field whose lowest value means "not filled in", so a blank draw shows empty fields.
QSpinBox* numberField(QWidget* parent, int index)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QStringLiteral("UpDown%1").arg(index));
    spin->setSpecialValueText(QStringLiteral("–"));
    spin->setRange(0, 49);
    spin->setAlignment(Qt::AlignRight);
    spin->setFixedWidth(52);
    if (auto* edit = spin->findChild<QLineEdit*>())
        edit->setObjectName(QStringLiteral("Edit%1").arg(index));
    return spin;
}

int digitValue(const QLineEdit* edit)
{
    return edit->text().trimmed().toInt();
}

} // namespace

LoEingab::LoEingab(std::function<Game(const QDate&)> gameOn, QWidget* parent)
    : QDialog(parent)
    , m_gameOn(std::move(gameOn))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Zahlen der Ziehung eingeben"));
    auto* grid = new QGridLayout(this);

    m_date = new QDateEdit(this);
    m_date->setObjectName(QStringLiteral("DateTimePicker1"));
    m_date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_date->setCalendarPopup(true);
    // The draw file holds nothing outside these days.
    m_date->setDateRange(DrawDate::earliestPickerDate(), QDate(2199, 12, 31));
    auto* dateLabel = new QLabel(QStringLiteral("Datum:"), this);
    dateLabel->setObjectName(QStringLiteral("Label1"));
    grid->addWidget(dateLabel, 0, 0);
    grid->addWidget(m_date, 0, 1);

    auto* numbersLabel = new QLabel(QStringLiteral("Zahlen:"), this);
    numbersLabel->setObjectName(QStringLiteral("Label2"));
    auto* numbers = new QHBoxLayout;
    for (int i = 0; i < Game::NumbersPerDraw; ++i) {
        m_numbers[std::size_t(i)] = numberField(this, i + 1);
        numbers->addWidget(m_numbers[std::size_t(i)]);
    }
    numbers->addStretch(1);
    grid->addWidget(numbersLabel, 1, 0);
    grid->addLayout(numbers, 1, 1);

    auto* bonusLabel = new QLabel(QStringLiteral("Bonus:"), this);
    bonusLabel->setObjectName(QStringLiteral("Label3"));
    bonusLabel->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    m_bonus = numberField(this, 8);
    m_withoutBonus = new QCheckBox(QStringLiteral("MAXMILLIONS (ohne Bonus)"), this);
    m_withoutBonus->setObjectName(QStringLiteral("CheckBox1"));
    connect(m_withoutBonus, &QCheckBox::toggled, m_bonus, &QWidget::setDisabled);
    auto* bonus = new QHBoxLayout;
    bonus->addWidget(m_bonus);
    bonus->addWidget(m_withoutBonus);
    bonus->addStretch(1);
    grid->addWidget(bonusLabel, 2, 0);
    grid->addLayout(bonus, 2, 1);

    // The digit games have no field of their own to type into; their values pass through unseen.
    auto* encoreLabel = new QLabel(QStringLiteral("Spiel 77:"), this);
    encoreLabel->setObjectName(QStringLiteral("Label4"));
    auto* super6Label = new QLabel(QStringLiteral("Super 6:"), this);
    super6Label->setObjectName(QStringLiteral("Label5"));
    auto* digits = new QHBoxLayout;
    digits->addWidget(encoreLabel);
    for (std::size_t i = 0; i < m_encore.size(); ++i) {
        m_encore[i] = new QLineEdit(QStringLiteral("1"), this);
        m_encore[i]->setObjectName(QStringLiteral("S77_%1").arg(i + 1));
        digits->addWidget(m_encore[i]);
    }
    digits->addWidget(super6Label);
    for (std::size_t i = 0; i < m_super6.size(); ++i) {
        m_super6[i] = new QLineEdit(QStringLiteral("1"), this);
        m_super6[i]->setObjectName(QStringLiteral("SS_%1").arg(i + 1));
        digits->addWidget(m_super6[i]);
    }
    grid->addLayout(digits, 3, 0, 1, 2);
    for (int i = 0; i < digits->count(); ++i)
        if (QWidget* w = digits->itemAt(i)->widget())
            w->setVisible(false);

    auto* abort = new QPushButton(QStringLiteral("&Abbrechen"), this);
    abort->setObjectName(QStringLiteral("BitBtn1"));
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn2"));
    ok->setDefault(true);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(abort);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(m_date, &QDateEdit::dateChanged, this, &LoEingab::followGame);
    followGame();
}

void LoEingab::followGame()
{
    const Game game = m_gameOn ? m_gameOn(m_date->date()) : Game::classic();
    for (QSpinBox* spin : m_numbers)
        spin->setMaximum(game.highestNumber);
    m_bonus->setMaximum(game.highestNumber);
}

void LoEingab::setValue(const DrawEntryValue& v)
{
    m_date->setDate(v.date);
    followGame();
    for (std::size_t i = 0; i < m_numbers.size(); ++i)
        m_numbers[i]->setValue(v.numbers[i]);
    m_bonus->setValue(v.bonus);
    // A stored draw without bonus is one on purpose; a blank draw has no numbers yet.
    const bool filled = std::any_of(v.numbers.begin(), v.numbers.end(), [](int n) { return n != 0; });
    m_withoutBonus->setChecked(filled && v.bonus == 0);
    for (std::size_t i = 0; i < m_encore.size(); ++i)
        m_encore[i]->setText(QString::number(v.encore[i]));
    for (std::size_t i = 0; i < m_super6.size(); ++i)
        m_super6[i]->setText(QString::number(v.super6[i]));
}

DrawEntryValue LoEingab::value() const
{
    DrawEntryValue v;
    v.date = m_date->date();
    for (std::size_t i = 0; i < m_numbers.size(); ++i)
        v.numbers[i] = m_numbers[i]->value();
    v.bonus = m_withoutBonus->isChecked() ? 0 : m_bonus->value();
    for (std::size_t i = 0; i < m_encore.size(); ++i)
        v.encore[i] = digitValue(m_encore[i]);
    for (std::size_t i = 0; i < m_super6.size(); ++i)
        v.super6[i] = digitValue(m_super6[i]);
    return v;
}

void LoEingab::accept()
{
    // Typed text becomes the field's value only when the field is left; OK counts as leaving it.
    for (QSpinBox* spin : m_numbers)
        spin->interpretText();
    m_bonus->interpretText();
    QString problem;
    if (!m_withoutBonus->isChecked() && m_bonus->value() == 0)
        problem = QStringLiteral("Bitte die Bonuszahl eingeben oder \"MAXMILLIONS (ohne Bonus)\" ankreuzen.");
    else if (check)
        problem = check(value());
    if (!problem.isEmpty()) {
        if (complain)
            complain(problem);
        return;
    }
    QDialog::accept();
}

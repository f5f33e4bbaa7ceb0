#pragma once

#include "draws/DrawEntry.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;

// TForm3: entry of one draw by hand, made afresh for every entry. Seven number fields and the bonus
// field take the range of the game on the entered date; "MAXMILLIONS (ohne Bonus)" stores a draw
// without bonus number on purpose. The ENCORE and Super 6 digits travel in hidden fields.
class LoEingab : public QDialog
{
    Q_OBJECT
public:
    explicit LoEingab(std::function<Game(const QDate&)> gameOn, QWidget* parent = nullptr);

    void setValue(const DrawEntryValue& value);
    DrawEntryValue value() const;

    // Why the typed draw cannot be stored (empty when it can), and how the user is told; OK keeps the
    // dialog open until the draw can be stored.
    std::function<QString(const DrawEntryValue&)> check;
    std::function<void(const QString&)> complain;

    void accept() override;

private:
    void followGame();

    std::function<Game(const QDate&)> m_gameOn;
    QDateEdit* m_date = nullptr;
    std::array<QSpinBox*, Game::NumbersPerDraw> m_numbers{};
    QSpinBox* m_bonus = nullptr;
    QCheckBox* m_withoutBonus = nullptr;
    std::array<QLineEdit*, 7> m_encore{};
    std::array<QLineEdit*, 6> m_super6{};
};

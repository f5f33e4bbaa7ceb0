#pragma once

#include <QWidget>

class LottoZahlen;

// "Datenbank": the selected draw date with its draw line, the changes of the draw file, the group and
// composition statistics and the historic analyses. Operations attach to the controls by name.
class DatabasePage : public QWidget
{
    Q_OBJECT
public:
    explicit DatabasePage(LottoZahlen& window, QWidget* parent = nullptr);
};

// The pages "Super6" and "ENCORE": never shown, kept because their controls carry names that the
// navigation and the settings use.
class HiddenDrawPage : public QWidget
{
    Q_OBJECT
public:
    enum Kind
    {
        Super6,
        Encore
    };
    HiddenDrawPage(LottoZahlen& window, Kind kind, QWidget* parent = nullptr);
};

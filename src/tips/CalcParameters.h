#pragma once

#include <QString>

#include <optional>
#include <span>

// The generator's options, each named after the control that shows it. The window copies its controls
// into this value; the generator reads it at the moment it applies a rule.
struct CalcParameters
{
    // "Statistisch"
    bool CheckBox2 = false;  int UpDown12 = 30;
    bool CheckBox14 = true;  int UpDown14 = 20;
    bool CheckBox10 = true;  int UpDown13 = 30;
    bool CheckBox1 = false;  bool CheckBox11 = false;
    bool CheckBox6 = false;  bool CheckBox12 = false;
    bool CheckBox7 = false;  bool CheckBox13 = false;
    bool CheckBox19 = false; bool CheckBox29 = false; bool CheckBox30 = false;
    // "Schein Optimierung"
    bool CheckBox3 = true;   int UpDown3 = 2;
    bool CheckBox24 = true;  int UpDown9 = 0;
    bool CheckBox27 = true;
    bool CheckBox9 = true;   int UpDown6 = 5;
    bool CheckBox34 = true;  int UpDown20 = 4; int UpDown21 = 100;
    bool CheckBox28 = true;  int UpDown17 = 3; int UpDown18 = 10;
    bool CheckBox4 = true;   int UpDown4 = 0;
    bool CheckBox5 = true;   int UpDown5 = 1;
    bool CheckBox23 = true;  int UpDown11 = 2;
    bool CheckBox35 = false;
    // "Mathematisch"
    int UpDown1 = 50;        int UpDown2 = 250;
    bool CheckBox22 = false; int UpDown10 = 2;
    bool CheckBox25 = false; int UpDown15 = 2;
    bool CheckBox26 = false; int UpDown16 = 2;
    bool CheckBox8 = false;  bool CheckBox18 = true;
    // "Allgemein"
    bool CheckBox15 = false; bool CheckBox20 = false; int UpDown7 = 50;
    // "Superzahl" (hidden page; kept and stored, read by no computation)
    bool CheckBox33 = false; int UpDown19 = 1;
    int RadioGroup1 = 0;     int RadioGroup2 = 3;

    bool operator==(const CalcParameters&) const = default;

    struct CheckField
    {
        const char* name;
        bool CalcParameters::*member;
    };
    struct NumberField
    {
        const char* name;
        int CalcParameters::*member;
        int minimum;
        int maximum;
        const char* edit; // the edit field that shows the number
    };
    static std::span<const CheckField> checkFields();
    static std::span<const NumberField> numberFields();

    // Generic access by control name (check boxes as 0/1, radio groups as the item index). set() clamps
    // a number into its range and returns false only for an unknown name.
    bool set(const QString& name, int value);
    std::optional<int> get(const QString& name) const;
};

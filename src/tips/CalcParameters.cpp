#include "tips/CalcParameters.h"

#include <algorithm>
#include <array>

namespace {
using P = CalcParameters;

constexpr std::array<P::CheckField, 30> kChecks{{
    {"CheckBox1", &P::CheckBox1},   {"CheckBox2", &P::CheckBox2},   {"CheckBox3", &P::CheckBox3},
    {"CheckBox4", &P::CheckBox4},   {"CheckBox5", &P::CheckBox5},   {"CheckBox6", &P::CheckBox6},
    {"CheckBox7", &P::CheckBox7},   {"CheckBox8", &P::CheckBox8},   {"CheckBox9", &P::CheckBox9},
    {"CheckBox10", &P::CheckBox10}, {"CheckBox11", &P::CheckBox11}, {"CheckBox12", &P::CheckBox12},
    {"CheckBox13", &P::CheckBox13}, {"CheckBox14", &P::CheckBox14}, {"CheckBox15", &P::CheckBox15},
    {"CheckBox18", &P::CheckBox18}, {"CheckBox19", &P::CheckBox19}, {"CheckBox20", &P::CheckBox20},
    {"CheckBox22", &P::CheckBox22}, {"CheckBox23", &P::CheckBox23}, {"CheckBox24", &P::CheckBox24},
    {"CheckBox25", &P::CheckBox25}, {"CheckBox26", &P::CheckBox26}, {"CheckBox27", &P::CheckBox27},
    {"CheckBox28", &P::CheckBox28}, {"CheckBox29", &P::CheckBox29}, {"CheckBox30", &P::CheckBox30},
    {"CheckBox33", &P::CheckBox33}, {"CheckBox34", &P::CheckBox34}, {"CheckBox35", &P::CheckBox35},
}};

constexpr std::array<P::NumberField, 22> kNumbers{{
    {"UpDown1", &P::UpDown1, 21, 279, "Edit37"},     {"UpDown2", &P::UpDown2, 21, 279, "Edit38"},
    {"UpDown3", &P::UpDown3, 0, 5, "Edit39"},        {"UpDown4", &P::UpDown4, 0, 5, "Edit40"},
    {"UpDown5", &P::UpDown5, 0, 5, "Edit41"},        {"UpDown6", &P::UpDown6, 4, 6, "Edit36"},
    {"UpDown7", &P::UpDown7, 1, 30000, "Edit155"},   {"UpDown9", &P::UpDown9, 0, 5, "Edit88"},
    {"UpDown10", &P::UpDown10, 0, 6, "Edit83"},      {"UpDown11", &P::UpDown11, 0, 5, "Edit84"},
    {"UpDown12", &P::UpDown12, 5, 75, "Edit85"},     {"UpDown13", &P::UpDown13, 5, 75, "Edit86"},
    {"UpDown14", &P::UpDown14, 5, 75, "Edit87"},     {"UpDown15", &P::UpDown15, 0, 6, "Edit89"},
    {"UpDown16", &P::UpDown16, 0, 6, "Edit90"},      {"UpDown17", &P::UpDown17, 2, 6, "Edit91"},
    {"UpDown18", &P::UpDown18, 4, 500, "Edit92"},    {"UpDown19", &P::UpDown19, 1, 8, "Edit93"},
    {"UpDown20", &P::UpDown20, 2, 6, "Edit194"},     {"UpDown21", &P::UpDown21, 4, 500, "Edit195"},
    {"RadioGroup1", &P::RadioGroup1, 0, 2, ""},      {"RadioGroup2", &P::RadioGroup2, 0, 4, ""},
}};
} // namespace

std::span<const CalcParameters::CheckField> CalcParameters::checkFields()
{
    return kChecks;
}

std::span<const CalcParameters::NumberField> CalcParameters::numberFields()
{
    return kNumbers;
}

bool CalcParameters::set(const QString& name, int value)
{
    for (const auto& f : kChecks)
        if (name == QLatin1String(f.name)) {
            this->*f.member = value != 0;
            return true;
        }
    for (const auto& f : kNumbers)
        if (name == QLatin1String(f.name)) {
            this->*f.member = std::clamp(value, f.minimum, f.maximum);
            return true;
        }
    return false;
}

std::optional<int> CalcParameters::get(const QString& name) const
{
    for (const auto& f : kChecks)
        if (name == QLatin1String(f.name))
            return this->*f.member ? 1 : 0;
    for (const auto& f : kNumbers)
        if (name == QLatin1String(f.name))
            return this->*f.member;
    return std::nullopt;
}

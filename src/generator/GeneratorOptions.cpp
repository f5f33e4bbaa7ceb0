#include "generator/GeneratorOptions.h"

#include <algorithm>
#include <array>

namespace {
using O = GeneratorOptions;
using K = GeneratorOptions::Kind;

// Stored check boxes keep the old misspelt value names "ChekcboxN"; up-downs are stored by their name.
#define FLAG(key, control, number, member)                                                                   \
    O::Field                                                                                                 \
    {                                                                                                        \
        key, control, K::Flag, 0, 1, "", "Chekcbox" #number, +[](O& o) { return &o.member; }, nullptr        \
    }
#define NUMBER(key, control, lo, hi, edit, member)                                                           \
    O::Field                                                                                                 \
    {                                                                                                        \
        key, control, K::Number, lo, hi, edit, control, nullptr, +[](O& o) { return &o.member; }             \
    }
#define CHOICE(key, control, hi, member)                                                                     \
    O::Field                                                                                                 \
    {                                                                                                        \
        key, control, K::Choice, 0, hi, "", "", nullptr, +[](O& o) { return &o.member; }                     \
    }

// clang-format off
const std::array kFields{
    // Statistics that fill the pool
    FLAG("preferFrequent.on", "CheckBox2", 2, preferFrequent.on),
    NUMBER("preferFrequent.percent", "UpDown12", 5, 75, "Edit85", preferFrequent.percent),
    FLAG("preferRare.on", "CheckBox14", 14, preferRare.on),
    NUMBER("preferRare.percent", "UpDown14", 5, 75, "Edit87", preferRare.percent),
    FLAG("preferOverdue.on", "CheckBox10", 10, preferOverdue.on),
    NUMBER("preferOverdue.percent", "UpDown13", 5, 75, "Edit86", preferOverdue.percent),
    FLAG("pairs.frequent", "CheckBox1", 1, pairs.frequent),
    FLAG("pairs.rare", "CheckBox11", 11, pairs.rare),
    FLAG("triples.frequent", "CheckBox6", 6, triples.frequent),
    FLAG("triples.rare", "CheckBox12", 12, triples.rare),
    FLAG("quads.frequent", "CheckBox7", 7, quads.frequent),
    FLAG("quads.rare", "CheckBox13", 13, quads.rare),
    FLAG("preferNeighboursOfLastDraw", "CheckBox19", 19, preferNeighboursOfLastDraw),
    FLAG("avoidMonthNumbers", "CheckBox29", 29, avoidMonthNumbers),
    FLAG("weakenDateNumbers", "CheckBox30", 30, weakenDateNumbers),
    // The tips of one sheet among each other
    FLAG("overlapWithSheet.maxOn", "CheckBox3", 3, overlapWithSheet.maxOn),
    NUMBER("overlapWithSheet.max", "UpDown3", 0, 5, "Edit39", overlapWithSheet.max),
    FLAG("overlapWithSheet.minOn", "CheckBox24", 24, overlapWithSheet.minOn),
    NUMBER("overlapWithSheet.min", "UpDown9", 0, 5, "Edit88", overlapWithSheet.min),
    FLAG("overlapWithSheet.everyPair", "CheckBox27", 27, overlapWithSheet.everyPair),
    // The tips against past draws
    FLAG("notInDatabase.on", "CheckBox9", 9, notInDatabase.on),
    NUMBER("notInDatabase.hits", "UpDown6", 4, 6, "Edit36", notInDatabase.hits),
    FLAG("lastDrawsShort.on", "CheckBox28", 28, lastDrawsShort.on),
    NUMBER("lastDrawsShort.hits", "UpDown17", 2, 6, "Edit91", lastDrawsShort.hits),
    NUMBER("lastDrawsShort.draws", "UpDown18", 4, 500, "Edit92", lastDrawsShort.draws),
    FLAG("lastDrawsLong.on", "CheckBox34", 34, lastDrawsLong.on),
    NUMBER("lastDrawsLong.hits", "UpDown20", 2, 6, "Edit194", lastDrawsLong.hits),
    NUMBER("lastDrawsLong.draws", "UpDown21", 4, 500, "Edit195", lastDrawsLong.draws),
    FLAG("sharedWithLastDraw.on", "CheckBox4", 4, sharedWithDraw[0].on),
    NUMBER("sharedWithLastDraw.max", "UpDown4", 0, 5, "Edit40", sharedWithDraw[0].max),
    FLAG("sharedWithSecondLastDraw.on", "CheckBox5", 5, sharedWithDraw[1].on),
    NUMBER("sharedWithSecondLastDraw.max", "UpDown5", 0, 5, "Edit41", sharedWithDraw[1].max),
    FLAG("sharedWithThirdLastDraw.on", "CheckBox23", 23, sharedWithDraw[2].on),
    NUMBER("sharedWithThirdLastDraw.max", "UpDown11", 0, 5, "Edit84", sharedWithDraw[2].max),
    FLAG("bonusCountsAsHit", "CheckBox35", 35, bonusCountsAsHit),
    // Each tip on its own
    NUMBER("crossSum.min", "UpDown1", 21, 279, "Edit37", crossSum.min),
    NUMBER("crossSum.max", "UpDown2", 21, 279, "Edit38", crossSum.max),
    FLAG("minPrimes.on", "CheckBox22", 22, minPrimes.on),
    NUMBER("minPrimes.min", "UpDown10", 0, 6, "Edit83", minPrimes.min),
    FLAG("minEven.on", "CheckBox25", 25, minEven.on),
    NUMBER("minEven.min", "UpDown15", 0, 6, "Edit89", minEven.min),
    FLAG("minOdd.on", "CheckBox26", 26, minOdd.on),
    NUMBER("minOdd.min", "UpDown16", 0, 6, "Edit90", minOdd.min),
    FLAG("forcePair", "CheckBox8", 8, forcePair),
    FLAG("noRunsOfThree", "CheckBox18", 18, noRunsOfThree),
    // The run
    FLAG("onlyPreferredNumbers", "CheckBox15", 15, onlyPreferredNumbers),
    FLAG("reviewPool", "CheckBox20", 20, reviewPool),
    NUMBER("budgetThousands", "UpDown7", 1, 30000, "Edit155", budgetThousands),
    // The hidden bonus-number page
    FLAG("bonusNumber.avoidRecent", "CheckBox33", 33, bonusNumber.avoidRecent),
    NUMBER("bonusNumber.recentDraws", "UpDown19", 1, 8, "Edit93", bonusNumber.recentDraws),
    CHOICE("bonusNumber.choice", "RadioGroup1", 2, bonusNumber.choice),
    CHOICE("bonusNumber.ticketChoice", "RadioGroup2", 4, bonusNumber.ticketChoice),
};
// clang-format on
#undef FLAG
#undef NUMBER
#undef CHOICE
} // namespace

int GeneratorOptions::Field::defaultValue() const
{
    return GeneratorOptions{}.get(*this);
}

std::span<const GeneratorOptions::Field> GeneratorOptions::fields()
{
    return kFields;
}

const GeneratorOptions::Field* GeneratorOptions::field(const QString& name)
{
    for (const Field& f : kFields)
        if (name == QLatin1String(f.key) || name == QLatin1String(f.control))
            return &f;
    return nullptr;
}

int GeneratorOptions::get(const Field& f) const
{
    auto& self = const_cast<GeneratorOptions&>(*this); // the accessors serve both directions
    return f.flag ? (*f.flag(self) ? 1 : 0) : *f.number(self);
}

void GeneratorOptions::set(const Field& f, int value)
{
    if (f.flag)
        *f.flag(*this) = value != 0;
    else
        *f.number(*this) = std::clamp(value, f.minimum, f.maximum);
}

bool GeneratorOptions::set(const QString& name, int value)
{
    const Field* f = field(name);
    if (!f)
        return false;
    set(*f, value);
    return true;
}

std::optional<int> GeneratorOptions::get(const QString& name) const
{
    const Field* f = field(name);
    return f ? std::optional<int>(get(*f)) : std::nullopt;
}

#include "tips/LuckyNumber.h"

#include "app/Session.h"

namespace LuckyNumber {

QString propose(Session& s)
{
    return QString::number(s.random.random(99999));
}

QString caption(const Session& s)
{
    return s.messages.text(30) + QStringLiteral(" (1-99999999)?");
}

QString prompt(const Session& s)
{
    return s.messages.text(31);
}

std::optional<std::int32_t> parse(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return std::int32_t(value);
}

bool ask(Session& s, const std::function<QString(const QString&, const QString&, const QString&)>& input,
         const std::function<void(const QString&)>& error)
{
    const QString preset = propose(s);
    const auto seed = parse(input(caption(s), prompt(s), preset));
    if (!seed) {
        error(s.messages.text(34));
        return false;
    }
    s.random.seed = *seed;
    return true;
}

} // namespace LuckyNumber

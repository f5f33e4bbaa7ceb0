#include "generator/LuckyNumber.h"

namespace LuckyNumber {

QString propose(RandomSource& random)
{
    return QString::number(random.random(99999));
}

QString caption(const MessageTable& messages)
{
    return messages.text(Msg::LuckyNumber) + QStringLiteral(" (1-99999999)?");
}

QString prompt(const MessageTable& messages)
{
    return messages.text(Msg::LuckyNumberPrompt);
}

std::optional<std::int32_t> parse(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return std::int32_t(value);
}

bool ask(RandomSource& random, const MessageTable& messages,
         const std::function<QString(const QString&, const QString&, const QString&)>& input,
         const std::function<void(const QString&)>& error)
{
    const QString preset = propose(random);
    const auto seed = parse(input(caption(messages), prompt(messages), preset));
    if (!seed) {
        error(messages.text(Msg::LuckyNumberError));
        return false;
    }
    random.seed = *seed;
    return true;
}

} // namespace LuckyNumber

#pragma once

#include "language/MessageTable.h"
#include "tips/RandomSource.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// The user seeds the random source with a lucky number, so that the next run can
// be repeated. The range shown in the caption is a suggestion, not a check.
namespace LuckyNumber {

// The proposal is Random(99999) as text; drawing it advances the random source once.
QString propose(RandomSource& random);
QString caption(const MessageTable& messages); // the question and " (1-99999999)?"
QString prompt(const MessageTable& messages);
// A 32-bit whole number (sign allowed, surrounding blanks ignored); nothing otherwise.
std::optional<std::int32_t> parse(const QString& text);

// The whole action: ask (the input box returns the preset when cancelled), then seed, or show the error
// and leave the seed as it is. Returns whether the seed was set.
bool ask(
    RandomSource& random, const MessageTable& messages,
    const std::function<QString(const QString& caption, const QString& prompt, const QString& preset)>& input,
    const std::function<void(const QString&)>& error);

} // namespace LuckyNumber

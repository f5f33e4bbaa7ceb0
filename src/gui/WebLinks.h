#pragma once

#include <QString>

// Every web address the program shows or opens, in one place.
namespace WebLinks {
inline const QString ProductSite = QStringLiteral("https://www.numerant.example/");
inline const QString ProductPage = QStringLiteral("https://www.numerant.example/Korvex.htm");
inline const QString OperatorResults = QStringLiteral("https://www.lottery-operator.example/winning-numbers");
inline const QString MakerSite = QStringLiteral("https://www.torvane.example/");
inline const QString OtherProduct1 = QStringLiteral("https://www.torvane.example/lotto649.htm");
inline const QString OtherProduct2 = QStringLiteral("https://www.torvane.example/keno.htm");
inline const QString LotteryInfo = QStringLiteral("https://www.lottery-info.example/");
} // namespace WebLinks

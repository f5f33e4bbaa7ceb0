#pragma once

#include "draws/Game.h"

#include <QByteArray>

#include <array>
#include <cstdint>

// One draw as stored in the draw file: 32 bytes, little-endian, no header.
struct DrawRecord
{
    static constexpr int Size = 32;

    double datum = 0;                                  // days since 30.12.1899, whole days
    std::array<std::uint8_t, Game::NumbersPerDraw> zahlen{};
    std::uint8_t bonus = 0;                            // 0: not a main draw
    std::array<std::uint8_t, 7> spiel77{};             // ENCORE digits 0..9
    std::array<std::uint8_t, 6> super6{};

    bool isMainDraw() const { return bonus != 0; }
    int crossSum() const
    {
        int sum = 0;
        for (auto n : zahlen)
            sum += n;
        return sum;
    }

    // Exactly 32 bytes; the padding is written as zeros.
    QByteArray toBytes() const;
    void writeTo(char* out) const;
    static DrawRecord fromBytes(const char* bytes);

    bool operator==(const DrawRecord&) const = default;
};

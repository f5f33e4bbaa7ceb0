#include "draws/DrawRecord.h"

#include <QtEndian>

#include <cstring>

void DrawRecord::writeTo(char* out) const
{
    std::memset(out, 0, Size);
    quint64 bits = 0;
    std::memcpy(&bits, &datum, sizeof bits);
    qToLittleEndian(bits, out);
    std::memcpy(out + 8, zahlen.data(), 7);
    out[15] = char(bonus);
    std::memcpy(out + 16, spiel77.data(), 7);
    std::memcpy(out + 23, super6.data(), 6);
}

QByteArray DrawRecord::toBytes() const
{
    QByteArray bytes(Size, '\0');
    writeTo(bytes.data());
    return bytes;
}

DrawRecord DrawRecord::fromBytes(const char* bytes)
{
    DrawRecord r;
    const quint64 bits = qFromLittleEndian<quint64>(bytes);
    std::memcpy(&r.datum, &bits, sizeof bits);
    std::memcpy(r.zahlen.data(), bytes + 8, 7);
    r.bonus = std::uint8_t(bytes[15]);
    std::memcpy(r.spiel77.data(), bytes + 16, 7);
    std::memcpy(r.super6.data(), bytes + 23, 6);
    return r;
}

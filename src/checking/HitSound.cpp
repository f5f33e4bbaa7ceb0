#include "checking/HitSound.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <cmath>
#include <numbers>

namespace HitSound {

namespace {

void putLe32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putLe16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

} // namespace

QByteArray chirpWave()
{
    constexpr int Rate = 22050;
    constexpr double Seconds = 0.45;
    constexpr double FromHz = 520;
    constexpr double ToHz = 1760;
    const int samples = int(Rate * Seconds);

    QByteArray pcm;
    pcm.reserve(samples * 2);
    double phase = 0;
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / samples;
        // Two quick rising notes: the pitch climbs, and a dip in the middle splits the sweep.
        const double hz = FromHz + (ToHz - FromHz) * t * t;
        phase += 2 * std::numbers::pi * hz / Rate;
        const double envelope = std::min(1.0, 20 * t) * std::pow(1 - t, 0.6) *
                                (0.6 + 0.4 * std::abs(std::cos(2 * std::numbers::pi * t)));
        const double value = 0.55 * envelope * (std::sin(phase) + 0.25 * std::sin(2 * phase));
        putLe16(pcm, quint16(qint16(std::lround(std::clamp(value, -1.0, 1.0) * 32767))));
    }

    QByteArray out;
    out += "RIFF";
    putLe32(out, quint32(36 + pcm.size()));
    out += "WAVEfmt ";
    putLe32(out, 16);
    putLe16(out, 1); // PCM
    putLe16(out, 1); // mono
    putLe32(out, Rate);
    putLe32(out, Rate * 2); // bytes per second
    putLe16(out, 2);        // block align
    putLe16(out, 16);       // bits per sample
    out += "data";
    putLe32(out, quint32(pcm.size()));
    out += pcm;
    return out;
}

bool ensureFile(const QString& path)
{
    if (QFileInfo::exists(path))
        return true;
    const QByteArray bytes = chirpWave();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace HitSound

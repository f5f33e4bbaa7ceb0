#include "tips/ValueList.h"

#include "draws/Error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace {

FileError fileError(const QString& what, const QString& path, const QString& detail)
{
    return FileError{QStringLiteral("%1: %2\n(%3)").arg(what, QDir::toNativeSeparators(path), detail)};
}

} // namespace

ValueList ValueList::fromCounts(const std::array<int, Game::MaxHighestNumber + 1>& counts, int highestNumber)
{
    ValueList list;
    list.highestNumber = highestNumber;
    for (int n = 1; n <= highestNumber; ++n)
        list.entries[std::size_t(n)] = {counts[std::size_t(n)] > 0, QString::number(counts[std::size_t(n)])};
    return list;
}

int ValueList::weightOf(int number) const
{
    return entries[number].weight.trimmed().toInt();
}

void ValueList::applyClick(int number, bool minus)
{
    Entry& e = entries[number];
    bool ok = false;
    int w = e.weight.trimmed().toInt(&ok);
    if (e.checked) {
        w = (ok ? w : 0) + (minus ? -1 : 1);
        ok = true;
        e.weight = QString::number(w);
    }
    if (!ok || w < 0)
        e.weight = QStringLiteral("0");
    if (e.weight == QLatin1String("0"))
        e.checked = false;
}

QString ValueList::statusLine(int number) const
{
    return QStringLiteral("Die Zahl ") + QString::number(number) +
           QStringLiteral(" geht mit der Gewichtung ") + entries[number].weight +
           QStringLiteral(" in die Berechnung ein");
}

QByteArray ValueList::toFileBytes()
{
    QByteArray bytes;
    for (int n = 1; n <= highestNumber; ++n) {
        Entry& e = entries[n];
        if (e.checked && e.weight.isEmpty())
            e.weight = QStringLiteral("1");
        if (e.checked)
            bytes += e.weight.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

void ValueList::fromFileBytes(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (int n = 1; n <= highestNumber; ++n) {
        QByteArray line = n - 1 < lines.size() ? lines[n - 1] : QByteArray();
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            entries[n] = {false, QStringLiteral("1")};
        else
            entries[n] = {true, QString::fromLatin1(line)};
    }
}

void ValueList::save(const QString& path)
{
    const QByteArray bytes = toFileBytes();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw fileError(QStringLiteral("Die Werteliste kann nicht geschrieben werden"), path,
                        file.errorString());
}

void ValueList::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw fileError(QStringLiteral("Die Werteliste kann nicht gelesen werden"), path, file.errorString());
    fromFileBytes(file.readAll());
}

RandomTipAnimation::Press RandomTipAnimation::press()
{
    if (!m_running) {
        m_running = true;
        m_tippreihe = {};
        m_losgeht = 1;
        return Press::Started;
    }
    if (m_losgeht < maxTipp) {
        ++m_losgeht;
        return Press::Kept;
    }
    stop();
    return Press::Stopped;
}

void RandomTipAnimation::stop()
{
    m_running = false;
    m_losgeht = 1;
}

std::array<bool, Game::MaxHighestNumber + 1> RandomTipAnimation::tick(RandomSource& random)
{
    std::array<bool, Game::MaxHighestNumber + 1> checked{};
    const int last = std::clamp(maxTipp, 1, Capacity - 1);
    for (int i = 1; i < m_losgeht; ++i)
        checked[m_tippreihe[i]] = true;
    for (int i = m_losgeht; i <= last; ++i) {
        int b = 0;
        do
            b = int(random.random(std::uint32_t(highestNumber))) + 1;
        while (checked[b]);
        m_tippreihe[i] = b;
        checked[b] = true;
    }
    return checked;
}

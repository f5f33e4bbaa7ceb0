#include "session/SettingsStore.h"

#include "draws/DrawDate.h"
#include "draws/Error.h"
#include "draws/WriteFaults.h"
#include "session/Session.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace {

const char* typeName(SettingsStore::Type type)
{
    switch (type) {
    case SettingsStore::Type::Integer:
        return "integer";
    case SettingsStore::Type::Text:
        return "text";
    case SettingsStore::Type::Binary:
        return "binary";
    case SettingsStore::Type::Unreadable:
        break;
    }
    return "unreadable";
}

bool isHex(const QString& text)
{
    if (text.size() % 2 != 0)
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return std::isxdigit(c.unicode()) != 0 && c.unicode() < 128; });
}

SettingsStore::Value valueFromJson(const QJsonValue& json)
{
    SettingsStore::Value v;
    const QJsonObject o = json.toObject();
    const QString type = o.value(QLatin1String("type")).toString();
    const QJsonValue data = o.value(QLatin1String("value"));
    if (type == QLatin1String("integer") && data.isDouble()) {
        const double d = data.toDouble();
        if (d == std::floor(d) && d >= -2147483648.0 && d <= 2147483647.0) {
            v.type = SettingsStore::Type::Integer;
            v.integer = qint32(d);
        }
    } else if (type == QLatin1String("text") && data.isString()) {
        v.type = SettingsStore::Type::Text;
        v.text = data.toString();
    } else if (type == QLatin1String("binary") && data.isString() && isHex(data.toString())) {
        v.type = SettingsStore::Type::Binary;
        v.bytes = QByteArray::fromHex(data.toString().toLatin1());
    }
    return v;
}

#ifdef Q_OS_WIN
QString registryPath()
{
    return QStringLiteral("HKEY_CURRENT_USER") + QLatin1String(SettingsStore::KeyPath);
}
#endif

} // namespace

SettingsStore::SettingsStore(const QString& filePath, Mode mode)
    : m_path(filePath)
    , m_mode(mode)
{
    QFile file(filePath);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    file.close();
    if (auto values = parse(bytes)) {
        m_values = std::move(*values);
        return;
    }
    if (mode == Mode::ReadOnly)
        return;
    // Keep the damaged file for the user instead of overwriting it on the next close.
    const QString aside = filePath + QStringLiteral(".corrupt-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (QFile::rename(filePath, aside))
        m_keptAside = aside;
    else
        m_mode = Mode::ReadOnly;
}

SettingsStore SettingsStore::openDefault(Mode mode)
{
#ifdef Q_OS_WIN
    SettingsStore store;
    store.m_registry = true;
    store.m_mode = mode;
    QSettings registry(registryPath(), QSettings::NativeFormat);
    for (const QString& name : registry.childKeys()) {
        const QVariant v = registry.value(name);
        Value value;
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
            value.type = Type::Integer;
            value.integer = qint32(v.toUInt());
            break;
        case QMetaType::QString:
            value.type = Type::Text;
            value.text = v.toString();
            break;
        case QMetaType::QByteArray:
            value.type = Type::Binary;
            value.bytes = v.toByteArray();
            break;
        default:
            break;
        }
        store.m_values.insert(name, value);
    }
    return store;
#else
    return SettingsStore(defaultFilePath(), mode);
#endif
}

QString SettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Torvane/Korvex.json");
}

const SettingsStore::Value& SettingsStore::typed(const QString& name, Type type) const
{
    const auto it = m_values.constFind(name);
    if (it == m_values.constEnd())
        throw ReadError{QStringLiteral("no value ") + name};
    if (it->type != type)
        throw ReadError{QStringLiteral("value ") + name + QStringLiteral(" is not of type ") +
                        QLatin1String(typeName(type))};
    return *it;
}

bool SettingsStore::readBool(const QString& name) const
{
    return typed(name, Type::Integer).integer != 0;
}

qint32 SettingsStore::readInteger(const QString& name) const
{
    return typed(name, Type::Integer).integer;
}

QString SettingsStore::readText(const QString& name) const
{
    return typed(name, Type::Text).text;
}

double SettingsStore::readDate(const QString& name) const
{
    const QByteArray& bytes = typed(name, Type::Binary).bytes;
    if (bytes.size() != int(sizeof(double)))
        throw ReadError{QStringLiteral("value ") + name + QStringLiteral(" is not a date")};
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData());
    double days = 0;
    std::memcpy(&days, &bits, sizeof days);
    // Days outside what a date can be (NaN, infinities, far beyond the calendar) are not a date.
    if (!std::isfinite(days) || std::abs(days) > 3.0e6)
        throw ReadError{QStringLiteral("value ") + name + QStringLiteral(" is not a date")};
    return days;
}

void SettingsStore::writeBool(const QString& name, bool value)
{
    writeInteger(name, value ? 1 : 0);
}

void SettingsStore::writeInteger(const QString& name, qint32 value)
{
    Value v;
    v.type = Type::Integer;
    v.integer = value;
    m_values.insert(name, v);
}

void SettingsStore::writeText(const QString& name, const QString& value)
{
    Value v;
    v.type = Type::Text;
    v.text = value;
    m_values.insert(name, v);
}

void SettingsStore::writeDate(const QString& name, double days)
{
    quint64 bits = 0;
    std::memcpy(&bits, &days, sizeof days);
    Value v;
    v.type = Type::Binary;
    v.bytes.resize(sizeof bits);
    qToLittleEndian(bits, v.bytes.data());
    m_values.insert(name, v);
}

void SettingsStore::writeValue(const QString& name, const Value& value)
{
    m_values.insert(name, value);
}

void SettingsStore::commit()
{
    if (m_mode == Mode::ReadOnly)
        return;
#ifdef Q_OS_WIN
    if (m_registry) {
        QSettings registry(registryPath(), QSettings::NativeFormat);
        for (auto it = m_values.cbegin(); it != m_values.cend(); ++it) {
            if (it->type == Type::Integer)
                registry.setValue(it.key(), int(it->integer));
            else if (it->type == Type::Text)
                registry.setValue(it.key(), it->text);
            else if (it->type == Type::Binary)
                registry.setValue(it.key(), it->bytes);
        }
        registry.sync();
        if (registry.status() != QSettings::NoError)
            throw FileError{QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.")};
        return;
    }
#endif
    if (m_path.isEmpty())
        return;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    const auto failure = [this](const QString& detail) {
        return FileError{detail + QStringLiteral(": ") + m_path};
    };
    const QString injected = QString::fromLocal8Bit(WriteFaults::failureText());
    if (WriteFaults::stepFails())
        throw failure(injected);
    if (!file.open(QIODevice::WriteOnly))
        throw failure(file.errorString());
    const QByteArray bytes = serialize(m_values);
    if (WriteFaults::stepFails())
        throw failure(injected);
    if (file.write(bytes) != bytes.size())
        throw failure(file.errorString());
    if (WriteFaults::stepFails())
        throw failure(injected);
    if (!file.commit())
        throw failure(file.errorString());
    WriteFaults::stepFails(); // after the rename: only a kill is of interest here
}

QByteArray SettingsStore::serialize(const QMap<QString, Value>& values)
{
    QJsonObject all;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        QJsonObject entry;
        switch (it->type) {
        case Type::Integer:
            entry.insert(QLatin1String("value"), it->integer);
            break;
        case Type::Text:
            entry.insert(QLatin1String("value"), it->text);
            break;
        case Type::Binary:
            entry.insert(QLatin1String("value"), QString::fromLatin1(it->bytes.toHex()));
            break;
        case Type::Unreadable:
            continue; // nothing that could be read back
        }
        entry.insert(QLatin1String("type"), QLatin1String(typeName(it->type)));
        all.insert(it.key(), entry);
    }
    QJsonObject root;
    root.insert(QLatin1String("key"), QLatin1String(KeyPath));
    root.insert(QLatin1String("values"), all);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<QMap<QString, SettingsStore::Value>> SettingsStore::parse(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonValue values = doc.object().value(QLatin1String("values"));
    if (!values.isObject())
        return std::nullopt;
    QMap<QString, Value> result;
    const QJsonObject o = values.toObject();
    for (auto it = o.constBegin(); it != o.constEnd(); ++it)
        result.insert(it.key(), valueFromJson(it.value()));
    return result;
}

namespace StoredSettings {

namespace {

QString checkName(int number)
{
    return QStringLiteral("Chekcbox%1").arg(number);
}

QString checkBoxName(int number)
{
    return QStringLiteral("CheckBox%1").arg(number);
}

// Edit number -> (row, cell) of the tip sheet, or nothing for another edit.
std::optional<std::pair<int, int>> tipCell(int edit)
{
    for (int row = 0; row < TipSheet::Rows; ++row) {
        const int first = TipSheet::FirstEdit[row];
        if (edit >= first && edit < first + TipSheet::Cells)
            return std::pair{row, edit - first};
    }
    return std::nullopt;
}

const QString GameRulesKey = QStringLiteral("Spielregeln");
const QString UpdateServerKey = QStringLiteral("UpdateServerEdit");
constexpr int TipCountUpDown = 8;
constexpr int UpDownCount = 21;
constexpr int Edit36UpDown = 6; // Edit36 is the edit of UpDown6

// Collects the stored values that were not taken as stored, for one notice to the user.
class Notes
{
public:
    // The value cut or clamped to what the program can show.
    template <typename T> T adjusted(const QString& name, const T& stored, const T& taken)
    {
        if (taken != stored)
            m_names << name;
        return taken;
    }
    QString cut(const QString& name, const QString& text, qsizetype length)
    {
        return adjusted(name, text, text.left(length));
    }
    int clamped(const QString& name, int value, int low, int high)
    {
        return adjusted(name, value, std::clamp(value, low, high));
    }
    // The value that stopped its group: it and the rest of the group keep their defaults.
    void reset(const QString& name) { m_names << name; }
    QStringList names() const { return m_names; }

private:
    QStringList m_names;
};

} // namespace

const QList<int>& checkBoxNumbers()
{
    static const QList<int> numbers = [] {
        QList<int> n;
        for (int i = 1; i <= 35; ++i)
            if (i != 17 && i != 21)
                n << i;
        return n;
    }();
    return numbers;
}

const QStringList& editNames()
{
    static const QStringList names = [] {
        QStringList n;
        for (auto [from, to] : {std::pair{1, 36}, {42, 55}, {57, 77}, {94, 107}})
            for (int i = from; i <= to; ++i)
                n << QStringLiteral("Edit%1").arg(i);
        return n;
    }();
    return names;
}

QStringList restoreGroup1(const SettingsStore& store, Session& session, const WindowState& window)
{
    Notes notes;
    QString reading; // the value being read, named when it cannot be
    try {
        for (int n : checkBoxNumbers()) {
            if (!store.exists(checkName(n)))
                continue;
            reading = checkName(n);
            const bool checked = store.readBool(checkName(n));
            if (n == 16)
                session.mainDrawOnly = checked;
            else if (!session.options.set(checkBoxName(n), checked ? 1 : 0) && window.setCheckBox)
                window.setCheckBox(n, checked);
        }
        // Switches: anything but 0 and 1 is no state the window can show.
        for (auto [name, field] : {std::pair{QStringLiteral("Spiel77Ja"), &session.compareTicket},
                                   std::pair{QStringLiteral("Super6Ja"), &session.compareSuper6}}) {
            if (!store.exists(name))
                continue;
            reading = name;
            *field = notes.clamped(name, store.readInteger(name), 0, 1);
        }
        for (auto [name, set] : {std::pair{QStringLiteral("height"), window.setHeight},
                                 std::pair{QStringLiteral("width"), window.setWidth}}) {
            if (!store.exists(name))
                continue;
            reading = name;
            const int stored = store.readInteger(name);
            if (set)
                notes.adjusted(name, stored, set(stored));
        }
    } catch (const SettingsStore::ReadError&) {
        // the rest of the group keeps its defaults
        notes.reset(reading);
    }
    return notes.names();
}

QStringList restoreGroup2(const SettingsStore& store, Session& session)
{
    Notes notes;
    QString reading;
    try {
        reading = QStringLiteral("Sprache");
        if (store.exists(reading))
            session.language = store.readInteger(reading); // a number of no language loads none
        for (int n = 1; n <= UpDownCount; ++n) {
            const QString name = QStringLiteral("UpDown%1").arg(n);
            if (!store.exists(name))
                continue;
            reading = name;
            const int v = store.readInteger(name);
            if (n == TipCountUpDown) {
                session.sheet.tipCount = notes.clamped(name, v, 1, TipSheet::Rows);
            } else if (session.options.set(name, v)) {
                notes.adjusted(name, v, *session.options.get(name));
            }
        }
        for (const QString& name : editNames()) {
            if (!store.exists(name))
                continue;
            reading = name;
            const QString text = notes.cut(name, store.readText(name), MaxEditText);
            const int edit = name.mid(4).toInt();
            if (auto cell = tipCell(edit)) {
                session.sheet.cells[cell->first][cell->second] =
                    TipSheet::cellValue(text, session.widestGame());
            } else {
                bool ok = false;
                const int v = text.trimmed().toInt(&ok);
                if (ok)
                    session.options.set(QStringLiteral("UpDown%1").arg(Edit36UpDown), v);
            }
        }
    } catch (const SettingsStore::ReadError&) {
        notes.reset(reading);
    }
    return notes.names();
}

QStringList restoreTicketNumber(const SettingsStore& store, Session& session)
{
    Notes notes;
    const QString name = QStringLiteral("Losnummer");
    try {
        if (store.exists(name))
            session.ticketNumber = notes.cut(name, store.readText(name), MaxTicketNumber);
    } catch (const SettingsStore::ReadError&) {
        // start-up goes on with no ticket number
        notes.reset(name);
    }
    return notes.names();
}

QStringList restoreProxyAndStartDate(const SettingsStore& store, Session& session)
{
    Notes notes;
    QString reading;
    try {
        reading = QStringLiteral("ProxyHostEdit");
        if (store.exists(reading))
            session.proxyHost = notes.cut(reading, store.readText(reading), MaxProxyHost);
        reading = QStringLiteral("ProxyPortEdit");
        if (store.exists(reading))
            session.proxyPort = notes.cut(reading, store.readText(reading), MaxProxyPort);
    } catch (const SettingsStore::ReadError&) {
        notes.reset(reading);
    }
    try {
        if (store.exists(UpdateServerKey))
            session.updateServer = store.readText(UpdateServerKey);
    } catch (const SettingsStore::ReadError&) {
    }
    try {
        if (store.exists(QStringLiteral("DateTimePicker2"))) {
            // The picker accepts nothing before its earliest date.
            const QDate date = DrawDate::toQDate(store.readDate(QStringLiteral("DateTimePicker2")));
            session.startDate = std::max(date, DrawDate::earliestPickerDate());
        }
    } catch (const SettingsStore::ReadError&) {
        session.startDate = DrawDate::earliestPickerDate();
        notes.reset(QStringLiteral("DateTimePicker2"));
    }
    return notes.names();
}

void restoreGameRules(const SettingsStore& store, Session& session)
{
    try {
        if (store.exists(GameRulesKey)) {
            const int rules = store.readInteger(GameRulesKey);
            if (rules == 0 || rules == 1)
                session.gameRules = rules == 0 ? GameRules::AsPlayed : GameRules::Classic;
        }
    } catch (const SettingsStore::ReadError&) {
        // the default stays
    }
}

QStringList restoreAll(const SettingsStore& store, Session& session)
{
    QStringList notes = restoreGroup1(store, session);
    notes += restoreGroup2(store, session);
    restoreGameRules(store, session);
    notes += restoreTicketNumber(store, session);
    notes += restoreProxyAndStartDate(store, session);
    session.applyStartUpRules();
    return notes;
}

void save(SettingsStore& store, const Session& session, const WindowState& window)
{
    store.writeText(QStringLiteral("Losnummer"), session.ticketNumber);
    for (int n : checkBoxNumbers()) {
        std::optional<bool> checked;
        if (n == 16)
            checked = session.mainDrawOnly;
        else if (auto v = session.options.get(checkBoxName(n)))
            checked = *v != 0;
        else if (window.checkBox)
            checked = window.checkBox(n);
        if (checked)
            store.writeBool(checkName(n), *checked);
    }
    if (window.normalSize) {
        store.writeInteger(QStringLiteral("height"), window.normalSize->height());
        store.writeInteger(QStringLiteral("width"), window.normalSize->width());
    }
    store.writeInteger(QStringLiteral("Sprache"), session.language);
    store.writeInteger(GameRulesKey, session.gameRules == GameRules::Classic ? 1 : 0);
    for (int n = 1; n <= UpDownCount; ++n) {
        const QString name = QStringLiteral("UpDown%1").arg(n);
        store.writeInteger(name, n == TipCountUpDown ? session.sheet.tipCount
                                                     : session.options.get(name).value_or(0));
    }
    for (const QString& name : editNames()) {
        const int edit = name.mid(4).toInt();
        if (auto cell = tipCell(edit))
            store.writeText(name, TipSheet::cellText(session.sheet.cells[cell->first][cell->second]));
        else
            store.writeText(name, QString::number(session.options.notInDatabase.hits));
    }
    store.writeText(QStringLiteral("ProxyHostEdit"), session.proxyHost);
    store.writeText(QStringLiteral("ProxyPortEdit"), session.proxyPort);
    store.writeText(UpdateServerKey, session.updateServer);
    store.writeDate(QStringLiteral("DateTimePicker2"), DrawDate::fromQDate(session.startDate));
    store.writeInteger(QStringLiteral("Spiel77Ja"), session.compareTicket);
    store.writeInteger(QStringLiteral("Super6Ja"), session.compareSuper6);
    store.commit();
}

} // namespace StoredSettings

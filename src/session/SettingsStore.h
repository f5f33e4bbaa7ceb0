#pragma once

#include "draws/Error.h"

#include <QByteArray>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Session;

// The per-user store of named, typed values under the key "\SOFTWARE\Torvane\Korvex". A value is a
// 32-bit integer (booleans are integers, non-zero reads as true), a text, or raw bytes (dates are the
// eight bytes of a double counting days since 30.12.1899). Reading a value as another type throws
// ReadError, which callers treat as "cannot be read".
//
// On Windows the values live in the registry under the current user. Elsewhere they live in one file
// in the user's configuration folder that keeps each value's type. The file is loaded whole when the
// store is opened and replaced atomically by commit(): a crash or a full disk leaves the previous file
// intact. A file that cannot be parsed is moved aside (name + ".corrupt-<time>") and the store starts
// empty, so the program starts with its designed defaults.
class SettingsStore
{
public:
    static constexpr const char* KeyPath = "\\SOFTWARE\\Torvane\\Korvex";

    enum class Type
    {
        Integer,
        Text,
        Binary,
        Unreadable
    };
    struct Value
    {
        Type type = Type::Unreadable;
        qint32 integer = 0;
        QString text;
        QByteArray bytes;
        bool operator==(const Value&) const = default;
    };
    struct ReadError : Error
    {
        using Error::Error;
    };
    enum class Mode
    {
        ReadWrite,
        ReadOnly
    };

    // An empty store that lives in memory only (commit() does nothing).
    SettingsStore() = default;
    // A store backed by the file at filePath; ReadOnly never writes or moves the file.
    explicit SettingsStore(const QString& filePath, Mode mode = Mode::ReadWrite);
    // The current user's store: the registry on Windows, defaultFilePath() elsewhere.
    static SettingsStore openDefault(Mode mode = Mode::ReadWrite);
    // <configuration folder>/Torvane/Korvex.json; XDG_CONFIG_HOME moves it (tests use that).
    static QString defaultFilePath();

    bool exists(const QString& name) const { return m_values.contains(name); }
    bool isEmpty() const { return m_values.isEmpty(); }
    bool readBool(const QString& name) const;
    qint32 readInteger(const QString& name) const;
    QString readText(const QString& name) const;
    double readDate(const QString& name) const;
    Value value(const QString& name) const { return m_values.value(name); }

    void writeBool(const QString& name, bool value);
    void writeInteger(const QString& name, qint32 value);
    void writeText(const QString& name, const QString& value);
    void writeDate(const QString& name, double days);
    void writeValue(const QString& name, const Value& value);

    // Writes every value to the backing store at once; throws FileError on failure, leaving the previous
    // store untouched. Does nothing for a read-only or in-memory store.
    void commit();

    // Where an unparsable file was moved at opening; empty when none was.
    const QString& keptAsidePath() const { return m_keptAside; }
    const QString& filePath() const { return m_path; }

    // The file's content for a set of values, and back; parse() returns nothing for an unparsable file.
    static QByteArray serialize(const QMap<QString, Value>& values);
    static std::optional<QMap<QString, Value>> parse(const QByteArray& bytes);

private:
    const Value& typed(const QString& name, Type type) const;

    QMap<QString, Value> m_values;
    QString m_path;
    bool m_registry = false;
    Mode m_mode = Mode::ReadWrite;
    QString m_keptAside;
};

// What the store holds of the session: the restore steps of start-up and the saving on close. The
// parts of the window state that no session field holds come through WindowState.
namespace StoredSettings {

struct WindowState
{
    // Check boxes that the session does not hold (e.g. 31, 32), by number; empty when absent.
    std::function<std::optional<bool>(int number)> checkBox;
    std::function<void(int number, bool checked)> setCheckBox;
    // Each returns the size it took, which the window keeps within the screen.
    std::function<int(int height)> setHeight;
    std::function<int(int width)> setWidth;
    // The size to store; nothing while the window is maximised or minimised.
    std::optional<QSize> normalSize;
};

// The stored check box numbers and edit names, in saving order.
const QList<int>& checkBoxNumbers();
const QStringList& editNames();

// The longest texts taken from the store; a longer stored text is cut.
inline constexpr qsizetype MaxTicketNumber = 40;
inline constexpr qsizetype MaxProxyHost = 255; // a host name's limit
inline constexpr qsizetype MaxProxyPort = 5;
inline constexpr qsizetype MaxEditText = 16;

// Each restore step reads only existing values. The groups stop at the first value that cannot be read;
// the proxy pair shares one guard; an unreadable start date becomes the earliest picker date. Numbers
// are clamped to the ranges their controls show and texts cut to the lengths above. Each step returns
// the names of the values it could not take as stored (unreadable, clamped or cut), for one notice.
QStringList restoreGroup1(const SettingsStore& store, Session& session, const WindowState& window = {});
QStringList restoreGroup2(const SettingsStore& store, Session& session);
QStringList restoreTicketNumber(const SettingsStore& store, Session& session); // unreadable: skipped
// "Spielregeln": 0 as played, 1 classic; anything else keeps the default.
void restoreGameRules(const SettingsStore& store, Session& session);
QStringList restoreProxyAndStartDate(const SettingsStore& store, Session& session);
// Every step in start-up order, with start-up's rule for a start date within the last seven days.
QStringList restoreAll(const SettingsStore& store, Session& session);

void save(SettingsStore& store, const Session& session, const WindowState& window = {});

} // namespace StoredSettings

#pragma once

#include "draws/Error.h"
#include "session/Session.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

// numerant-cli: each command lives in its own file and registers itself with a static RegisterCommand.
// A command returns its exit code; it throws UsageError for wrong usage (exit 2) and FileError or
// CommandError for failures (exit 1). Output goes to stdout only after the work succeeded.
namespace Cli {

struct UsageError : Error
{
    using Error::Error;
};
struct CommandError : Error
{
    using Error::Error;
};

// The arguments of one command; take* removes what it returns, finish() rejects leftovers.
class Args
{
public:
    explicit Args(QStringList args);
    std::optional<QString> value(const QString& option); // --option VALUE (last one wins)
    QStringList values(const QString& option);           // every --option VALUE, in order
    bool flag(const QString& option);                    // --option
    std::optional<QString> positional();                 // next argument not starting with --
    void finish() const;
    std::optional<QDate> date(const QString& option); // dd.mm.yyyy, UsageError when malformed
    std::optional<int> integer(const QString& option);

private:
    QStringList m_args;
};

struct Context
{
    QString home; // ends with '/'
    Args args;
    std::optional<GameRules> gameRules; // --game: the game rules for this command only
    std::optional<QStringList> messages; // --language: the message table of that language
    Session makeSession() const; // home set, today from the clock, stored settings applied when present
};

// Whether a command writes into the home folder; only such a command creates a missing one.
enum class HomeUse
{
    ReadOnly,
    Writes
};

struct Command
{
    QString name;
    QString usage; // one or more lines shown by --help
    std::function<int(Context&)> run;
    HomeUse home = HomeUse::ReadOnly;
};

const std::vector<Command>& commands();

struct RegisterCommand
{
    RegisterCommand(const char* name, const char* usage, std::function<int(Context&)> run,
                    HomeUse home = HomeUse::ReadOnly);
};

// Output to stdout; a failed write throws CommandError, and main flushes and checks once more at exit.
void printJson(const QJsonValue& value);
void printLine(const QString& line);
// Writes every byte (NULs included) or throws CommandError.
void writeAll(FILE* to, const QByteArray& bytes);
QString outputErrorMessage(FILE* to);

// Whether the command line asks for a picture (stat --png/--svg): drawing text needs a QGuiApplication,
// which then runs on the offscreen platform, as nothing is shown.
bool drawsPictures(const QStringList& arguments);

// Every --set KEY=VALUE, by option key or control name; UsageError for an unknown one.
void applyOptionArgs(Args& args, Session& session);

// Parses "n1,n2,...,n7" into a sheet row; UsageError when malformed or when a number appears twice.
TipSheet::Row parseTip(const QString& text, const Game& game);

// The tips a command works on: every --tip n1,...,n7 fills the next row from row 1; --tip-file F
// loads a tip file; with neither, the session keeps the tips it was made with (the stored sheet).
void applyTipArgs(Args& args, Session& session);

} // namespace Cli

#include "cli/Cli.h"

#include "draws/DrawDate.h"
#include "session/SettingsStore.h"
#include "tipfiles/TipFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Cli {

namespace {
std::vector<Command>& registry()
{
    static std::vector<Command> all;
    return all;
}
} // namespace

Args::Args(QStringList args)
    : m_args(std::move(args))
{
}

std::optional<QString> Args::value(const QString& option)
{
    std::optional<QString> result;
    for (qsizetype i = 0; i < m_args.size();) {
        if (m_args[i] == option) {
            if (i + 1 >= m_args.size())
                throw UsageError{option + QStringLiteral(" needs a value")};
            result = m_args[i + 1];
            m_args.remove(i, 2);
        } else {
            ++i;
        }
    }
    return result;
}

QStringList Args::values(const QString& option)
{
    QStringList result;
    for (qsizetype i = 0; i < m_args.size();) {
        if (m_args[i] == option) {
            if (i + 1 >= m_args.size())
                throw UsageError{option + QStringLiteral(" needs a value")};
            result << m_args[i + 1];
            m_args.remove(i, 2);
        } else {
            ++i;
        }
    }
    return result;
}

bool Args::flag(const QString& option)
{
    return m_args.removeAll(option) > 0;
}

std::optional<QString> Args::positional()
{
    for (qsizetype i = 0; i < m_args.size(); ++i)
        if (!m_args[i].startsWith(QLatin1String("--")))
            return m_args.takeAt(i);
    return std::nullopt;
}

void Args::finish() const
{
    if (!m_args.isEmpty())
        throw UsageError{QStringLiteral("unexpected argument: ") + m_args.first()};
}

std::optional<QDate> Args::date(const QString& option)
{
    const auto text = value(option);
    if (!text)
        return std::nullopt;
    const QDate d = DrawDate::parse(*text);
    if (!d.isValid())
        throw UsageError{option + QStringLiteral(": not a date dd.mm.yyyy: ") + *text};
    return d;
}

std::optional<int> Args::integer(const QString& option)
{
    const auto text = value(option);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int v = text->toInt(&ok);
    if (!ok)
        throw UsageError{option + QStringLiteral(": not a whole number: ") + *text};
    return v;
}

Session Context::makeSession() const
{
    Session s(home);
    // What the window showed when it was last closed; the command line never writes the store.
    StoredSettings::restoreAll(SettingsStore::openDefault(SettingsStore::Mode::ReadOnly), s);
    if (gameRules)
        s.gameRules = *gameRules;
    if (messages)
        s.messages.replaceAll(*messages);
    s.drawsRead = [path = s.drawFile().path()](int skipped) {
        static bool warned = false;
        if (skipped == 0 || warned)
            return;
        warned = true;
        const QByteArray text =
            QStringLiteral("numerant-cli: warning: %1 record(s) of %2 skipped: their date "
                           "is not a draw date from %3 to 31.12.2199\n")
                .arg(skipped)
                .arg(path, DrawDate::format(DrawDate::earliestPickerDate()))
                .toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    };
    return s;
}

const std::vector<Command>& commands()
{
    return registry();
}

RegisterCommand::RegisterCommand(const char* name, const char* usage, std::function<int(Context&)> run,
                                 HomeUse home)
{
    registry().push_back({QString::fromUtf8(name), QString::fromUtf8(usage), std::move(run), home});
}

void printJson(const QJsonValue& value)
{
    QByteArray bytes;
    if (value.isObject())
        bytes = QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    else if (value.isArray())
        bytes = QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact);
    else
        bytes = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
    bytes += '\n';
    writeAll(stdout, bytes);
}

void printLine(const QString& line)
{
    writeAll(stdout, line.toUtf8() + '\n');
}

void writeAll(FILE* to, const QByteArray& bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to) != size_t(bytes.size()))
        throw CommandError{outputErrorMessage(to)};
}

QString outputErrorMessage(FILE* to)
{
    return QStringLiteral("cannot write to %1: %2")
        .arg(to == stderr ? QStringLiteral("standard error") : QStringLiteral("standard output"),
             QString::fromLocal8Bit(std::strerror(errno)));
}

void applyOptionArgs(Args& args, Session& session)
{
    for (const QString& setting : args.values(QStringLiteral("--set"))) {
        const auto name = setting.section(QLatin1Char('='), 0, 0);
        bool ok = false;
        const int value = setting.section(QLatin1Char('='), 1).toInt(&ok);
        if (!ok || !session.options.set(name, value))
            throw UsageError{QStringLiteral("--set KEY=VALUE with a known option key or control name: ") +
                             setting};
    }
}

TipSheet::Row parseTip(const QString& text, const Game& game)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != TipSheet::Cells)
        throw UsageError{QStringLiteral("a tip needs seven numbers n1,...,n7: ") + text};
    TipSheet::Row row{};
    for (int i = 0; i < TipSheet::Cells; ++i) {
        row[i] = TipSheet::cellValue(parts[i], game);
        if (row[i] == 0)
            throw UsageError{QStringLiteral("not a number 1..%1 in tip: ").arg(game.highestNumber) + text};
    }
    if (TipSheet::hasRepeat(row))
        throw UsageError{QStringLiteral("a number appears twice in tip: ") + text};
    return row;
}

void applyTipArgs(Args& args, Session& session)
{
    const QStringList tips = args.values(QStringLiteral("--tip"));
    if (tips.size() > TipSheet::Rows)
        throw UsageError{QStringLiteral("at most twelve --tip")};
    if (const auto file = args.value(QStringLiteral("--tip-file"))) {
        if (!tips.isEmpty())
            throw UsageError{QStringLiteral("--tip and --tip-file exclude each other")};
        // As the load button does: read and check first, then clear the unlocked rows and fill from the file.
        const QByteArray bytes = TipFile::read(*file);
        const Game game = session.tipGame();
        TipFile::checkRange(bytes, game);
        const TipFile::Contents contents = TipFile::parse(bytes, game);
        for (int r = 0; r < TipSheet::Rows; ++r)
            if (!session.sheet.locked[r])
                session.sheet.clearRow(r);
        TipFile::apply(contents, session.sheet, session.ticketNumber);
        return;
    }
    if (tips.isEmpty())
        return;
    for (int r = 0; r < TipSheet::Rows; ++r)
        session.sheet.clearRow(r);
    for (int r = 0; r < tips.size(); ++r)
        session.sheet.cells[r] = parseTip(tips[r], session.tipGame());
}

} // namespace Cli

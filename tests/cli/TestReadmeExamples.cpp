// Runs every command example of README.md and compares its output with the one the README shows, so
// the README cannot drift from the program.
//
// The convention (README.md, "Command line", says it too):
// - An example is a block of lines indented by four blanks whose first line starts with "$ ". Its
//   lines starting with "$ " are commands, the lines after each command are its standard output.
// - A command is `numerant-cli ARGS` or `cat FILE`; arguments are split at blanks.
// - All examples run in README order in one home folder, /tmp/numerant-example in the README, and one
//   working folder; the README's first example fills the home with data/lottomax-history.csv.
// - "..." in a shown output stands for any text; an output line starting with a blank continues the
//   line before it (long JSON lines are wrapped so). CR LF in the real output compares as LF.
// - A block right after the line "<!-- not run by the tests -->" is skipped (it needs a server).
// Every command must exit 0. Stored settings are empty here (own XDG folders), as after a fresh
// installation.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kReadmeHome = QStringLiteral("/tmp/numerant-example");
const QString kReadmeHistory = QStringLiteral("data/lottomax-history.csv");
const QString kSkipMarker = QStringLiteral("<!-- not run by the tests -->");

struct Command
{
    int line = 0;
    QString text;     // as the README shows it, without "$ "
    QString expected; // continuation lines joined, one "\n" after each line
};

QList<Command> readmeCommands(const QByteArray& readme)
{
    QList<Command> commands;
    const QStringList lines = QString::fromUtf8(readme).split(QLatin1Char('\n'));
    const QString indent(4, QLatin1Char(' '));
    bool skipNext = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i];
        if (line.trimmed() == kSkipMarker) {
            skipNext = true;
            continue;
        }
        if (!line.startsWith(indent)) {
            if (!line.trimmed().isEmpty())
                skipNext = false;
            continue;
        }
        // The first line of an indented block.
        const bool example = line.mid(4).startsWith(QLatin1String("$ ")) && !skipNext;
        skipNext = false;
        for (; i < lines.size() && lines[i].startsWith(indent); ++i) {
            if (!example)
                continue;
            const QString text = lines[i].mid(4);
            if (text.startsWith(QLatin1String("$ "))) {
                commands.append({int(i + 1), text.mid(2).trimmed(), QString()});
            } else if (text.startsWith(QLatin1Char(' ')) && !commands.last().expected.isEmpty()) {
                commands.last().expected.chop(1);
                commands.last().expected += text.mid(1) + QLatin1Char('\n');
            } else {
                commands.last().expected += text + QLatin1Char('\n');
            }
        }
    }
    return commands;
}

bool matches(const QString& expected, const QString& actual)
{
    QStringList parts = expected.split(QStringLiteral("..."));
    for (QString& part : parts)
        part = QRegularExpression::escape(part);
    const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(parts.join(QStringLiteral("[\\s\\S]*"))));
    return pattern.match(actual).hasMatch();
}

} // namespace

class TestReadmeExamples : public QObject
{
    Q_OBJECT

private slots:
    void everyExampleShowsWhatTheProgramPrints();
};

void TestReadmeExamples::everyExampleShowsWhatTheProgramPrints()
{
    QFile readme(QStringLiteral(TEST_DATA_DIR "/../../README.md"));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QList<Command> commands = readmeCommands(readme.readAll());
    QVERIFY2(!commands.isEmpty(), "no example found in README.md");

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString home = scratch.filePath(QStringLiteral("home"));
    const QString work = scratch.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(work));
    const QString history = QDir::cleanPath(QStringLiteral(TEST_DATA_DIR "/../../") + kReadmeHistory);

    // Own settings and data folders: no other test's stored settings reach the examples.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), scratch.filePath(QStringLiteral("data")));

    QStringList failures;
    for (const Command& command : commands) {
        const QString name = QStringLiteral("README.md line %1: $ %2").arg(command.line).arg(command.text);
        QStringList args = command.text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString program = args.takeFirst();
        for (QString& arg : args) {
            if (arg == kReadmeHistory)
                arg = history;
            else if (arg == kReadmeHome || arg.startsWith(kReadmeHome + QLatin1Char('/')))
                arg = home + arg.mid(kReadmeHome.size());
        }

        QByteArray out;
        if (program == QLatin1String("cat") && args.size() == 1) {
            QFile file(QDir(work).filePath(args.first()));
            if (!file.open(QIODevice::ReadOnly)) {
                failures << name + QStringLiteral("\n  cannot read ") + file.fileName();
                continue;
            }
            out = file.readAll();
        } else if (program == QLatin1String("numerant-cli")) {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.setWorkingDirectory(work);
            process.start(QStringLiteral(NUMERANT_CLI_PATH), args);
            process.closeWriteChannel();
            if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
                process.exitCode() != 0) {
                failures << name + QStringLiteral("\n  exit %1: ").arg(process.exitCode()) +
                                QString::fromUtf8(process.readAllStandardError());
                continue;
            }
            out = process.readAllStandardOutput();
        } else {
            failures << name + QStringLiteral("\n  only numerant-cli and cat FILE are run");
            continue;
        }

        const QString actual = QString::fromUtf8(out)
                                   .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                   .replace(home, kReadmeHome);
        if (!matches(command.expected, actual))
            failures << name + QStringLiteral("\n  shown:\n") + command.expected +
                            QStringLiteral("  printed:\n") + actual;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestReadmeExamples)
#include "TestReadmeExamples.moc"

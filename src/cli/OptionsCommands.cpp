#include "cli/Cli.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const char* kindName(GeneratorOptions::Kind kind)
{
    switch (kind) {
    case GeneratorOptions::Kind::Flag:
        return "flag";
    case GeneratorOptions::Kind::Number:
        return "number";
    case GeneratorOptions::Kind::Choice:
        return "choice";
    }
    return "";
}

int optionsCommand(Cli::Context& context)
{
    context.args.finish();
    const Session session = context.makeSession();
    QJsonArray out;
    for (const GeneratorOptions::Field& f : GeneratorOptions::fields())
        out.append(QJsonObject{{QStringLiteral("key"), QLatin1String(f.key)},
                               {QStringLiteral("control"), QLatin1String(f.control)},
                               {QStringLiteral("kind"), QLatin1String(kindName(f.kind))},
                               {QStringLiteral("min"), f.minimum},
                               {QStringLiteral("max"), f.maximum},
                               {QStringLiteral("default"), f.defaultValue()},
                               {QStringLiteral("value"), session.options.get(f)}});
    Cli::printJson(out);
    return 0;
}

const Cli::RegisterCommand optionsRegistration(
    "options",
    "options   every generator option as {key, control, kind, min, max, default, value}, where value is\n"
    "        the stored one; --set of generate takes the key or the control name",
    optionsCommand);

} // namespace

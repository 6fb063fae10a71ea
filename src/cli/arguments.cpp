#include "cli/arguments.h"

#include <QSet>

namespace vkp2::cli {

bool Arguments::has(const QString &name) const
{
    for (const auto &o : options) {
        if (o.first == name)
            return true;
    }
    return false;
}

QString Arguments::value(const QString &name) const
{
    const QStringList all = values(name);
    return all.isEmpty() ? QString() : all.last();
}

QStringList Arguments::values(const QString &name) const
{
    QStringList out;
    for (const auto &o : options) {
        if (o.first == name)
            out << o.second;
    }
    return out;
}

namespace {

const QStringList kSetupOptions{"--setup", "--telescope", "--focal-length", "--aperture",
                                "--ocular", "--tl", "--d", "--camera", "--pixel", "--chip",
                                "--binning"};
const QStringList kAdviceOptions{"--seeing", "--target", "--size", "--wavelength", "--colour"};
const QStringList kFlags{"--colour", "--all", "--help", "--version"};

QStringList optionsOf(const QString &command)
{
    if (command == QLatin1String("list"))
        return {"--format"};
    if (command == QLatin1String("show"))
        return kSetupOptions + kAdviceOptions + QStringList{"--format"};
    if (command == QLatin1String("table"))
        return kSetupOptions + kAdviceOptions
               + QStringList{"--format", "--d-from", "--d-to", "--d-step", "--all"};
    if (command == QLatin1String("solve"))
        return kSetupOptions + QStringList{"--format", "--focal-ratio", "--pixel-scale"};
    return {};
}

bool repeatable(const QString &command, const QString &option)
{
    return option == QLatin1String("--ocular")
           && (command == QLatin1String("table") || command == QLatin1String("solve"));
}

bool knownOption(const QString &name)
{
    for (const char *c : {"show", "table", "solve", "list"}) {
        if (optionsOf(QLatin1String(c)).contains(name))
            return true;
    }
    return kFlags.contains(name);
}

} // namespace

Arguments parseArguments(const QStringList &args)
{
    Arguments out;
    const QStringList commands{"list", "show", "table", "solve"};
    qsizetype i = 0;
    for (; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            out.help = true;
        else if (arg == QLatin1String("--version"))
            out.version = true;
        else
            break;
    }
    if (i == args.size())
        return out;
    if (!commands.contains(args[i])) {
        if (args[i].startsWith(QLatin1Char('-')))
            throw UsageError{QStringLiteral("%1: unknown option; the command comes first "
                                            "(list, show, table or solve)").arg(args[i])};
        throw UsageError{QStringLiteral("unknown command \"%1\"; try list, show, table or solve")
                             .arg(args[i])};
    }
    out.command = args[i++];
    const QStringList allowed = optionsOf(out.command);

    for (; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            out.help = true;
            continue;
        }
        if (!arg.startsWith(QLatin1String("--")) || arg.size() == 2) {
            out.positional << arg;
            continue;
        }
        QString name = arg;
        QString value;
        bool inlineValue = false;
        if (const qsizetype eq = arg.indexOf(QLatin1Char('=')); eq > 0) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
            inlineValue = true;
        }
        if (name == QLatin1String("--color"))
            name = QStringLiteral("--colour");
        if (!knownOption(name))
            throw UsageError{QStringLiteral("%1: unknown option").arg(name)};
        if (!allowed.contains(name))
            throw UsageError{QStringLiteral("%1: not an option of %2").arg(name, out.command)};
        if (out.has(name) && !repeatable(out.command, name))
            throw UsageError{QStringLiteral("%1: given more than once").arg(name)};
        if (kFlags.contains(name)) {
            if (inlineValue)
                throw UsageError{QStringLiteral("%1: takes no value").arg(name)};
        } else if (!inlineValue) {
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("%1: needs a value").arg(name)};
            value = args[++i];
        }
        out.options.append({name, value});
    }
    return out;
}

} // namespace vkp2::cli

#include "cli/arguments.h"

#include "cli/command_table.h"
#include "cli/options.h"
#include "cli/words.h"
#include "planner/closest_names.h"

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

QString didYouMean(const QString &typed, const QStringList &known)
{
    const QStringList close = planner::closestEntries(typed, known);
    if (close.isEmpty())
        return {};
    QStringList quoted;
    for (const QString &c : close)
        quoted << QLatin1Char('"') + c + QLatin1Char('"');
    return Words::tr("; did you mean %1?").arg(quoted.join(QStringLiteral(", ")));
}

bool isHelp(const QString &arg) { return arg == QLatin1String("--help") || arg == QLatin1String("-h"); }

// "-5" is a word (a negative number); "-telescope" is a mistyped option.
bool looksLikeOption(const QString &arg)
{
    if (arg.size() < 2 || !arg.startsWith(QLatin1Char('-')))
        return false;
    const QChar second = arg[1];
    return !(second.isDigit() || second == QLatin1Char('.') || second == QLatin1Char(','));
}

[[noreturn]] void unknownOption(const QString &name)
{
    QString typed = name;
    if (!typed.startsWith(QLatin1String("--")))
        typed.prepend(QLatin1Char('-')); // a single dash: compare as the long form
    throw UsageError{name + Words::tr(": unknown option") + didYouMean(typed, allOptionNames())};
}

} // namespace

Arguments parseArguments(const QStringList &args)
{
    Arguments out;
    qsizetype i = 0;
    for (; i < args.size(); ++i) {
        if (isHelp(args[i]))
            out.help = true;
        else if (args[i] == QLatin1String("--version"))
            out.version = true;
        else
            break;
    }
    if (i == args.size())
        return out;
    const QString names = commandNames().join(QStringLiteral(", "));
    const Command *command = findCommand(args[i]);
    if (!command) {
        if (looksLikeOption(args[i]) && !findOption(args[i]))
            unknownOption(args[i]);
        if (looksLikeOption(args[i]))
            throw UsageError{Words::tr("%1: the command comes first (%2)").arg(args[i], names)};
        const QString close = didYouMean(args[i], commandNames());
        throw UsageError{Words::tr("unknown command \"%1\"").arg(args[i])
                         + (close.isEmpty() ? Words::tr("; one of %1").arg(names) : close)};
    }
    out.command = args[i++];

    bool optionsEnded = false;
    for (; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !looksLikeOption(arg)) {
            out.positional << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (isHelp(arg)) {
            out.help = true;
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
        const OptionInfo *known = findOption(name);
        if (!known || !name.startsWith(QLatin1String("--")))
            unknownOption(name);
        if (!command->options.contains(name))
            throw UsageError{Words::tr("%1: not an option of %2").arg(name, out.command)};
        if (out.has(name) && !command->repeatable.contains(name))
            throw UsageError{Words::tr("%1: given more than once").arg(name)};
        if (!known->value) {
            if (inlineValue)
                throw UsageError{Words::tr("%1: takes no value").arg(name)};
        } else if (!inlineValue) {
            if (i + 1 >= args.size())
                throw UsageError{Words::tr("%1: needs a value").arg(name)};
            value = args[++i];
        }
        out.options.append({name, value});
    }
    if (out.positional.size() > command->maxWords) {
        const QString word = out.positional.value(command->maxWords);
        const QString close = looksLikeOption(word) ? QString() : didYouMean(word, commandNames());
        throw UsageError{Words::tr("\"%1\": %2 takes no such word%3")
                             .arg(word, out.command,
                                  command->maxWords ? QString() : Words::tr(", only options"))
                         + close};
    }
    return out;
}

} // namespace vkp2::cli

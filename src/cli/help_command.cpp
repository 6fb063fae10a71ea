// help: generated from the command and option tables, so it cannot miss one.

#include "calculator/toolkit/app_info.h"
#include "cli/arguments.h"
#include "cli/command_table.h"
#include "cli/context.h"
#include "cli/options.h"

namespace vkp2::cli {

namespace {

QString optionLine(const OptionInfo &o)
{
    QString head = QStringLiteral("  ") + QLatin1String(o.name);
    if (o.value)
        head += QLatin1Char(' ') + QLatin1String(o.value);
    return head.leftJustified(26) + QLatin1Char(' ') + o.help + QLatin1Char('\n');
}

const char kExitStatus[] =
    "Exit status: 0 done; 1 done, but the calculator showed a message (on standard error),\n"
    "             or nothing found, imported or written (find, kit, table --kit);\n"
    "             2 bad input (nothing written); 3 the output could not be written.\n";

} // namespace

QString helpText()
{
    QString out = QStringLiteral(
        "Usage: vkp2plan COMMAND [OPTIONS]\n"
        "The VKP-2 Calculator's planner: what the calculator window shows, for one setup or many.\n"
        "\nCommands:\n");
    for (const Command &c : commandTable())
        out += (QStringLiteral("  ") + QLatin1String(c.name) + QLatin1Char(' ')
                + QLatin1String(c.synopsis))
                   .leftJustified(36)
               + QLatin1Char(' ') + QLatin1String(c.summary) + QLatin1Char('\n');
    for (const OptionGroup g :
         {OptionGroup::Setup, OptionGroup::Train, OptionGroup::Advice, OptionGroup::Night,
          OptionGroup::Table, OptionGroup::Solve, OptionGroup::Kit, OptionGroup::Output}) {
        out += QLatin1Char('\n') + groupHeading(g) + QStringLiteral(":\n");
        for (const OptionInfo &o : allOptions()) {
            if (o.group == g)
                out += optionLine(o);
        }
    }
    out += QStringLiteral("\nAfter --, no word is an option.\n") + QLatin1String(kExitStatus);
    return out;
}

QString commandHelp(const Command &command)
{
    QString out = QStringLiteral("Usage: vkp2plan %1 %2\n%3.\n")
                      .arg(QLatin1String(command.name), QLatin1String(command.synopsis),
                           QLatin1String(command.summary));
    if (command.forms)
        out += QLatin1Char('\n') + QString::fromUtf8(command.forms);
    if (!command.options.isEmpty()) {
        out += QStringLiteral("\nOptions:\n");
        for (const OptionInfo &o : allOptions()) {
            if (command.options.contains(QLatin1String(o.name)))
                out += optionLine(o);
        }
    }
    return out + QLatin1Char('\n') + QLatin1String(kExitStatus);
}

Result runHelp(const Context &cx)
{
    const QStringList &words = cx.args.positional;
    if (words.isEmpty())
        return {kExitOk, helpText().toUtf8(), {}};
    const Command *c = findCommand(words.first());
    if (!c)
        throw UsageError{QStringLiteral("help: no command \"%1\"; one of %2")
                             .arg(words.first(), commandNames().join(QStringLiteral(", ")))};
    return {kExitOk, commandHelp(*c).toUtf8(), {}};
}

} // namespace vkp2::cli

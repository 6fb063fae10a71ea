// help: generated from the command and option tables, so it cannot miss one.

#include "calculator/toolkit/app_info.h"
#include "cli/arguments.h"
#include "cli/command_table.h"
#include "cli/context.h"
#include "cli/options.h"
#include "cli/words.h"

namespace vkp2::cli {

namespace {

// Option names and value placeholders are never translated: the columns stay put.
constexpr qsizetype kOptionColumn = 26;
constexpr qsizetype kCommandColumn = 36;

QString optionHead(const OptionInfo &o)
{
    QString head = QStringLiteral("  ") + QLatin1String(o.name);
    if (o.value)
        head += QLatin1Char(' ') + QLatin1String(o.value);
    return head;
}

QString optionLine(const OptionInfo &o)
{
    return optionHead(o).leftJustified(kOptionColumn) + QLatin1Char(' ') + o.help() + QLatin1Char('\n');
}

QString commandHead(const Command &c)
{
    return QStringLiteral("  ") + QLatin1String(c.name) + QLatin1Char(' ') + QLatin1String(c.synopsis);
}

QString exitStatus()
{
    return Words::tr(
        "Exit status: 0 done; 1 done, but the calculator showed a message (on standard error),\n"
        "             or nothing found, imported or written (find, kit, table --kit);\n"
        "             2 bad input (nothing written); 3 the output could not be written.\n");
}

} // namespace

QString summaryOf(const Command &command) { return Words::tr(command.summary); }

QString formsOf(const Command &command)
{
    return command.forms ? Words::tr(command.forms) : QString();
}

QString helpText()
{
    QString out = Words::tr(
        "Usage: vkp2plan COMMAND [OPTIONS]\n"
        "The VKP-2 Calculator's planner: what the calculator window shows, for one setup or many.\n"
        "\nCommands:\n");
    for (const Command &c : commandTable())
        out += commandHead(c).leftJustified(kCommandColumn) + QLatin1Char(' ') + summaryOf(c)
               + QLatin1Char('\n');
    for (const OptionGroup g :
         {OptionGroup::Setup, OptionGroup::Train, OptionGroup::Advice, OptionGroup::Night,
          OptionGroup::Table, OptionGroup::Solve, OptionGroup::Kit, OptionGroup::Output}) {
        out += QLatin1Char('\n') + groupHeading(g) + QStringLiteral(":\n");
        for (const OptionInfo &o : allOptions()) {
            if (o.group == g)
                out += optionLine(o);
        }
    }
    out += Words::tr("\nAfter --, no word is an option.\n") + exitStatus();
    return out;
}

QString commandHelp(const Command &command)
{
    QString out = Words::tr("Usage: vkp2plan %1 %2\n%3.\n")
                      .arg(QLatin1String(command.name), QLatin1String(command.synopsis),
                           summaryOf(command));
    if (command.forms)
        out += QLatin1Char('\n') + formsOf(command);
    if (!command.options.isEmpty()) {
        out += Words::tr("\nOptions:\n");
        for (const OptionInfo &o : allOptions()) {
            if (command.options.contains(QLatin1String(o.name)))
                out += optionLine(o);
        }
    }
    return out + QLatin1Char('\n') + exitStatus();
}

Result runHelp(const Context &cx)
{
    const QStringList &words = cx.args.positional;
    if (words.isEmpty())
        return {kExitOk, helpText().toUtf8(), {}};
    const Command *c = findCommand(words.first());
    if (!c)
        throw UsageError{Words::tr("help: no command \"%1\"; one of %2")
                             .arg(words.first(), commandNames().join(QStringLiteral(", ")))};
    return {kExitOk, commandHelp(*c).toUtf8(), {}};
}

} // namespace vkp2::cli

#include "cli/commands.h"

#include "calculator/toolkit/app_info.h"
#include "cli/arguments.h"
#include "cli/command_table.h"
#include "cli/context.h"
#include "cli/words.h"

namespace vkp2::cli {

Result run(const QStringList &args, const QLocale &locale)
{
    try {
        const Arguments a = parseArguments(args);
        if (a.version && a.command.isEmpty())
            return {kExitOk,
                    QStringLiteral("vkp2plan %1.%2.%3\n")
                        .arg(app_info::kMajor)
                        .arg(app_info::kMinor)
                        .arg(app_info::kRevision)
                        .toUtf8(),
                    {}};
        if (a.command.isEmpty() && !a.help)
            throw UsageError{Words::tr("no command; try \"vkp2plan --help\"")};
        const Command *command = findCommand(a.command);
        if (a.help)
            return {kExitOk, (command ? commandHelp(*command) : helpText()).toUtf8(), {}};
        const Context cx(a, locale);
        return command->run(cx);
    } catch (const UsageError &e) {
        return {kExitUsage, {}, (QStringLiteral("vkp2plan: ") + e.message + QLatin1Char('\n')).toUtf8()};
    }
}

} // namespace vkp2::cli

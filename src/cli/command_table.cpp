#include "cli/command_table.h"

#include "cli/options.h"

namespace vkp2::cli {

namespace {

const QString kFormat = QStringLiteral("--format");
// A name or a search of several words.
constexpr int kMaxWords = 64;

QList<Command> makeTable()
{
    const QStringList setup = optionNames(OptionGroup::Setup);
    const QStringList advice = optionNames(OptionGroup::Advice);
    const QStringList oculars{QStringLiteral("--ocular")};
    const QStringList kitOptions = optionNames(OptionGroup::Kit)
                                   + QStringList{QStringLiteral("--focal-length"),
                                                 QStringLiteral("--aperture"), QStringLiteral("--pixel"),
                                                 QStringLiteral("--chip"), QStringLiteral("--colour"), kFormat};
    return {
        {"list", "telescopes|oculars|cameras", "the presets and their values", {kFormat}, {}, 1,
         &runList},
        {"show", "[OPTIONS]", "one setup: every box, sampling advice, target fit",
         setup + advice + QStringList{kFormat}, {}, 0, &runShow},
        {"table", "[OPTIONS]", "one row per ocular and D (--kit: your kit; --all: every preset)",
         setup + advice + optionNames(OptionGroup::Table) + QStringList{kFormat}, oculars, 0,
         &runTable},
        {"solve", "GOAL [OPTIONS]", "the D each ocular needs to reach a goal",
         setup + optionNames(OptionGroup::Solve) + QStringList{kFormat}, oculars, 0, &runSolve},
        {"find", "cameras|telescopes|eyepieces|barlows TEXT...",
         "your kit's and the database's entries that match", {kFormat}, {}, kMaxWords, &runFind},
        {"kit", "list|add|remove|import|export ...", "your own equipment (kit.json)",
         kitOptions, {}, kMaxWords, &runKit},
        {"help", "[COMMAND]", "this text, or one command's", {}, {}, 1, &runHelp},
    };
}

} // namespace

std::span<const Command> commandTable()
{
    static const QList<Command> table = makeTable();
    return table;
}

const Command *findCommand(const QString &name)
{
    for (const Command &c : commandTable()) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

QStringList commandNames()
{
    QStringList out;
    for (const Command &c : commandTable())
        out << QLatin1String(c.name);
    return out;
}

} // namespace vkp2::cli

#pragma once
// The commands of vkp2plan as one table: each with its name, what it takes, its help and the
// function that runs it. The parser, the help and the dispatch all read it.

#include "cli/commands.h"

#include <QString>
#include <QStringList>

#include <span>

namespace vkp2::cli {

struct Context;

struct Command {
    const char *name;
    const char *synopsis; // after the name, for the help ("telescopes|oculars|cameras")
    const char *summary; // the English words; summaryOf() gives them in the user's language
    QStringList options;    // the options it takes
    QStringList repeatable; // of those, the ones it takes more than once
    int maxWords = 0;       // words other than options it takes
    Result (*run)(const Context &);
    const char *forms; // its help's lines on each form it takes; nullptr: the synopsis says it
};

std::span<const Command> commandTable();
const Command *findCommand(const QString &name);
QStringList commandNames();

// Each command's run, one file each.
Result runList(const Context &cx);
Result runShow(const Context &cx);
Result runTable(const Context &cx);
Result runSolve(const Context &cx);
Result runHelp(const Context &cx);
Result runFind(const Context &cx);
Result runKit(const Context &cx);

// A command's summary and forms in the language of the moment.
QString summaryOf(const Command &command);
QString formsOf(const Command &command);

// The whole help, or one command's.
QString helpText();
QString commandHelp(const Command &command);

} // namespace vkp2::cli

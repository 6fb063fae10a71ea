#pragma once
// Every option vkp2plan knows, once: its name, the value it takes, its help line and the part
// of the help it belongs to. The commands say which ones they take (command_table.h).

#include <QString>
#include <QStringList>

#include <span>

namespace vkp2::cli {

enum class OptionGroup { Setup, Train, Advice, Night, Table, Solve, Kit, Output };

struct OptionInfo {
    const char *name;
    const char *value; // what it takes, for the help ("MM"); nullptr for a flag
    QString (*help)(); // at render time, in the language of the moment
    OptionGroup group;
};

std::span<const OptionInfo> allOptions();
const OptionInfo *findOption(const QString &name);
QStringList optionNames(OptionGroup group);
QStringList allOptionNames();
// A help heading for the group, e.g. "Sampling advice and target fit (show and table)".
QString groupHeading(OptionGroup group);

} // namespace vkp2::cli

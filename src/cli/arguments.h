#pragma once
// The command line: a command, its options and their values, checked against what each
// command takes (command_table.h). Nothing here knows what the options mean.

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace vkp2::cli {

// Bad input: the message names the argument; the program says it in one line and exits 2.
struct UsageError {
    QString message;
};

struct Arguments {
    QString command; // a name of the command table; empty with only --help or --version
    QStringList positional;
    QList<std::pair<QString, QString>> options; // in the order given; flags have no value
    bool help = false;
    bool version = false;

    bool has(const QString &name) const;
    QString value(const QString &name) const; // the only (or last) value
    QStringList values(const QString &name) const;
};

// Throws UsageError for an unknown command or option (with the closest known ones), an option
// the command does not take, a missing value, an option given twice that may appear once, or
// a word the command does not take. After "--" every word is a word, never an option.
Arguments parseArguments(const QStringList &args);

} // namespace vkp2::cli

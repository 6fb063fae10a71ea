#pragma once
// The setup a command line describes: the base (a --setup file or the calculator's last
// setup) with the options' changes, checked as the calculator would not check them.

#include "cli/context.h"
#include "planner/setup.h"

#include <QStringList>

namespace vkp2::cli {

enum class Oculars {
    One,     // show: --ocular is the setup's
    Several, // table and solve: each --ocular is a row; the base keeps its own
};

struct BuiltSetup {
    planner::Setup setup;
    QStringList warnings; // about the --setup file, for standard error
};

BuiltSetup buildSetup(const Context &cx, Oculars oculars);

// The --ocular list, each checked; every ocular when none is given.
QStringList chosenOculars(const Context &cx);

// A distance that must stay what was asked for (one value for many rows).
void rangeCheck(const Context &cx, const QString &option, const QString &text, double lo, double hi);

// A preset by name, ignoring case; else a usage error with the closest names.
QString presetName(const QString &option, const QString &kind, const QString &typed,
                   const QStringList &entries);

} // namespace vkp2::cli

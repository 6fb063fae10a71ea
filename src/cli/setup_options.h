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
    QStringList notices;  // for standard error too, but no fault of the setup (a kit not used)
};

BuiltSetup buildSetup(const Context &cx, Oculars oculars);
// Its warnings and notices as standard error's lines.
QByteArray diagnosticsOf(const BuiltSetup &built);
// The names a setup's telescope and camera are shown by: a kit or database entry's own.
QString shownTelescope(const planner::Setup &s, const planner::Shown &sh);
QString shownCamera(const planner::Setup &s, const planner::Shown &sh);

// The --ocular list, each checked; every ocular when none is given.
QStringList chosenOculars(const Context &cx);

// A distance that must stay what was asked for (one value for many rows).
void rangeCheck(const Context &cx, const QString &option, const QString &text, double lo, double hi);

// A preset by name, ignoring case; else a usage error with the closest names.
QString presetName(const QString &option, const QString &kind, const QString &typed,
                   const QStringList &entries);
// The usage error for a name nothing has: "no camera \"X\"; did you mean ...?".
[[noreturn]] void noSuchName(const QString &option, const QString &kind, const QString &typed,
                             const QStringList &closest);

// A "W[xH]" or "WxH" option's two numbers.
std::pair<double, double> sizeOption(const Context &cx, const QString &option, bool heightOptional);

} // namespace vkp2::cli

#pragma once
// The setup a command line describes: the base (a --setup file or the calculator's last
// setup) with the options' changes, checked as the calculator would not check them.

#include "cli/context.h"
#include "cli/train_options.h"
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
    bool colourCamera = false; // a kit or database camera with a colour sensor
};

// The train options, if any, become the setup's train; a train without a VKP-2 ocular (a lens
// alone, projection, afocal) puts the setup at "No-VKP2".
BuiltSetup buildSetup(const Context &cx, Oculars oculars, TrainUse train = TrainUse::Shown);
// Its warnings and notices as standard error's lines.
QByteArray diagnosticsOf(const BuiltSetup &built);
// The names a setup's telescope and camera are shown by: a kit or database entry's own.
QString shownTelescope(const planner::Setup &s, const planner::Shown &sh);
QString shownCamera(const planner::Setup &s, const planner::Shown &sh);

// The --ocular list, each checked; when none is given every ocular, or "No-VKP2" alone for a
// setup with a train.
QStringList chosenOculars(const Context &cx, const planner::Setup &base);

// A distance that must stay what was asked for (one value for many rows).
void rangeCheck(const Context &cx, const QString &option, const QString &text, double lo, double hi);

// A preset by name, ignoring case; else a usage error with the closest names.
QString presetName(const QString &option, const QString &kind, const QString &typed,
                   const QStringList &entries);
// The usage error for a name nothing has: "no camera \"X\"; did you mean ...?". With no close
// name it points to `seeAlso`, by default "vkp2plan list KINDs".
[[noreturn]] void noSuchName(const QString &option, const QString &kind, const QString &typed,
                             const QStringList &closest, const QString &seeAlso = QString());

// A "W[xH]" or "WxH" option's two numbers.
std::pair<double, double> sizeOption(const Context &cx, const QString &option, bool heightOptional);

} // namespace vkp2::cli

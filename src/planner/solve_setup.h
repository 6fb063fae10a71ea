#pragma once
// The D every ocular needs to reach a goal on one setup, and what the calculator shows there.
// Widget-free; the command line and the planner window share it.

#include "planner/setup.h"
#include "planner/solve.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace vkp2::planner {

struct SolvedOcular {
    QString ocular;
    Solution solution;
    QString dText; // the D typed into the calculator, 2 decimals; empty unless solved
    Shown shown;   // what the calculator shows at that D; empty unless solved
};

// Solves from what the calculator shows for the setup (focal length, aperture, TL and the
// pixel size in effect), so values it rejects give no D. A pixel-scale goal works from the
// width pixel. Oculars by default: every entry, in list order.
QList<SolvedOcular> solveEveryOcular(const Setup &setup, Goal::Kind kind, double value,
                                     const QStringList &oculars = ocularEntries());

// The pixel scale worked out from the shown pixel size and focal length, before the boxes
// round it to 2 decimals; verdicts at a band edge must not move with that rounding.
std::optional<double> unroundedPixelScale(const Shown &shown);       // width
std::optional<double> unroundedPixelScaleHeight(const Shown &shown);

} // namespace vkp2::planner

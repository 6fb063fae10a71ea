#pragma once
// The planned night's results in the window's words: the target's size on the date, Saturn's
// ring opening, the derotation limit, the mosaic and the seeing verdict. Nothing is judged
// here; every number is the engine's advice, worded with numbers in the user's locale.

#include "planner/advice.h"

#include <QString>
#include <QStringList>

namespace vkp2::planner_window {

// "1 min 58 s", "45 s", "2 h 5 min"; "2.78e+296 h" far past a million years, "no limit" for an
// infinite one and nothing for no number.
QString durationText(double seconds);

// The lines for the framing's words, for the target under the window's name for it; `mosaicAsked`
// says a mosaic was asked for, so that its absence is told.
QStringList nightLines(const planner::Advice &advice, const planner::AdviceOptions &options,
                       const QString &targetName, bool mosaicAsked);

} // namespace vkp2::planner_window

#pragma once
// The planner's advice as the command line words it.

#include "cli/context.h"
#include "planner/advice.h"

#include <QString>

namespace vkp2::cli {

// "over-sampled", or "under-sampled (width), well sampled (height)"; empty when unknown.
QString seeingVerdictText(const planner::Advice &advice);
QString focalRatioVerdictText(const planner::Advice &advice);
// The advice's notes, joined by "; ".
QString notesText(const planner::Advice &advice);

} // namespace vkp2::cli

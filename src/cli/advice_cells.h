#pragma once
// The planner's advice as the command line words it.

#include "cli/context.h"
#include "planner/advice.h"

#include <QString>

namespace vkp2::cli {

using planner::focalRatioVerdictText;
using planner::seeingVerdictText;
// The advice's notes, joined by "; ".
QString notesText(const planner::Advice &advice);

} // namespace vkp2::cli

#pragma once
// The options for the planned night and the sampling rule: the date, the blur, the mosaic,
// the filter, the rule and the colour factor, checked against the engine's limits.

#include "cli/context.h"
#include "planner/advice.h"
#include "planner/filters.h"

#include <QList>

namespace vkp2::cli {

// Into the context's advice options; throws UsageError naming the option.
void readNightOptions(const Context &cx, planner::AdviceOptions &advice);

// The advice options for a setup whose camera may be a kit camera with a colour sensor, which
// counts as --colour. --colour-factor without either is bad input.
planner::AdviceOptions adviceFor(const Context &cx, bool kitColourCamera);

// table --filters: the presets in the order given (every one for "all"); empty without it.
QList<planner::FilterPreset> tableFilters(const Context &cx);

} // namespace vkp2::cli

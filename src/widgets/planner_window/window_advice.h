#pragma once
// Every sampling and fit judgement the planner window shows, in one place: the chart's band,
// the solve table's verdicts and the framing's sentences all ask here, so they cannot disagree.
// It only calls the planner engine's rules; when the engine offers the whole advice, this file
// is what changes.

#include "planner/sampling.h"
#include "planner/setup.h"
#include "planner/targets.h"
#include "widgets/planner_window/planner_inputs.h"

#include <QString>

#include <optional>

namespace vkp2::planner_window::advice {

// The pixel pitch sampling is judged by: the larger of the pixel sizes in effect (binned for a
// binning camera), since the coarser direction limits both.
std::optional<double> samplingPitchUm(const planner::Shown &shown);

// Critical focal ratio N for the pitch; nothing without a camera.
std::optional<double> criticalFocalRatio(const planner::Shown &shown, const PlannerInputs &in);
// The well-sampled bands: focal ratio N to 1.5 N, pixel scale seeing/3 to seeing/2.
std::optional<planner::Band> focalRatioBand(const planner::Shown &shown, const PlannerInputs &in);
std::optional<planner::Band> seeingBand(const PlannerInputs &in);

// The verdicts at what the calculator shows, from its unrounded values; empty when there is
// nothing to judge (no camera, no focal ratio). Non-square pixels may give "x (width), y (height)".
QString focalRatioVerdict(const planner::Shown &shown, const PlannerInputs &in);
QString seeingVerdict(const planner::Shown &shown, const PlannerInputs &in);

// The target's properties.
bool hasRings(const QString &target);

// The fit sentence with every number in the user's locale.
QString fitSentence(const QString &targetName, double sizeArcsec, const planner::TargetFit &fit);

// A sentence of the engine (why a goal cannot be reached) with its decimals in the user's
// locale; the engine writes them with a dot.
QString inLocale(const QString &engineSentence);

} // namespace vkp2::planner_window::advice

#pragma once
// The planner's own state in the settings store ("VKP2 Planner", group "Planner"), and which
// setup a start begins from. Numbers are kept with a dot whatever the locale, so a state saved
// under one locale reads under another; states saved before that are read in either form.

#include "widgets/planner_window/planner_inputs.h"

#include <QByteArray>
#include <QDateTime>

#include <optional>

namespace vkp2::planner_window {

inline const QString kSettingsApplication = QStringLiteral("VKP2 Planner");

struct PlannerState {
    PlannerInputs inputs;
    bool hasOwnSetup = false; // the kit was saved, not only the planner's questions
    QDateTime savedAt;        // invalid for a state saved before it was kept
    int chartView = 0;        // 0 focal ratio, 1 pixel scale
    int goalKind = 0;         // 0 focal ratio, 1 pixel scale
    std::optional<double> goalValue;
    QByteArray geometry;
};

PlannerState readPlannerState();
void writePlannerState(const PlannerState &state);

// The calculator's kit put into the planner's inputs; the planner's own questions (seeing,
// target, wavelength), the binning and the train, which the calculator's file does not keep,
// stay.
PlannerInputs withCalculatorSetup(PlannerInputs inputs, const planner::Setup &calculator);

// Where a start begins: the calculator's setup when it was saved after the planner's own state
// (or the planner has none), else the planner's own.
PlannerInputs startingInputs(const PlannerState &own, const std::optional<planner::Setup> &calculator,
                             const QDateTime &calculatorSavedAt);

} // namespace vkp2::planner_window

#pragma once
// The optical train the options describe (--barlow, --reducer, --projection-eyepiece, ...):
// typed numbers or kit and database entries, checked by the engine before anything runs.

#include "cli/context.h"
#include "planner/optical_train.h"
#include "storage/kit.h"

#include <functional>
#include <optional>

namespace vkp2::cli {

enum class TrainUse {
    None,   // table --kit and --all: no train of the options (the kit walk has its own)
    Shown,  // show and table: every distance given
    Solved, // solve: the distance the goal needs is left out, it is what is found
};

// Whether any option of a train was given.
bool hasTrainOption(const Arguments &args);

// The train; nothing when no train option is given. `kit` gives the user's kit, asked for only
// when a name is looked up. Every problem (the engine's problemOf, a missing companion, a
// name found nowhere) is a usage error naming the option.
std::optional<planner::Train> trainOptions(const Context &cx, TrainUse use,
                                           const std::function<const storage::Kit &()> &kit);

// Whether the --ocular options leave the VKP-2 out: none given, or only "No-VKP2".
bool noVkp2Ocular(const Arguments &args);

} // namespace vkp2::cli

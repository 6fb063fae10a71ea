#pragma once
// Nights the planner window suites plan more than once.

#include "widgets/planner_window/planner_inputs.h"

namespace night_setups {

// A 14-inch SCT at prime focus: the Moon overfills the small chip and takes a mosaic.
inline vkp2::planner_window::PlannerInputs moonMosaic()
{
    vkp2::planner_window::PlannerInputs in;
    in.setup.chooseTelescope("User-Defined");
    in.setup.focalLength = "3910";
    in.setup.aperture = "356";
    in.setup.chooseCamera("SBIG ST-237A");
    in.setup.chooseOcular("No-VKP2");
    in.target = "Moon";
    in.dateText = "2027-01-10T22:00Z";
    in.mosaic = true;
    return in;
}

} // namespace night_setups

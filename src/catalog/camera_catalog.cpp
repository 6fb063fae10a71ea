// The camera list. (Catalogue rows arrive with the equipment catalogues.)

#include "core/calculator.h"

namespace vkp2 {

void Calculator::FillCameraList() {}

void Calculator::Ccd_Click()
{
    Binning_Click();
    CalcFovAndScale();
}

void Calculator::DisableCameraBoxes() {}

} // namespace vkp2

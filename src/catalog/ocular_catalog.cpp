// The ocular list. (Catalogue rows arrive with the equipment catalogues.)

#include "core/calculator.h"

namespace vkp2 {

void Calculator::FillOcularList() {}

void Calculator::Ocular_Click()
{
    CalcExtendedFocal();
    Ccd_Click();
}

} // namespace vkp2

// The telescope list. (Catalogue rows arrive with the equipment catalogues.)

#include "core/calculator.h"
#include "core/numbers.h"

namespace vkp2 {

void Calculator::FillTelescopeList() {}

void Calculator::Telescope_Click()
{
    state.FocalLength = WorkingValue::fromText(c_.Flength.text());
    state.ApertureDiameter = WorkingValue::fromText(c_.Aperture.text());
    ShowTelescopeValues();
    CalcExtendedFocal();
    Ccd_Click();
}

void Calculator::ShowTelescopeValues()
{
    c_.Flength.setText(state.FocalLength.display());
    c_.Aperture.setText(state.ApertureDiameter.display());
}

void Calculator::DisableTelescopeBoxes() {}

bool Calculator::telescopeHasCatalogueValues() const { return false; }

} // namespace vkp2

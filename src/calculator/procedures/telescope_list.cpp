// The telescope list: choosing a catalogue telescope fills and locks its values; choosing
// "User-Defined" takes over what the boxes show and unlocks them.

#include "calculator/procedures/list_fill.h"
#include "calculator/catalog/lookup.h"
#include "calculator/catalog/telescope_table.h"
#include "calculator/procedures/calculator.h"
#include "calculator/core/numbers.h"

namespace vkp2 {

void Calculator::FillTelescopeList()
{
    catalog::appendEntries(c_[List::Telescope], {entries::UserDefined}, catalog::kTelescopes);
    if (!catalog::chooseSavedOrDefault(c_[List::Telescope], state.UserData[1],
                                       QLatin1String(catalog::kDefaultTelescope)))
        return;
    c_[Box::Flength].setText(state.UserData[4]);
    c_[Box::Aperture].setText(state.UserData[5]);
}

void Calculator::Telescope_Click()
{
    const QString chosen = c_[List::Telescope].text();
    if (chosen == entries::UserDefined) {
        state.FocalLength = WorkingValue::fromText(c_[Box::Flength].text());
        state.ApertureDiameter = WorkingValue::fromText(c_[Box::Aperture].text());
        const auto ratio =
            numbers::quotient(state.FocalLength.number(), state.ApertureDiameter.number());
        state.FocalRatio = ratio ? WorkingValue(*ratio) : WorkingValue();
        ShowTelescopeValues();
        c_[Box::Flength].setEnabled(true);
        c_[Box::Aperture].setEnabled(true);
    } else if (const auto *row = catalog::findByName(catalog::kTelescopes, chosen)) {
        state.FocalLength = row->focalLength;
        state.ApertureDiameter = row->aperture;
        state.FocalRatio = row->focalLength / row->aperture;
        ShowTelescopeValues();
        DisableTelescopeBoxes();
    }
    CalcExtendedFocal();
    Ccd_Click();
}

void Calculator::ShowTelescopeValues()
{
    c_[Box::Flength].setText(state.FocalLength.display());
    c_[Box::Aperture].setText(state.ApertureDiameter.display());
    c_[Box::Fratio].setText(state.FocalRatio.isNothing()
                          ? QString()
                          : numbers::resultText(state.FocalRatio.number()));
}

void Calculator::DisableTelescopeBoxes()
{
    c_[Box::Flength].setEnabled(false);
    c_[Box::Aperture].setEnabled(false);
    c_[Box::Fratio].setEnabled(false);
}

bool Calculator::telescopeHasCatalogueValues() const
{
    return catalog::findByName(catalog::kTelescopes, c_[List::Telescope].text()) != nullptr;
}

} // namespace vkp2

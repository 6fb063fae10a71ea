// The ocular list: each ocular sets the three numbers of the projection; "No-VKP2" switches to
// prime focus with both distances forced to 0 and locked.

#include "calculator/procedures/list_fill.h"
#include "calculator/catalog/lookup.h"
#include "calculator/catalog/ocular_table.h"
#include "calculator/procedures/calculator.h"

namespace vkp2 {

void Calculator::FillOcularList()
{
    catalog::appendEntries(c_[List::Ocular], {entries::NoVkp2}, catalog::kOculars);
    if (!catalog::chooseSavedOrDefault(c_[List::Ocular], state.UserData[2],
                                       QLatin1String(catalog::kDefaultOcular)))
        return;
    c_[Box::Distance_tl].setText(state.UserData[6]);
    c_[Box::Distance_d].setText(state.UserData[7]);
}

void Calculator::Ocular_Click()
{
    c_[Box::Distance_tl].setEnabled(true);
    c_[Box::Distance_d].setEnabled(true);

    const QString chosen = c_[List::Ocular].text();
    if (chosen == entries::NoVkp2) {
        // These writes recalculate with the previous ocular still in force; the run below
        // overwrites those intermediate results.
        c_[Box::Distance_tl].setText(QStringLiteral("0"));
        c_[Box::Distance_d].setText(QStringLiteral("0"));
        state.OcularOffset = 0.0;
        state.OcularLength = 0.0;
        state.OcularFocalLength = 0.0;
        c_[Box::Distance_tl].setEnabled(false);
        c_[Box::Distance_d].setEnabled(false);
        CalcExtendedFocal();
    }
    if (const auto *row = catalog::findByName(catalog::kOculars, chosen)) {
        state.OcularOffset = row->offset;
        state.OcularLength = row->length;
        state.OcularFocalLength = row->focalLength;
    }
    CalcExtendedFocal();
    Ccd_Click();
}

} // namespace vkp2

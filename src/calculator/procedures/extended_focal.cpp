// Extended focal length and focal ratio of eyepiece projection through the VKP-2.

#include "calculator/procedures/calculator.h"
#include "calculator/core/limits.h"
#include "calculator/core/numbers.h"
#include "calculator/core/optics.h"

namespace vkp2 {

namespace {

bool outOfRange(const WorkingValue &value, double lowest, double highest)
{
    // A text that is no number cannot be compared; the results then show empty instead.
    const auto n = value.number();
    return n && (*n < lowest || *n > highest);
}

} // namespace

void Calculator::CalcExtendedFocal()
{
    // Each step reads its box when it runs: a nested run started by an earlier step (a reset,
    // or the telescope applied again) has already left its values there.
    // A focal length or aperture out of range applies the telescope again, which restores a
    // catalogue telescope's values (and calculates with them, nested). "User-Defined" has no
    // values to restore: applying it again would meet the same text forever. The calculation
    // stops there, and its results are emptied: old ones would belong to other inputs.
    const auto takeTelescopeValue = [this](WorkingValue &value, Box box, MessageId range) {
        value = WorkingValue::fromText(c_[box].text());
        if (!outOfRange(value, limits::kTelescopeLowest, limits::kTelescopeHighest))
            return true;
        const bool restorable = telescopeHasCatalogueValues();
        report({range, box, {}, restorable ? Fallback::TelescopeRestored : Fallback::ResultsEmptied,
                {}});
        if (!restorable) {
            c_[Box::efl].setText(QString());
            c_[Box::efr].setText(QString());
            return false;
        }
        Telescope_Click();
        return true;
    };
    if (!takeTelescopeValue(state.FocalLength, Box::Flength, MessageId::FocalLengthRange))
        return;
    if (!takeTelescopeValue(state.ApertureDiameter, Box::Aperture, MessageId::ApertureRange))
        return;

    // A distance out of range is put back to the adapter's usual value.
    const auto takeDistance = [this](WorkingValue &value, Box box, MessageId range, double lowest,
                                     double highest, double fallback) {
        value = WorkingValue::fromText(c_[box].text());
        if (!outOfRange(value, lowest, highest))
            return;
        const QString text = numbers::format(fallback);
        report({range, box, {}, Fallback::BoxValue, text});
        c_[box].setText(text);
        value = fallback;
    };
    takeDistance(state.DistanceD, Box::Distance_d, MessageId::DistanceDRange,
                 limits::kDistanceDLowest, limits::kDistanceDHighest, limits::kDistanceDDefault);
    takeDistance(state.DistanceTL, Box::Distance_tl, MessageId::DistanceTlRange,
                 limits::kDistanceTlLowest, limits::kDistanceTlHighest, limits::kDistanceTlDefault);

    const auto aperture = state.ApertureDiameter.number();
    const bool ratioComputable = aperture && *aperture != 0; // otherwise no focal ratio exists

    if (state.OcularFocalLength.number().value_or(0) != 0) {
        const auto focal = state.FocalLength.number();
        const auto d = state.DistanceD.number();
        const auto tl = state.DistanceTL.number();
        const double ocularLength = state.OcularLength.number().value_or(0);
        const double ocularOffset = state.OcularOffset.number().value_or(0);
        const double ocularFocal = *state.OcularFocalLength.number();

        std::optional<double> efl;
        std::optional<double> efr;
        if (focal && d && tl) {
            const double projection =
                optics::projectionDistance(ocularLength, *tl, *d, ocularOffset);
            state.ProjectionDistance = projection;
            efl = optics::extendedFocalLength(optics::magnification(projection, ocularFocal),
                                              *focal);
            efr = numbers::quotient(efl, aperture);
        }
        c_[Box::efl].setText(numbers::resultText(efl));
        c_[Box::efr].setText(numbers::resultText(efr));
    } else {
        // Prime focus: the telescope's own values, exactly as its boxes show them.
        const QString focal = c_[Box::Flength].text();
        const bool focalIsNumber = numbers::isNumber(focal);
        c_[Box::efl].setText(focalIsNumber ? focal : QString());
        c_[Box::efr].setText(focalIsNumber && ratioComputable ? c_[Box::Fratio].text() : QString());
    }
}

} // namespace vkp2

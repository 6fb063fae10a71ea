// Extended focal length and focal ratio of eyepiece projection through the VKP-2.

#include "calculator/procedures/calculator.h"
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
    const auto takeTelescopeValue = [this](WorkingValue &value, const TextField &box,
                                           const QString &message) {
        value = WorkingValue::fromText(box.text());
        if (!outOfRange(value, 0, 10000))
            return true;
        showError(message);
        if (!telescopeHasCatalogueValues()) {
            c_.efl.setText(QString());
            c_.efr.setText(QString());
            return false;
        }
        Telescope_Click();
        return true;
    };
    if (!takeTelescopeValue(state.FocalLength, c_.Flength,
                            QStringLiteral("F-Length must be between 0 and 10000")))
        return;
    if (!takeTelescopeValue(state.ApertureDiameter, c_.Aperture,
                            QStringLiteral("Aperture must be between 0 and 10000")))
        return;

    state.DistanceD = WorkingValue::fromText(c_.Distance_d.text());
    if (outOfRange(state.DistanceD, 0, 1000)) {
        showError(QStringLiteral("Distance - D must be between 0 and 1000"));
        c_.Distance_d.setText(QStringLiteral("55"));
        state.DistanceD = 55.0;
    }

    state.DistanceTL = WorkingValue::fromText(c_.Distance_tl.text());
    if (outOfRange(state.DistanceTL, 0, 30)) {
        showError(QStringLiteral("Distance - TL must be between 0 and 30"));
        c_.Distance_tl.setText(QStringLiteral("5"));
        state.DistanceTL = 5.0;
    }

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
        c_.efl.setText(numbers::resultText(efl));
        c_.efr.setText(numbers::resultText(efr));
    } else {
        // Prime focus: the telescope's own values, exactly as its boxes show them.
        const QString focal = c_.Flength.text();
        const bool focalIsNumber = numbers::isNumber(focal);
        c_.efl.setText(focalIsNumber ? focal : QString());
        c_.efr.setText(focalIsNumber && ratioComputable ? c_.Fratio.text() : QString());
    }
}

} // namespace vkp2

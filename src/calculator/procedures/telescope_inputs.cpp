// Typed telescope values and projection distances, validated on every change of their text.

#include "calculator/procedures/calculator.h"
#include "calculator/core/numbers.h"

namespace vkp2 {

void Calculator::Flength_Change() { telescopeBoxChanged(c_.Flength); }
void Calculator::Aperture_Change() { telescopeBoxChanged(c_.Aperture); }

void Calculator::telescopeBoxChanged(TextField &box)
{
    if (box.text() == QLatin1String("0")) {
        showError(QStringLiteral("Enter a number greater than 50."));
        box.setText(QStringLiteral("50")); // runs this handler again, nested, with "50"
    }

    const QString text = box.text();
    if (text.isEmpty() || text == QLatin1String("0") || numbers::isNumber(text)) {
        if (c_.Telescope.text() == entries::UserDefined && !text.isEmpty()
            && text != QLatin1String("0")) {
            const auto ratio = numbers::quotient(numbers::parse(c_.Flength.text()),
                                                 numbers::parse(c_.Aperture.text()));
            state.FocalRatio = ratio ? WorkingValue(*ratio) : WorkingValue();
            c_.Fratio.setText(numbers::resultText(ratio));
            CalcExtendedFocal();
            Ccd_Click();
        }
        return;
    }
    showInputError(kNotANumberMessage);
}

void Calculator::Distance_d_Change() { distanceBoxChanged(c_.Distance_d, state.DistanceD); }
void Calculator::Distance_tl_Change() { distanceBoxChanged(c_.Distance_tl, state.DistanceTL); }

void Calculator::distanceBoxChanged(TextField &box, WorkingValue &distance)
{
    const QString text = box.text();
    if (text.isEmpty())
        return;
    if (!numbers::isNumber(text)) {
        showInputError(kNotANumberMessage);
        return;
    }
    distance = WorkingValue::fromText(text);
    CalcExtendedFocal();
    Ccd_Click();
}

} // namespace vkp2

// Typed telescope values and projection distances, validated on every change of their text.

#include "calculator/procedures/calculator.h"
#include "calculator/core/limits.h"
#include "calculator/core/numbers.h"

namespace vkp2 {

void Calculator::Flength_Change() { telescopeBoxChanged(Box::Flength); }
void Calculator::Aperture_Change() { telescopeBoxChanged(Box::Aperture); }

void Calculator::telescopeBoxChanged(Box id)
{
    TextField &box = c_[id];
    if (box.text() == QLatin1String("0")) {
        const QString replacement = numbers::format(limits::kTelescopeZeroReplacement);
        report({MessageId::TelescopeValueZero, id, {}, Fallback::BoxValue, replacement});
        box.setText(replacement); // runs this handler again, nested, with the replacement
    }

    const QString text = box.text();
    if (text.isEmpty() || text == QLatin1String("0") || numbers::isNumber(text)) {
        if (c_[List::Telescope].text() == entries::UserDefined && !text.isEmpty()
            && text != QLatin1String("0")) {
            const auto ratio = numbers::quotient(numbers::parse(c_[Box::Flength].text()),
                                                 numbers::parse(c_[Box::Aperture].text()));
            state.FocalRatio = ratio ? WorkingValue(*ratio) : WorkingValue();
            c_[Box::Fratio].setText(numbers::resultText(ratio));
            CalcExtendedFocal();
            Ccd_Click();
        }
        return;
    }
    report({MessageId::NotANumber, id, {}, Fallback::None, {}});
}

void Calculator::Distance_d_Change() { distanceBoxChanged(Box::Distance_d, state.DistanceD); }
void Calculator::Distance_tl_Change() { distanceBoxChanged(Box::Distance_tl, state.DistanceTL); }

void Calculator::distanceBoxChanged(Box box, WorkingValue &distance)
{
    const QString text = c_[box].text();
    if (text.isEmpty())
        return;
    if (!numbers::isNumber(text)) {
        report({MessageId::NotANumber, box, {}, Fallback::None, {}});
        return;
    }
    distance = WorkingValue::fromText(text);
    CalcExtendedFocal();
    Ccd_Click();
}

} // namespace vkp2

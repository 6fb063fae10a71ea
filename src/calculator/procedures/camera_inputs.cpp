// Typed camera values: pixel size and chip size of a "User-Defined" camera.

#include "calculator/procedures/calculator.h"
#include "calculator/core/numbers.h"

namespace vkp2 {

void Calculator::Pixelsize_width_Change()
{
    cameraBoxChanged(Box::Pixelsize_width, state.PixelWidth, MessageId::PixelWidthNotANumber);
}

void Calculator::Pixelsize_height_Change()
{
    cameraBoxChanged(Box::Pixelsize_height, state.PixelHeight, MessageId::NotANumber);
}

void Calculator::Chipsize_width_Change()
{
    cameraBoxChanged(Box::Chipsize_width, state.ChipWidthPx, MessageId::NotANumber);
}

void Calculator::Chipsize_height_Change()
{
    cameraBoxChanged(Box::Chipsize_height, state.ChipHeightPx, MessageId::NotANumber);
}

void Calculator::cameraBoxChanged(Box box, WorkingValue &value, MessageId notANumber)
{
    const QString text = c_[box].text();
    // An empty box and a bare "0" are passed over silently: the user is still typing.
    if (text.isEmpty() || text == QLatin1String("0"))
        return;
    if (!numbers::isNumber(text)) {
        report({notANumber, box, {}, Fallback::None, {}});
        return;
    }
    value = WorkingValue::fromText(text);
    updateChipMillimetres();
    Ccd_Click();
}

} // namespace vkp2

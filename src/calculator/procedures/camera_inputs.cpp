// Typed camera values: pixel size and chip size of a "User-Defined" camera.

#include "calculator/procedures/calculator.h"
#include "calculator/core/numbers.h"

namespace vkp2 {

void Calculator::Pixelsize_width_Change()
{
    // This message names a bound of 100 that no box applies; users know the wording.
    cameraBoxChanged(c_.Pixelsize_width, state.PixelWidth,
                     QStringLiteral("Value out of range - Only enter numbers < 100"));
}

void Calculator::Pixelsize_height_Change()
{
    cameraBoxChanged(c_.Pixelsize_height, state.PixelHeight, kNotANumberMessage);
}

void Calculator::Chipsize_width_Change()
{
    cameraBoxChanged(c_.Chipsize_width, state.ChipWidthPx, kNotANumberMessage);
}

void Calculator::Chipsize_height_Change()
{
    cameraBoxChanged(c_.Chipsize_height, state.ChipHeightPx, kNotANumberMessage);
}

void Calculator::cameraBoxChanged(TextField &box, WorkingValue &value, const QString &message)
{
    const QString text = box.text();
    // An empty box and a bare "0" are passed over silently: the user is still typing.
    if (text.isEmpty() || text == QLatin1String("0"))
        return;
    if (!numbers::isNumber(text)) {
        showInputError(message);
        return;
    }
    value = WorkingValue::fromText(text);
    updateChipMillimetres();
    Ccd_Click();
}

} // namespace vkp2

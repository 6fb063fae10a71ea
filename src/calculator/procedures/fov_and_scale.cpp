// Chip size, field of view and pixel scale of the camera at the extended focal length.

#include "calculator/procedures/calculator.h"
#include "calculator/core/numbers.h"
#include "calculator/core/optics.h"

namespace vkp2 {

namespace {

std::optional<double> chipMillimetres(const WorkingValue &pixelSize, const WorkingValue &pixels)
{
    const auto size = pixelSize.number();
    const auto count = pixels.number();
    if (!size || !count)
        return std::nullopt;
    return optics::chipMillimetres(*size, *count);
}

WorkingValue orNothing(std::optional<double> value)
{
    return value ? WorkingValue(*value) : WorkingValue();
}

} // namespace

void Calculator::updateChipMillimetres()
{
    state.ChipWidthMm = orNothing(chipMillimetres(state.PixelWidth, state.ChipWidthPx));
    state.ChipHeightMm = orNothing(chipMillimetres(state.PixelHeight, state.ChipHeightPx));
}

void Calculator::CalcChipSize()
{
    updateChipMillimetres();
    c_[Box::Pixelsize_width].setText(state.PixelWidth.display());
    c_[Box::Pixelsize_height].setText(state.PixelHeight.display());
    c_[Box::Chipsize_width].setText(state.ChipWidthPx.display());
    c_[Box::Chipsize_height].setText(state.ChipHeightPx.display());
}

void Calculator::CalcFovAndScale()
{
    // The focal length is read back from the box, so the results follow the value as shown.
    // Reading it once is enough: the result boxes written below run no handlers.
    const auto shown = numbers::parse(c_[Box::efl].text());
    if (!shown) {
        // No extended focal length could be computed: camera results would belong to old inputs.
        c_[Box::Fov_width].setText({});
        c_[Box::Fov_height].setText({});
        c_[Box::Pixelscale_width].setText({});
        c_[Box::Pixelscale_height].setText({});
        return;
    }
    if (!(*shown > 0))
        return;

    const auto fov = [&](const WorkingValue &chipMm) -> std::optional<double> {
        const auto mm = chipMm.number();
        if (!mm)
            return std::nullopt;
        return optics::fieldOfViewArcmin(*mm, *shown);
    };
    const auto scale = [&](const WorkingValue &pixel) -> std::optional<double> {
        const auto um = pixel.number();
        if (!um)
            return std::nullopt;
        return optics::pixelScaleArcsec(*um, *shown);
    };
    c_[Box::Fov_width].setText(numbers::resultText(fov(state.ChipWidthMm)));
    c_[Box::Fov_height].setText(numbers::resultText(fov(state.ChipHeightMm)));
    c_[Box::Pixelscale_width].setText(numbers::resultText(scale(state.PixelWidth)));
    c_[Box::Pixelscale_height].setText(numbers::resultText(scale(state.PixelHeight)));
}

} // namespace vkp2

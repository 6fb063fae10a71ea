#pragma once
// The fields a setup of the kit is made of, once: how the command line names each option,
// how a window labels it, its CSV and JSON key, the user equipment file's line that keeps it,
// and the Setup member that holds its text. Widget-free; Qt Core only.

#include "planner/setup.h"

#include <array>
#include <string_view>

namespace vkp2::planner {

enum class SetupField {
    Telescope,
    FocalLength,
    Aperture,
    Ocular,
    Tl,
    D,
    Camera,
    PixelWidth,
    PixelHeight,
    ChipWidth,
    ChipHeight,
    Binning,
};

struct SetupFieldInfo {
    SetupField id;
    const char *option; // the command line's; the two sides of a size share one, "WxH"
    const char *label;  // for a window's label; marked for translation, shown through Words::tr
    const char *key;    // CSV and JSON, with its unit
    QString Setup::*member;
    int fileLine; // line of the user equipment file; 0 when the file keeps none
};

inline constexpr std::array<SetupFieldInfo, 12> kSetupFields{{
    {SetupField::Telescope, "--telescope", QT_TRANSLATE_NOOP("Planner", "Telescope"), "telescope", &Setup::telescope, 1},
    {SetupField::FocalLength, "--focal-length", QT_TRANSLATE_NOOP("Planner", "Focal length (mm)"), "focal_length_mm",
     &Setup::focalLength, 4},
    {SetupField::Aperture, "--aperture", QT_TRANSLATE_NOOP("Planner", "Aperture (mm)"), "aperture_mm", &Setup::aperture, 5},
    {SetupField::Ocular, "--ocular", QT_TRANSLATE_NOOP("Planner", "Ocular"), "ocular", &Setup::ocular, 2},
    {SetupField::Tl, "--tl", QT_TRANSLATE_NOOP("Planner", "TL (mm)"), "tl_mm", &Setup::tl, 6},
    {SetupField::D, "--d", QT_TRANSLATE_NOOP("Planner", "D (mm)"), "d_mm", &Setup::d, 7},
    {SetupField::Camera, "--camera", QT_TRANSLATE_NOOP("Planner", "Camera"), "camera", &Setup::camera, 3},
    {SetupField::PixelWidth, "--pixel", QT_TRANSLATE_NOOP("Planner", "Pixel width (µm)"), "pixel_width_um", &Setup::pixelWidth, 8},
    {SetupField::PixelHeight, "--pixel", QT_TRANSLATE_NOOP("Planner", "Pixel height (µm)"), "pixel_height_um",
     &Setup::pixelHeight, 9},
    {SetupField::ChipWidth, "--chip", QT_TRANSLATE_NOOP("Planner", "Chip width (px)"), "chip_width_px", &Setup::chipWidth, 10},
    {SetupField::ChipHeight, "--chip", QT_TRANSLATE_NOOP("Planner", "Chip height (px)"), "chip_height_px", &Setup::chipHeight, 11},
    {SetupField::Binning, "--binning", QT_TRANSLATE_NOOP("Planner", "Binning"), "binning", &Setup::binning, 0},
}};

constexpr const SetupFieldInfo &setupField(SetupField id)
{
    return kSetupFields[static_cast<std::size_t>(id)];
}

inline QString optionOf(SetupField id) { return QLatin1String(setupField(id).option); }

// Checked where it is cheap: the table is in enum order.
static_assert([] {
    for (std::size_t i = 0; i < kSetupFields.size(); ++i) {
        if (static_cast<std::size_t>(kSetupFields[i].id) != i)
            return false;
    }
    return true;
}());

} // namespace vkp2::planner

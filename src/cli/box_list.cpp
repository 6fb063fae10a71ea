#include "cli/box_list.h"

#include "calculator/procedures/calculator.h"

#include <array>
#include <string_view>

namespace vkp2::cli {

namespace {

constexpr std::array<BoxField, 15> kBoxFields{{
    {"Flength", "focal_length_mm", "Focal Length (mm)"},
    {"Aperture", "aperture_mm", "Aperture (mm)"},
    {"Fratio", "focal_ratio", "F-Ratio"},
    {"Distance_tl", "tl_mm", "Distance TL (0-30mm)"},
    {"Distance_d", "d_mm", "Cam. Focal Distance D (mm)"},
    {"efl", "efl_mm", "Extended Focal Length (mm)"},
    {"efr", "efr", "Extended Focal Ratio"},
    {"Pixelsize_width", "pixel_width_um", "Pixel Size Width (microns)"},
    {"Pixelsize_height", "pixel_height_um", "Pixel Size Height (microns)"},
    {"Chipsize_width", "chip_width_px", "Chip Size Width (pixels)"},
    {"Chipsize_height", "chip_height_px", "Chip Size Height (pixels)"},
    {"Fov_width", "fov_width_arcmin", "FOV Width (arcmin)"},
    {"Fov_height", "fov_height_arcmin", "FOV Height (arcmin)"},
    {"Pixelscale_width", "scale_width_arcsec_per_px", "Scale W (arcsec/pixel)"},
    {"Pixelscale_height", "scale_height_arcsec_per_px", "Scale H (arcsec/pixel)"},
}};

// Every box the calculator has, in its order, and no other.
static_assert([] {
    if (kBoxFields.size() != kBoxNames.size())
        return false;
    for (std::size_t i = 0; i < kBoxFields.size(); ++i) {
        if (std::string_view(kBoxFields[i].box) != kBoxNames[i])
            return false;
    }
    return true;
}());

} // namespace

std::span<const BoxField> shownBoxes() { return kBoxFields; }

} // namespace vkp2::cli

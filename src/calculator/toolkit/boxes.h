#pragma once
// The calculator's fifteen boxes and four lists, once. Everything that names a box (the
// contract's controls, the headless calculator, the window's widgets and layout, the planner's
// shown values, the command line's columns) indexes by these ids and reads the rest here, so a
// new result box is its row here, its formula and its place in the layout.

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vkp2 {

// In the order the boxes' texts are listed everywhere (records, CSV columns, comparisons).
enum class Box {
    Flength,
    Aperture,
    Fratio,
    Distance_tl,
    Distance_d,
    efl,
    efr,
    Pixelsize_width,
    Pixelsize_height,
    Chipsize_width,
    Chipsize_height,
    Fov_width,
    Fov_height,
    Pixelscale_width,
    Pixelscale_height,
};
inline constexpr std::size_t kBoxCount = 15;

enum class BoxRole {
    Input,  // typed by the user while enabled; has a change handler
    Ratio,  // the telescope's focal ratio: shown, never typed
    Result, // written by the calculations only
};

struct BoxInfo {
    Box id;
    std::string_view name;  // the control's object name, and how handlers are bound
    // What the box shows, for people. The calculator shows it as written; the planner programs'
    // text output translates it (context "Box").
    std::string_view label;
    std::string_view key;   // CSV and JSON
    BoxRole role;
    std::string_view initialText; // before start-up writes anything
    bool initiallyEnabled;
};

inline constexpr std::array<BoxInfo, kBoxCount> kBoxes{{
    {Box::Flength, "Flength", QT_TRANSLATE_NOOP("Box", "Focal Length (mm)"), "focal_length_mm", BoxRole::Input, "530", false},
    {Box::Aperture, "Aperture", QT_TRANSLATE_NOOP("Box", "Aperture (mm)"), "aperture_mm", BoxRole::Input, "106", false},
    {Box::Fratio, "Fratio", QT_TRANSLATE_NOOP("Box", "F-Ratio"), "focal_ratio", BoxRole::Ratio, "5", false},
    {Box::Distance_tl, "Distance_tl", QT_TRANSLATE_NOOP("Box", "Distance TL (0-30mm)"), "tl_mm", BoxRole::Input, "5", true},
    {Box::Distance_d, "Distance_d", QT_TRANSLATE_NOOP("Box", "Cam. Focal Distance D (mm)"), "d_mm", BoxRole::Input, "55", true},
    {Box::efl, "efl", QT_TRANSLATE_NOOP("Box", "Extended Focal Length (mm)"), "efl_mm", BoxRole::Result, "", false},
    {Box::efr, "efr", QT_TRANSLATE_NOOP("Box", "Extended Focal Ratio"), "efr", BoxRole::Result, "", false},
    {Box::Pixelsize_width, "Pixelsize_width", QT_TRANSLATE_NOOP("Box", "Pixel Size Width (microns)"), "pixel_width_um",
     BoxRole::Input, "", false},
    {Box::Pixelsize_height, "Pixelsize_height", QT_TRANSLATE_NOOP("Box", "Pixel Size Height (microns)"), "pixel_height_um",
     BoxRole::Input, "", false},
    {Box::Chipsize_width, "Chipsize_width", QT_TRANSLATE_NOOP("Box", "Chip Size Width (pixels)"), "chip_width_px",
     BoxRole::Input, "", false},
    {Box::Chipsize_height, "Chipsize_height", QT_TRANSLATE_NOOP("Box", "Chip Size Height (pixels)"), "chip_height_px",
     BoxRole::Input, "", false},
    {Box::Fov_width, "Fov_width", QT_TRANSLATE_NOOP("Box", "FOV Width (arcmin)"), "fov_width_arcmin", BoxRole::Result, "",
     false},
    {Box::Fov_height, "Fov_height", QT_TRANSLATE_NOOP("Box", "FOV Height (arcmin)"), "fov_height_arcmin", BoxRole::Result,
     "", false},
    {Box::Pixelscale_width, "Pixelscale_width", QT_TRANSLATE_NOOP("Box", "Scale W (arcsec/pixel)"),
     "scale_width_arcsec_per_px", BoxRole::Result, "", false},
    {Box::Pixelscale_height, "Pixelscale_height", QT_TRANSLATE_NOOP("Box", "Scale H (arcsec/pixel)"),
     "scale_height_arcsec_per_px", BoxRole::Result, "", false},
}};

constexpr std::size_t indexOf(Box box) { return static_cast<std::size_t>(box); }
constexpr const BoxInfo &infoOf(Box box) { return kBoxes[indexOf(box)]; }

// A box by its object name; nothing for a name that is no box.
constexpr std::optional<Box> boxNamed(std::string_view name)
{
    for (const BoxInfo &info : kBoxes) {
        if (info.name == name)
            return info.id;
    }
    return std::nullopt;
}

// The four lists, in the order start-up fills them.
enum class List { Telescope, Ocular, Ccd, Binning };
inline constexpr std::size_t kListCount = 4;
inline constexpr std::array<std::string_view, kListCount> kListNames{"Telescope", "Ocular", "Ccd",
                                                                     "Binning"};
constexpr std::string_view nameOf(List list) { return kListNames[static_cast<std::size_t>(list)]; }

// The registry is indexed by its ids: a row out of place would swap two boxes everywhere.
constexpr bool rowsInIdOrder()
{
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        if (indexOf(kBoxes[i].id) != i)
            return false;
    }
    return true;
}
static_assert(rowsInIdOrder());

} // namespace vkp2

#pragma once
// Binning table: the pixel size (micrometres) and chip size (pixels) that a binning camera
// has in each mode, stored as listed rather than computed (13.6 is a table value, not 2 x 6.8).

#include <array>

namespace vkp2::catalog {

inline constexpr std::array<const char *, 3> kBinningModes{"1x1", "2x2", "3x3"};

struct BinningRow {
    const char *camera;
    const char *mode;
    double pixelWidth;
    double pixelHeight;
    double chipWidth;
    double chipHeight;
};

inline constexpr std::array<BinningRow, 59> kBinning{{
    {"FLI IMG261E", "1x1", 20, 20, 512, 512},
    {"FLI IMG261E", "2x2", 40, 40, 256, 256},
    {"FLI IMG261E", "3x3", 60, 60, 170, 170},
    {"FLI IMG401E", "1x1", 9, 9, 768, 512},
    {"FLI IMG401E", "2x2", 18, 18, 384, 256},
    {"FLI IMG401E", "3x3", 27, 27, 256, 170},
    {"FLI IMG512S", "1x1", 24, 24, 512, 512},
    {"FLI IMG512S", "2x2", 48, 48, 256, 256},
    {"FLI IMG512S", "3x3", 72, 72, 170, 170},
    {"FLI IMG1001E", "1x1", 24, 24, 1024, 1024},
    {"FLI IMG1001E", "2x2", 48, 48, 512, 512},
    {"FLI IMG1001E", "3x3", 72, 72, 341, 341},
    {"FLI IMG1024S", "1x1", 24, 24, 1024, 1024},
    {"FLI IMG1024S", "2x2", 48, 48, 512, 512},
    {"FLI IMG1024S", "3x3", 72, 72, 341, 341},
    {"FLI IMG1302E", "1x1", 16, 16, 1280, 1024},
    {"FLI IMG1302E", "2x2", 32, 32, 640, 512},
    {"FLI IMG1302E", "3x3", 48, 48, 426, 341},
    {"FLI IMG1401E", "1x1", 6.8, 6.8, 1340, 1037},
    {"FLI IMG1401E", "2x2", 13.6, 13.6, 670, 518},
    {"FLI IMG1401E", "3x3", 20.4, 20.4, 446, 345},
    {"FLI IMG1602E", "1x1", 9, 9, 1552, 1032},
    {"FLI IMG1602E", "2x2", 18, 18, 776, 516},
    {"FLI IMG1602E", "3x3", 27, 27, 517, 344},
    {"FLI MaxCam CM1", "1x1", 24, 24, 512, 512},
    {"FLI MaxCam CM1", "2x2", 48, 48, 256, 256},
    {"FLI MaxCam CM1", "3x3", 72, 72, 170, 170},
    {"FLI MaxCam CM2", "1x1", 13, 13, 1024, 1024},
    {"FLI MaxCam CM2", "2x2", 26, 26, 512, 512},
    {"FLI MaxCam CM2", "3x3", 39, 39, 341, 341},
    {"FLI MaxCam CM7", "1x1", 9, 9, 768, 512},
    {"FLI MaxCam CM7", "2x2", 18, 18, 384, 256},
    {"FLI MaxCam CM7", "3x3", 27, 27, 256, 170},
    {"FLI MaxCam CM8", "1x1", 9, 9, 1536, 1024},
    {"FLI MaxCam CM8", "2x2", 18, 18, 768, 512},
    {"FLI MaxCam CM8", "3x3", 27, 27, 512, 341},
    {"FLI MaxCam CM9", "1x1", 20, 20, 512, 512},
    {"FLI MaxCam CM9", "2x2", 40, 40, 256, 256},
    {"FLI MaxCam CM9", "3x3", 60, 60, 170, 170},
    {"FLI MaxCam CM10", "1x1", 6.8, 6.8, 2184, 1472},
    {"FLI MaxCam CM10", "2x2", 13.6, 13.6, 1092, 736},
    {"FLI MaxCam CM10", "3x3", 20.4, 20.4, 728, 490},
    {"FLI Dream Machine", "1x1", 24, 24, 1024, 1024},
    {"FLI Dream Machine", "2x2", 48, 48, 512, 512},
    {"FLI Dream Machine", "3x3", 72, 72, 341, 341},
    {"SBIG ST-7E", "1x1", 9, 9, 765, 510},
    {"SBIG ST-7E", "2x2", 18, 18, 382, 255},
    {"SBIG ST-7E", "3x3", 27, 27, 255, 170},
    {"SBIG ST-8E", "1x1", 9, 9, 1530, 1020},
    {"SBIG ST-8E", "2x2", 18, 18, 765, 510},
    {"SBIG ST-8E", "3x3", 27, 27, 510, 340},
    // The KAF-0261 sensor has 20 µm pixels, as the camera's own row says.
    {"SBIG ST-9E", "1x1", 20, 20, 512, 512},
    {"SBIG ST-9E", "2x2", 40, 40, 256, 256},
    {"SBIG ST-9E", "3x3", 60, 60, 170, 170},
    {"SBIG ST-10E", "1x1", 6.8, 6.8, 2184, 1472},
    {"SBIG ST-10E", "2x2", 13.6, 13.6, 1092, 736},
    {"SBIG ST-10E", "3x3", 20.4, 20.4, 728, 490},
    {"Starlight Express HX916", "1x1", 6.7, 6.7, 1300, 1030},
    {"Starlight Express HX916", "2x2", 13.4, 13.4, 650, 515},
}};

// A mode a camera cannot do, and the mode it falls back to.
struct RefusedBinning {
    const char *camera;
    const char *mode;
    const char *fallback;
};

inline constexpr std::array<RefusedBinning, 1> kRefusedBinning{{
    {"Starlight Express HX916", "3x3", "2x2"},
}};

} // namespace vkp2::catalog

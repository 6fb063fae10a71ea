#pragma once
// CCD camera catalogue, in list order (after "None or Film" and "User-Defined").
// Pixel sizes in micrometres, chip sizes in pixels; `binning` marks the cameras whose values
// come from the binning table for the chosen mode.

#include <array>

namespace vkp2::catalog {

struct CameraRow {
    const char *name;
    double pixelWidth;
    double pixelHeight;
    double chipWidth;
    double chipHeight;
    bool binning;
};

inline constexpr std::array<CameraRow, 75> kCameras{{
    {"Apogee AP1E", 9, 9, 768, 512, false},
    {"Apogee AP2E", 9, 9, 1536, 1024, false},
    {"Apogee AP4", 9, 9, 2048, 2048, false},
    {"Apogee AP260EP", 20, 20, 512, 512, false},
    {"Apogee AP6E", 24, 24, 1024, 1024, false},
    {"Apogee AP7", 24, 24, 512, 512, false},
    {"Apogee AP8", 24, 24, 1024, 1024, false},
    {"Apogee AP9E", 9, 9, 3072, 2048, false},
    {"Apogee AP10", 14, 14, 2048, 2048, false},
    {"Apogee AP16E", 9, 9, 4096, 4096, false},
    {"Apogee KX1E", 9, 9, 768, 512, false},
    {"Apogee KX2E", 9, 9, 1536, 1024, false},
    {"Apogee KX4", 9, 9, 2048, 2048, false},
    {"Apogee KX14E", 6.8, 6.8, 1300, 1028, false},
    {"Apogee KX85", 6.7, 6.7, 1300, 1030, false},
    {"Apogee KX260", 20, 20, 512, 512, false},
    {"Apogee LISSA", 7.4, 7.4, 659, 494, false},
    {"Apogee LISSA Megapixel", 6.7, 6.7, 1300, 1030, false},
    {"Apogee SPH2", 24, 24, 512, 122, false},
    {"Apogee SPH5", 24, 24, 1024, 122, false},
    {"Astrovid 2000", 7.95, 6.45, 768, 494, false},
    {"Audine", 9, 9, 768, 512, false},
    {"Celestron PixCel 255", 10, 10, 320, 240, false},
    {"Celestron PixCel 237", 7.4, 7.4, 640, 480, false},
    {"Cookbook 211", 13.75, 16, 192, 165, false},
    {"Cookbook 245", 8.5, 19.7, 755, 242, false},
    {"FLI IMG261E", 20, 20, 512, 512, true},
    {"FLI IMG401E", 9, 9, 768, 512, true},
    {"FLI IMG512S", 24, 24, 512, 512, true},
    {"FLI IMG1001E", 24, 24, 1024, 1024, true},
    {"FLI IMG1024S", 24, 24, 1024, 1024, true},
    {"FLI IMG1302E", 16, 16, 1280, 1024, true},
    {"FLI IMG1401E", 6.8, 6.8, 1340, 1037, true},
    {"FLI IMG1602E", 9, 9, 1552, 1032, true},
    {"FLI MaxCam CM1", 24, 24, 512, 512, true},
    {"FLI MaxCam CM2", 13, 13, 1024, 1024, true},
    {"FLI MaxCam CM7", 9, 9, 768, 512, true},
    {"FLI MaxCam CM8", 9, 9, 1536, 1024, true},
    {"FLI MaxCam CM9", 20, 20, 512, 512, true},
    {"FLI MaxCam CM10", 6.8, 6.8, 2184, 1472, true},
    {"FLI Dream Machine", 24, 24, 1024, 1024, true},
    {"Genesis CCD KAF400", 9, 9, 768, 512, false},
    {"Genesis CCD KAF1600", 9, 9, 1536, 1024, false},
    {"Hi-SIS 21", 9, 9, 768, 512, false},
    {"Hi-SIS 22", 9, 9, 768, 512, false},
    {"Hi-SIS 23", 9, 9, 768, 512, false},
    {"Hi-SIS 24", 9, 9, 768, 512, false},
    {"Hi-SIS 32", 19, 19, 512, 512, false},
    {"Hi-SIS 33", 19, 19, 512, 512, false},
    {"Hi-SIS 42", 9, 9, 1536, 1024, false},
    {"Hi-SIS 43", 9, 9, 1536, 1024, false},
    {"Hi-SIS 44", 9, 9, 1532, 1024, false},
    {"Meade Pictor 208XT", 10, 10, 336, 242, false},
    {"Meade Pictor 216XT", 10, 10, 336, 242, false},
    {"Meade Pictor 416XT", 9, 9, 768, 512, false},
    {"Meade Pictor 1616XT", 9, 9, 1536, 1024, false},
    {"SBIG STV-Wide", 22.2, 22.2, 218, 160, false},
    {"SBIG STV-Normal", 14.8, 14.8, 320, 200, false},
    {"SBIG STV-Zoom", 7.4, 7.4, 320, 200, false},
    {"SBIG ST-237", 7.4, 7.4, 640, 480, false},
    {"SBIG ST-237A", 7.4, 7.4, 657, 495, false},
    {"SBIG ST-4", 13.75, 16, 192, 164, false},
    {"SBIG ST-5C", 10, 10, 320, 240, false},
    {"SBIG ST-6B", 23, 27, 375, 241, false},
    {"SBIG ST-7E", 9, 9, 765, 510, true},
    {"SBIG ST-8E", 9, 9, 1530, 1020, true},
    {"SBIG ST-9E", 20, 20, 512, 512, true},
    {"SBIG ST-10E", 6.8, 6.8, 2184, 1472, true},
    {"SBIG ST-1001E", 24, 24, 1024, 1024, false},
    {"Starlight Express HX516", 7.4, 7.4, 660, 494, false},
    {"Starlight Express HX916", 6.7, 6.7, 1300, 1030, true},
    {"Starlight Express MX5", 9.8, 12.6, 500, 290, false},
    {"Starlight Express MX916", 11.6, 11.2, 752, 580, false},
    {"Starlight Express SXF", 12.4, 16.6, 500, 256, false},
    {"Starlight Express SXL8", 15, 15, 512, 512, false},
}};

} // namespace vkp2::catalog

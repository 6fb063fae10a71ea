#pragma once
// kit.json: the user's equipment, beside the setup in the per-user data folder, human-readable
// and versioned. A kit file that cannot be read is never overwritten.
//
//   { "format": "vkp2-kit", "version": 1,
//     "telescopes": [ { "name": "...", "focal_length_mm": 2000, "aperture_mm": 200 } ],
//     "cameras":    [ { "name": "...", "pixel_width_um": 2.9, "pixel_height_um": 2.9,
//                       "width_px": 1936, "height_px": 1096, "colour": "colour|mono|unknown",
//                       "binning": [1, 2] } ],
//     "lenses":     [ { "name": "...", "factor": 2, "focal_length_mm": -100,
//                       "design_spacing_mm": 100 } ],            (the last two optional)
//     "eyepieces":  [ { "name": "...", "focal_length_mm": 10, "apparent_field_deg": 52,
//                       "field_stop_mm": 9 } ] }                 (the last two optional)

#include "storage/kit.h"
#include "storage/setup_location.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace vkp2::storage {

inline const QString kKitFileName = QStringLiteral("kit.json");
inline constexpr int kKitFileVersion = 1;

// $XDG_DATA_HOME/VKP2/kit.json (the per-user data folder of the setup), the same path with
// either argument; with Create the folder is made when missing and can be. Empty when the
// system names no data folder. Never a file in the current folder.
QString kitFilePath(FolderCreation creation = FolderCreation::ReadOnly);

// The kit as kit.json holds it, indented, entries in kit order.
QByteArray kitToJson(const Kit &kit);

// A kit from kit.json's text. `problem` says what is wrong and where ("line 4, column 12:
// ...", "cameras[2] \"ASI462MC\": pixel width ...", "version 7 is newer than this program
// reads"); then `kit` is empty. Every entry is checked as problemOf checks it.
struct KitParse {
    std::optional<Kit> kit;
    QString problem;
};
KitParse kitFromJson(const QByteArray &json);

// The kit file at `path`. A missing file is an empty kit with no problem; a file that cannot
// be read or parsed (or is larger than kit_limits::kMaxFileBytes) leaves `kit` empty and
// `problem` saying why, with the path.
struct KitFile {
    Kit kit;
    bool exists = false;
    QString problem;
};
KitFile readKitFile(const QString &path);

// Writes the kit atomically, as the setup file is written. Refuses, changing nothing, when the
// file there now is one readKitFile has a problem with. Returns false with `problem` set when
// it did not write.
bool writeKitFile(const QString &path, const Kit &kit, QString *problem = nullptr);

} // namespace vkp2::storage

#pragma once
// kit.json's text read entry by entry, for the kit file and for importing a kit.json. The
// entries come as they are written, unchecked: the caller decides what a bad one means.

#include "storage/kit.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace vkp2::storage::kit_json {

inline const QString kFormatTag = QStringLiteral("vkp2-kit");

// The words kit.json gives a camera's colour in: "colour", "mono", "unknown".
QString colourWord(Colour colour);
std::optional<Colour> colourNamed(const QString &word);

// Each entry read whole, with where it stands ("cameras[2] \"ASI462MC\""); `unreadable` for
// an entry whose values are missing or of the wrong type.
struct Entries {
    std::function<void(const KitTelescope &, const QString &where)> telescope;
    std::function<void(const KitCamera &, const QString &where)> camera;
    std::function<void(const KitLens &, const QString &where)> lens;
    std::function<void(const KitEyepiece &, const QString &where)> eyepiece;
    std::function<void(const QString &where, const QString &why)> unreadable;
};

// What is wrong with the file as a whole (not JSON, not a kit, a newer version, a list that is
// not one); empty when every entry was handed on.
QString read(const QByteArray &json, const Entries &entries);

} // namespace vkp2::storage::kit_json

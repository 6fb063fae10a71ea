#pragma once
// The user's own equipment: what kit.json keeps, what the importers bring in and what the
// built-in equipment database offers. Lengths in millimetres, pixel sizes in micrometres,
// angles in degrees.

#include <QList>
#include <QString>

#include <optional>

namespace vkp2::storage {

struct KitTelescope {
    QString name;
    double focalLength = 0;
    double aperture = 0;
    bool operator==(const KitTelescope &) const = default;
};

enum class Colour { Unknown, Colour, Mono };

struct KitCamera {
    QString name;
    double pixelWidth = 0;
    double pixelHeight = 0;
    int width = 0;  // active pixels across
    int height = 0; // active pixels down
    Colour colour = Colour::Unknown;
    QList<int> binning{1}; // the N of each NxN mode it offers, ascending, 1 always first
    bool operator==(const KitCamera &) const = default;
};

// A Barlow (factor above 1) or a focal reducer (factor below 1). Its focal length (negative
// for a Barlow) or the spacing to the sensor its factor is given for, where known.
struct KitLens {
    QString name;
    double factor = 0;
    std::optional<double> focalLength;
    std::optional<double> designSpacing;
    // A factor of 1 goes by the sign of its focal length, where one is given.
    bool isBarlow() const { return factor > 1 || (factor == 1 && focalLength && *focalLength < 0); }
    bool operator==(const KitLens &) const = default;
};

struct KitEyepiece {
    QString name;
    double focalLength = 0;
    std::optional<double> apparentField;
    std::optional<double> fieldStop;
    bool operator==(const KitEyepiece &) const = default;
};

enum class KitKind { Telescope, Camera, Lens, Eyepiece };

struct Kit {
    QList<KitTelescope> telescopes;
    QList<KitCamera> cameras;
    QList<KitLens> lenses;
    QList<KitEyepiece> eyepieces;
    bool isEmpty() const { return size() == 0; }
    qsizetype size() const
    {
        return telescopes.size() + cameras.size() + lenses.size() + eyepieces.size();
    }
    bool operator==(const Kit &) const = default;
};

} // namespace vkp2::storage

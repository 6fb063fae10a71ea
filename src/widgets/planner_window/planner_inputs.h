#pragma once
// Everything the planner window works from: the kit as the calculator would hold it, plus what
// only the planner asks (seeing, target, sensor type, wavelength).

#include "calculator/core/limits.h"
#include "calculator/toolkit/boxes.h"
#include "planner/advice.h"
#include "planner/filters.h"
#include "planner/setup.h"
#include "planner/setup_fields.h"
#include "planner/solve.h"
#include "planner/targets.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace vkp2::planner_window {

// The calculator box a typed field of the kit feeds: the one that goes by the same key.
// Nothing for the lists (telescope, ocular, camera, binning).
constexpr std::optional<Box> boxOf(planner::SetupField field)
{
    const std::string_view key = planner::setupField(field).key;
    for (const BoxInfo &info : kBoxes) {
        if (info.key == key)
            return info.id;
    }
    return std::nullopt;
}

inline const QString kTypedTarget = QStringLiteral("Typed size");

struct PlannerInputs {
    planner::Setup setup;
    double seeingArcsec = limits::kSeeingArcsec;
    QString target = QStringLiteral("Jupiter"); // a target name, or kTypedTarget
    double typedTargetArcsec = 60;
    bool colourSensor = false;
    double wavelengthNm = limits::kWavelengthNm;
    // The night planned for: as typed; empty stands for `now`, the moment the window started or
    // the Now button was pressed.
    QString dateText;
    QDateTime now;
    // A preset's name, whose wavelength wavelengthNm holds; empty: typed.
    QString filter = QLatin1String(planner::defaultFilter().name);
    planner::SamplingRule rule = planner::SamplingRule::Nyquist;
    double colourFactor = planner::colour_factors::kDefault;
    planner::Blur blur;
    bool mosaic = false; // a full-disc mosaic of the Moon or the Sun
    double overlapPercent = planner::mosaic_limits::kOverlapDefaultPercent;
    double rotationDeg = planner::mosaic_limits::kRotationDefaultDeg;

    // The moment planned for; nothing when the typed date does not read.
    std::optional<QDateTime> moment() const;
    // The target's smallest and largest apparent size, in arcsec.
    double targetMinArcsec() const;
    double targetMaxArcsec() const;
    // The chosen target as the engine knows it; a typed size is a target of that one size.
    planner::Target targetInfo() const;
};

// What the engine's advice is asked with: the planner's own questions.
planner::AdviceOptions adviceOptions(const PlannerInputs &in);

// The optics of a setup as the chart's curves need them, as the calculator shows them; the
// pixel is the sampling pitch.
struct ChartOptics {
    std::optional<double> focalMm, apertureMm, tubeLengthMm, pixelUm;
};
ChartOptics chartOptics(const planner::Shown &shown);

// The projection for one ocular entry ("No-VKP2" gives prime focus); nothing when the focal
// length or TL cannot be read.
std::optional<planner::Projection> projectionFor(const ChartOptics &optics, const QString &ocular);

// What the calculator shows for the setup with another ocular and D (D as typed).
planner::Shown showAt(const planner::Setup &setup, const QString &ocular, const QString &d);

// The pixel size and chip size in effect, as the camera boxes show them (binned values for a
// binning camera).
struct Sensor {
    double pixelWidthUm = 0, pixelHeightUm = 0;
    int chipWidthPx = 0, chipHeightPx = 0;
    bool valid() const { return pixelWidthUm > 0 && pixelHeightUm > 0 && chipWidthPx > 0 && chipHeightPx > 0; }
};
Sensor sensorOf(const planner::Shown &shown);

} // namespace vkp2::planner_window

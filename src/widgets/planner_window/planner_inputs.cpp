#include "widgets/planner_window/planner_inputs.h"

#include "calculator/catalog/lookup.h"
#include "calculator/catalog/ocular_table.h"
#include "calculator/core/numbers.h"

#include <cmath>

namespace vkp2::planner_window {

namespace {

std::optional<planner::Target> listedTarget(const QString &name)
{
    for (const planner::Target &t : planner::targets()) {
        if (name == QLatin1String(t.name))
            return t;
    }
    return std::nullopt;
}

} // namespace

planner::Target PlannerInputs::targetInfo() const
{
    if (const auto t = listedTarget(target))
        return *t;
    return {"typed", "Typed size", typedTargetArcsec, typedTargetArcsec, 0, std::nullopt};
}

double PlannerInputs::targetMinArcsec() const { return targetInfo().minArcsec; }

double PlannerInputs::targetMaxArcsec() const { return targetInfo().maxArcsec; }

std::optional<QDateTime> PlannerInputs::moment() const
{
    if (dateText.trimmed().isEmpty())
        return now.isValid() ? now : QDateTime::currentDateTimeUtc();
    return planner::parseMoment(dateText);
}

planner::AdviceOptions adviceOptions(const PlannerInputs &in)
{
    planner::AdviceOptions o;
    o.seeingArcsec = in.seeingArcsec;
    o.wavelengthNm = in.wavelengthNm;
    o.filterName = in.filter;
    o.colourSensor = in.colourSensor;
    o.colourFactor = in.colourFactor;
    o.rule = in.rule;
    o.target = in.targetInfo();
    o.moment = in.moment();
    o.blur = in.blur;
    if (in.mosaic)
        o.mosaic = planner::MosaicRequest{in.overlapPercent, in.rotationDeg};
    return o;
}

ChartOptics chartOptics(const planner::Shown &shown)
{
    // The values the calculator works with, so a replaced box cannot draw other curves.
    ChartOptics o;
    o.focalMm = shown.number(Box::Flength);
    o.apertureMm = shown.number(Box::Aperture);
    o.tubeLengthMm = shown.number(Box::Distance_tl);
    o.pixelUm = planner::samplingPitchUm(shown);
    return o;
}

std::optional<planner::Projection> projectionFor(const ChartOptics &optics, const QString &ocular)
{
    if (!optics.focalMm || !optics.tubeLengthMm)
        return std::nullopt;
    planner::Projection p;
    p.telescopeFocalMm = *optics.focalMm;
    p.tubeLengthMm = *optics.tubeLengthMm;
    if (const auto *row = catalog::findByName(catalog::kOculars, ocular))
        p.ocular = planner::OcularGeometry{row->offset, row->length, row->focalLength};
    return p;
}

planner::Shown showAt(const planner::Setup &setup, const QString &ocular, const QString &d)
{
    planner::Setup s = setup;
    s.d = d;
    s.chooseOcular(ocular); // "No-VKP2" forces both distances to 0, as in the window
    return planner::show(s);
}

Sensor sensorOf(const planner::Shown &shown)
{
    // The camera boxes show the binned values for a binning camera.
    Sensor s;
    s.pixelWidthUm = shown.number(Box::Pixelsize_width).value_or(0);
    s.pixelHeightUm = shown.number(Box::Pixelsize_height).value_or(0);
    const double cw = shown.number(Box::Chipsize_width).value_or(0);
    const double ch = shown.number(Box::Chipsize_height).value_or(0);
    s.chipWidthPx = std::isfinite(cw) ? int(std::lround(cw)) : 0;
    s.chipHeightPx = std::isfinite(ch) ? int(std::lround(ch)) : 0;
    return s;
}

} // namespace vkp2::planner_window

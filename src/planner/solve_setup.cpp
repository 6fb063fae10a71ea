#include "planner/solve_setup.h"

#include "calculator/catalog/lookup.h"
#include "calculator/catalog/ocular_table.h"
#include "calculator/core/numbers.h"
#include "calculator/core/optics.h"
#include "planner/words.h"

#include <cmath>

namespace vkp2::planner {

namespace {

std::optional<double> positive(std::optional<double> v)
{
    return v && std::isfinite(*v) && *v > 0 ? v : std::nullopt;
}

std::optional<double> scaleOf(const Shown &shown, Box pixelBox)
{
    const auto efl = positive(shown.number(Box::efl));
    const auto pixel = positive(shown.number(pixelBox));
    if (!efl || !pixel)
        return std::nullopt;
    return optics::pixelScaleArcsec(*pixel, *efl);
}

Solution invalid(const QString &why) { return {SolveStatus::InvalidInput, 0, why}; }

} // namespace

QList<SolvedOcular> solveEveryOcular(const Setup &setup, Goal::Kind kind, double value,
                                     const QStringList &oculars)
{
    const Shown base = show(setup);
    // A rejected focal length leaves the results empty, so an empty EFL box means no
    // telescope the calculator accepts.
    const bool telescope = positive(base.number(Box::efl)).has_value();
    const auto focal = positive(base.number(Box::Flength));
    const auto tl = base.number(Box::Distance_tl);
    std::optional<Goal> goal;
    QString noGoal;
    switch (kind) {
    case Goal::Kind::FocalLength:
        goal = Goal::focalLength(value);
        break;
    case Goal::Kind::FocalRatio:
        if (const auto aperture = positive(base.number(Box::Aperture)))
            goal = Goal::focalRatio(value, *aperture);
        else
            noGoal = Words::tr("no aperture");
        break;
    case Goal::Kind::PixelScale:
        if (const auto pixel = positive(base.number(Box::Pixelsize_width)))
            goal = Goal::pixelScale(value, *pixel);
        else
            noGoal = Words::tr("no camera pixel size");
        break;
    }

    QList<SolvedOcular> out;
    for (const QString &ocular : oculars) {
        SolvedOcular row;
        row.ocular = ocular;
        if (!telescope || !focal)
            row.solution = invalid(Words::tr("the calculator accepts no such telescope"));
        else if (!tl)
            row.solution = invalid(Words::tr("TL is not a number"));
        else if (!goal)
            row.solution = invalid(noGoal);
        else {
            Projection p{*focal, std::nullopt, *tl};
            if (const auto *o = catalog::findByName(catalog::kOculars, ocular))
                p.ocular = OcularGeometry{o->offset, o->length, o->focalLength};
            row.solution = solveDistance(p, *goal);
        }
        if (row.solution.ok()) {
            row.dText = numbers::format(numbers::round2(row.solution.distanceMm));
            Setup s = setup;
            s.d = row.dText;
            s.chooseOcular(ocular);
            row.shown = show(s);
        }
        out << row;
    }
    return out;
}

std::optional<double> unroundedPixelScale(const Shown &shown)
{
    return scaleOf(shown, Box::Pixelsize_width);
}

std::optional<double> unroundedPixelScaleHeight(const Shown &shown)
{
    return scaleOf(shown, Box::Pixelsize_height);
}

} // namespace vkp2::planner

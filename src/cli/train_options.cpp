#include "cli/train_options.h"

#include "calculator/catalog/lookup.h"
#include "cli/setup_options.h"
#include "cli/words.h"
#include "planner/equipment_lookup.h"
#include "planner/setup_fields.h"
#include "planner/train_setup.h"

#include <algorithm>

namespace vkp2::cli {

namespace {

using planner::LensKind;
using planner::TrainField;

using planner::optionOf;

QString kindWord(LensKind kind)
{
    return kind == LensKind::Barlow ? Words::tr("Barlow") : Words::tr("reducer");
}

// A number is a typed factor of the option's kind; anything else names an entry.
planner::Lens lensFrom(const Context &cx, LensKind kind,
                       const std::function<const storage::Kit &()> &kit)
{
    const QString option = optionOf(TrainField::Factor, kind);
    const QString typed = cx.args.value(option);
    if (const auto v = cx.numberIn(typed)) {
        planner::Lens lens;
        lens.kind = kind;
        lens.factor = *v;
        return lens;
    }
    const auto found = planner::findLens(typed, kit());
    if (!found.found)
        noSuchName(option, QStringLiteral("Barlow or reducer"), typed, found.closest,
                   QStringLiteral("vkp2plan find barlows TEXT"));
    planner::Lens lens = planner::lensOf(found.found->entry);
    // A factor of 1 without a focal length is neither: it takes the option it was given by.
    if (lens.factor == 1 && !lens.focalMm)
        lens.kind = kind;
    if (lens.kind != kind)
        fail(option, QCoreApplication::translate("vkp2plan", "\"%1\" is a %2; give it with %3")
                         .arg(lens.name, kindWord(lens.kind), optionOf(TrainField::Factor, lens.kind)));
    return lens;
}

struct Eyepiece {
    double focalMm = 0;
    QString name; // empty when typed
};

Eyepiece eyepieceFrom(const Context &cx, TrainField field,
                      const std::function<const storage::Kit &()> &kit)
{
    const QString option = optionOf(field);
    const QString typed = cx.args.value(option);
    if (const auto v = cx.numberIn(typed))
        return {*v, {}};
    const auto found = planner::findEyepiece(typed, kit());
    if (!found.found)
        noSuchName(option, QStringLiteral("eyepiece"), typed, found.closest,
                   QStringLiteral("vkp2plan find eyepieces TEXT"));
    return {found.found->entry.focalLength, found.found->entry.name};
}

void needs(const Arguments &a, TrainField field, const QString &companion)
{
    if (a.has(optionOf(field)))
        fail(optionOf(field), Words::tr("needs %1").arg(companion));
}

} // namespace

bool hasTrainOption(const Arguments &args)
{
    if (args.has(QLatin1String(planner::reducerOption)))
        return true;
    return std::any_of(planner::kTrainFields.begin(), planner::kTrainFields.end(),
                       [&args](const planner::TrainFieldInfo &f) {
                           return args.has(QLatin1String(f.option));
                       });
}

bool noVkp2Ocular(const Arguments &args)
{
    const QStringList oculars = args.values(planner::optionOf(planner::SetupField::Ocular));
    return std::all_of(oculars.begin(), oculars.end(), [](const QString &o) {
        return o.compare(entries::NoVkp2, Qt::CaseInsensitive) == 0;
    });
}

std::optional<planner::Train> trainOptions(const Context &cx, TrainUse use,
                                           const std::function<const storage::Kit &()> &kit)
{
    const Arguments &a = cx.args;
    if (use == TrainUse::None || !hasTrainOption(a))
        return std::nullopt;
    planner::Train t;
    const QString barlow = optionOf(TrainField::Factor);
    const QString reducer = QLatin1String(planner::reducerOption);
    if (a.has(barlow) && a.has(reducer))
        fail(reducer, Words::tr("give either %1 or %2").arg(barlow, reducer));
    if (a.has(barlow) || a.has(reducer))
        t.lens = lensFrom(cx, a.has(reducer) ? LensKind::Reducer : LensKind::Barlow, kit);
    if (!t.lens) {
        const QString companion = Words::tr("%1 or %2").arg(barlow, reducer);
        needs(a, TrainField::DesignSpacing, companion);
        needs(a, TrainField::Spacing, companion);
    } else {
        const QString designOption = optionOf(TrainField::DesignSpacing);
        if (a.has(designOption)) {
            // A typed design spacing is the one the factor is for: f follows from the two.
            t.lens->designSpacingMm = cx.number(designOption);
            t.lens->focalMm.reset();
        }
        const QString spacingOption = optionOf(TrainField::Spacing);
        if (a.has(spacingOption))
            t.lens->spacingMm = cx.number(spacingOption);
    }

    const QString projectionOption = optionOf(TrainField::ProjectionEyepiece);
    const QString distanceOption = optionOf(TrainField::ProjectionDistance);
    const QString cameraLensOption = optionOf(TrainField::AfocalLens);
    const QString afocalEyepieceOption = optionOf(TrainField::AfocalEyepiece);
    const bool afocal = a.has(cameraLensOption) || a.has(afocalEyepieceOption);
    if (a.has(projectionOption) && afocal)
        fail(a.has(cameraLensOption) ? cameraLensOption : afocalEyepieceOption,
             Words::tr("give either %1 or %2").arg(projectionOption, cameraLensOption));
    if (a.has(projectionOption)) {
        const Eyepiece e = eyepieceFrom(cx, TrainField::ProjectionEyepiece, kit);
        t.rear = planner::Rear::Projection;
        t.eyepieceMm = e.focalMm;
        t.eyepieceName = e.name;
        if (use == TrainUse::Solved) {
            if (a.has(distanceOption))
                fail(distanceOption, Words::tr("is what solve finds; leave it out"));
            // Any distance the eyepiece projects at: solving replaces it.
            const auto range = planner::usableProjectionDistance(e.focalMm);
            t.projectionDistanceMm = range ? range->highMm : 0;
        } else {
            if (!a.has(distanceOption))
                fail(projectionOption, Words::tr("needs %1 MM").arg(distanceOption));
            t.projectionDistanceMm = cx.number(distanceOption);
        }
    } else {
        needs(a, TrainField::ProjectionDistance, projectionOption);
    }
    if (afocal) {
        if (!a.has(cameraLensOption))
            fail(afocalEyepieceOption, Words::tr("needs %1 MM").arg(cameraLensOption));
        if (!a.has(afocalEyepieceOption))
            fail(cameraLensOption, Words::tr("needs %1 MM|NAME").arg(afocalEyepieceOption));
        t.rear = planner::Rear::Afocal;
        t.cameraLensMm = cx.number(cameraLensOption);
        const Eyepiece e = eyepieceFrom(cx, TrainField::AfocalEyepiece, kit);
        t.eyepieceMm = e.focalMm;
        t.eyepieceName = e.name;
    }
    // A lens alone is solved for its spacing; before an eyepiece its spacing is given.
    if (use == TrainUse::Solved && t.lens && t.lens->spacingMm && t.rear == planner::Rear::Vkp2
        && noVkp2Ocular(a))
        fail(optionOf(TrainField::Spacing),
             Words::tr("is what solve finds at prime focus; leave it out"));
    // Projection and afocal take the VKP-2's place.
    if (t.rear != planner::Rear::Vkp2 && !noVkp2Ocular(a))
        fail(planner::optionOf(planner::SetupField::Ocular),
             Words::tr("cannot be combined with %1")
                 .arg(t.rear == planner::Rear::Projection ? projectionOption : cameraLensOption));
    if (const auto p = planner::problemOf(t))
        fail(optionOf(p->field, t.lens ? t.lens->kind : LensKind::Barlow), p->what);
    return t;
}

} // namespace vkp2::cli

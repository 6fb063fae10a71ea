#include "planner/optical_train.h"

#include "calculator/core/numbers.h"
#include "planner/words.h"

#include <cmath>

namespace vkp2::planner {

namespace {

bool finite(double v) { return std::isfinite(v); }
bool positive(double v) { return finite(v) && v > 0; }
bool positive(const std::optional<double> &v) { return v && positive(*v); }

// Names and problems are held with a dot, whatever the locale: they reach CSV and JSON too.
QString mm(double v) { return QString::number(numbers::round2(v), 'g', 15); }

std::optional<double> orNothing(double v)
{
    return finite(v) ? std::optional(v) : std::nullopt;
}

bool within(double v, double lo, double hi) { return finite(v) && v >= lo && v <= hi; }

QString rangeText(double lo, double hi, const char *unit)
{
    return Words::tr("%1 to %2%3").arg(mm(lo), mm(hi), QLatin1String(unit));
}

std::optional<TrainProblem> lensProblem(const Lens &l)
{
    using namespace train_limits;
    const bool barlow = l.kind == LensKind::Barlow;
    if (!within(l.factor, kFactorMin, kFactorMax))
        return TrainProblem{TrainField::Factor,
                            Words::tr("the factor must be %1 to %2")
                                .arg(mm(kFactorMin), mm(kFactorMax))};
    if (barlow && l.factor < 1)
        return TrainProblem{TrainField::Factor,
                            Words::tr("a Barlow's factor is 1 or more; %1 is a reducer's")
                                .arg(mm(l.factor))};
    if (!barlow && l.factor > 1)
        return TrainProblem{TrainField::Factor,
                            Words::tr("a reducer's factor is 1 or less; %1 is a Barlow's")
                                .arg(mm(l.factor))};
    if (l.designSpacingMm && !within(*l.designSpacingMm, kSpacingMin, kSpacingMax))
        return TrainProblem{TrainField::DesignSpacing,
                            Words::tr("the design spacing must be %1")
                                .arg(rangeText(kSpacingMin, kSpacingMax, " mm"))};
    if (l.focalMm && !(finite(*l.focalMm) && (barlow ? *l.focalMm < 0 : *l.focalMm > 0)))
        return TrainProblem{TrainField::Factor,
                            barlow ? Words::tr("a Barlow's focal length is below 0")
                                   : Words::tr("a reducer's focal length is above 0")};
    if (l.spacingMm) {
        if (l.factor == 1 && !l.focalMm)
            return TrainProblem{TrainField::Spacing,
                                Words::tr("a factor of 1 has no power: no spacing changes it")};
        if (!focalLengthOf(l))
            return TrainProblem{TrainField::Spacing,
                                Words::tr("a fixed factor has no spacing to set without the "
                                               "design spacing its factor is for")};
        if (!within(*l.spacingMm, kSpacingMin, kSpacingMax))
            return TrainProblem{TrainField::Spacing,
                                Words::tr("the spacing must be %1")
                                    .arg(rangeText(kSpacingMin, kSpacingMax, " mm"))};
        if (!factorOf(l))
            return TrainProblem{TrainField::Spacing,
                                Words::tr("a spacing of %1 mm is at or past the reducer's "
                                               "focal length of %2 mm: it forms no image")
                                    .arg(mm(*l.spacingMm), mm(*focalLengthOf(l)))};
    }
    return std::nullopt;
}

std::optional<TrainProblem> eyepieceProblem(TrainField field, double fe)
{
    using namespace train_limits;
    if (!within(fe, kEyepieceMin, kEyepieceMax))
        return TrainProblem{field, Words::tr("the eyepiece's focal length must be %1")
                                       .arg(rangeText(kEyepieceMin, kEyepieceMax, " mm"))};
    return std::nullopt;
}

} // namespace

QString optionOf(TrainField id, LensKind kind)
{
    if (id == TrainField::Factor && kind == LensKind::Reducer)
        return QLatin1String(reducerOption);
    return QLatin1String(trainField(id).option);
}

std::optional<TrainProblem> problemOf(const Train &t)
{
    using namespace train_limits;
    if (t.lens) {
        if (auto p = lensProblem(*t.lens))
            return p;
    }
    switch (t.rear) {
    case Rear::Vkp2:
        break;
    case Rear::Projection:
        if (auto p = eyepieceProblem(TrainField::ProjectionEyepiece, t.eyepieceMm))
            return p;
        if (!within(t.projectionDistanceMm, kSpacingMin, kProjectionDistanceHighest))
            return TrainProblem{TrainField::ProjectionDistance,
                                Words::tr("the projection distance must be %1")
                                    .arg(rangeText(kSpacingMin, kProjectionDistanceHighest, " mm"))};
        if (!projectionMagnification(t.eyepieceMm, t.projectionDistanceMm))
            return TrainProblem{TrainField::ProjectionDistance,
                                Words::tr("a projection distance of %1 mm is not beyond the "
                                               "eyepiece's %2 mm: it forms no image")
                                    .arg(mm(t.projectionDistanceMm), mm(t.eyepieceMm))};
        break;
    case Rear::Afocal:
        if (!within(t.cameraLensMm, kCameraLensMin, kCameraLensMax))
            return TrainProblem{TrainField::AfocalLens,
                                Words::tr("the camera lens's focal length must be %1")
                                    .arg(rangeText(kCameraLensMin, kCameraLensMax, " mm"))};
        if (auto p = eyepieceProblem(TrainField::AfocalEyepiece, t.eyepieceMm))
            return p;
        break;
    }
    return std::nullopt;
}

std::optional<double> lensFocalLength(double nominalFactor, double designSpacingMm)
{
    if (!positive(nominalFactor) || !positive(designSpacingMm) || nominalFactor == 1)
        return std::nullopt;
    return orNothing(designSpacingMm / (1 - nominalFactor));
}

std::optional<double> lensFactor(double focalMm, double spacingMm)
{
    if (!finite(focalMm) || focalMm == 0 || !finite(spacingMm) || spacingMm < 0)
        return std::nullopt;
    const double a = 1 - spacingMm / focalMm;
    return a > 0 ? std::optional(a) : std::nullopt;
}

std::optional<double> spacingForFactor(double focalMm, double factor)
{
    if (!finite(focalMm) || focalMm == 0 || !positive(factor))
        return std::nullopt;
    return orNothing(focalMm * (1 - factor));
}

std::optional<double> projectionMagnification(double eyepieceMm, double distanceMm)
{
    if (!positive(eyepieceMm) || !positive(distanceMm) || distanceMm <= eyepieceMm)
        return std::nullopt;
    return distanceMm / eyepieceMm - 1;
}

std::optional<double> afocalFactor(double eyepieceMm, double cameraLensMm)
{
    if (!positive(eyepieceMm) || !positive(cameraLensMm))
        return std::nullopt;
    return orNothing(cameraLensMm / eyepieceMm);
}

std::optional<double> focalLengthOf(const Lens &l)
{
    if (l.focalMm && finite(*l.focalMm) && *l.focalMm != 0)
        return l.focalMm;
    if (!l.designSpacingMm)
        return std::nullopt;
    return lensFocalLength(l.factor, *l.designSpacingMm);
}

std::optional<double> designSpacingOf(const Lens &l)
{
    if (positive(l.designSpacingMm))
        return l.designSpacingMm;
    const auto f = focalLengthOf(l);
    if (!f)
        return std::nullopt;
    const auto s0 = spacingForFactor(*f, l.factor);
    return positive(s0) ? s0 : std::nullopt;
}

std::optional<double> spacingOf(const Lens &l)
{
    if (!focalLengthOf(l))
        return std::nullopt;
    return l.spacingMm ? l.spacingMm : designSpacingOf(l);
}

std::optional<double> factorOf(const Lens &l)
{
    const auto f = focalLengthOf(l);
    if (!f)
        return positive(l.factor) ? std::optional(l.factor) : std::nullopt;
    // At the design spacing the nominal factor is the answer, exactly as stated.
    if (!l.spacingMm || (l.designSpacingMm && *l.spacingMm == *l.designSpacingMm))
        return positive(l.factor) ? std::optional(l.factor) : std::nullopt;
    return lensFactor(*f, *l.spacingMm);
}

std::optional<DistanceRange> usableSpacing(const Lens &l)
{
    using namespace train_limits;
    const auto f = focalLengthOf(l);
    const auto s0 = designSpacingOf(l);
    if (!f || !s0)
        return std::nullopt;
    const bool barlow = l.kind == LensKind::Barlow;
    DistanceRange r{std::max(kSpacingMin, *s0 * kLensSpacingLowest),
                    std::min(kSpacingMax, *s0 * (barlow ? kBarlowSpacingHighest : kReducerSpacingHighest))};
    // A reducer at its focal length gives A = 0: stop short of it.
    if (*f > 0)
        r.highMm = std::min(r.highMm, *f * (1 - kFactorMin));
    if (!(r.lowMm < r.highMm))
        return std::nullopt;
    return r;
}

std::optional<DistanceRange> usableProjectionDistance(double eyepieceMm)
{
    if (!positive(eyepieceMm) || eyepieceMm >= train_limits::kProjectionDistanceHighest)
        return std::nullopt;
    return DistanceRange{eyepieceMm, train_limits::kProjectionDistanceHighest};
}

QString lensText(const Lens &l)
{
    if (!l.name.isEmpty())
        return l.name;
    return QStringLiteral("%1 %2x")
        .arg(l.kind == LensKind::Barlow ? Words::tr("Barlow") : Words::tr("reducer"),
             mm(l.factor));
}

QString trainText(const Train &t)
{
    QString rear;
    const QString eyepiece = t.eyepieceName.isEmpty()
        ? QStringLiteral("%1 mm").arg(mm(t.eyepieceMm))
        : t.eyepieceName;
    switch (t.rear) {
    case Rear::Vkp2:
        break;
    case Rear::Projection:
        rear = Words::tr("eyepiece projection %1").arg(eyepiece);
        break;
    case Rear::Afocal:
        rear = Words::tr("afocal %1 eyepiece, %2 mm lens")
                   .arg(eyepiece, mm(t.cameraLensMm));
        break;
    }
    if (!t.lens)
        return rear;
    const QString lens = lensText(*t.lens);
    return rear.isEmpty() ? lens : QStringLiteral("%1 + %2").arg(lens, rear);
}

double shownFactor(double factor)
{
    const double scale = std::pow(10.0, kFactorDecimals);
    return std::isfinite(factor) ? std::round(factor * scale) / scale : factor;
}

QString variableWord(TrainVariable v)
{
    switch (v) {
    case TrainVariable::None:
        return QString();
    case TrainVariable::D:
        return QStringLiteral("D");
    case TrainVariable::Spacing:
        return Words::tr("spacing");
    case TrainVariable::ProjectionDistance:
        return Words::tr("projection distance");
    }
    return QString();
}

TrainVariable variableOf(const Train &t, bool vkp2Ocular)
{
    switch (t.rear) {
    case Rear::Vkp2:
        if (vkp2Ocular)
            return TrainVariable::D;
        return t.lens && usableSpacing(*t.lens) ? TrainVariable::Spacing : TrainVariable::None;
    case Rear::Projection:
        return TrainVariable::ProjectionDistance;
    case Rear::Afocal:
        return TrainVariable::None;
    }
    return TrainVariable::None;
}

} // namespace vkp2::planner

#include "planner/advice.h"

#include "calculator/catalog/camera_table.h"
#include "calculator/catalog/lookup.h"
#include "calculator/core/numbers.h"
#include "calculator/core/optics.h"
#include "planner/mosaic_targets.h"
#include "planner/words.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <tuple>

namespace vkp2::planner {

namespace {

std::optional<double> positive(std::optional<double> v)
{
    return v && std::isfinite(*v) && *v > 0 ? v : std::nullopt;
}

// A chip size the fit can count in whole pixels.
std::optional<int> chipPixels(std::optional<double> v)
{
    if (!positive(v) || *v > double(INT_MAX))
        return std::nullopt;
    return qRound(*v);
}

// The camera frame in pixels; nothing without a camera.
struct Frame {
    int width = 0, height = 0;
};

std::optional<Frame> frameOf(const Shown &shown)
{
    const auto cw = chipPixels(shown.number(Box::Chipsize_width));
    const auto ch = chipPixels(shown.number(Box::Chipsize_height));
    if (!cw || !ch || *cw <= 0 || *ch <= 0)
        return std::nullopt;
    return Frame{*cw, *ch};
}

QList<FitAt> fitsOf(const Target &target, const std::optional<TargetOnDate> &onDate,
                    const std::optional<Frame> &frame, const Advice &a)
{
    QList<FitAt> out;
    if (target.singleSize())
        out << FitAt{FitAt::Size::Only, target.minArcsec, {}, target.minArcsec};
    else
        out << FitAt{FitAt::Size::Smallest, target.minArcsec, {}, target.minArcsec}
            << FitAt{FitAt::Size::Largest, target.maxArcsec, {}, target.maxArcsec};
    if (onDate)
        out << FitAt{FitAt::Size::OnDate, onDate->view.widthArcsec(), {},
                     onDate->view.heightArcsec()};
    for (FitAt &f : out) {
        if (a.scaleWidth && a.scaleHeight && frame)
            f.fit = fitShape(f.sizeArcsec, f.heightArcsec, *a.scaleWidth, *a.scaleHeight,
                             frame->width, frame->height);
    }
    return out;
}

std::optional<TargetOnDate> onDateOf(const Target &target, const std::optional<QDateTime> &moment)
{
    if (!target.body || !moment)
        return std::nullopt;
    const auto view = viewAt(*target.body, *moment);
    if (!view)
        return std::nullopt;
    TargetOnDate d{*moment, *view, 0};
    const double span = target.maxArcsec - target.minArcsec;
    if (span > 0)
        d.rangePercent = 100 * (view->widthArcsec() - target.minArcsec) / span;
    return d;
}

std::optional<double> blurOf(const Blur &blur, const Advice &a)
{
    switch (blur.kind) {
    case Blur::Kind::Pixel:
        // The finer side: the feature must not cross a pixel in either direction.
        if (a.scaleWidth && a.scaleHeight)
            return std::min(*a.scaleWidth, *a.scaleHeight);
        return std::nullopt;
    case Blur::Kind::Dawes:
        return a.dawesArcsec;
    case Blur::Kind::Arcsec:
        return positive(blur.arcsec);
    }
    return std::nullopt;
}

void addTargetOnDate(Advice &a, const Shown &shown, const AdviceOptions &options)
{
    const Target &target = *options.target;
    const auto frame = frameOf(shown);
    a.seeingLongExposureOnly = seeingLongExposureOnlyFor(target);
    a.onDate = onDateOf(target, options.moment);
    a.fits = fitsOf(target, a.onDate, frame, a);
    if (!target.body)
        return;
    const BodyFacts &facts = factsOf(*target.body);
    if (a.onDate && facts.rotationHours > 0) {
        a.blurArcsec = blurOf(options.blur, a);
        if (a.blurArcsec)
            a.derotationLimitS = derotationLimitSeconds(*a.blurArcsec, facts.rotationHours,
                                                        a.onDate->view.equatorialArcsec);
    }
    if (options.mosaic && takesMosaic(target) && frame && a.scaleWidth && a.scaleHeight) {
        const double disc = a.onDate ? a.onDate->view.equatorialArcsec : target.maxArcsec;
        a.mosaic = planMosaic(disc, frame->width * *a.scaleWidth, frame->height * *a.scaleHeight,
                              options.mosaic->overlapPercent, options.mosaic->rotationDeg);
    }
}

} // namespace

QString noteText(AdviceNote note)
{
    switch (note) {
    case AdviceNote::ProjectionReduces:
        return Words::tr("magnification below 1: the projection reduces the image");
    case AdviceNote::NoRealImage:
        return Words::tr("magnification 0 or below: the ocular forms no image at this D");
    case AdviceNote::SpacingUnusable:
        return Words::tr("the lens is spaced outside its usable range (a Barlow %1 to %2 "
                              "times its design spacing, a reducer %1 to %3 times and short of "
                              "its focal length)")
            .arg(train_limits::kLensSpacingLowest)
            .arg(train_limits::kBarlowSpacingHighest)
            .arg(train_limits::kReducerSpacingHighest);
    }
    return {};
}

std::optional<double> samplingPitchUm(const Shown &shown)
{
    const auto pw = positive(shown.number(Box::Pixelsize_width));
    const auto ph = positive(shown.number(Box::Pixelsize_height));
    if (!pw || !ph)
        return std::nullopt;
    return std::max(*pw, *ph);
}

Advice adviseOn(const Shown &shown, const AdviceOptions &options)
{
    Advice a;
    a.magnification = shown.magnification;
    if (a.magnification) {
        if (!(*a.magnification > 0))
            a.notes << AdviceNote::NoRealImage;
        else if (*a.magnification < 1)
            a.notes << AdviceNote::ProjectionReduces;
    }
    if (shown.train && shown.train->outsideUsableRange)
        a.notes << AdviceNote::SpacingUnusable;
    // Each box read once: the kit walk advises on every one of its rows.
    const auto efl = positive(shown.number(Box::efl));
    const auto aperture = positive(shown.number(Box::Aperture));
    const auto pw = positive(shown.number(Box::Pixelsize_width));
    const auto ph = positive(shown.number(Box::Pixelsize_height));
    a.focalRatio = numbers::quotient(efl, aperture);
    if (efl && pw)
        a.scaleWidth = optics::pixelScaleArcsec(*pw, *efl);
    if (efl && ph)
        a.scaleHeight = optics::pixelScaleArcsec(*ph, *efl);
    if (a.scaleWidth)
        a.seeing.width = seeingVerdict(*a.scaleWidth, options.seeingArcsec);
    if (a.scaleHeight)
        a.seeing.height = seeingVerdict(*a.scaleHeight, options.seeingArcsec);
    a.colourFactor = options.colourSensor ? options.colourFactor : 1;
    const FocalRatioRule rule{options.rule, options.wavelengthNm, a.colourFactor};
    if (pw && ph) {
        a.samplingPitchUm = std::max(*pw, *ph);
        a.criticalFocalRatio = criticalFocalRatio(*a.samplingPitchUm, rule);
        a.focalRatioBand = focalRatioBand(*a.samplingPitchUm, rule);
        if (a.focalRatio)
            a.focalRatioVerdict = focalRatioVerdict(*a.focalRatio, *a.samplingPitchUm, rule);
    }
    if (aperture) {
        a.dawesArcsec = dawesLimitArcsec(*aperture);
        a.rayleighArcsec = rayleighLimitArcsec(*aperture);
        a.rayleighAtWavelengthArcsec = rayleighLimitArcsec(*aperture, options.wavelengthNm);
    }
    if (options.target)
        addTargetOnDate(a, shown, options);
    return a;
}

QList<qsizetype> cameraVisitOrder(const QStringList &cameras)
{
    QList<qsizetype> order;
    for (qsizetype i = 0; i < cameras.size(); ++i) {
        if (catalog::findByName(catalog::kCameras, cameras[i]))
            order << i;
    }
    const auto key = [&](qsizetype i) {
        const auto *row = catalog::findByName(catalog::kCameras, cameras[i]);
        return std::tuple{row->binning, row->pixelWidth, row->pixelHeight, row->chipWidth,
                          row->chipHeight};
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return key(a) < key(b); });
    return order;
}

QString seeingLongExposureText()
{
    return Words::tr("long exposures only: lucky imaging of the Moon, Sun and planets beats "
                          "the seeing");
}

bool seeingLongExposureOnlyFor(const std::optional<Target> &target)
{
    return target && target->body.has_value();
}

QString derotationText()
{
    return Words::tr("the longest capture before a feature at the centre of the disc moves "
                          "by the blur; derotation software (WinJUPOS) can stack longer");
}

QString seeingVerdictText(const Advice &advice, Wording wording)
{
    const auto &w = advice.seeing.width;
    const auto &h = advice.seeing.height;
    if (!w || !h)
        return {};
    if (*w == *h)
        return samplingWord(*w, wording);
    const char *both = QT_TRANSLATE_NOOP("Planner", "%1 (width), %2 (height)");
    return (wording == Wording::Shown ? Words::tr(both) : QString::fromLatin1(both))
        .arg(samplingWord(*w, wording), samplingWord(*h, wording));
}

QString focalRatioVerdictText(const Advice &advice, Wording wording)
{
    return advice.focalRatioVerdict ? samplingWord(*advice.focalRatioVerdict, wording) : QString();
}

} // namespace vkp2::planner

#include "widgets/planner_window/window_advice.h"

#include "calculator/core/numbers.h"
#include "planner/solve_setup.h"

#include <QLocale>

#include <algorithm>

namespace vkp2::planner_window::advice {

namespace {

std::optional<double> positive(std::optional<double> v)
{
    return v && *v > 0 ? v : std::nullopt;
}

QString verdictText(std::optional<planner::Sampling> w, std::optional<planner::Sampling> h)
{
    if (!w || !h)
        return {};
    if (*w == *h)
        return planner::samplingWord(*w);
    return QObject::tr("%1 (width), %2 (height)").arg(planner::samplingWord(*w), planner::samplingWord(*h));
}

} // namespace

std::optional<double> samplingPitchUm(const planner::Shown &shown)
{
    if (shown.camera == entries::NoneOrFilm)
        return std::nullopt;
    const auto pw = positive(shown.number("Pixelsize_width"));
    const auto ph = positive(shown.number("Pixelsize_height"));
    if (!pw || !ph)
        return std::nullopt;
    return std::max(*pw, *ph);
}

std::optional<double> criticalFocalRatio(const planner::Shown &shown, const PlannerInputs &in)
{
    const auto pitch = samplingPitchUm(shown);
    return pitch ? planner::criticalFocalRatio(*pitch, in.wavelengthNm, in.colourSensor) : std::nullopt;
}

std::optional<planner::Band> focalRatioBand(const planner::Shown &shown, const PlannerInputs &in)
{
    const auto pitch = samplingPitchUm(shown);
    return pitch ? planner::focalRatioBand(*pitch, in.wavelengthNm, in.colourSensor) : std::nullopt;
}

std::optional<planner::Band> seeingBand(const PlannerInputs &in) { return planner::seeingBand(in.seeingArcsec); }

QString focalRatioVerdict(const planner::Shown &shown, const PlannerInputs &in)
{
    const auto pitch = samplingPitchUm(shown);
    const auto ratio = numbers::quotient(positive(shown.number("efl")), positive(shown.number("Aperture")));
    if (!pitch || !ratio)
        return {};
    const auto v = planner::focalRatioVerdict(*ratio, *pitch, in.wavelengthNm, in.colourSensor);
    return v ? planner::samplingWord(*v) : QString();
}

QString seeingVerdict(const planner::Shown &shown, const PlannerInputs &in)
{
    if (!samplingPitchUm(shown))
        return {};
    const auto w = planner::unroundedPixelScale(shown);
    const auto h = planner::unroundedPixelScaleHeight(shown);
    return verdictText(w ? planner::seeingVerdict(*w, in.seeingArcsec) : std::nullopt,
                       h ? planner::seeingVerdict(*h, in.seeingArcsec) : std::nullopt);
}

bool hasRings(const QString &target) { return target == QLatin1String("Saturn"); }

QString fitSentence(const QString &targetName, double sizeArcsec, const planner::TargetFit &fit)
{
    // The engine writes its sentence with a dot; the only number in it with decimals is the
    // size, between the name and the ″, so that is the one put into the locale's form.
    QString s = planner::fitSentence(targetName, sizeArcsec, fit);
    const qsizetype from = targetName.size() + 2;
    const qsizetype to = s.indexOf(QChar(0x2033), from);
    if (to < 0)
        return s;
    const QString size = s.mid(from, to - from);
    return s.replace(from, to - from, QString(size).replace(QLatin1Char('.'), QLocale().decimalPoint()));
}

QString inLocale(const QString &engineSentence)
{
    QString s = engineSentence;
    const QString point = QLocale().decimalPoint();
    for (qsizetype i = s.size() - 2; i > 0; --i) {
        if (s.at(i) == QLatin1Char('.') && s.at(i - 1).isDigit() && s.at(i + 1).isDigit())
            s.replace(i, 1, point);
    }
    return s;
}

} // namespace vkp2::planner_window::advice

#include "planner/targets.h"

#include "planner/keyed_rows.h"
#include "planner/words.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vkp2::planner {

namespace {

// Planets: NASA NSSDCA planetary fact sheets, "apparent diameter from Earth".
// Moon: 2·asin(1737.4 km / d) at the extreme geocentric distances 356 400 and 406 700 km.
// Sun: 2·asin(695 700 km / d) at perihelion 147.092 and aphelion 152.099 million km.
// Saturn: the globe's 14.5″ to 20.1″ times 2 × 136 775 / 120 536 km (outer A ring over the
// equatorial diameter, about 2.27).
constexpr std::array<Target, 9> table{{
    {"moon", QT_TRANSLATE_NOOP("Planner", "Moon"), 1762.3, 2011.0, Target::Planetary, Body::Moon},
    {"sun", QT_TRANSLATE_NOOP("Planner", "Sun"), 1886.9, 1951.1, Target::Sun, Body::Sun},
    {"mercury", QT_TRANSLATE_NOOP("Planner", "Mercury"), 4.5, 13.0, Target::Planetary, Body::Mercury},
    {"venus", QT_TRANSLATE_NOOP("Planner", "Venus"), 9.7, 66.0, Target::Planetary, Body::Venus},
    {"mars", QT_TRANSLATE_NOOP("Planner", "Mars"), 3.5, 25.1, Target::Planetary, Body::Mars},
    {"jupiter", QT_TRANSLATE_NOOP("Planner", "Jupiter"), 29.8, 50.1, Target::Planetary, Body::Jupiter},
    {"saturn", QT_TRANSLATE_NOOP("Planner", "Saturn"), 32.9, 45.6, Target::Planetary | Target::Rings, Body::Saturn},
    {"uranus", QT_TRANSLATE_NOOP("Planner", "Uranus"), 3.3, 4.1, Target::Planetary, Body::Uranus},
    {"neptune", QT_TRANSLATE_NOOP("Planner", "Neptune"), 2.2, 2.4, Target::Planetary, Body::Neptune},
}};

bool positive(double v) { return std::isfinite(v) && v > 0; }

// A disc exactly as wide as the frame in decimal may come out a hair wider in binary.
constexpr double edgeSlack = 1e-9;

QString fixed(const QLocale &locale, double v, int decimals)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(v, 'f', decimals);
}

QString trimmedDecimal(double v, const QLocale &locale)
{
    QString s = fixed(locale, v, 1);
    const QString zeroTenths = locale.decimalPoint() + locale.zeroDigit();
    if (s.endsWith(zeroTenths))
        s.chop(zeroTenths.size());
    return s;
}

} // namespace

std::span<const Target> targets() { return table; }

QString shownName(const Target &target) { return Words::tr(target.name); }

QStringList targetKeys() { return keysOf(targets()); }

std::optional<Target> findTarget(QStringView key)
{
    if (const Target *t = rowWithKey(targets(), key))
        return *t;
    return std::nullopt;
}

std::optional<TargetFit> fitTarget(double sizeArcsec, double scaleWidthArcsecPerPx,
                                   double scaleHeightArcsecPerPx, int chipWidthPx,
                                   int chipHeightPx)
{
    return fitShape(sizeArcsec, sizeArcsec, scaleWidthArcsecPerPx, scaleHeightArcsecPerPx,
                    chipWidthPx, chipHeightPx);
}

std::optional<TargetFit> fitShape(double widthArcsec, double heightArcsec,
                                  double scaleWidthArcsecPerPx, double scaleHeightArcsecPerPx,
                                  int chipWidthPx, int chipHeightPx)
{
    if (!positive(widthArcsec) || !positive(heightArcsec) || !positive(scaleWidthArcsecPerPx)
        || !positive(scaleHeightArcsecPerPx) || chipWidthPx <= 0 || chipHeightPx <= 0)
        return std::nullopt;

    TargetFit fit;
    fit.widthPx = widthArcsec / scaleWidthArcsecPerPx;
    fit.heightPx = heightArcsec / scaleHeightArcsecPerPx;
    const double fillW = fit.widthPx / chipWidthPx;
    const double fillH = fit.heightPx / chipHeightPx;
    fit.tighterSide = fillW > fillH ? FrameSide::Width : FrameSide::Height;
    const double fill = std::max(fillW, fillH);
    fit.fits = fill <= 1 + edgeSlack;
    fit.fillPercent = 100 * fill;
    fit.sparePercent = 100 - fit.fillPercent;
    return fit;
}

QString fitSentence(const QString &targetName, double sizeArcsec, const TargetFit &fit)
{
    return fitSentence(targetName, sizeArcsec, fit, QLocale::c());
}

QString fitSentence(const QString &targetName, double sizeArcsec, const TargetFit &fit,
                    const QLocale &locale)
{
    return fitSentence(targetName, sizeArcsec, sizeArcsec, fit, locale);
}

QString fitSentence(const QString &targetName, double widthArcsec, double heightArcsec,
                    const TargetFit &fit, const QLocale &locale)
{
    QString size = trimmedDecimal(widthArcsec, locale) + QStringLiteral("″");
    if (trimmedDecimal(heightArcsec, locale) != trimmedDecimal(widthArcsec, locale))
        size += QStringLiteral(" × ") + trimmedDecimal(heightArcsec, locale) + QStringLiteral("″");
    const QString head = QStringLiteral("%1, %2: %3 × %4 px, ")
                             .arg(targetName, size,
                                  fixed(locale, double(std::llround(fit.widthPx)), 0),
                                  fixed(locale, double(std::llround(fit.heightPx)), 0));
    // The nudges keep 40 % from reading as 39 % after binary rounding; they are smaller than
    // edgeSlack, so a disc that does not fit always reads as at least 101 %.
    if (fit.fits) {
        const double spare = std::max(0.0, std::floor(fit.sparePercent + 1e-8));
        return head + Words::tr("fits with %1 % to spare").arg(fixed(locale, spare, 0));
    }
    const double fill = std::ceil(fit.fillPercent - 1e-8);
    const QString side = fit.tighterSide == FrameSide::Width ? Words::tr("width")
                                                             : Words::tr("height");
    return head
        + Words::tr("does not fit: %1 % of the frame %2")
              .arg(fixed(locale, fill, 0), side);
}

} // namespace vkp2::planner

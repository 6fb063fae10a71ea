#include "widgets/planner_window/night_words.h"

#include "calculator/core/numbers.h"
#include "planner/mosaic.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace vkp2::planner_window {

namespace {

struct NightWordsWords {
    Q_DECLARE_TR_FUNCTIONS(NightWords)
};

// Past a million years a duration is told in hours as a number: llround would overflow later.
constexpr double kPlainSecondsHighest = 1e6 * 365.25 * 86400;

// The user's locale without group separators: "1767,0″", as the calculator's boxes show numbers.
QLocale numberLocale()
{
    QLocale l;
    l.setNumberOptions(l.numberOptions() | QLocale::OmitGroupSeparator);
    return l;
}

QString arcsec(double v) { return numberLocale().toString(v, 'f', v < 10 ? 2 : 1) + QStringLiteral("″"); }

QString blurName(const planner::Blur &blur, double arcsecBlur)
{
    switch (blur.kind) {
    case planner::Blur::Kind::Pixel:
        return NightWordsWords::tr("1 px (%1)").arg(arcsec(arcsecBlur));
    case planner::Blur::Kind::Dawes:
        return NightWordsWords::tr("the Dawes limit (%1)").arg(arcsec(arcsecBlur));
    case planner::Blur::Kind::Arcsec:
        break;
    }
    return arcsec(arcsecBlur);
}

} // namespace

QString durationText(double seconds)
{
    if (!std::isfinite(seconds))
        return seconds > 0 ? NightWordsWords::tr("no limit") : QString();
    if (std::abs(seconds) >= kPlainSecondsHighest)
        return NightWordsWords::tr("%1 h").arg(numberLocale().toString(seconds / 3600, 'g', 3));
    const qint64 s = std::llround(seconds);
    if (s < 60)
        return NightWordsWords::tr("%1 s").arg(s);
    if (s < 3600)
        return NightWordsWords::tr("%1 min %2 s").arg(s / 60).arg(s % 60);
    return NightWordsWords::tr("%1 h %2 min").arg(s / 3600).arg(s % 3600 / 60);
}

QStringList nightLines(const planner::Advice &a, const planner::AdviceOptions &options,
                       const QString &targetName, bool mosaicAsked)
{
    QStringList out;
    if (a.onDate) {
        const planner::BodyView &v = a.onDate->view;
        const QString size = v.polarArcsec < v.equatorialArcsec
                                 ? QStringLiteral("%1 × %2").arg(arcsec(v.equatorialArcsec), arcsec(v.polarArcsec))
                                 : arcsec(v.equatorialArcsec);
        out << NightWordsWords::tr("%1 on %2: %3, %4 % of the way from its smallest to its largest")
                   .arg(targetName, planner::momentText(a.onDate->moment), size,
                        numberLocale().toString(std::lround(a.onDate->rangePercent)));
        if (v.ringMajorArcsec && v.ringMinorArcsec && v.subEarthLatitudeDeg)
            out << NightWordsWords::tr("Rings: %1 × %2, opening B %3°")
                       .arg(arcsec(*v.ringMajorArcsec), arcsec(*v.ringMinorArcsec),
                            numberLocale().toString(*v.subEarthLatitudeDeg, 'f', 1));
    }
    if (a.derotationLimitS && a.blurArcsec)
        out << NightWordsWords::tr("Longest capture before rotation blurs by %1: %2; derotation (WinJUPOS) extends it")
                   .arg(blurName(options.blur, *a.blurArcsec), durationText(*a.derotationLimitS));
    if (a.mosaic)
        out << NightWordsWords::tr("Mosaic: %1 × %2 grid, %3 panes")
                   .arg(a.mosaic->columns)
                   .arg(a.mosaic->rows)
                   .arg(a.mosaic->panes.size());
    else if (mosaicAsked)
        out << NightWordsWords::tr("Mosaic: none; %1").arg(planner::noMosaicText());
    if (a.rayleighAtWavelengthArcsec)
        out << NightWordsWords::tr("Rayleigh limit at %1 nm: %2")
                   .arg(numbers::format(options.wavelengthNm), arcsec(*a.rayleighAtWavelengthArcsec));
    if (const QString seeing = planner::seeingVerdictText(a); !seeing.isEmpty())
        out << (a.seeingLongExposureOnly
                    ? NightWordsWords::tr("Seeing: %1, %2").arg(seeing, planner::seeingLongExposureText())
                    : NightWordsWords::tr("Seeing: %1").arg(seeing));
    return out;
}

} // namespace vkp2::planner_window

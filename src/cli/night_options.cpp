#include "cli/night_options.h"
#include "cli/words.h"

#include "planner/ephemeris.h"
#include "planner/mosaic.h"
#include "planner/mosaic_targets.h"
#include "planner/sampling.h"

#include <QStringList>

#include <algorithm>

namespace vkp2::cli {

namespace {

const QString kDate = QStringLiteral("--date"), kBlur = QStringLiteral("--blur"),
              kMosaic = QStringLiteral("--mosaic"), kOverlap = QStringLiteral("--overlap"),
              kRotation = QStringLiteral("--rotation"), kFilter = QStringLiteral("--filter"),
              kWavelength = QStringLiteral("--wavelength"), kRule = QStringLiteral("--rule"),
              kColourFactor = QStringLiteral("--colour-factor"), kFilters = QStringLiteral("--filters");

QString joinedKeys(const QStringList &keys) { return keys.join(QStringLiteral(", ")); }

QDateTime momentOf(const Context &cx)
{
    if (!cx.args.has(kDate))
        return QDateTime::currentDateTimeUtc();
    const QString text = cx.args.value(kDate);
    const auto moment = planner::parseMoment(text);
    if (!moment)
        fail(kDate, Words::tr("\"%1\" is no ISO date such as 2027-01-10T22:00Z").arg(text));
    if (!planner::inEphemerisYears(*moment))
        fail(kDate, Words::tr("\"%1\" is outside the years of the ephemeris: %2")
                        .arg(text, planner::ephemerisYearsText()));
    return *moment;
}

planner::Blur blurOf(const Context &cx)
{
    planner::Blur blur;
    if (!cx.args.has(kBlur))
        return blur;
    const QString text = cx.args.value(kBlur);
    if (text.compare(QLatin1String("px"), Qt::CaseInsensitive) == 0)
        return blur;
    if (text.compare(QLatin1String("dawes"), Qt::CaseInsensitive) == 0) {
        blur.kind = planner::Blur::Kind::Dawes;
        return blur;
    }
    const auto v = cx.numberIn(text);
    if (!v)
        fail(kBlur, QCoreApplication::translate("vkp2plan", "\"%1\" is none of px, dawes or an angle in arcsec").arg(text));
    if (!planner::blurInRange(*v))
        fail(kBlur, QCoreApplication::translate("vkp2plan", "must be a finite angle greater than 0"));
    blur.kind = planner::Blur::Kind::Arcsec;
    blur.arcsec = *v;
    return blur;
}

std::optional<planner::MosaicRequest> mosaicOf(const Context &cx, const planner::AdviceOptions &advice)
{
    namespace ml = planner::mosaic_limits;
    if (!cx.args.has(kMosaic)) {
        for (const QString &o : {kOverlap, kRotation}) {
            if (cx.args.has(o))
                fail(o, Words::tr("only with --mosaic"));
        }
        return std::nullopt;
    }
    if (!advice.target || !planner::takesMosaic(*advice.target))
        fail(kMosaic, Words::tr("needs a target a mosaic covers: %1")
                          .arg(joinedKeys(planner::mosaicTargetKeys())));
    planner::MosaicRequest m;
    if (cx.args.has(kOverlap)) {
        m.overlapPercent = cx.number(kOverlap);
        if (!planner::overlapInRange(m.overlapPercent))
            fail(kOverlap, Words::tr("%1 is outside %2 to %3 %")
                               .arg(cx.numberText(m.overlapPercent),
                                    cx.numberText(ml::kOverlapLowestPercent),
                                    cx.numberText(ml::kOverlapHighestPercent)));
    }
    if (cx.args.has(kRotation)) {
        m.rotationDeg = cx.number(kRotation);
        if (!planner::rotationInRange(m.rotationDeg))
            fail(kRotation, Words::tr("%1 is no finite angle").arg(cx.numberText(m.rotationDeg)));
    }
    return m;
}

void readWavelength(const Context &cx, planner::AdviceOptions &advice)
{
    namespace fl = planner::filter_limits;
    if (cx.args.has(kFilter) && cx.args.has(kWavelength))
        fail(kFilter, Words::tr("give either --filter or --wavelength"));
    if (!cx.args.has(kFilter) && !cx.args.has(kWavelength))
        advice.filterName = QString::fromUtf8(planner::defaultFilter().name);
    if (cx.args.has(kWavelength)) {
        const double nm = cx.number(kWavelength);
        if (!planner::wavelengthInRange(nm))
            fail(kWavelength, Words::tr("%1 nm is outside %2 to %3 nm")
                                  .arg(cx.numberText(nm), cx.numberText(fl::kWavelengthLowestNm),
                                       cx.numberText(fl::kWavelengthHighestNm)));
        advice.wavelengthNm = nm;
    }
    if (cx.args.has(kFilter)) {
        const QString key = cx.args.value(kFilter);
        const auto f = planner::findFilter(key);
        if (!f)
            fail(kFilter, Words::tr("no filter \"%1\"; one of %2")
                              .arg(key, joinedKeys(planner::filterKeys())));
        advice.wavelengthNm = f->wavelengthNm;
        advice.filterName = QString::fromUtf8(f->name);
    }
}

QStringList ruleKeys()
{
    QStringList keys;
    for (const planner::SamplingRuleInfo &r : planner::samplingRules())
        keys << QLatin1String(r.key);
    return keys;
}

QStringList colourFactorTexts(const Context &cx)
{
    QStringList out;
    for (const double f : planner::colour_factors::kChoices)
        out << cx.numberText(f);
    return out;
}

} // namespace

void readNightOptions(const Context &cx, planner::AdviceOptions &advice)
{
    advice.moment = momentOf(cx);
    advice.blur = blurOf(cx);
    advice.mosaic = mosaicOf(cx, advice);
    readWavelength(cx, advice);
    if (cx.args.has(kRule)) {
        const QString key = cx.args.value(kRule);
        const auto rule = planner::findSamplingRule(key);
        if (!rule)
            fail(kRule, Words::tr("no rule \"%1\"; one of %2").arg(key, joinedKeys(ruleKeys())));
        advice.rule = *rule;
    }
    if (cx.args.has(kColourFactor)) {
        const double f = cx.number(kColourFactor);
        if (!planner::isColourFactor(f))
            fail(kColourFactor, Words::tr("%1 is none of %2")
                                    .arg(cx.numberText(f), joinedKeys(colourFactorTexts(cx))));
        advice.colourFactor = f;
    }
}

planner::AdviceOptions adviceFor(const Context &cx, bool kitColourCamera)
{
    planner::AdviceOptions out = cx.advice;
    out.colourSensor = out.colourSensor || kitColourCamera;
    if (cx.args.has(kColourFactor) && !out.colourSensor)
        fail(kColourFactor, QCoreApplication::translate("vkp2plan", "only for a colour sensor: give --colour"));
    return out;
}

QList<planner::FilterPreset> tableFilters(const Context &cx)
{
    QList<planner::FilterPreset> out;
    if (!cx.args.has(kFilters))
        return out;
    const QString text = cx.args.value(kFilters).trimmed();
    if (text.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
        for (const planner::FilterPreset &f : planner::filterPresets())
            out << f;
        return out;
    }
    for (const QString &key : text.split(QLatin1Char(','))) {
        const auto f = planner::findFilter(key.trimmed());
        if (!f)
            fail(kFilters, Words::tr("no filter \"%1\"; one of %2, or all")
                               .arg(key.trimmed(), joinedKeys(planner::filterKeys())));
        const bool again = std::any_of(out.begin(), out.end(), [&f](const planner::FilterPreset &g) {
            return QLatin1String(g.key) == QLatin1String(f->key);
        });
        if (again)
            fail(kFilters, Words::tr("\"%1\" given twice").arg(key.trimmed()));
        out << *f;
    }
    return out;
}

} // namespace vkp2::cli

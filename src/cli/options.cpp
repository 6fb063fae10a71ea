#include "cli/options.h"

#include "calculator/core/limits.h"
#include "planner/advice.h"
#include "planner/bodies.h"
#include "planner/ephemeris.h"
#include "planner/filters.h"
#include "planner/mosaic.h"
#include "planner/mosaic_targets.h"
#include "planner/sampling.h"
#include "planner/targets.h"
#include "planner/optical_train.h"
#include "planner/setup_fields.h"

#include <array>
#include <deque>

namespace vkp2::cli {

namespace {

using planner::SetupField;
using planner::setupField;
using planner::TrainField;
using planner::trainField;

QString n(double v) { return QString::number(v); }

QString ruleKeys()
{
    QStringList keys;
    for (const planner::SamplingRuleInfo &r : planner::samplingRules())
        keys << QStringLiteral("%1 (%2)").arg(QLatin1String(r.key), QString::fromUtf8(r.name));
    return keys.join(QStringLiteral(", "));
}

// An option's value for the help, e.g. "nyquist|5x"; built once, kept for the table's life.
const char *keep(const QString &text)
{
    static std::deque<QByteArray> kept; // grows without moving what it holds
    kept.push_back(text.toUtf8());
    return kept.back().constData();
}

QString joined(const QStringList &items, const char *last)
{
    if (items.size() < 2)
        return items.join(QString());
    return QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", "))
           + QLatin1String(last) + items.last();
}

// The targets that rotate visibly, e.g. "Mars, Jupiter, Saturn".
QString rotatingTargets()
{
    QStringList names;
    for (const planner::Target &t : planner::targets()) {
        if (t.body && planner::factsOf(*t.body).rotationHours > 0)
            names << QLatin1String(t.name);
    }
    return names.join(QStringLiteral(", "));
}

QString ruleValues()
{
    QStringList keys;
    for (const planner::SamplingRuleInfo &r : planner::samplingRules())
        keys << QLatin1String(r.key);
    return keys.join(QLatin1Char('|'));
}

QString colourFactors()
{
    QStringList out;
    for (const double f : planner::colour_factors::kChoices)
        out << n(f);
    return out.join(QStringLiteral(", "));
}

const std::array<OptionInfo, 51> kOptions{{
    {"--setup", "FILE", QString::fromUtf8("a user equipment file (vkp2user.dat) as the base"),
     OptionGroup::Setup},
    {setupField(SetupField::Telescope).option, "NAME",
     QString::fromUtf8("a preset, a kit or database entry, or User-Defined"), OptionGroup::Setup},
    {setupField(SetupField::FocalLength).option, "MM",
     QString::fromUtf8("a User-Defined telescope's focal length (kit add: also an eyepiece's)"),
     OptionGroup::Setup},
    {setupField(SetupField::Aperture).option, "MM",
     QString::fromUtf8("a User-Defined telescope's aperture"), OptionGroup::Setup},
    {setupField(SetupField::Ocular).option, "NAME",
     QString::fromUtf8("an ocular, or No-VKP2 (table and solve: repeat for several)"),
     OptionGroup::Setup},
    {setupField(SetupField::Tl).option, "MM",
     QStringLiteral("tube length TL, %1 to %2")
         .arg(n(limits::kDistanceTlLowest), n(limits::kDistanceTlHighest)),
     OptionGroup::Setup},
    {setupField(SetupField::D).option, "MM",
     QStringLiteral("adapter distance D, %1 to %2")
         .arg(n(limits::kDistanceDLowest), n(limits::kDistanceDHighest)),
     OptionGroup::Setup},
    {setupField(SetupField::Camera).option, "NAME",
     QString::fromUtf8("a preset, a kit or database entry, None or Film, or User-Defined"),
     OptionGroup::Setup},
    {setupField(SetupField::PixelWidth).option, "W[xH]",
     QString::fromUtf8("a User-Defined camera's pixel size in µm"), OptionGroup::Setup},
    {setupField(SetupField::ChipWidth).option, "WxH",
     QString::fromUtf8("a User-Defined camera's chip in pixels"), OptionGroup::Setup},
    {setupField(SetupField::Binning).option, "1x1|2x2|3x3",
     QString::fromUtf8("for cameras with binning modes (a kit camera: one it offers)"),
     OptionGroup::Setup},
    {trainField(TrainField::Factor).option, "FACTOR|NAME",
     QString::fromUtf8("a Barlow: its factor, or a kit or database entry"), OptionGroup::Train},
    {planner::reducerOption, "FACTOR|NAME",
     QString::fromUtf8("a focal reducer, the same way (not with --barlow)"), OptionGroup::Train},
    {trainField(TrainField::DesignSpacing).option, "MM",
     QString::fromUtf8("the spacing to the sensor its factor is for (also kit add barlow)"),
     OptionGroup::Train},
    {trainField(TrainField::Spacing).option, "MM",
     QString::fromUtf8("the lens's spacing to the sensor as set (table --kit: every kit lens's)"),
     OptionGroup::Train},
    {trainField(TrainField::ProjectionEyepiece).option, "MM|NAME",
     QString::fromUtf8("eyepiece projection instead of the VKP-2 (not with --ocular)"),
     OptionGroup::Train},
    {trainField(TrainField::ProjectionDistance).option, "MM",
     QString::fromUtf8("eyepiece to sensor (solve finds it; table --kit: every kit eyepiece's)"),
     OptionGroup::Train},
    {trainField(TrainField::AfocalLens).option, "MM",
     QString::fromUtf8("an afocal camera lens's focal length, behind --eyepiece"), OptionGroup::Train},
    {trainField(TrainField::AfocalEyepiece).option, "MM|NAME",
     QString::fromUtf8("the eyepiece in front of --afocal-lens"), OptionGroup::Train},
    {"--seeing", "ARCSEC", QStringLiteral("seeing FWHM (default %1)").arg(n(limits::kSeeingArcsec)),
     OptionGroup::Advice},
    {"--target", "NAME", joined(planner::targetKeys(), " or "), OptionGroup::Advice},
    {"--size", "ARCSEC", QString::fromUtf8("a target of this apparent diameter instead"),
     OptionGroup::Advice},
    {"--wavelength", "NM",
     QStringLiteral("%1 to %2, for the critical focal ratio and the Rayleigh limit (default %3)")
         .arg(n(planner::filter_limits::kWavelengthLowestNm),
              n(planner::filter_limits::kWavelengthHighestNm), n(limits::kWavelengthNm)),
     OptionGroup::Advice},
    {"--filter", "NAME",
     QStringLiteral("the filter's wavelength instead: %1 (not with --wavelength)")
         .arg(planner::filterKeys().join(QStringLiteral(", "))),
     OptionGroup::Advice},
    {"--rule", keep(ruleValues()), QStringLiteral("the focal-ratio sampling rule: %1").arg(ruleKeys()),
     OptionGroup::Advice},
    {"--colour", nullptr, QString::fromUtf8("a colour-matrix (Bayer) sensor (also kit add camera)"),
     OptionGroup::Advice},
    {"--colour-factor", keep(colourFactors().replace(QStringLiteral(", "), QStringLiteral("|"))),
     QStringLiteral("what a colour sensor multiplies the critical focal ratio by: %1 (default %2);"
                    " with --colour or a kit colour camera")
         .arg(colourFactors(), n(planner::colour_factors::kDefault)),
     OptionGroup::Advice},
    {"--date", "ISO",
     QStringLiteral("the night planned for, e.g. 2027-01-10T22:00Z, 2027-01-10T23:00+01:00 or "
                    "2027-01-10 (UTC; default now); the target's size then"),
     OptionGroup::Night},
    {"--blur", "px|dawes|ARCSEC",
     QStringLiteral("what a feature may move by (default px, one pixel at the setup's scale; dawes: "
                    "the Dawes limit): the derotation limit (%1) is %2")
         .arg(rotatingTargets(), planner::derotationText()),
     OptionGroup::Night},
    {"--mosaic", nullptr,
     QStringLiteral("a full-disc mosaic of --target %1").arg(joined(planner::mosaicTargetKeys(), " or ")),
     OptionGroup::Night},
    {"--overlap", "PCT",
     QStringLiteral("the panes' overlap, %1 to %2 % (default %3)")
         .arg(n(planner::mosaic_limits::kOverlapLowestPercent),
              n(planner::mosaic_limits::kOverlapHighestPercent),
              n(planner::mosaic_limits::kOverlapDefaultPercent)),
     OptionGroup::Night},
    {"--rotation", "DEG",
     QStringLiteral("the camera turned by this angle (default %1)")
         .arg(n(planner::mosaic_limits::kRotationDefaultDeg)),
     OptionGroup::Night},
    {"--d-from", "MM",
     QStringLiteral("first D of the table (default %1)").arg(n(limits::kDistanceDLowest)),
     OptionGroup::Table},
    {"--d-to", "MM", QStringLiteral("last D (default %1)").arg(n(limits::kDistanceDHighest)),
     OptionGroup::Table},
    {"--d-step", "MM", QString::fromUtf8("step between rows (default 50); --d MM for one D"),
     OptionGroup::Table},
    {"--all", nullptr,
     QString::fromUtf8("every telescope, ocular, camera and binning mode at --d and --tl"),
     OptionGroup::Table},
    {"--filters", "KEY,KEY|all",
     QString::fromUtf8("a focal-ratio sampling column per filter (see --filter)"),
     OptionGroup::Table},
    {"--kit", nullptr,
     QString::fromUtf8("every telescope and camera (and its modes) of your kit, at --d or a range"),
     OptionGroup::Table},
    {"--focal-ratio", "N", QString::fromUtf8("the focal ratio to reach"), OptionGroup::Solve},
    {"--pixel-scale", "ARCSEC", QString::fromUtf8("the pixel scale to reach, in arcsec per pixel"),
     OptionGroup::Solve},
    {"--efl", "MM", QString::fromUtf8("the extended focal length to reach"), OptionGroup::Solve},
    {"--mono", nullptr, QString::fromUtf8("a camera with a mono sensor"), OptionGroup::Kit},
    {"--binning-modes", "1,2,3", QString::fromUtf8("the NxN binning modes a camera offers (default 1)"),
     OptionGroup::Kit},
    {"--factor", "X", QString::fromUtf8("a Barlow's (above 1) or reducer's (below 1) factor"),
     OptionGroup::Kit},
    {"--lens-focal-length", "MM", QString::fromUtf8("its focal length (negative for a Barlow)"),
     OptionGroup::Kit},
    {"--apparent-field", "DEG", QString::fromUtf8("an eyepiece's apparent field"), OptionGroup::Kit},
    {"--field-stop", "MM", QString::fromUtf8("an eyepiece's field stop"), OptionGroup::Kit},
    {"--partial", nullptr, QString::fromUtf8("kit import: take the good entries of a file with wrong ones"),
     OptionGroup::Kit},
    {"--format", "text|csv|json",
     QString::fromUtf8("text follows your locale; CSV and JSON use a dot"), OptionGroup::Output},
    {"--help", nullptr, QString::fromUtf8("this text (after a command: that command's)"),
     OptionGroup::Output},
    {"--version", nullptr, QString::fromUtf8("the program's version"), OptionGroup::Output},
}};

} // namespace

std::span<const OptionInfo> allOptions() { return kOptions; }

const OptionInfo *findOption(const QString &name) {
    for (const OptionInfo &o : kOptions) {
        if (name == QLatin1String(o.name))
            return &o;
    }
    return nullptr;
}

QStringList optionNames(OptionGroup group) {
    QStringList out;
    for (const OptionInfo &o : kOptions) {
        if (o.group == group)
            out << QLatin1String(o.name);
    }
    return out;
}

QStringList allOptionNames() {
    QStringList out;
    for (const OptionInfo &o : kOptions)
        out << QLatin1String(o.name);
    return out;
}

QString groupHeading(OptionGroup group) {
    switch (group) {
    case OptionGroup::Setup:
        return QStringLiteral(
            "Setup (without any, the calculator's last setup; options change parts of it)");
    case OptionGroup::Train:
        return QStringLiteral("Optical train (show, table, solve): a Barlow or reducer, eyepiece "
                              "projection or an afocal camera");
    case OptionGroup::Advice:
        return QStringLiteral("Sampling advice and target fit (show and table)");
    case OptionGroup::Night:
        return QStringLiteral("The planned night (show): the target's size on a date, how long a "
                              "capture may run, a full-disc mosaic");
    case OptionGroup::Table:
        return QStringLiteral("table");
    case OptionGroup::Solve:
        return QStringLiteral("solve: one goal");
    case OptionGroup::Kit:
        return QStringLiteral("kit add: an entry's values (and --focal-length, --aperture, --pixel, "
                              "--chip, --colour); kit import");
    case OptionGroup::Output:
        return QStringLiteral("Output (every command)");
    }
    return {};
}

} // namespace vkp2::cli

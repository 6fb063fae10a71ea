#include "cli/options.h"

#include "calculator/core/limits.h"
#include "cli/words.h"
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

QString joined(const QStringList &items, const QString &last)
{
    if (items.size() < 2)
        return items.join(QString());
    return QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", "))
           + last + items.last();
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
    {"--setup", "FILE", [] { return Words::tr("a user equipment file (vkp2user.dat) as the base"); },
     OptionGroup::Setup},
    {setupField(SetupField::Telescope).option, "NAME",
     [] { return Words::tr("a preset, a kit or database entry, or User-Defined"); }, OptionGroup::Setup},
    {setupField(SetupField::FocalLength).option, "MM",
     [] { return Words::tr("a User-Defined telescope's focal length (kit add: also an eyepiece's)"); },
     OptionGroup::Setup},
    {setupField(SetupField::Aperture).option, "MM",
     [] { return Words::tr("a User-Defined telescope's aperture"); }, OptionGroup::Setup},
    {setupField(SetupField::Ocular).option, "NAME",
     [] { return Words::tr("an ocular, or No-VKP2 (table and solve: repeat for several)"); },
     OptionGroup::Setup},
    {setupField(SetupField::Tl).option, "MM",
     [] { return Words::tr("tube length TL, %1 to %2")
         .arg(n(limits::kDistanceTlLowest), n(limits::kDistanceTlHighest)); },
     OptionGroup::Setup},
    {setupField(SetupField::D).option, "MM",
     [] { return Words::tr("adapter distance D, %1 to %2")
         .arg(n(limits::kDistanceDLowest), n(limits::kDistanceDHighest)); },
     OptionGroup::Setup},
    {setupField(SetupField::Camera).option, "NAME",
     [] { return Words::tr("a preset, a kit or database entry, None or Film, or User-Defined"); },
     OptionGroup::Setup},
    {setupField(SetupField::PixelWidth).option, "W[xH]",
     [] { return Words::tr("a User-Defined camera's pixel size in µm"); }, OptionGroup::Setup},
    {setupField(SetupField::ChipWidth).option, "WxH",
     [] { return Words::tr("a User-Defined camera's chip in pixels"); }, OptionGroup::Setup},
    {setupField(SetupField::Binning).option, "1x1|2x2|3x3",
     [] { return Words::tr("for cameras with binning modes (a kit camera: one it offers)"); },
     OptionGroup::Setup},
    {trainField(TrainField::Factor).option, "FACTOR|NAME",
     [] { return Words::tr("a Barlow: its factor, or a kit or database entry"); }, OptionGroup::Train},
    {planner::reducerOption, "FACTOR|NAME",
     [] { return Words::tr("a focal reducer, the same way (not with --barlow)"); }, OptionGroup::Train},
    {trainField(TrainField::DesignSpacing).option, "MM",
     [] { return Words::tr("the spacing to the sensor its factor is for (also kit add barlow)"); },
     OptionGroup::Train},
    {trainField(TrainField::Spacing).option, "MM",
     [] { return Words::tr("the lens's spacing to the sensor as set (table --kit: every kit lens's)"); },
     OptionGroup::Train},
    {trainField(TrainField::ProjectionEyepiece).option, "MM|NAME",
     [] { return Words::tr("eyepiece projection instead of the VKP-2 (not with --ocular)"); },
     OptionGroup::Train},
    {trainField(TrainField::ProjectionDistance).option, "MM",
     [] { return Words::tr("eyepiece to sensor (solve finds it; table --kit: every kit eyepiece's)"); },
     OptionGroup::Train},
    {trainField(TrainField::AfocalLens).option, "MM",
     [] { return Words::tr("an afocal camera lens's focal length, behind --eyepiece"); }, OptionGroup::Train},
    {trainField(TrainField::AfocalEyepiece).option, "MM|NAME",
     [] { return Words::tr("the eyepiece in front of --afocal-lens"); }, OptionGroup::Train},
    {"--seeing", "ARCSEC", [] { return Words::tr("seeing FWHM (default %1)").arg(n(limits::kSeeingArcsec)); },
     OptionGroup::Advice},
    {"--target", "NAME", [] { return joined(planner::targetKeys(), Words::tr(" or ")); }, OptionGroup::Advice},
    {"--size", "ARCSEC", [] { return Words::tr("a target of this apparent diameter instead"); },
     OptionGroup::Advice},
    {"--wavelength", "NM",
     [] { return Words::tr("%1 to %2, for the critical focal ratio and the Rayleigh limit (default %3)")
         .arg(n(planner::filter_limits::kWavelengthLowestNm),
              n(planner::filter_limits::kWavelengthHighestNm), n(limits::kWavelengthNm)); },
     OptionGroup::Advice},
    {"--filter", "NAME",
     [] { return Words::tr("the filter's wavelength instead: %1 (not with --wavelength)")
         .arg(planner::filterKeys().join(QStringLiteral(", "))); },
     OptionGroup::Advice},
    {"--rule", keep(ruleValues()), [] { return Words::tr("the focal-ratio sampling rule: %1").arg(ruleKeys()); },
     OptionGroup::Advice},
    {"--colour", nullptr, [] { return Words::tr("a colour-matrix (Bayer) sensor (also kit add camera)"); },
     OptionGroup::Advice},
    {"--colour-factor", keep(colourFactors().replace(QStringLiteral(", "), QStringLiteral("|"))),
     [] {
         return Words::tr("what a colour sensor multiplies the critical focal ratio by: %1 (default %2);"
                          " with --colour or a kit colour camera")
             .arg(colourFactors(), n(planner::colour_factors::kDefault));
     },
     OptionGroup::Advice},
    {"--date", "ISO",
     [] { return Words::tr("the night planned for, e.g. 2027-01-10T22:00Z, 2027-01-10T23:00+01:00 or "
                    "2027-01-10 (UTC; default now); the target's size then"); },
     OptionGroup::Night},
    {"--blur", "px|dawes|ARCSEC",
     [] { return Words::tr("what a feature may move by (default px, one pixel at the setup's scale; dawes: "
                    "the Dawes limit): the derotation limit (%1) is %2")
         .arg(rotatingTargets(), planner::derotationText()); },
     OptionGroup::Night},
    {"--mosaic", nullptr,
     [] { return Words::tr("a full-disc mosaic of --target %1").arg(joined(planner::mosaicTargetKeys(), Words::tr(" or "))); },
     OptionGroup::Night},
    {"--overlap", "PCT",
     [] { return Words::tr("the panes' overlap, %1 to %2 % (default %3)")
         .arg(n(planner::mosaic_limits::kOverlapLowestPercent),
              n(planner::mosaic_limits::kOverlapHighestPercent),
              n(planner::mosaic_limits::kOverlapDefaultPercent)); },
     OptionGroup::Night},
    {"--rotation", "DEG",
     [] { return Words::tr("the camera turned by this angle (default %1)")
         .arg(n(planner::mosaic_limits::kRotationDefaultDeg)); },
     OptionGroup::Night},
    {"--d-from", "MM",
     [] { return Words::tr("first D of the table (default %1)").arg(n(limits::kDistanceDLowest)); },
     OptionGroup::Table},
    {"--d-to", "MM", [] { return Words::tr("last D (default %1)").arg(n(limits::kDistanceDHighest)); },
     OptionGroup::Table},
    {"--d-step", "MM", [] { return Words::tr("step between rows (default 50); --d MM for one D"); },
     OptionGroup::Table},
    {"--all", nullptr,
     [] { return Words::tr("every telescope, ocular, camera and binning mode at --d and --tl"); },
     OptionGroup::Table},
    {"--filters", "KEY,KEY|all",
     [] { return Words::tr("a focal-ratio sampling column per filter (see --filter)"); },
     OptionGroup::Table},
    {"--kit", nullptr,
     [] { return Words::tr("every telescope and camera (and its modes) of your kit, at --d or a range"); },
     OptionGroup::Table},
    {"--focal-ratio", "N", [] { return Words::tr("the focal ratio to reach"); }, OptionGroup::Solve},
    {"--pixel-scale", "ARCSEC", [] { return Words::tr("the pixel scale to reach, in arcsec per pixel"); },
     OptionGroup::Solve},
    {"--efl", "MM", [] { return Words::tr("the extended focal length to reach"); }, OptionGroup::Solve},
    {"--mono", nullptr, [] { return Words::tr("a camera with a mono sensor"); }, OptionGroup::Kit},
    {"--binning-modes", "1,2,3", [] { return Words::tr("the NxN binning modes a camera offers (default 1)"); },
     OptionGroup::Kit},
    {"--factor", "X", [] { return Words::tr("a Barlow's (above 1) or reducer's (below 1) factor"); },
     OptionGroup::Kit},
    {"--lens-focal-length", "MM", [] { return Words::tr("its focal length (negative for a Barlow)"); },
     OptionGroup::Kit},
    {"--apparent-field", "DEG", [] { return Words::tr("an eyepiece's apparent field"); }, OptionGroup::Kit},
    {"--field-stop", "MM", [] { return Words::tr("an eyepiece's field stop"); }, OptionGroup::Kit},
    {"--partial", nullptr, [] { return Words::tr("kit import: take the good entries of a file with wrong ones"); },
     OptionGroup::Kit},
    {"--format", "text|csv|json",
     [] { return Words::tr("text follows your locale; CSV and JSON use a dot"); }, OptionGroup::Output},
    {"--help", nullptr, [] { return Words::tr("this text (after a command: that command's)"); },
     OptionGroup::Output},
    {"--version", nullptr, [] { return Words::tr("the program's version"); }, OptionGroup::Output},
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
        return Words::tr(
            "Setup (without any, the calculator's last setup; options change parts of it)");
    case OptionGroup::Train:
        return Words::tr("Optical train (show, table, solve): a Barlow or reducer, eyepiece "
                              "projection or an afocal camera");
    case OptionGroup::Advice:
        return Words::tr("Sampling advice and target fit (show and table)");
    case OptionGroup::Night:
        return Words::tr("The planned night (show): the target's size on a date, how long a "
                              "capture may run, a full-disc mosaic");
    case OptionGroup::Table:
        return QStringLiteral("table"); // the command's own name
    case OptionGroup::Solve:
        return Words::tr("solve: one goal");
    case OptionGroup::Kit:
        return Words::tr("kit add: an entry's values (and --focal-length, --aperture, --pixel, "
                              "--chip, --colour); kit import");
    case OptionGroup::Output:
        return Words::tr("Output (every command)");
    }
    return {};
}

} // namespace vkp2::cli

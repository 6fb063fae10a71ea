#include "cli/options.h"

#include "calculator/core/limits.h"
#include "planner/optical_train.h"
#include "planner/setup_fields.h"

#include <array>

namespace vkp2::cli {

namespace {

using planner::SetupField;
using planner::setupField;
using planner::TrainField;
using planner::trainField;

QString n(double v) { return QString::number(v); }

const std::array<OptionInfo, 42> kOptions{{
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
    {"--target", "NAME", QString::fromUtf8("moon, sun, mercury, venus, mars, jupiter, saturn, uranus or neptune"),
     OptionGroup::Advice},
    {"--size", "ARCSEC", QString::fromUtf8("a target of this apparent diameter instead"),
     OptionGroup::Advice},
    {"--wavelength", "NM",
     QStringLiteral(
         "for the critical focal ratio (default %1); the Rayleigh limit is always for %1 nm")
         .arg(n(limits::kWavelengthNm)),
     OptionGroup::Advice},
    {"--colour", nullptr, QString::fromUtf8("a colour-matrix (Bayer) sensor (also kit add camera)"),
     OptionGroup::Advice},
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

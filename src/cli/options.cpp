#include "cli/options.h"

#include "planner/setup_fields.h"

#include <array>

namespace vkp2::cli {

namespace {

using planner::SetupField;
using planner::setupField;

constexpr std::array<OptionSpec, 26> kOptions{{
    {"--setup", "FILE", "a user equipment file (vkp2user.dat) as the base", OptionGroup::Setup},
    {setupField(SetupField::Telescope).option, "NAME", "a preset, or User-Defined", OptionGroup::Setup},
    {setupField(SetupField::FocalLength).option, "MM", "a User-Defined telescope's focal length", OptionGroup::Setup},
    {setupField(SetupField::Aperture).option, "MM", "a User-Defined telescope's aperture", OptionGroup::Setup},
    {setupField(SetupField::Ocular).option, "NAME", "an ocular, or No-VKP2 (table and solve: repeat for several)", OptionGroup::Setup},
    {setupField(SetupField::Tl).option, "MM", "tube length TL, 0 to 30", OptionGroup::Setup},
    {setupField(SetupField::D).option, "MM", "adapter distance D, 0 to 1000", OptionGroup::Setup},
    {setupField(SetupField::Camera).option, "NAME", "a preset, None or Film, or User-Defined", OptionGroup::Setup},
    {setupField(SetupField::PixelWidth).option, "W[xH]", "a User-Defined camera's pixel size in µm", OptionGroup::Setup},
    {setupField(SetupField::ChipWidth).option, "WxH", "a User-Defined camera's chip in pixels", OptionGroup::Setup},
    {setupField(SetupField::Binning).option, "1x1|2x2|3x3", "for cameras with binning modes", OptionGroup::Setup},
    {"--seeing", "ARCSEC", "seeing FWHM (default 2)", OptionGroup::Advice},
    {"--target", "NAME", "moon, sun, mercury, venus, mars, jupiter or saturn", OptionGroup::Advice},
    {"--size", "ARCSEC", "a target of this apparent diameter instead", OptionGroup::Advice},
    {"--wavelength", "NM", "for the critical focal ratio (default 550); the Rayleigh limit is always for 550 nm", OptionGroup::Advice},
    {"--colour", nullptr, "a colour-matrix (Bayer) sensor", OptionGroup::Advice},
    {"--d-from", "MM", "first D of the table (default 0)", OptionGroup::Table},
    {"--d-to", "MM", "last D (default 1000)", OptionGroup::Table},
    {"--d-step", "MM", "step between rows (default 50); --d MM for one D", OptionGroup::Table},
    {"--all", nullptr, "every telescope, ocular, camera and binning mode at --d and --tl", OptionGroup::Table},
    {"--focal-ratio", "N", "the focal ratio to reach", OptionGroup::Solve},
    {"--pixel-scale", "ARCSEC", "the pixel scale to reach, in arcsec per pixel", OptionGroup::Solve},
    {"--efl", "MM", "the extended focal length to reach", OptionGroup::Solve},
    {"--format", "text|csv|json", "text follows your locale; CSV and JSON use a dot", OptionGroup::Output},
    {"--help", nullptr, "this text (after a command: that command's)", OptionGroup::Output},
    {"--version", nullptr, "the program's version", OptionGroup::Output},
}};

} // namespace

std::span<const OptionSpec> optionSpecs() { return kOptions; }

const OptionSpec *findOption(const QString &name)
{
    for (const OptionSpec &o : kOptions) {
        if (name == QLatin1String(o.name))
            return &o;
    }
    return nullptr;
}

QStringList optionNames(OptionGroup group)
{
    QStringList out;
    for (const OptionSpec &o : kOptions) {
        if (o.group == group)
            out << QLatin1String(o.name);
    }
    return out;
}

QStringList allOptionNames()
{
    QStringList out;
    for (const OptionSpec &o : kOptions)
        out << QLatin1String(o.name);
    return out;
}

QString groupHeading(OptionGroup group)
{
    switch (group) {
    case OptionGroup::Setup:
        return QStringLiteral("Setup (without any, the calculator's last setup; options change parts of it)");
    case OptionGroup::Advice:
        return QStringLiteral("Sampling advice and target fit (show and table)");
    case OptionGroup::Table:
        return QStringLiteral("table");
    case OptionGroup::Solve:
        return QStringLiteral("solve: one goal");
    case OptionGroup::Output:
        return QStringLiteral("Output (every command)");
    }
    return {};
}

} // namespace vkp2::cli

#include "cli/setup_options.h"

#include "calculator/catalog/lookup.h"
#include "calculator/core/numbers.h"
#include "planner/closest_names.h"
#include "planner/setup_fields.h"

#include <QRegularExpression>

#include <climits>

namespace vkp2::cli {

namespace {

using planner::optionOf;
using planner::Setup;
using planner::SetupField;

const QString kUserDefined = entries::UserDefined;

std::pair<double, double> pairOption(const Context &cx, const QString &option, bool heightOptional)
{
    const QString text = cx.args.value(option);
    QStringList parts = text.split(QRegularExpression(QStringLiteral("[x×X]")));
    if (parts.size() == 1 && heightOptional)
        parts << parts.first();
    if (parts.size() != 2)
        fail(option, QStringLiteral("\"%1\" is not of the form WxH").arg(text));
    return {cx.number(option, parts[0].trimmed()), cx.number(option, parts[1].trimmed())};
}

void typedTelescope(const Context &cx, Setup &s)
{
    const QString focalOption = optionOf(SetupField::FocalLength);
    const QString apertureOption = optionOf(SetupField::Aperture);
    const Arguments &a = cx.args;
    if (!a.has(focalOption) && !a.has(apertureOption))
        return;
    if (a.has(optionOf(SetupField::Telescope)) && s.telescope != kUserDefined)
        fail(a.has(focalOption) ? focalOption : apertureOption,
             QStringLiteral("a preset telescope has its own; leave out --telescope or give "
                            "--telescope User-Defined"));
    s.typeTelescope(a.has(focalOption) ? cx.boxText(focalOption, a.value(focalOption)) : s.focalLength,
                    a.has(apertureOption) ? cx.boxText(apertureOption, a.value(apertureOption))
                                          : s.aperture);
}

void typedCamera(const Context &cx, Setup &s)
{
    const QString pixelOption = optionOf(SetupField::PixelWidth);
    const QString chipOption = optionOf(SetupField::ChipWidth);
    const Arguments &a = cx.args;
    if (!a.has(pixelOption) && !a.has(chipOption))
        return;
    const QString option = a.has(pixelOption) ? pixelOption : chipOption;
    if (a.has(optionOf(SetupField::Camera)) && s.camera != kUserDefined)
        fail(option, QStringLiteral("a preset camera has its own; leave out --camera or give "
                                    "--camera User-Defined"));
    auto pixel = std::pair{s.pixelWidth, s.pixelHeight};
    auto chip = std::pair{s.chipWidth, s.chipHeight};
    if (a.has(pixelOption)) {
        const auto [w, h] = pairOption(cx, pixelOption, true);
        if (!(w > 0) || !(h > 0))
            fail(pixelOption, QStringLiteral("a pixel size must be greater than 0"));
        pixel = {numbers::format(w), numbers::format(h)};
    }
    if (a.has(chipOption)) {
        const auto [w, h] = pairOption(cx, chipOption, false);
        // The frame is counted in whole pixels; more than an int holds is no sensor.
        for (const double v : {w, h}) {
            if (!(v >= 1) || v > double(INT_MAX))
                fail(chipOption, QStringLiteral("a chip size must be 1 to %1 pixels").arg(INT_MAX));
        }
        chip = {numbers::format(w), numbers::format(h)};
    }
    s.typeCamera(pixel.first, pixel.second, chip.first, chip.second);
}

void checkBinning(const Setup &s)
{
    if (planner::cameraHasBinning(s.camera) || s.binning == planner::binningModes().value(0))
        return;
    QStringList withModes;
    for (const QString &c : planner::cameraEntries()) {
        if (planner::cameraHasBinning(c))
            withModes << c;
    }
    fail(optionOf(SetupField::Binning),
         QStringLiteral("the camera \"%1\" has no binning modes; these have: %2")
             .arg(s.camera, withModes.join(QStringLiteral(", "))));
}

Setup baseSetup(const Context &cx, QStringList &warnings)
{
    const QString option = QStringLiteral("--setup");
    if (!cx.args.has(option))
        return planner::lastSetup();
    const planner::CheckedSetupFile file = planner::checkSetupFile(cx.args.value(option));
    if (!file.setup)
        fail(option, file.problem);
    for (const QString &w : file.warnings)
        warnings << option + QStringLiteral(": ") + w;
    return *file.setup;
}

} // namespace

QString presetName(const QString &option, const QString &kind, const QString &typed,
                   const QStringList &entries)
{
    if (entries.contains(typed))
        return typed;
    // A different case is still the same preset.
    for (const QString &e : entries) {
        if (e.compare(typed, Qt::CaseInsensitive) == 0)
            return e;
    }
    const QStringList close = planner::closestEntries(typed, entries);
    QString message = QStringLiteral("no %1 \"%2\"").arg(kind, typed);
    if (!close.isEmpty()) {
        QStringList quoted;
        for (const QString &c : close)
            quoted << QLatin1Char('"') + c + QLatin1Char('"');
        message += QStringLiteral("; did you mean %1?").arg(quoted.join(QStringLiteral(", ")));
    } else {
        message += QStringLiteral("; see \"vkp2plan list %1s\"").arg(kind);
    }
    fail(option, message);
}

QStringList chosenOculars(const Context &cx)
{
    QStringList out;
    const QString option = optionOf(SetupField::Ocular);
    for (const QString &name : cx.args.values(option))
        out << presetName(option, QStringLiteral("ocular"), name, planner::ocularEntries());
    return out.isEmpty() ? planner::ocularEntries() : out;
}

void rangeCheck(const Context &cx, const QString &option, const QString &text, double lo, double hi)
{
    const double v = numbers::parse(text).value_or(lo);
    if (v < lo || v > hi)
        fail(option, QStringLiteral("%1 is outside %2 to %3, which the adapter allows")
                         .arg(cx.numberText(v), cx.numberText(lo), cx.numberText(hi)));
}

BuiltSetup buildSetup(const Context &cx, Oculars oculars)
{
    const Arguments &a = cx.args;
    BuiltSetup out;
    Setup &s = out.setup;
    s = baseSetup(cx, out.warnings);

    const QString telescopeOption = optionOf(SetupField::Telescope);
    if (a.has(telescopeOption))
        s.chooseTelescope(presetName(telescopeOption, QStringLiteral("telescope"),
                                     a.value(telescopeOption), planner::telescopeEntries()));
    typedTelescope(cx, s);

    const QString ocularOption = optionOf(SetupField::Ocular);
    QStringList rowOculars{s.ocular};
    if (oculars == Oculars::One && a.has(ocularOption)) {
        if (a.values(ocularOption).size() > 1)
            fail(ocularOption, QStringLiteral("show takes one"));
        s.ocular = presetName(ocularOption, QStringLiteral("ocular"), a.value(ocularOption),
                              planner::ocularEntries());
        rowOculars = {s.ocular};
    } else if (oculars == Oculars::Several) {
        rowOculars.clear();
        for (const QString &name : a.values(ocularOption))
            rowOculars << presetName(ocularOption, QStringLiteral("ocular"), name,
                                     planner::ocularEntries());
    }
    // The window locks both distances at 0 for prime focus; a typed one would never be used.
    const bool primeOnly =
        !rowOculars.isEmpty() && rowOculars.count(entries::NoVkp2) == rowOculars.size();
    for (const SetupField f : {SetupField::Tl, SetupField::D}) {
        const QString option = optionOf(f);
        if (!a.has(option))
            continue;
        if (primeOnly)
            fail(option, QStringLiteral("the distances are fixed at 0 with No-VKP2"));
        s.*planner::setupField(f).member = cx.boxText(option, a.value(option));
    }
    if (oculars == Oculars::One)
        s.chooseOcular(s.ocular);

    const QString cameraOption = optionOf(SetupField::Camera);
    if (a.has(cameraOption))
        s.chooseCamera(presetName(cameraOption, QStringLiteral("camera"), a.value(cameraOption),
                                  planner::cameraEntries()));
    typedCamera(cx, s);
    const QString binningOption = optionOf(SetupField::Binning);
    if (a.has(binningOption)) {
        s.binning = presetName(binningOption, QStringLiteral("binning mode"),
                               a.value(binningOption), planner::binningModes());
        checkBinning(s);
    }
    return out;
}

} // namespace vkp2::cli

#include "cli/setup_options.h"

#include "calculator/catalog/lookup.h"
#include "calculator/core/numbers.h"
#include "cli/messages.h"
#include "cli/user_kit.h"
#include "cli/words.h"
#include "planner/closest_names.h"
#include "planner/equipment_lookup.h"
#include "planner/setup_fields.h"

#include <QRegularExpression>

#include <algorithm>
#include <climits>

namespace vkp2::cli {

namespace {

using planner::optionOf;
using planner::Setup;
using planner::SetupField;

const QString kUserDefined = entries::UserDefined;

// A preset telescope or camera, or an entry taken from the kit or the database, has values of
// its own that a typed one would silently replace.
[[noreturn]] void hasItsOwn(const QString &option, const QString &kind, const QString &label)
{
    const QString whose = label.isEmpty() ? Words::tr("a preset %1").arg(kit_messages::kindNoun(kind))
                                          : Words::tr("the %1 \"%2\"").arg(kit_messages::kindNoun(kind), label);
    fail(option, Words::tr("%1 has its own; leave out --%2 or give --%2 User-Defined")
                     .arg(whose, kind));
}

// The kit, read once and only when a name is looked up in it.
class KitSource {
public:
    explicit KitSource(QStringList &notices) : notices_(notices) {}
    // A preset name needs no kit: the kit is read only for other names.
    const storage::Kit &kitFor(const QString &typed, const QStringList &presets)
    {
        static const storage::Kit none;
        const bool preset = std::any_of(presets.begin(), presets.end(), [&typed](const QString &p) {
            return p.compare(typed, Qt::CaseInsensitive) == 0;
        });
        return preset ? none : kit();
    }

    const storage::Kit &kit()
    {
        if (!kit_) {
            kit_ = readUserKit();
            if (!kit_->problem.isEmpty())
                notices_ << kit_messages::kitNotUsed(kit_->path, kit_->problem);
        }
        return kit_->kit;
    }

private:
    QStringList &notices_;
    std::optional<UserKit> kit_;
};

void namedTelescope(const Context &cx, Setup &s, KitSource &kits)
{
    const QString option = optionOf(SetupField::Telescope);
    const QString typed = cx.args.value(option);
    const auto found = planner::findTelescope(typed, kits.kitFor(typed, planner::telescopeEntries()));
    if (!found.found)
        noSuchName(option, QStringLiteral("telescope"), typed, found.closest);
    if (found.found->source == planner::EquipmentSource::Preset)
        s.chooseTelescope(found.found->entry.name);
    else
        s.takeTelescope(found.found->entry);
}

std::optional<storage::KitCamera> namedCamera(const Context &cx, Setup &s, KitSource &kits)
{
    const QString option = optionOf(SetupField::Camera);
    const QString typed = cx.args.value(option);
    const auto found = planner::findCamera(typed, kits.kitFor(typed, planner::cameraEntries()));
    if (!found.found)
        noSuchName(option, QStringLiteral("camera"), typed, found.closest);
    if (found.found->source == planner::EquipmentSource::Preset) {
        s.chooseCamera(found.found->entry.name);
        return std::nullopt;
    }
    s.takeCamera(found.found->entry);
    return found.found->entry;
}

QString modeText(int n) { return QStringLiteral("%1x%1").arg(n); }

// A kit or database camera offers the modes it lists, binned as Setup::takeCamera bins them.
void binnedCamera(const Context &cx, Setup &s, const storage::KitCamera &c)
{
    const QString option = optionOf(SetupField::Binning);
    const QString typed = cx.args.value(option);
    static const QRegularExpression mode(QStringLiteral("^(\\d+)[xX×](\\d+)$"));
    const auto m = mode.match(typed.trimmed());
    const int n = m.hasMatch() && m.captured(1) == m.captured(2) ? m.captured(1).toInt() : 0;
    if (!c.binning.contains(n)) {
        QStringList offered;
        for (const int b : c.binning)
            offered << modeText(b);
        fail(option, Words::tr("the camera \"%1\" offers %2").arg(c.name, offered.join(QStringLiteral(", "))));
    }
    s.takeCamera(c, n);
}

void typedTelescope(const Context &cx, Setup &s)
{
    const QString focalOption = optionOf(SetupField::FocalLength);
    const QString apertureOption = optionOf(SetupField::Aperture);
    const Arguments &a = cx.args;
    if (!a.has(focalOption) && !a.has(apertureOption))
        return;
    if (a.has(optionOf(SetupField::Telescope))
        && (s.telescope != kUserDefined || !s.telescopeLabel.isEmpty()))
        hasItsOwn(a.has(focalOption) ? focalOption : apertureOption, QStringLiteral("telescope"),
                  s.telescopeLabel);
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
    if (a.has(optionOf(SetupField::Camera)) && (s.camera != kUserDefined || !s.cameraLabel.isEmpty()))
        hasItsOwn(option, QStringLiteral("camera"), s.cameraLabel);
    auto pixel = std::pair{s.pixelWidth, s.pixelHeight};
    auto chip = std::pair{s.chipWidth, s.chipHeight};
    if (a.has(pixelOption)) {
        const auto [w, h] = sizeOption(cx, pixelOption, true);
        if (!(w > 0) || !(h > 0))
            fail(pixelOption, Words::tr("a pixel size must be greater than 0"));
        pixel = {numbers::format(w), numbers::format(h)};
    }
    if (a.has(chipOption)) {
        const auto [w, h] = sizeOption(cx, chipOption, false);
        // The frame is counted in whole pixels; more than an int holds is no sensor.
        for (const double v : {w, h}) {
            if (!(v >= 1) || v > double(INT_MAX))
                fail(chipOption, Words::tr("a chip size must be 1 to %1 pixels").arg(INT_MAX));
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
         Words::tr("the camera \"%1\" has no binning modes; these have: %2")
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

std::pair<double, double> sizeOption(const Context &cx, const QString &option, bool heightOptional)
{
    const QString text = cx.args.value(option);
    QStringList parts = text.split(QRegularExpression(QStringLiteral("[x×X]")));
    if (parts.size() == 1 && heightOptional)
        parts << parts.first();
    if (parts.size() != 2)
        fail(option, Words::tr("\"%1\" is not of the form WxH").arg(text));
    return {cx.number(option, parts[0].trimmed()), cx.number(option, parts[1].trimmed())};
}

void noSuchName(const QString &option, const QString &kind, const QString &typed,
                const QStringList &closest, const QString &seeAlso)
{
    QString message = Words::tr("no %1 \"%2\"").arg(kit_messages::kindNoun(kind), typed);
    if (!closest.isEmpty())
        message += Words::tr("; did you mean %1?").arg(kit_messages::quotedList(closest));
    else
        message += Words::tr("; see \"%1\"")
                       .arg(seeAlso.isEmpty() ? QStringLiteral("vkp2plan list %1s").arg(kind) : seeAlso);
    fail(option, message);
}

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
    noSuchName(option, kind, typed, planner::closestEntries(typed, entries));
}

QStringList chosenOculars(const Context &cx, const Setup &base)
{
    QStringList out;
    const QString option = optionOf(SetupField::Ocular);
    for (const QString &name : cx.args.values(option))
        out << presetName(option, QStringLiteral("ocular"), name, planner::ocularEntries());
    if (out.isEmpty() && !base.train.isPlainVkp2())
        return {entries::NoVkp2};
    return out.isEmpty() ? planner::ocularEntries() : out;
}

void rangeCheck(const Context &cx, const QString &option, const QString &text, double lo, double hi)
{
    const double v = numbers::parse(text).value_or(lo);
    if (v < lo || v > hi)
        fail(option, Words::tr("%1 is outside %2 to %3, which the adapter allows")
                         .arg(cx.numberText(v), cx.numberText(lo), cx.numberText(hi)));
}

BuiltSetup buildSetup(const Context &cx, Oculars oculars, TrainUse train)
{
    const Arguments &a = cx.args;
    BuiltSetup out;
    Setup &s = out.setup;
    s = baseSetup(cx, out.warnings);

    KitSource kits(out.notices);
    if (a.has(optionOf(SetupField::Telescope)))
        namedTelescope(cx, s, kits);
    typedTelescope(cx, s);

    const QString ocularOption = optionOf(SetupField::Ocular);
    if (const auto t = trainOptions(cx, train, [&kits]() -> const storage::Kit & { return kits.kit(); }))
        s.train = *t;
    // A lens alone is at prime focus; projection and afocal need no ocular in the VKP-2.
    const bool primeTrain = !s.train.isPlainVkp2()
                            && (s.train.rear != planner::Rear::Vkp2 || !a.has(ocularOption));
    if (primeTrain && !a.has(ocularOption))
        s.chooseOcular(entries::NoVkp2);
    QStringList rowOculars{s.ocular};
    if (oculars == Oculars::One && a.has(ocularOption)) {
        if (a.values(ocularOption).size() > 1)
            fail(ocularOption, Words::tr("show takes one"));
        s.ocular = presetName(ocularOption, QStringLiteral("ocular"), a.value(ocularOption),
                              planner::ocularEntries());
        rowOculars = {s.ocular};
    } else if (oculars == Oculars::Several) {
        rowOculars.clear();
        for (const QString &name : a.values(ocularOption))
            rowOculars << presetName(ocularOption, QStringLiteral("ocular"), name,
                                     planner::ocularEntries());
        if (rowOculars.isEmpty() && primeTrain)
            rowOculars << entries::NoVkp2;
    }
    // The window locks both distances at 0 for prime focus; a typed one would never be used.
    const bool primeOnly =
        !rowOculars.isEmpty() && rowOculars.count(entries::NoVkp2) == rowOculars.size();
    for (const SetupField f : {SetupField::Tl, SetupField::D}) {
        const QString option = optionOf(f);
        if (!a.has(option))
            continue;
        if (primeOnly)
            fail(option, Words::tr("the distances are fixed at 0 with No-VKP2"));
        s.*planner::setupField(f).member = cx.boxText(option, a.value(option));
    }
    if (oculars == Oculars::One)
        s.chooseOcular(s.ocular);

    std::optional<storage::KitCamera> taken;
    if (a.has(optionOf(SetupField::Camera)))
        taken = namedCamera(cx, s, kits);
    typedCamera(cx, s);
    const QString binningOption = optionOf(SetupField::Binning);
    out.colourCamera = taken && taken->colour == storage::Colour::Colour;
    if (a.has(binningOption) && taken) {
        binnedCamera(cx, s, *taken);
    } else if (a.has(binningOption)) {
        s.binning = presetName(binningOption, QStringLiteral("binning mode"),
                               a.value(binningOption), planner::binningModes());
        checkBinning(s);
    }
    return out;
}

QByteArray diagnosticsOf(const BuiltSetup &built)
{
    QByteArray out;
    for (const QString &line : built.warnings + built.notices)
        out += diagnostic(line);
    return out;
}

QString shownTelescope(const Setup &s, const planner::Shown &sh)
{
    return s.telescopeLabel.isEmpty() ? sh.telescope : s.telescopeLabel;
}

QString shownCamera(const Setup &s, const planner::Shown &sh)
{
    return s.cameraLabel.isEmpty() ? sh.camera : s.cameraLabel;
}

} // namespace vkp2::cli

// kit add: an entry typed on the command line, or taken from the equipment database by name.

#include "cli/kit_edit.h"

#include "cli/messages.h"
#include "cli/setup_options.h"
#include "cli/words.h"
#include "planner/closest_names.h"
#include "planner/equipment_database.h"
#include "planner/name_pick.h"
#include "storage/kit_checks.h"

#include <algorithm>
#include <cmath>

namespace vkp2::cli {

namespace {

using storage::KitKind;

const QString kFocal = QStringLiteral("--focal-length"), kAperture = QStringLiteral("--aperture"),
              kPixel = QStringLiteral("--pixel"), kChip = QStringLiteral("--chip"),
              kMono = QStringLiteral("--mono"), kColour = QStringLiteral("--colour"),
              kModes = QStringLiteral("--binning-modes"), kFactor = QStringLiteral("--factor"),
              kSpacing = QStringLiteral("--design-spacing"),
              kLensFocal = QStringLiteral("--lens-focal-length"),
              kField = QStringLiteral("--apparent-field"), kStop = QStringLiteral("--field-stop");

const QString kAdd = QStringLiteral("kit add");

QStringList valueOptions(KitKind kind)
{
    switch (kind) {
    case KitKind::Telescope:
        return {kFocal, kAperture};
    case KitKind::Camera:
        return {kPixel, kChip, kMono, kColour, kModes};
    case KitKind::Lens:
        return {kFactor, kSpacing, kLensFocal};
    case KitKind::Eyepiece:
        break;
    }
    return {kFocal, kField, kStop};
}

void require(const Context &cx, const QStringList &options, KitKind kind)
{
    for (const QString &o : options) {
        if (!cx.args.has(o))
            fail(o, Words::tr("a %1 needs %2").arg(kit_messages::kindNoun(storage::kindWord(kind)), options.join(Words::tr(" and "))));
    }
}

std::optional<double> optionalNumber(const Context &cx, const QString &option)
{
    return cx.args.has(option) ? std::optional<double>(cx.number(option)) : std::nullopt;
}

int wholePixels(const QString &option, double v)
{
    if (v != std::floor(v) || std::abs(v) > 1e9)
        fail(option, Words::tr("a chip is a whole number of pixels"));
    return int(v);
}

QList<int> binningModesOf(const Context &cx)
{
    QList<int> out{1};
    if (!cx.args.has(kModes))
        return out;
    for (const QString &part : cx.args.value(kModes).split(QLatin1Char(','))) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 1)
            fail(kModes, Words::tr("\"%1\" is no list of modes such as 1,2,3").arg(cx.args.value(kModes)));
        if (!out.contains(n))
            out << n;
    }
    std::sort(out.begin(), out.end());
    return out;
}

storage::KitTelescope typedTelescope(const Context &cx, const QString &name)
{
    require(cx, {kFocal, kAperture}, KitKind::Telescope);
    storage::KitTelescope t;
    t.name = name;
    t.focalLength = cx.number(kFocal);
    t.aperture = cx.number(kAperture);
    return t;
}

storage::KitCamera typedCamera(const Context &cx, const QString &name)
{
    require(cx, {kPixel, kChip}, KitKind::Camera);
    if (cx.args.has(kMono) && cx.args.has(kColour))
        fail(kMono, QCoreApplication::translate("vkp2plan", "give either --mono or --colour"));
    storage::KitCamera c;
    c.name = name;
    std::tie(c.pixelWidth, c.pixelHeight) = sizeOption(cx, kPixel, true);
    const auto [w, h] = sizeOption(cx, kChip, false);
    c.width = wholePixels(kChip, w);
    c.height = wholePixels(kChip, h);
    c.colour = cx.args.has(kMono)     ? storage::Colour::Mono
               : cx.args.has(kColour) ? storage::Colour::Colour
                                      : storage::Colour::Unknown;
    c.binning = binningModesOf(cx);
    return c;
}

storage::KitLens typedLens(const Context &cx, const QString &name)
{
    require(cx, {kFactor}, KitKind::Lens);
    if (cx.args.has(kSpacing) && cx.args.has(kLensFocal))
        fail(kSpacing, QCoreApplication::translate("vkp2plan", "give either --design-spacing or --lens-focal-length"));
    storage::KitLens l;
    l.name = name;
    l.factor = cx.number(kFactor);
    l.designSpacing = optionalNumber(cx, kSpacing);
    l.focalLength = optionalNumber(cx, kLensFocal);
    return l;
}

storage::KitEyepiece typedEyepiece(const Context &cx, const QString &name)
{
    require(cx, {kFocal}, KitKind::Eyepiece);
    storage::KitEyepiece e;
    e.name = name;
    e.focalLength = cx.number(kFocal);
    e.apparentField = optionalNumber(cx, kField);
    e.fieldStop = optionalNumber(cx, kStop);
    return e;
}

// The database's entry of that name, spelt as the database spells it.
template <typename Entry>
Entry fromDatabase(const QList<Entry> &entries, const QString &name, KitKind kind)
{
    const QStringList names = planner::namesOf(entries);
    if (const auto i = planner::pickName(names, name))
        return entries[*i];
    const QString word = kit_messages::kindNoun(storage::kindWord(kind));
    const QStringList close = planner::closestEntries(name, names);
    fail(kAdd, Words::tr("the database has no %1 \"%2\"%3; give its values (see \"vkp2plan help kit\")")
                   .arg(word, name,
                        close.isEmpty() ? QString()
                                        : Words::tr(" (did you mean %1?)").arg(kit_messages::quotedList(close))));
}

// Checks the entry and adds it to the kit's list of its kind.
template <typename Entry>
Result added(const UserKit &user, const Entry &entry, QList<Entry> storage::Kit::*list, KitKind kind)
{
    if (const QString problem = storage::problemOf(entry); !problem.isEmpty())
        fail(kAdd, problem);
    Result out;
    const QString word = storage::kindWord(kind);
    if (planner::sameName(planner::namesOf(user.kit.*list), entry.name)) {
        out.status = kExitFailed;
        out.err = diagnostic(kit_messages::alreadyInKit(word, entry.name));
        return out;
    }
    storage::Kit kit = user.kit;
    (kit.*list).append(entry);
    if (writeUserKit(user, kit, out))
        out.out = (kit_messages::added(word, entry.name) + QLatin1Char('\n')).toUtf8();
    return out;
}

template <typename Entry>
Result addEntry(const Context &cx, const UserKit &user, const QString &name, bool typed,
                QList<Entry> storage::Kit::*list, KitKind kind,
                Entry (*typedEntry)(const Context &, const QString &))
{
    const Entry entry = typed ? typedEntry(cx, name) : fromDatabase(planner::equipmentDatabase().*list, name, kind);
    return added(user, entry, list, kind);
}

} // namespace

Result runKitAdd(const Context &cx, const UserKit &user)
{
    const QStringList &words = cx.args.positional;
    if (words.size() < 3)
        fail(kAdd, Words::tr("give the kind (telescope, camera, barlow, eyepiece) and the name"));
    const KitKind kind = kitKindNamed(words[1]);
    const QString name = words.mid(2).join(QLatin1Char(' ')).trimmed();
    const QStringList values = valueOptions(kind);
    onlyOptions(cx, values, QStringLiteral("kit add %1").arg(storage::kindWord(kind)));
    bool typed = false;
    for (const QString &o : values)
        typed = typed || cx.args.has(o);
    if (!user.problem.isEmpty())
        return {kExitFailed, {}, diagnostic(kit_messages::kitNotChanged(user.path, user.problem))};
    switch (kind) {
    case KitKind::Telescope:
        return addEntry(cx, user, name, typed, &storage::Kit::telescopes, kind, &typedTelescope);
    case KitKind::Camera:
        return addEntry(cx, user, name, typed, &storage::Kit::cameras, kind, &typedCamera);
    case KitKind::Lens:
        return addEntry(cx, user, name, typed, &storage::Kit::lenses, kind, &typedLens);
    case KitKind::Eyepiece:
        break;
    }
    return addEntry(cx, user, name, typed, &storage::Kit::eyepieces, kind, &typedEyepiece);
}

} // namespace vkp2::cli

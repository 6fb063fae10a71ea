#include "planner/equipment_lookup.h"

#include "calculator/catalog/camera_table.h"
#include "calculator/catalog/lookup.h"
#include "calculator/catalog/telescope_table.h"
#include "planner/closest_names.h"
#include "planner/equipment_database.h"
#include "planner/name_pick.h"
#include "planner/setup.h"

#include <QLatin1String>

#include <algorithm>

namespace vkp2::planner {

namespace {

// The list's own entries (User-Defined, None or Film) are presets too, without values.
std::optional<storage::KitTelescope> telescopePreset(const QString &typed)
{
    for (const QString &name : telescopeEntries()) {
        if (name.compare(typed, Qt::CaseInsensitive) != 0)
            continue;
        storage::KitTelescope t;
        t.name = name;
        if (const auto *row = catalog::findByName(catalog::kTelescopes, name)) {
            t.focalLength = row->focalLength;
            t.aperture = row->aperture;
        }
        return t;
    }
    return std::nullopt;
}

std::optional<storage::KitCamera> cameraPreset(const QString &typed)
{
    for (const QString &name : cameraEntries()) {
        if (name.compare(typed, Qt::CaseInsensitive) != 0)
            continue;
        storage::KitCamera c;
        c.name = name;
        if (const auto *row = catalog::findByName(catalog::kCameras, name)) {
            c.pixelWidth = row->pixelWidth;
            c.pixelHeight = row->pixelHeight;
            c.width = int(row->chipWidth);
            c.height = int(row->chipHeight);
            if (row->binning) {
                c.binning.clear();
                for (const QString &mode : binningModes())
                    c.binning << mode.section(QLatin1Char('x'), 0, 0).toInt();
            }
        }
        return c;
    }
    return std::nullopt;
}

// An exact name in the kit or the database beats a partial one anywhere; among partial ones
// the kit's comes first, the database is asked only when no kit entry matches, and none is
// taken when the words match a preset too.
template <typename Entry>
Lookup<Entry> find(const QString &typed, std::optional<Entry> preset, const QList<Entry> &kit,
                   const QList<Entry> &database, const QStringList &presetNames)
{
    Lookup<Entry> out;
    if (preset) {
        out.found = Found<Entry>{EquipmentSource::Preset, *preset};
        return out;
    }
    const QStringList kitNames = namesOf(kit), databaseNames = namesOf(database);
    const auto take = [&](EquipmentSource source, const QList<Entry> &from, std::optional<qsizetype> at) {
        if (!out.found && at)
            out.found = Found<Entry>{source, from[*at]};
    };
    take(EquipmentSource::Kit, kit, sameName(kitNames, typed));
    take(EquipmentSource::Database, database, sameName(databaseNames, typed));
    // Words that also match a preset may mean it: only the user can tell.
    const bool presetMatches = std::any_of(presetNames.begin(), presetNames.end(),
                                           [&typed](const QString &p) { return nameMatches(p, typed); });
    QStringList kitMatches;
    for (const QString &name : kitNames) {
        if (nameMatches(name, typed))
            kitMatches << name;
    }
    if (!out.found && !presetMatches) {
        take(EquipmentSource::Kit, kit, onlyMatch(kitNames, typed));
        // The user's own entries the words match outrank the database: a guess there would
        // pass over the ones the user meant.
        if (kitMatches.isEmpty())
            take(EquipmentSource::Database, database, onlyMatch(databaseNames, typed));
    }
    if (out.found)
        return out;
    if (kitMatches.size() > 1 && !presetMatches)
        out.closest = kitMatches.mid(0, 3);
    else
        out.closest = closestEntries(typed, presetNames + kitNames + databaseNames);
    return out;
}

} // namespace

Lookup<storage::KitTelescope> findTelescope(const QString &typed, const storage::Kit &kit)
{
    auto preset = telescopePreset(typed);
    // The database is read only when the presets do not have the name.
    static const QList<storage::KitTelescope> none;
    return find(typed, preset, kit.telescopes, preset ? none : equipmentDatabase().telescopes,
                telescopeEntries());
}

Lookup<storage::KitCamera> findCamera(const QString &typed, const storage::Kit &kit)
{
    auto preset = cameraPreset(typed);
    static const QList<storage::KitCamera> none;
    return find(typed, preset, kit.cameras, preset ? none : equipmentDatabase().cameras,
                cameraEntries());
}

Lookup<storage::KitLens> findLens(const QString &typed, const storage::Kit &kit)
{
    return find(typed, std::optional<storage::KitLens>(), kit.lenses, equipmentDatabase().lenses,
                QStringList());
}

Lookup<storage::KitEyepiece> findEyepiece(const QString &typed, const storage::Kit &kit)
{
    return find(typed, std::optional<storage::KitEyepiece>(), kit.eyepieces,
                equipmentDatabase().eyepieces, QStringList());
}

} // namespace vkp2::planner

#pragma once
// Equipment named by the user: the calculator's presets first, then the user's kit,
// then the equipment database; with the closest names of all three when none has it.

#include "storage/kit.h"

#include <QStringList>

#include <optional>

namespace vkp2::planner {

enum class EquipmentSource { Preset, Kit, Database };

template <typename Entry>
struct Found {
    EquipmentSource source = EquipmentSource::Preset;
    Entry entry; // for a preset: its list entry and its catalogue values
};

template <typename Entry>
struct Lookup {
    std::optional<Found<Entry>> found;
    QStringList closest; // when nothing was found: up to three names, closest first
};

// A preset matches by its whole name, ignoring case; a kit or database entry when its name is
// the typed one with case and punctuation ignored, else when it is the only entry the typed
// words match (nameMatches). Words matching several kit entries find nothing and offer those
// entries; the database is matched on words only when no kit entry matches them.
Lookup<storage::KitTelescope> findTelescope(const QString &typed, const storage::Kit &kit);
Lookup<storage::KitCamera> findCamera(const QString &typed, const storage::Kit &kit);
// Barlows and reducers, and eyepieces: the kit, then the database; there are no presets.
Lookup<storage::KitLens> findLens(const QString &typed, const storage::Kit &kit);
Lookup<storage::KitEyepiece> findEyepiece(const QString &typed, const storage::Kit &kit);

} // namespace vkp2::planner

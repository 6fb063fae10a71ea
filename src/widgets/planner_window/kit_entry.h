#pragma once
// One entry of the kit of any kind, so the Kit dialog's lists, its form and the database search
// treat the four kinds alike: how each kind is titled and shown in columns, and how an entry is
// found, replaced or removed in a kit.

#include "planner/equipment_database.h"
#include "storage/kit.h"

#include <QStringList>

#include <array>
#include <variant>

namespace vkp2::planner_window {

// In the order of storage::KitKind.
using KitEntry = std::variant<storage::KitTelescope, storage::KitCamera, storage::KitLens, storage::KitEyepiece>;

inline constexpr std::array<storage::KitKind, 4> kKitKinds{storage::KitKind::Telescope, storage::KitKind::Camera,
                                                           storage::KitKind::Lens, storage::KitKind::Eyepiece};

storage::KitKind kindOf(const KitEntry &entry);
QString nameOf(const KitEntry &entry);
QString problemOf(const KitEntry &entry);
// An entry of the kind with nothing filled in.
KitEntry emptyEntry(storage::KitKind kind);

// "Telescopes", "Cameras", "Barlows and reducers", "Eyepieces", with a mnemonic.
QString kindTitle(storage::KitKind kind);
// The database's kind for a kit kind; its Barlows are the kit's lenses.
planner::EquipmentKind databaseKind(storage::KitKind kind);

// The columns a list of the kind shows, and an entry's texts for them (numbers in the user's
// locale, "–" for a value not known).
QStringList columnTitles(storage::KitKind kind);
QStringList cellsOf(const KitEntry &entry);
// "1x1, 2x2": a camera's binning modes as the binning list names them.
QString binningMode(int n);

qsizetype countOf(const storage::Kit &kit, storage::KitKind kind);
KitEntry entryAt(const storage::Kit &kit, storage::KitKind kind, qsizetype index);
void replaceAt(storage::Kit &kit, qsizetype index, const KitEntry &entry);
void removeAt(storage::Kit &kit, storage::KitKind kind, qsizetype index);
// A kit holding just the entry.
storage::Kit kitOf(const KitEntry &entry);

} // namespace vkp2::planner_window

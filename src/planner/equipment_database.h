#pragma once
// The equipment database built into the planners: cameras, telescopes, eyepieces and Barlows
// of today, curated from two openly licensed equipment lists. It is read from its compiled-in
// resource the first time it is asked for, never at start-up.

#include "storage/kit.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vkp2::planner {

enum class EquipmentKind { Telescope, Camera, Eyepiece, Barlow };

// "telescopes"/"telescope", "cameras"/"camera", "eyepieces"/"eyepiece", "barlows"/"barlow";
// nothing for another word.
std::optional<EquipmentKind> equipmentKindNamed(const QString &word);
QString equipmentKindWord(EquipmentKind kind, bool plural = true);

// The whole database; its lenses are the Barlows. Names are "Maker Model".
const storage::Kit &equipmentDatabase();

// The names of one kind, in database order.
QStringList equipmentNames(const storage::Kit &kit, EquipmentKind kind);

// Every word of `text` (split at spaces), with case, accents and punctuation ignored, is part
// of `name` so ignored: "asi462", "ASI 462 MC" and "zwo 462mc" all match "ZWO ASI462MC".
// An empty text matches nothing.
bool nameMatches(const QString &name, const QString &text);

// The positions in `names` that match `text`, best first: the whole name, then names that
// start with it, then the shorter names; ties keep list order.
QList<qsizetype> rankMatches(const QStringList &names, const QString &text);

} // namespace vkp2::planner

#pragma once
// The names a mistyped one most likely meant: presets, kit entries, options, commands.

#include <QStringList>

namespace vkp2::planner {

// Case-insensitive edit distance.
int editDistance(const QString &a, const QString &b);

// Entries that contain the typed name once case, spaces and punctuation are ignored; when there
// are none, the entries at the smallest edit distance, if that is small for the name's length.
// At most three, closest first; empty when nothing is close.
QStringList closestEntries(const QString &typed, const QStringList &entries);

} // namespace vkp2::planner

#pragma once
// The entries a mistyped preset name most likely meant.

#include <QStringList>

namespace vkp2::cli {

// Case-insensitive edit distance.
int editDistance(const QString &a, const QString &b);

// Entries that contain the typed name once case, spaces and punctuation are ignored; when there
// are none, the entries at the smallest edit distance, if that is small for the name's length.
// At most three, closest first; empty when nothing is close.
QStringList closestEntries(const QString &typed, const QStringList &entries);

} // namespace vkp2::cli

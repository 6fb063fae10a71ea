#pragma once
// Filling a preset list at start-up and choosing its start-up entry.

#include "calculator/toolkit/controls.h"

#include <QLatin1String>

#include <initializer_list>

namespace vkp2::catalog {

// The special entries first, then the table's rows in table order; never sorted.
template <typename Rows>
void appendEntries(ChoiceList &list, std::initializer_list<QString> specials, const Rows &rows)
{
    for (const QString &special : specials)
        list.addItem(special);
    for (const auto &row : rows)
        list.addItem(QLatin1String(row.name));
}

// Chooses the saved entry, or the default when nothing was saved or the saved name is no
// entry of the list (a hand-edited file). Returns whether the saved entry was chosen: only
// then do the saved field texts belong to it.
inline bool chooseSavedOrDefault(ChoiceList &list, const QString &saved, const QString &fallback)
{
    if (!saved.isEmpty() && list.setText(saved))
        return true;
    list.setText(fallback);
    return false;
}

} // namespace vkp2::catalog

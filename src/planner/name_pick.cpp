#include "planner/name_pick.h"

#include "planner/equipment_database.h"
#include "storage/kit_checks.h"

namespace vkp2::planner {

std::optional<qsizetype> sameName(const QStringList &names, const QString &typed)
{
    const QString key = storage::nameKey(typed);
    if (key.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (storage::nameKey(names[i]) == key)
            return i;
    }
    return std::nullopt;
}

std::optional<qsizetype> onlyMatch(const QStringList &names, const QString &typed)
{
    std::optional<qsizetype> found;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!nameMatches(names[i], typed))
            continue;
        if (found)
            return std::nullopt;
        found = i;
    }
    return found;
}

std::optional<qsizetype> pickName(const QStringList &names, const QString &typed)
{
    if (const auto i = sameName(names, typed))
        return i;
    return onlyMatch(names, typed);
}

} // namespace vkp2::planner

#pragma once
// Which one entry of a list a typed name means: the same name with case, accents and
// punctuation ignored, else the only entry all its words match.

#include <QList>
#include <QStringList>

#include <optional>

namespace vkp2::planner {

// The names of a list of kit or database entries, in list order.
template <typename Entry>
QStringList namesOf(const QList<Entry> &entries)
{
    QStringList names;
    names.reserve(entries.size());
    for (const Entry &e : entries)
        names << e.name;
    return names;
}

// The first position whose name is the typed one (storage::nameKey equality).
std::optional<qsizetype> sameName(const QStringList &names, const QString &typed);
// The position of the only name the typed words match (nameMatches); nothing for none or
// several, which only the user can tell apart.
std::optional<qsizetype> onlyMatch(const QStringList &names, const QString &typed);
// sameName, else onlyMatch.
std::optional<qsizetype> pickName(const QStringList &names, const QString &typed);

} // namespace vkp2::planner

#pragma once
// Looking up a row of a constant table by its `key`, ignoring case, and listing the keys: the
// targets, filters and sampling rules are all such tables. Widget-free; Qt Core only.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

namespace vkp2::planner {

template <typename Row> QStringList keysOf(std::span<const Row> rows)
{
    QStringList keys;
    for (const Row &r : rows)
        keys << QString::fromLatin1(r.key);
    return keys;
}

// Nothing (nullptr) for a key no row has.
template <typename Row> const Row *rowWithKey(std::span<const Row> rows, QStringView key)
{
    for (const Row &r : rows) {
        if (key.compare(QLatin1String(r.key), Qt::CaseInsensitive) == 0)
            return &r;
    }
    return nullptr;
}

} // namespace vkp2::planner

#pragma once
// Finding a catalogue row by the text a list shows: whole, exact and case-sensitive.

#include <QLatin1String>
#include <QString>

namespace vkp2::catalog {

template <typename Rows>
auto findByName(const Rows &rows, const QString &text) -> decltype(&*rows.begin())
{
    for (const auto &row : rows) {
        if (QLatin1String(row.name) == text)
            return &row;
    }
    return nullptr;
}

} // namespace vkp2::catalog

#pragma once
// What every importer's fuzz target asks of a result, whatever the input was.

#include "storage/kit_checks.h"
#include "storage/kit_import.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

[[noreturn]] inline void broken(const char *target, const char *what)
{
    std::fprintf(stderr, "%s: %s\n", target, what);
    std::abort();
}

template <typename Entry>
void checkTaken(const char *target, const QList<Entry> &entries)
{
    for (const Entry &e : entries) {
        if (!vkp2::storage::problemOf(e).isEmpty())
            broken(target, "an entry was taken that the checks refuse");
    }
}

// Taken entries pass the kit's checks, every error and note says where, and a file refused
// as a whole brings nothing with it.
inline void checkImport(const char *target, const vkp2::storage::KitImport &result,
                        vkp2::storage::KitFormat format)
{
    if (result.format != format)
        broken(target, "the import names another format");
    if (!result.problem.isEmpty()
        && (!result.kit.isEmpty() || !result.errors.isEmpty() || !result.skipped.isEmpty()))
        broken(target, "a file refused as a whole still brought entries or notes");
    for (const QString &line : result.errors + result.skipped) {
        if (!line.contains(QLatin1String(": ")))
            broken(target, "an error or note does not say where");
    }
    checkTaken(target, result.kit.telescopes);
    checkTaken(target, result.kit.cameras);
    checkTaken(target, result.kit.lenses);
    checkTaken(target, result.kit.eyepieces);
}

} // namespace fuzz

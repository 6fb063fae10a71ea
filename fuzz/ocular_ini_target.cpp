// libFuzzer: any bytes as a Stellarium ocular.ini. Whatever is taken must be a valid kit entry,
// a refused file must leave nothing behind, and what was taken must export and read back as it is.

#include "storage/kit_checks.h"
#include "storage/kit_import.h"

#include <cstdio>
#include <cstdlib>

using namespace vkp2::storage;

namespace {

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "fuzz_ocular_ini: %s\n", what);
    std::abort();
}

template <typename Entry>
void checkEntries(const QList<Entry> &entries)
{
    if (entries.size() > kit_limits::kMaxEntriesPerKind)
        broken("more entries of a kind than any kit holds");
    for (const Entry &e : entries) {
        if (!problemOf(e).isEmpty())
            broken("an entry that fails the checks was taken");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const KitImport read = importOcularIni(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (read.format != KitFormat::OcularIni)
        broken("the import says another format");
    if (!read.problem.isEmpty() && (!read.kit.isEmpty() || !read.errors.isEmpty() || !read.skipped.isEmpty()))
        broken("a refused file left entries or notes behind");
    for (const QString &note : read.errors + read.skipped) {
        if (note.isEmpty() || !note.contains(QLatin1String(": ")))
            broken("a note that says neither where nor why");
    }
    checkEntries(read.kit.telescopes);
    checkEntries(read.kit.cameras);
    checkEntries(read.kit.lenses);
    checkEntries(read.kit.eyepieces);
    if (read.kit.isEmpty())
        return 0;

    // Everything ocular.ini holds is kept, so the kit read from an export is the same kit.
    const KitImport back = importOcularIni(detail::ocularIniOf(read.kit));
    if (!back.ok() || !back.skipped.isEmpty())
        broken("an exported kit did not read back cleanly");
    if (back.kit != read.kit)
        broken("an exported kit read back different");
    return 0;
}

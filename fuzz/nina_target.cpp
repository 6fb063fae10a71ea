// libFuzzer: any bytes as a N.I.N.A. profile. At most one telescope and one camera, each valid,
// and a refused file leaves nothing behind.

#include "storage/kit_checks.h"
#include "storage/kit_import.h"

#include <cstdio>
#include <cstdlib>

using namespace vkp2::storage;

namespace {

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "fuzz_nina: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray xml(reinterpret_cast<const char *>(data), qsizetype(size));
    const KitImport read = importNina(xml);
    if (read.format != KitFormat::Nina)
        broken("the import says another format");
    if (!read.problem.isEmpty() && (!read.kit.isEmpty() || !read.errors.isEmpty() || !read.skipped.isEmpty()))
        broken("a refused file left entries or notes behind");
    if (read.problem.isEmpty() && read.kit.size() + read.errors.size() != 2)
        broken("a profile must give a telescope and a camera, or say why not");
    if (read.kit.telescopes.size() > 1 || read.kit.cameras.size() > 1 || !read.kit.lenses.isEmpty()
        || !read.kit.eyepieces.isEmpty())
        broken("a profile gave more than its telescope and camera");
    for (const KitTelescope &t : read.kit.telescopes) {
        if (!problemOf(t).isEmpty())
            broken("a telescope that fails the checks was taken");
    }
    for (const KitCamera &c : read.kit.cameras) {
        if (!problemOf(c).isEmpty())
            broken("a camera that fails the checks was taken");
    }
    if (read.problem.isEmpty() && xml.contains("<!DOCTYPE"))
        broken("a document type was read");
    return 0;
}

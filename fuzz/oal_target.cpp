// libFuzzer: any bytes as an OAL observation log. Beyond what every import must hold, the kit
// taken, exported again, reads back as it was.

#include "import_checks.h"

#include <QCoreApplication>

using namespace vkp2::storage;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *const target = "fuzz_oal";
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const KitImport result = importOal(bytes);
    fuzz::checkImport(target, result, KitFormat::Oal);

    // A log of no equipment is refused on reading, so an empty kit has nothing to read back.
    if (result.kit.isEmpty())
        return 0;
    const KitImport back = importOal(detail::oalOf(result.kit));
    if (!back.ok() || !back.skipped.isEmpty())
        fuzz::broken(target, "an exported kit does not read back cleanly");
    if (back.kit != result.kit)
        fuzz::broken(target, "an exported kit read back different");
    return 0;
}

#include "cli/user_kit.h"

#include "storage/kit_file.h"

namespace vkp2::cli {

UserKit readUserKit()
{
    UserKit out;
    out.path = storage::kitFilePath();
    const storage::KitFile file = storage::readKitFile(out.path);
    out.kit = file.kit;
    out.problem = file.problem;
    return out;
}

} // namespace vkp2::cli

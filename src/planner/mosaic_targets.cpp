#include "planner/mosaic_targets.h"

namespace vkp2::planner {

bool takesMosaic(const Target &target)
{
    return target.body && (*target.body == Body::Moon || *target.body == Body::Sun);
}

QStringList mosaicTargetKeys()
{
    QStringList out;
    for (const Target &t : targets()) {
        if (takesMosaic(t))
            out << QLatin1String(t.key);
    }
    return out;
}

} // namespace vkp2::planner

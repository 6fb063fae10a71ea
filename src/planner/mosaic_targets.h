#pragma once
// Which targets a full-disc mosaic is planned for: the Moon and the Sun, whose discs outgrow a
// frame; a planet is captured whole. Widget-free; Qt Core only.

#include "planner/targets.h"

#include <QStringList>

namespace vkp2::planner {

bool takesMosaic(const Target &target);
// Their keys, e.g. for a message: "moon, sun".
QStringList mosaicTargetKeys();

} // namespace vkp2::planner

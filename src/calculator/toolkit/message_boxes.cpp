#include "calculator/toolkit/message_boxes.h"

#include "calculator/toolkit/app_info.h"

namespace vkp2 {

void MessageBoxes::show(const QString &text, const QString &title, MessageIcon icon)
{
    present(text, title.isEmpty() ? kAppTitle : title, icon);
}

} // namespace vkp2

#include "calculator/toolkit/headless_controls.h"

namespace vkp2 {

void HeadlessField::setText(const QString &text)
{
    if (text_ == text)
        return;
    text_ = text;
    if (handler_)
        handler_();
}

bool HeadlessList::setText(const QString &text)
{
    const qsizetype index = entries_.indexOf(text); // whole, exact, case-sensitive
    if (index < 0)
        return false;
    current_ = index;
    if (handler_)
        handler_();
    return true;
}

} // namespace vkp2

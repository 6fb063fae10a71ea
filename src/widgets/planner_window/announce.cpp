#include "widgets/planner_window/announce.h"

#include <QAccessible>
#include <QWidget>

namespace vkp2::planner_window {

void announce(QWidget *widget, const QString &text)
{
    if (widget->accessibleDescription() == text)
        return;
    widget->setAccessibleDescription(text);
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace vkp2::planner_window

#include "widgets/toolkit/modal_message_boxes.h"

#include "calculator/procedures/message_text.h"

#include <QMessageBox>

namespace vkp2 {

void ModalMessageBoxes::present(const QString &text, const QString &title, MessageIcon icon)
{
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    if (icon == MessageIcon::Information)
        qtIcon = QMessageBox::Information;
    else if (icon == MessageIcon::Critical)
        qtIcon = QMessageBox::Critical;
    QMessageBox box(qtIcon, title, text, QMessageBox::Ok, parent_);
    box.setAccessibleName(title);
    box.setAccessibleDescription(text);
    box.exec();
}

void ModalMessageBoxes::reported(const CalculatorMessage &message)
{
    const MessageText t = render(message);
    show(t.text, t.title, t.icon);
}

} // namespace vkp2

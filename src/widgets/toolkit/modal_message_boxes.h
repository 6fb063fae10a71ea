#pragma once
// The message box seam in the application: a modal QMessageBox over the window.

#include "calculator/toolkit/message_boxes.h"

#include <QPointer>

class QWidget;

namespace vkp2 {

class ModalMessageBoxes final : public MessageBoxes {
public:
    void setParent(QWidget *parent) { parent_ = parent; }

protected:
    void present(const QString &text, const QString &title, MessageIcon icon) override;
    void reported(const CalculatorMessage &message) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace vkp2

#pragma once
// The one seam for message boxes: modal QMessageBox in the calculator window, collected by the
// headless calculator, recorded in tests. Every message the calculator shows passes here.
//
// The calculator reports what happened as data (calculator_message.h); the wording is rendered
// from that at the edge, so a caller never has to read a message's text to learn its meaning.

#include "calculator/toolkit/calculator_message.h"

#include <QString>

namespace vkp2 {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An empty title stands for the application title, "VKP2". Returns once the user has
    // answered OK.
    void show(const QString &text, const QString &title, MessageIcon icon);
    // A calculator message, shown in the calculator's own wording. Returns once answered.
    void report(const CalculatorMessage &message) { reported(message); }

protected:
    virtual void present(const QString &text, const QString &title, MessageIcon icon) = 0;
    // Each side renders the calculator's messages itself (procedures/message_text.h).
    virtual void reported(const CalculatorMessage &message) = 0;
};

} // namespace vkp2

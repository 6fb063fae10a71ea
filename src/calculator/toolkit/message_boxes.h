#pragma once
// The one seam for message boxes: modal QMessageBox in the calculator window, collected by the
// headless calculator, recorded in tests. Every message the calculator shows passes here.

#include <QString>

namespace vkp2 {

enum class MessageIcon { None, Information, Critical };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An empty title stands for the application title, "VKP2". Returns once the user has
    // answered OK.
    void show(const QString &text, const QString &title, MessageIcon icon);

protected:
    virtual void present(const QString &text, const QString &title, MessageIcon icon) = 0;
};

} // namespace vkp2

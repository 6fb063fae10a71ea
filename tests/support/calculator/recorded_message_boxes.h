#pragma once
// Message boxes in tests: every message is recorded instead of shown; the "user" answers OK.

#include "calculator/procedures/message_text.h"
#include "calculator/toolkit/message_boxes.h"

#include <QList>
#include <QMetaType>

namespace vkp2 {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    bool operator==(const ShownMessage &) const = default;
};

class RecordedMessageBoxes final : public MessageBoxes {
public:
    QList<ShownMessage> shown;
    QList<CalculatorMessage> reports; // the calculator's messages as data, in order
    void clear()
    {
        shown.clear();
        reports.clear();
    }

protected:
    void present(const QString &text, const QString &title, MessageIcon icon) override
    {
        shown.append({text, title, icon});
    }
    void reported(const CalculatorMessage &message) override
    {
        reports.append(message);
        const MessageText t = render(message);
        show(t.text, t.title, t.icon);
    }
};

} // namespace vkp2

Q_DECLARE_METATYPE(vkp2::MessageIcon)

#pragma once
// The calculator over in-memory controls: the same handlers, the same nesting and the same
// texts as the calculator window, without any widget. The planner and the tests use it.

#include "calculator/procedures/calculator.h"
#include "calculator/procedures/message_text.h"
#include "calculator/toolkit/headless_controls.h"

#include <QList>

#include <memory>
#include <optional>

namespace vkp2 {

// What the headless calculator would have shown in message boxes, in order: the text, title
// and icon the window shows, and for the calculator's own messages what they say as data.
struct Message {
    QString text;
    QString title;
    MessageIcon icon;
    std::optional<CalculatorMessage> detail;
    bool operator==(const Message &) const = default;
};

class CollectedMessages final : public MessageBoxes {
public:
    QList<Message> list;

protected:
    void present(const QString &text, const QString &title, MessageIcon icon) override
    {
        list.append({text, title, icon, std::nullopt});
    }
    void reported(const CalculatorMessage &message) override
    {
        const MessageText t = render(message);
        list.append({t.text, t.title, t.icon, message});
    }
};

class HeadlessCalculator {
public:
    // Messages go to `messages`, or are collected in messages() when none is given. `decorate`,
    // if given, wraps each control's handler as it is bound.
    explicit HeadlessCalculator(MessageBoxes *messages = nullptr, const HandlerDecorator &decorate = {});

    // Start-up as the window runs it, from a saved setup (all empty: defaults).
    void start(const UserData &userData = {});

    Calculator &calculator() { return *calculator_; }
    const Controls &controls() const { return controls_; }
    const QList<Message> &messages() const { return collected_.list; }
    void clearMessages() { collected_.list.clear(); }

    HeadlessField &operator[](Box box) { return boxes_[indexOf(box)]; }
    const HeadlessField &operator[](Box box) const { return boxes_[indexOf(box)]; }
    HeadlessList &operator[](List list) { return lists_[static_cast<std::size_t>(list)]; }
    const HeadlessList &operator[](List list) const
    {
        return lists_[static_cast<std::size_t>(list)];
    }
    // A control by its name ("Flength", "Telescope", ...): nullptr for an unknown name.
    HeadlessField *field(std::string_view name);
    HeadlessList *list(std::string_view name);
    BoxTexts boxTexts() const { return vkp2::boxTexts(controls_); }

private:
    std::array<HeadlessField, kBoxCount> boxes_;
    std::array<HeadlessList, kListCount> lists_;
    CollectedMessages collected_;
    Controls controls_;
    std::unique_ptr<Calculator> calculator_;
};

} // namespace vkp2

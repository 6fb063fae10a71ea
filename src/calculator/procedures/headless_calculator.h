#pragma once
// The calculator over in-memory controls: the same handlers, the same nesting and the same
// texts as the calculator window, without any widget. The planner and the tests use it.

#include "calculator/procedures/calculator.h"
#include "calculator/toolkit/headless_controls.h"

#include <QList>

#include <memory>

namespace vkp2 {

// What the headless calculator would have shown in message boxes, in order.
struct Message {
    QString text;
    QString title;
    MessageIcon icon;
    bool operator==(const Message &) const = default;
};

class CollectedMessages final : public MessageBoxes {
public:
    QList<Message> list;

protected:
    void present(const QString &text, const QString &title, MessageIcon icon) override
    {
        list.append({text, title, icon});
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

    // A control by its name ("Flength", "Telescope", ...): nullptr for an unknown name.
    HeadlessField *field(std::string_view name);
    HeadlessList *list(std::string_view name);
    QStringList boxTexts() const { return vkp2::boxTexts(controls_); }

    HeadlessField Flength{initial::Flength, false}, Aperture{initial::Aperture, false},
        Fratio{initial::Fratio, false}, Distance_tl{initial::Distance_tl, true},
        Distance_d{initial::Distance_d, true}, efl{{}, false}, efr{{}, false},
        Pixelsize_width{{}, false}, Pixelsize_height{{}, false}, Chipsize_width{{}, false},
        Chipsize_height{{}, false}, Fov_width{{}, false}, Fov_height{{}, false},
        Pixelscale_width{{}, false}, Pixelscale_height{{}, false};
    HeadlessList Telescope, Ocular, Ccd, Binning;

private:
    CollectedMessages collected_;
    Controls controls_;
    std::unique_ptr<Calculator> calculator_;
};

} // namespace vkp2

#pragma once
// The toolkit contract: the few operations the calculator performs on the window's controls.
// These interfaces carry no widget types, so the calculator's rules read without Qt Widgets in
// mind. Two implementations hold the two nesting rules: the widgets of the calculator window
// (widgets/toolkit/widget_controls.h) and in-memory controls (headless_controls.h) that the
// planner drives:
//   - a program write of a field's text runs the field's change handler at once, before the
//     writer goes on; writing the text the field already shows runs nothing;
//   - setting a list's shown text to one of its entries selects it and runs the list's choose
//     handler at once, exactly as a user's choice would.

#include "calculator/toolkit/boxes.h"
#include "calculator/toolkit/message_boxes.h"

#include <QString>

#include <functional>
#include <string_view>

namespace vkp2 {

// A control's change or choose handler.
using Handler = std::function<void()>;
// Given where each control's handler is bound, by the control's name; returns the handler to
// bind. Tests count handler runs this way without reaching into the controls afterwards.
using HandlerDecorator = std::function<Handler(std::string_view control, Handler handler)>;

class TextField {
public:
    virtual ~TextField() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
};

class ChoiceList {
public:
    virtual ~ChoiceList() = default;
    // The shown entry's text; empty before any choice.
    virtual QString text() const = 0;
    // Selects the entry whose text equals `text` exactly (case-sensitive) and runs the choose
    // handler. A text that is no entry selects nothing and runs nothing; returns whether it matched.
    virtual bool setText(const QString &text) = 0;
    virtual void addItem(const QString &text) = 0;
    virtual int count() const = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
};

// The controls of the main window that the calculator reads and writes, by their ids.
struct Controls {
    std::array<TextField *, kBoxCount> boxes;
    std::array<ChoiceList *, kListCount> lists;
    TextField &operator[](Box box) const { return *boxes[indexOf(box)]; }
    ChoiceList &operator[](List list) const { return *lists[static_cast<std::size_t>(list)]; }
};

} // namespace vkp2

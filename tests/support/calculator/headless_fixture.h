#pragma once
// The calculator's own handlers over in-memory controls, with its messages recorded and its
// handler runs counted, and helpers that act on the boxes and lists as a user acts on the
// window's: choosing an entry, typing key by key, a disabled box taking no keys.

#include "calculator/procedures/headless_calculator.h"
#include "support/calculator/handler_counter.h"
#include "support/calculator/recorded_message_boxes.h"

#include <QStringList>

#include <set>
#include <string>
#include <string_view>

namespace vkp2::test {

struct HeadlessFixture {
    RecordedMessageBoxes messages;
    // Controls whose handlers do not run for now, as a QSignalBlocker keeps a widget quiet.
    std::set<std::string, std::less<>> muted;
    HeadlessCalculator h{&messages, [this](std::string_view control, Handler handler) {
                             return Handler([this, name = std::string(control),
                                             run = counted(std::move(handler))] {
                                 if (!muted.contains(name))
                                     run();
                             });
                         }};

    // Starts as the window does, from a saved setup (all empty: none).
    explicit HeadlessFixture(const UserData &saved = {}) { h.start(saved); }

    Calculator &calc() { return h.calculator(); }
    CalculatorState &state() { return h.calculator().state; }

    HeadlessField &box(std::string_view name)
    {
        HeadlessField *field = h.field(name);
        if (!field)
            qFatal("no box named %s", std::string(name).c_str());
        return *field;
    }
    HeadlessList &list(std::string_view name)
    {
        HeadlessList *found = h.list(name);
        if (!found)
            qFatal("no list named %s", std::string(name).c_str());
        return *found;
    }

    // Writes a box's text without its handler, as a saved setup or a blocked signal leaves it.
    void writeQuietly(std::string_view name, const QString &text)
    {
        muted.emplace(name);
        box(name).setText(text);
        muted.erase(std::string(name));
    }
    // Shows a list entry without choosing it: its handler does not run.
    void showQuietly(std::string_view name, const QString &entry)
    {
        muted.emplace(name);
        list(name).setText(entry);
        muted.erase(std::string(name));
    }

    // Every box and list as "name=text", with " (off)" when disabled.
    QStringList shownTexts()
    {
        QStringList out;
        for (const BoxInfo &info : kBoxes) {
            const HeadlessField &field = h[info.id];
            out << QLatin1String(info.name.data(), qsizetype(info.name.size())) + "=" + field.text()
                       + (field.isEnabled() ? "" : " (off)");
        }
        for (std::size_t i = 0; i < kListCount; ++i) {
            const HeadlessList &l = h[List(i)];
            out << QLatin1String(kListNames[i].data(), qsizetype(kListNames[i].size())) + "=" + l.text()
                       + (l.isEnabled() ? "" : " (off)");
        }
        return out;
    }
};

// The user chooses an entry (again, if it is shown): the list's handler runs.
inline bool chooseAsUser(HeadlessList &list, const QString &text) { return list.setText(text); }

// Keys typed at the end of a box's text, one change per key; a disabled box takes none.
inline void type(HeadlessField &field, const QString &keys)
{
    if (!field.isEnabled())
        return;
    for (const QChar key : keys)
        field.setText(field.text() + key);
}

inline void backspace(HeadlessField &field)
{
    if (field.isEnabled() && !field.text().isEmpty())
        field.setText(field.text().chopped(1));
}

// Replaces a box's text by typing: select all, delete, then key by key.
inline void retype(HeadlessField &field, const QString &text)
{
    if (!field.isEnabled())
        return;
    field.setText(QString());
    type(field, text);
}

// Where a list shows `text`, or -1.
inline int indexOf(const HeadlessList &list, const QString &text) { return int(list.entries().indexOf(text)); }

} // namespace vkp2::test

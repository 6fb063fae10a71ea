#include "widgets/planner_window/checked_setup.h"

namespace vkp2::planner_window {

namespace {

std::optional<planner::SetupField> fieldOf(Box box)
{
    for (const planner::SetupFieldInfo &info : planner::kSetupFields) {
        if (boxOf(info.id) == box)
            return info.id;
    }
    return std::nullopt;
}

} // namespace

CheckedSetup checkSetup(const planner::Setup &typed)
{
    CheckedSetup c;
    c.used = typed;
    c.shown = planner::show(typed);
    for (const Message &m : c.shown.messages) {
        if (!c.messages.contains(m.text))
            c.messages << m.text;
        // Each message says which box it is about and what the calculator put in its place. A
        // text that is no number keeps its box (Fallback::None) and is the panel's to report.
        if (!m.detail || !m.detail->box)
            continue;
        const auto field = fieldOf(*m.detail->box);
        if (!field)
            continue;
        QString used;
        if (m.detail->fallback == Fallback::BoxValue)
            used = m.detail->fallbackText;
        else if (m.detail->fallback == Fallback::TelescopeRestored)
            used = c.shown.box(*m.detail->box); // the telescope's own value, as its box shows it
        else
            continue;
        const QString &text = typed.*planner::setupField(*field).member;
        // A box reported again keeps one entry, with the value the calculator ended with.
        c.replaced.removeIf([&](const Replaced &r) { return r.field == *field; });
        c.replaced << Replaced{*field, text, used};
        c.used.*planner::setupField(*field).member = used;
    }
    return c;
}

} // namespace vkp2::planner_window

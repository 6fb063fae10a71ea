#include "widgets/planner_window/checked_setup.h"

#include "calculator/core/numbers.h"

namespace vkp2::planner_window {

namespace {

struct BoxLink {
    KitBox box;
    const char *shownBox;
    QString planner::Setup::*text;
    bool cameraBox;
};

constexpr BoxLink kLinks[] = {
    {KitBox::FocalLength, "Flength", &planner::Setup::focalLength, false},
    {KitBox::Aperture, "Aperture", &planner::Setup::aperture, false},
    {KitBox::Tl, "Distance_tl", &planner::Setup::tl, false},
    {KitBox::D, "Distance_d", &planner::Setup::d, false},
    {KitBox::PixelWidth, "Pixelsize_width", &planner::Setup::pixelWidth, true},
    {KitBox::PixelHeight, "Pixelsize_height", &planner::Setup::pixelHeight, true},
    {KitBox::ChipWidth, "Chipsize_width", &planner::Setup::chipWidth, true},
    {KitBox::ChipHeight, "Chipsize_height", &planner::Setup::chipHeight, true},
};

} // namespace

CheckedSetup checkSetup(const planner::Setup &typed)
{
    CheckedSetup c;
    c.used = typed;
    c.shown = planner::show(typed);
    for (const Message &m : c.shown.messages) {
        if (!c.messages.contains(m.text))
            c.messages << m.text;
    }
    // A preset camera's boxes show the binned sizes, which are no replacement of the typed ones.
    const bool userCamera = typed.camera == entries::UserDefined;
    for (const BoxLink &link : kLinks) {
        if (link.cameraBox && !userCamera)
            continue;
        const QString &text = typed.*link.text;
        const QString used = c.shown.box(link.shownBox);
        const auto a = numbers::parse(text), b = numbers::parse(used);
        // Only a number the calculator put another number in place of; a text that is no
        // number is the panel's to report.
        if (a && b && *a != *b) {
            c.replaced << Replaced{link.box, text, used};
            c.used.*link.text = used;
        }
    }
    return c;
}

} // namespace vkp2::planner_window

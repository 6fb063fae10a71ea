#pragma once
// The calculator's boxes as show prints them: the box, its CSV and JSON key and its label.
// The one place in the command line that lists them.

#include <span>

namespace vkp2::cli {

struct BoxField {
    const char *box; // the calculator's name for it
    const char *key;
    const char *label;
};

std::span<const BoxField> shownBoxes();

} // namespace vkp2::cli

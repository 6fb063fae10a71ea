#pragma once
// One CSV field as RFC 4180 writes it. Widget-free; Qt Core only.

#include <QString>

namespace vkp2::planner {

// Quoted, with its quotes doubled, when it holds a comma, a quote, CR or LF; else as it is.
QString csvField(const QString &text);

} // namespace vkp2::planner

#pragma once
// vkp2plan's words for people (help, messages, text labels): Words::tr marks them for
// translation. CSV and JSON keys are data and stay English. Inside a function whose return type
// is of another namespace (planner::Blur f()), lupdate loses the scope: write
// QCoreApplication::translate("vkp2plan", "...") there.

#include <QCoreApplication>

namespace vkp2::cli {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(vkp2plan)
};

} // namespace vkp2::cli

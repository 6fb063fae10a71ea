#pragma once
// The engine's words for people (problems, verdicts, labels): Words::tr marks them for
// translation. Keys written to files stay as they are.

#include <QCoreApplication>

namespace vkp2::planner {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Planner)
};

} // namespace vkp2::planner

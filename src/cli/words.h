#pragma once
// vkp2plan's words for people (help, messages, text labels): Words::tr marks them for
// translation. CSV and JSON keys are data and stay English. Inside a function whose return type
// is of another namespace (planner::Blur f()), lupdate loses the scope: write
// QCoreApplication::translate("vkp2plan", "...") there.

#include "calculator/toolkit/boxes.h"
#include "planner/words.h"

#include <QCoreApplication>
#include <QString>

namespace vkp2::cli {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(vkp2plan)
};

// A calculator box's label in the reader's language (the calculator window keeps its own).
inline QString boxLabel(const BoxInfo &box)
{
    return QCoreApplication::translate("Box", QByteArray(box.label.data(), qsizetype(box.label.size())).constData());
}

// A label from the engine's field tables (setup and train fields), marked there.
inline QString fieldLabel(const char *label) { return planner::Words::tr(label); }

} // namespace vkp2::cli

#pragma once
// How the kit's entries sit in the setup panel's lists: ahead of the presets, each carrying its
// kit position (a kit camera's binning modes their N), so that a kit entry named like a preset
// is never taken for it; and which kit entry a setup took, by the name it keeps.

#include "planner/setup.h"
#include "storage/kit.h"

#include <QStringList>

#include <utility>

class QComboBox;

namespace vkp2::planner_window {

// The item role of the kit position or binning N; presets have none.
inline constexpr int kKitRole = Qt::UserRole;

// A preset of the list (never a kit entry of the same name); an unknown text changes nothing.
void setChoice(QComboBox *c, const QString &text);
// The kit entry at `position` (or binning mode N).
void setKitChoice(QComboBox *c, int position);
// The kit position of the chosen entry; -1 for a preset.
int kitPositionOf(const QComboBox *c);
// The kit's names with their positions, a separator, then the presets.
void fillList(QComboBox *c, const QStringList &kitNames, const QStringList &presets);

// The kit telescope a setup took, by its label; -1 for none.
int kitTelescopeOf(const storage::Kit &kit, const planner::Setup &s);
// The kit camera and binning N a setup took, by its label; -1 for none.
std::pair<int, int> kitCameraOf(const storage::Kit &kit, const planner::Setup &s);

} // namespace vkp2::planner_window

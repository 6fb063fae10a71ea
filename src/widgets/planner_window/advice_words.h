#pragma once
// The planner engine's advice in the window's words. Nothing is judged here: the verdicts, the
// band and the fits come from planner::adviseOn, so the window and vkp2plan cannot disagree;
// this only words them, with numbers in the user's locale.

#include "planner/advice.h"

#include <QString>
#include <QStringList>

namespace vkp2::planner_window {

using planner::focalRatioVerdictText;
using planner::seeingVerdictText;

// The advice's fit sentences (Advice::fits) for the target under the window's name for it.
QStringList fitSentences(const QList<planner::FitAt> &fits, const QString &targetName);

} // namespace vkp2::planner_window

#include "cli/advice_cells.h"

#include <QStringList>

namespace vkp2::cli {

QString seeingVerdictText(const planner::Advice &advice)
{
    const auto &w = advice.seeing.width;
    const auto &h = advice.seeing.height;
    if (!w || !h)
        return {};
    if (*w == *h)
        return planner::samplingWord(*w);
    return QStringLiteral("%1 (width), %2 (height)")
        .arg(planner::samplingWord(*w), planner::samplingWord(*h));
}

QString focalRatioVerdictText(const planner::Advice &advice)
{
    return advice.focalRatioVerdict ? planner::samplingWord(*advice.focalRatioVerdict) : QString();
}

QString notesText(const planner::Advice &advice)
{
    QStringList out;
    for (const planner::AdviceNote n : advice.notes)
        out << planner::noteText(n);
    return out.join(QStringLiteral("; "));
}

} // namespace vkp2::cli

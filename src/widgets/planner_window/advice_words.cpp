#include "widgets/planner_window/advice_words.h"

#include <QCoreApplication>
#include <QLocale>

namespace vkp2::planner_window {

QString seeingVerdictText(const planner::Advice &advice)
{
    const auto &w = advice.seeing.width;
    const auto &h = advice.seeing.height;
    if (!w || !h)
        return {};
    if (*w == *h)
        return planner::samplingWord(*w);
    return QCoreApplication::translate("PlannerAdvice", "%1 (width), %2 (height)")
        .arg(planner::samplingWord(*w), planner::samplingWord(*h));
}

QString focalRatioVerdictText(const planner::Advice &advice)
{
    return advice.focalRatioVerdict ? planner::samplingWord(*advice.focalRatioVerdict) : QString();
}

QStringList fitSentences(const QList<planner::FitAt> &fits, const QString &targetName)
{
    QStringList out;
    for (const planner::FitAt &at : fits) {
        if (at.fit)
            out << planner::fitSentence(targetName, at.sizeArcsec, *at.fit, QLocale());
    }
    return out;
}

} // namespace vkp2::planner_window

#include "widgets/planner_window/advice_words.h"

#include <QLocale>

namespace vkp2::planner_window {

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

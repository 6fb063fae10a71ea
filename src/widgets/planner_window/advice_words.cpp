#include "widgets/planner_window/advice_words.h"

#include <QLocale>
#include <QObject>

namespace vkp2::planner_window {

QStringList fitSentences(const QList<planner::FitAt> &fits, const QString &targetName)
{
    QStringList out;
    for (const planner::FitAt &at : fits) {
        if (!at.fit)
            continue;
        if (at.which == planner::FitAt::Size::OnDate)
            out << planner::fitSentence(QObject::tr("%1 on the date").arg(targetName), at.sizeArcsec,
                                        at.heightArcsec, *at.fit, QLocale());
        else
            out << planner::fitSentence(targetName, at.sizeArcsec, *at.fit, QLocale());
    }
    return out;
}

} // namespace vkp2::planner_window

#include "cli/advice_cells.h"

#include <QStringList>

namespace vkp2::cli {

QString notesText(const planner::Advice &advice)
{
    QStringList out;
    for (const planner::AdviceNote n : advice.notes)
        out << planner::noteText(n);
    return out.join(QStringLiteral("; "));
}

} // namespace vkp2::cli

#pragma once
// The trains the chart draws and the solve table solves beside the plain VKP-2 oculars: each
// kit lens alone at prime focus, each kit eyepiece in projection, then the setup's own train
// when it is none of those (typed, or a lens stacked before a VKP-2 ocular).

#include "planner/setup.h"
#include "storage/kit.h"

#include <QList>
#include <QString>

namespace vkp2::planner_window {

struct TrainChoice {
    planner::Setup setup; // the setup's telescope and camera with this train (and ocular)
    QString name;         // for the legend and the table, e.g. "Barlow 2x"
    bool own = false;     // the setup's own train
};

// `ownSound`: whether the setup's own train may be drawn (its typed numbers read and the
// engine finds no problem with them).
QList<TrainChoice> trainChoices(const planner::Setup &setup, const storage::Kit &kit, bool ownSound);

// The setup with its train taken away: the VKP-2 ocular alone.
planner::Setup withoutTrain(planner::Setup setup);

// Where an eyepiece is first set to project when none is typed: the middle of its usable
// distances.
double startingProjectionDistance(double eyepieceMm);

// What the setup's element is and where it is set, e.g. "WS 12.5mm, D 120 mm",
// "Barlow 2x, spacing 150 mm", "Barlow 2x + WS 12.5mm, D 120 mm", "No-VKP2 (prime focus)".
QString elementText(const planner::Setup &setup);

} // namespace vkp2::planner_window

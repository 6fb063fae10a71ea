#pragma once
// The rows of table (and of table --all): one per setup the calculator showed, with the
// columns as descriptions.

#include "cli/columns.h"
#include "cli/commands.h"
#include "cli/context.h"
#include "planner/advice.h"
#include "planner/setup.h"

#include <QList>

namespace vkp2::cli {

// What one row's cells are found from.
struct KitRow {
    const planner::Shown &sh;
    const planner::Advice &advice;
    QString note; // the calculator's messages, then the advice's notes
    QString telescope, camera; // as shown: a kit or database entry by its own name
};

// A kit or database entry's name for a row's telescope or camera; empty: the list's. `note`
// says what a row's train could not do (its problem), before the calculator's messages.
struct RowNames {
    QString telescope, camera;
    QString note;
};

// The columns a table's trains need: the element, and the lens's spacing or the projection
// distance. None: today's columns alone.
struct TrainColumns {
    bool element = false;
    bool spacing = false;
    bool projectionDistance = false;
};

struct RowTable {
    QList<Column<KitRow>> columns;
    Table table;
    planner::AdviceOptions advice;
    bool anyMessage = false; // a row's note holds a calculator message
};

// `kitColourCamera`: the setup's camera is a kit camera with a colour sensor.
RowTable rowTable(const Context &cx, const TrainColumns &train = {}, bool kitColourCamera = false);

// A row for what the calculator shows, labelled with the binning mode it shows. `messages`
// are the calculator's for this row (those of sh, or of an earlier step every row shares).
QList<Cell> rowCells(const RowTable &t, const planner::Shown &sh, const QList<Message> &messages,
                     bool &hadMessage, const RowNames &names = {});
void addRow(RowTable &t, const planner::Shown &sh, const QList<Message> &messages,
            const RowNames &names = {});

// The output: the table, the start's own messages and a pointer to the notes on stderr.
// Warnings make the status 1; notices do not.
Result finishTable(const Context &cx, const RowTable &t, const QList<Message> &startMessages,
                   const planner::Shown &startShown, const QStringList &warnings,
                   const QStringList &notices = {});

} // namespace vkp2::cli

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
};

struct RowTable {
    QList<Column<KitRow>> columns;
    Table table;
    const planner::AdviceOptions *advice = nullptr;
    bool anyMessage = false; // a row's note holds a calculator message
};

RowTable rowTable(const Context &cx);

// A row for what the calculator shows, labelled with the binning mode it shows. `messages`
// are the calculator's for this row (those of sh, or of an earlier step every row shares).
QList<Cell> rowCells(const RowTable &t, const planner::Shown &sh, const QList<Message> &messages,
                     bool &hadMessage);
void addRow(RowTable &t, const planner::Shown &sh, const QList<Message> &messages);

// The output: the table, the start's own messages and a pointer to the notes on stderr.
Result finishTable(const Context &cx, const RowTable &t, const QList<Message> &startMessages,
                   const planner::Shown &startShown, const QStringList &warnings);

} // namespace vkp2::cli

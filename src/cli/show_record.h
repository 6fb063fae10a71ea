#pragma once
// show's one record: its fields and cells in order, and the target's part of it (its fit,
// its size on the date, the derotation limit and the mosaic).

#include "cli/context.h"
#include "cli/output.h"
#include "planner/advice.h"

#include <QByteArray>
#include <QList>

namespace vkp2::cli {

struct Record {
    Table table;
    QList<Cell> row;
    void add(const QString &key, const QString &label, Cell cell, bool optional = false,
             bool inText = true)
    {
        Field f{key, label};
        f.optional = optional;
        f.inText = inText;
        table.add(f);
        row.append(std::move(cell));
    }
};

// The target's fits at its sizes and, for a body, its outline on the date and the derotation
// limit; with --mosaic in JSON the mosaic as an object.
void addTarget(Record &r, const Context &cx, const planner::Target &target,
               const planner::Advice &advice);

// After the text record: "Mosaic: 4 × 5 grid, 17 panes (15 % overlap, 0° rotation)" and a
// line per pane.
QString mosaicLines(const Context &cx, const planner::Advice &advice);
// show --mosaic --format csv: the panes as a table of their own.
QByteArray mosaicCsv(const planner::Advice &advice);

} // namespace vkp2::cli

#pragma once
// A table's columns, each its key, heading and how a row's value is found, so a header
// and its cells cannot drift apart.

#include "calculator/toolkit/boxes.h"
#include "cli/output.h"
#include "cli/words.h"

#include <QList>
#include <QString>

#include <functional>

namespace vkp2::cli {

template <typename Row>
struct Column {
    enum class Shown {
        Own,          // a column of its own in text
        WithPrevious, // in text, joined to the column before it by " × "
        DataOnly,     // CSV and JSON only
    };
    QString key;     // CSV and JSON, with its unit
    QString heading; // text
    std::function<Cell(const Row &)> value;
    Shown shown = Shown::Own;
    bool headerWhenConstant = false; // text: said once above the table when alike in every row
};

// The calculator's results as every table shows them: EFL, focal ratio, field and scale. `box`
// gives a box's cell for a row.
// A box's CSV and JSON key, as the registry has it.
inline QString keyOf(Box box)
{
    const std::string_view key = infoOf(box).key;
    return QLatin1String(key.data(), qsizetype(key.size()));
}

template <typename Row, typename BoxCell>
QList<Column<Row>> resultColumns(const BoxCell &box)
{
    using Col = Column<Row>;
    return {
        {keyOf(Box::efl), Words::tr("EFL (mm)"), box(Box::efl)},
        {keyOf(Box::efr), Words::tr("Focal ratio"), box(Box::efr)},
        {keyOf(Box::Fov_width), Words::tr("FOV (arcmin)"), box(Box::Fov_width)},
        {keyOf(Box::Fov_height), QString(), box(Box::Fov_height), Col::Shown::WithPrevious},
        {keyOf(Box::Pixelscale_width), Words::tr("Scale (arcsec/px)"),
         box(Box::Pixelscale_width)},
        {keyOf(Box::Pixelscale_height), QString(), box(Box::Pixelscale_height),
         Col::Shown::WithPrevious},
    };
}

template <typename Row>
Table tableOf(const QList<Column<Row>> &columns)
{
    Table t;
    for (const Column<Row> &c : columns) {
        Field f{c.key, c.heading};
        f.headerWhenConstant = c.headerWhenConstant;
        f.inText = c.shown != Column<Row>::Shown::DataOnly;
        const int i = t.add(f);
        if (c.shown == Column<Row>::Shown::WithPrevious && !t.textColumns.isEmpty())
            t.textColumns.last() << i;
        else if (c.shown != Column<Row>::Shown::DataOnly)
            t.textColumns.append(QList<int>{i});
    }
    return t;
}

template <typename Row>
QList<Cell> cellsOf(const QList<Column<Row>> &columns, const Row &row)
{
    QList<Cell> out;
    out.reserve(columns.size());
    for (const Column<Row> &c : columns)
        out << c.value(row);
    return out;
}

} // namespace vkp2::cli

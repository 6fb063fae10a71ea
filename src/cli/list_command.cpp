// list: the presets and their values.

#include "calculator/catalog/lookup.h"
#include "calculator/catalog/ocular_table.h"
#include "cli/columns.h"
#include "cli/command_table.h"
#include "cli/context.h"
#include "cli/words.h"
#include "planner/setup.h"

namespace vkp2::cli {

namespace {

using planner::Setup;
using planner::Shown;

Table telescopes(const Context &cx)
{
    using Col = Column<Shown>;
    const auto box = [&cx](Box name) {
        return [&cx, name](const Shown &sh) { return cx.box(sh.box(name)); };
    };
    const QList<Col> columns{
        {QStringLiteral("name"), Words::tr("Telescope"),
         [](const Shown &sh) { return Cell::str(sh.telescope); }},
        {keyOf(Box::Flength), Words::tr("Focal length (mm)"), box(Box::Flength)},
        {keyOf(Box::Aperture), Words::tr("Aperture (mm)"), box(Box::Aperture)},
        {keyOf(Box::Fratio), Words::tr("F-Ratio"), box(Box::Fratio)},
    };
    Table t = tableOf(columns);
    for (const QString &name : planner::telescopeEntries()) {
        if (name == entries::UserDefined)
            continue;
        Setup s;
        s.chooseTelescope(name);
        t.rows.append(cellsOf(columns, planner::show(s))); // the ratio exactly as the window shows it
    }
    return t;
}

Table oculars(const Context &cx)
{
    using Row = catalog::OcularRow;
    using Col = Column<Row>;
    const QList<Col> columns{
        {QStringLiteral("name"), Words::tr("Ocular"),
         [](const Row &r) { return Cell::str(QLatin1String(r.name)); }},
        {QStringLiteral("focal_length_mm"), Words::tr("Focal length (mm)"),
         [&cx](const Row &r) { return cx.plain(r.focalLength); }},
        {QStringLiteral("offset_mm"), Words::tr("Offset (mm)"),
         [&cx](const Row &r) { return cx.plain(r.offset); }},
        {QStringLiteral("length_mm"), Words::tr("Length (mm)"),
         [&cx](const Row &r) { return cx.plain(r.length); }},
    };
    Table t = tableOf(columns);
    for (const Row &row : catalog::kOculars)
        t.rows.append(cellsOf(columns, row));
    return t;
}

Table cameras(const Context &cx)
{
    using Col = Column<Setup>;
    const auto text = [&cx](QString Setup::*member) {
        return [&cx, member](const Setup &s) { return cx.box(s.*member); };
    };
    const QList<Col> columns{
        {QStringLiteral("name"), Words::tr("Camera"),
         [](const Setup &s) { return Cell::str(s.camera); }},
        {keyOf(Box::Pixelsize_width), Words::tr("Pixel (µm)"), text(&Setup::pixelWidth)},
        {keyOf(Box::Pixelsize_height), QString(), text(&Setup::pixelHeight), Col::Shown::WithPrevious},
        {keyOf(Box::Chipsize_width), Words::tr("Chip (px)"), text(&Setup::chipWidth)},
        {keyOf(Box::Chipsize_height), QString(), text(&Setup::chipHeight), Col::Shown::WithPrevious},
        {QStringLiteral("binning"), Words::tr("Binning modes"),
         [](const Setup &s) { return Cell::boolean(planner::cameraHasBinning(s.camera)); }},
    };
    Table t = tableOf(columns);
    for (const QString &name : planner::cameraEntries()) {
        Setup s;
        if (name == entries::UserDefined || name == entries::NoneOrFilm || !s.chooseCamera(name))
            continue;
        // The texts the preset puts in the boxes, read back as the calculator reads them.
        t.rows.append(cellsOf(columns, s));
    }
    return t;
}

} // namespace

Result runList(const Context &cx)
{
    const QStringList &what = cx.args.positional;
    if (what.size() != 1)
        fail(QStringLiteral("list"), Words::tr("give one of telescopes, oculars, cameras"));
    Table t;
    if (what[0] == QLatin1String("telescopes"))
        t = telescopes(cx);
    else if (what[0] == QLatin1String("oculars"))
        t = oculars(cx);
    else if (what[0] == QLatin1String("cameras"))
        t = cameras(cx);
    else
        fail(QStringLiteral("list"),
             Words::tr("\"%1\" is none of telescopes, oculars, cameras").arg(what[0]));
    return {kExitOk, writeTable(t, cx.format), {}};
}

} // namespace vkp2::cli

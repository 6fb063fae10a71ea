#include "cli/equipment_columns.h"

#include "cli/columns.h"

#include <QStringList>

namespace vkp2::cli {

namespace {

using storage::KitCamera;
using storage::KitEyepiece;
using storage::KitLens;
using storage::KitTelescope;

template <typename Entry>
using Col = Column<Listed<Entry>>;

Cell optionalNumber(const Context &cx, const std::optional<double> &v)
{
    return v ? cx.plain(*v) : Cell::num({});
}

template <typename Entry>
Col<Entry> nameColumn(const QString &heading)
{
    return {QStringLiteral("name"), heading, [](const Listed<Entry> &r) { return Cell::str(r.entry.name); }};
}

template <typename Entry>
Col<Entry> numberColumn(const Context &cx, const QString &key, const QString &heading,
                        double Entry::*member,
                        typename Col<Entry>::Shown shown = Col<Entry>::Shown::Own)
{
    return {key, heading, [&cx, member](const Listed<Entry> &r) { return cx.plain(r.entry.*member); },
            shown};
}

template <typename Entry>
Col<Entry> optionalColumn(const Context &cx, const QString &key, const QString &heading,
                          std::optional<double> Entry::*member)
{
    return {key, heading,
            [&cx, member](const Listed<Entry> &r) { return optionalNumber(cx, r.entry.*member); }};
}

template <typename Entry>
Table entriesTable(QList<Col<Entry>> columns, const QList<Listed<Entry>> &rows, bool withSource)
{
    if (withSource)
        columns.insert(1, Col<Entry>{QStringLiteral("source"), QStringLiteral("From"),
                                     [](const Listed<Entry> &r) { return Cell::str(r.source); }});
    Table t = tableOf(columns);
    for (const Listed<Entry> &r : rows)
        t.rows.append(cellsOf(columns, r));
    return t;
}

QString colourText(storage::Colour c)
{
    switch (c) {
    case storage::Colour::Colour:
        return QStringLiteral("colour");
    case storage::Colour::Mono:
        return QStringLiteral("mono");
    case storage::Colour::Unknown:
        break;
    }
    return {};
}

} // namespace

QString binningText(const QList<int> &binning)
{
    QStringList modes;
    for (const int n : binning)
        modes << QStringLiteral("%1x%1").arg(n);
    return modes.join(QLatin1Char(' '));
}

Table equipmentTable(const Context &cx, const QList<Listed<KitTelescope>> &rows, bool withSource)
{
    return entriesTable<KitTelescope>(
        {nameColumn<KitTelescope>(QStringLiteral("Telescope")),
         numberColumn(cx, QStringLiteral("focal_length_mm"), QStringLiteral("Focal length (mm)"),
                      &KitTelescope::focalLength),
         numberColumn(cx, QStringLiteral("aperture_mm"), QStringLiteral("Aperture (mm)"),
                      &KitTelescope::aperture)},
        rows, withSource);
}

Table equipmentTable(const Context &cx, const QList<Listed<KitCamera>> &rows, bool withSource)
{
    using C = Col<KitCamera>;
    const auto count = [&cx](int KitCamera::*member) {
        return [&cx, member](const Listed<KitCamera> &r) { return cx.plain(r.entry.*member); };
    };
    return entriesTable<KitCamera>(
        {nameColumn<KitCamera>(QStringLiteral("Camera")),
         numberColumn(cx, QStringLiteral("pixel_width_um"), QStringLiteral("Pixel (µm)"),
                      &KitCamera::pixelWidth),
         numberColumn(cx, QStringLiteral("pixel_height_um"), QString(), &KitCamera::pixelHeight,
                      C::Shown::WithPrevious),
         C{QStringLiteral("width_px"), QStringLiteral("Chip (px)"), count(&KitCamera::width)},
         C{QStringLiteral("height_px"), QString(), count(&KitCamera::height), C::Shown::WithPrevious},
         C{QStringLiteral("colour"), QStringLiteral("Sensor"),
           [](const Listed<KitCamera> &r) { return Cell::str(colourText(r.entry.colour)); }},
         C{QStringLiteral("binning"), QStringLiteral("Binning"),
           [](const Listed<KitCamera> &r) { return Cell::str(binningText(r.entry.binning)); }}},
        rows, withSource);
}

Table equipmentTable(const Context &cx, const QList<Listed<KitLens>> &rows, bool withSource)
{
    return entriesTable<KitLens>(
        {nameColumn<KitLens>(QStringLiteral("Barlow or reducer")),
         numberColumn(cx, QStringLiteral("factor"), QStringLiteral("Factor"), &KitLens::factor),
         optionalColumn(cx, QStringLiteral("focal_length_mm"), QStringLiteral("Focal length (mm)"),
                        &KitLens::focalLength),
         optionalColumn(cx, QStringLiteral("design_spacing_mm"), QStringLiteral("Spacing (mm)"),
                        &KitLens::designSpacing)},
        rows, withSource);
}

Table equipmentTable(const Context &cx, const QList<Listed<KitEyepiece>> &rows, bool withSource)
{
    return entriesTable<KitEyepiece>(
        {nameColumn<KitEyepiece>(QStringLiteral("Eyepiece")),
         numberColumn(cx, QStringLiteral("focal_length_mm"), QStringLiteral("Focal length (mm)"),
                      &KitEyepiece::focalLength),
         optionalColumn(cx, QStringLiteral("apparent_field_deg"), QStringLiteral("Apparent field (°)"),
                        &KitEyepiece::apparentField),
         optionalColumn(cx, QStringLiteral("field_stop_mm"), QStringLiteral("Field stop (mm)"),
                        &KitEyepiece::fieldStop)},
        rows, withSource);
}

Table joinedTables(const QList<std::pair<QString, Table>> &byKind)
{
    Table out;
    out.add(Field{QStringLiteral("kind"), QStringLiteral("Kind")});
    QStringList keys{QStringLiteral("kind")};
    for (const auto &[kind, t] : byKind) {
        for (const Field &f : t.fields) {
            if (!keys.contains(f.key)) {
                keys << f.key;
                out.add(f);
            }
        }
    }
    for (const auto &[kind, t] : byKind) {
        for (const QList<Cell> &row : t.rows) {
            QList<Cell> cells(keys.size(), Cell::str({}));
            cells[0] = Cell::str(kind);
            for (qsizetype i = 0; i < t.fields.size(); ++i)
                cells[keys.indexOf(t.fields[i].key)] = row[i];
            out.rows.append(cells);
        }
    }
    return out;
}

} // namespace vkp2::cli

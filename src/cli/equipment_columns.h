#pragma once
// Kit and database entries as tables: one column per value, in the units kit.json keeps, and
// where each entry comes from. find and kit list print them.

#include "cli/context.h"
#include "cli/output.h"
#include "storage/kit.h"

#include <QList>
#include <QString>

#include <utility>

namespace vkp2::cli {

template <typename Entry>
struct Listed {
    Entry entry;
    QString source; // "kit" or "database"; empty when the table has no source column
};

Table equipmentTable(const Context &cx, const QList<Listed<storage::KitTelescope>> &rows, bool withSource);
Table equipmentTable(const Context &cx, const QList<Listed<storage::KitCamera>> &rows, bool withSource);
Table equipmentTable(const Context &cx, const QList<Listed<storage::KitLens>> &rows, bool withSource);
Table equipmentTable(const Context &cx, const QList<Listed<storage::KitEyepiece>> &rows, bool withSource);

// Tables of several kinds as one, for CSV and JSON: a "kind" column first, then every column
// of any of them, empty where a kind has none.
Table joinedTables(const QList<std::pair<QString, Table>> &byKind);

// "1x1 2x2": the modes a camera offers.
QString binningText(const QList<int> &binning);

} // namespace vkp2::cli

#pragma once
// Results as a table of cells, written as aligned text, CSV or JSON. Cells hold texts that are
// ready to print: in text mode the locale's digits, in CSV and JSON plain dot decimals, so the
// writers never reformat a number.

#include <QByteArray>
#include <QList>
#include <QString>

namespace vkp2::cli {

enum class Format { Text, Csv, Json };

struct Cell {
    enum class Kind { Text, Number, Bool, Json }; // Json: a JSON value written as it is
    QString text; // empty: unavailable (null in JSON)
    Kind kind = Kind::Text;

    static Cell str(const QString &t) { return {t, Kind::Text}; }
    static Cell num(const QString &t) { return {t, Kind::Number}; }
    static Cell boolean(bool b)
    {
        return {b ? QStringLiteral("true") : QStringLiteral("false"), Kind::Bool};
    }
};

struct Field {
    QString key;     // CSV and JSON name, with its unit
    QString heading; // text label
    bool inText = true;
    bool inData = true; // CSV and JSON
    // Text tables: a column with one value in every row moves above the table.
    bool headerWhenConstant = false;
    bool optional = false; // text records leave it out when empty
};

struct Table {
    QList<Field> fields;
    QList<QList<Cell>> rows;
    // Text tables: groups of field indexes shown as one column, joined by " × ".
    QList<QList<int>> textColumns;

    int add(Field f)
    {
        fields.append(std::move(f));
        return int(fields.size() - 1);
    }
};

// One row per record.
QByteArray writeTable(const Table &table, Format format);
// The first row as one record: "Label = value" lines, a JSON object, or a CSV header and row.
QByteArray writeRecord(const Table &table, Format format);

QString jsonString(const QString &text);

} // namespace vkp2::cli

#include "cli/output.h"
#include "cli/words.h"

#include "planner/csv_field.h"

#include <QStringList>

namespace vkp2::cli {

using planner::csvField;

QString jsonString(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

namespace {

QString jsonValue(const Cell &cell)
{
    if (cell.text.isEmpty())
        return QStringLiteral("null");
    return cell.kind == Cell::Kind::Text ? jsonString(cell.text) : cell.text; // Json: as it is
}

QList<int> dataFields(const Table &t)
{
    QList<int> out;
    for (int i = 0; i < t.fields.size(); ++i) {
        if (t.fields[i].inData)
            out << i;
    }
    return out;
}

QString csvHeader(const Table &t, const QList<int> &cols)
{
    QStringList keys;
    for (int i : cols)
        keys << csvField(t.fields[i].key);
    return keys.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString csvRow(const QList<Cell> &row, const QList<int> &cols)
{
    QString line;
    for (int n = 0; n < cols.size(); ++n) {
        if (n)
            line += QLatin1Char(',');
        line += csvField(row[cols[n]].text);
    }
    return line + QLatin1Char('\n');
}

QString jsonObject(const Table &t, const QList<Cell> &row, const QList<int> &cols,
                   const QString &indent)
{
    QString out = QStringLiteral("{");
    for (int n = 0; n < cols.size(); ++n) {
        out += n ? QStringLiteral(",\n") : QStringLiteral("\n");
        out += indent + QStringLiteral("  ") + jsonString(t.fields[cols[n]].key)
               + QStringLiteral(": ") + jsonValue(row[cols[n]]);
    }
    return out + QLatin1Char('\n') + indent + QLatin1Char('}');
}

QString textOf(const Cell &cell)
{
    if (cell.kind == Cell::Kind::Bool && !cell.text.isEmpty())
        return cell.text == QLatin1String("true") ? Words::tr("yes") : Words::tr("no");
    return cell.text;
}

QString joined(const QList<Cell> &row, const QList<int> &group)
{
    QStringList parts;
    bool any = false;
    for (int i : group) {
        parts << textOf(row[i]);
        any = any || !row[i].text.isEmpty();
    }
    return any ? parts.join(QStringLiteral(" × ")) : QString();
}

QString textTable(const Table &t)
{
    QList<QList<int>> columns = t.textColumns;
    if (columns.isEmpty()) {
        for (int i = 0; i < t.fields.size(); ++i) {
            if (t.fields[i].inText)
                columns.append(QList<int>{i});
        }
    }
    // Columns that say the same on every row are said once, above the table.
    QString out;
    QList<QList<int>> shown;
    for (const auto &group : columns) {
        const Field &f = t.fields[group.first()];
        bool constant = f.headerWhenConstant && group.size() == 1 && !t.rows.isEmpty();
        for (const auto &row : t.rows) {
            if (!constant)
                break;
            constant = row[group.first()].text == t.rows.first()[group.first()].text;
        }
        if (constant) {
            const QString v = textOf(t.rows.first()[group.first()]);
            if (!v.isEmpty())
                out += f.heading + QStringLiteral(": ") + v + QLatin1Char('\n');
        } else {
            shown.append(group);
        }
    }
    if (!out.isEmpty())
        out += QLatin1Char('\n');

    QList<QStringList> cells;
    QList<qsizetype> widths(shown.size(), 0);
    QStringList head;
    for (int c = 0; c < shown.size(); ++c) {
        head << t.fields[shown[c].first()].heading;
        widths[c] = head.last().size();
    }
    cells.reserve(t.rows.size());
    for (const auto &row : t.rows) {
        QStringList line;
        for (int c = 0; c < shown.size(); ++c) {
            line << joined(row, shown[c]);
            widths[c] = qMax(widths[c], line.last().size());
        }
        cells.append(line);
    }
    const auto put = [&](const QStringList &line) {
        QString s;
        for (int c = 0; c < line.size(); ++c) {
            if (c + 1 == line.size())
                s += line[c];
            else
                s += line[c].leftJustified(widths[c] + 2);
        }
        while (s.endsWith(QLatin1Char(' ')))
            s.chop(1);
        out += s + QLatin1Char('\n');
    };
    put(head);
    for (const auto &line : cells)
        put(line);
    return out;
}

} // namespace

QByteArray writeTable(const Table &t, Format format)
{
    if (format == Format::Text)
        return textTable(t).toUtf8();
    const QList<int> cols = dataFields(t);
    QString out;
    if (format == Format::Csv) {
        out = csvHeader(t, cols);
        for (const auto &row : t.rows)
            out += csvRow(row, cols);
    } else {
        out = QStringLiteral("[");
        for (int r = 0; r < t.rows.size(); ++r) {
            out += r ? QStringLiteral(",\n  ") : QStringLiteral("\n  ");
            out += jsonObject(t, t.rows[r], cols, QStringLiteral("  "));
        }
        out += t.rows.isEmpty() ? QStringLiteral("]\n") : QStringLiteral("\n]\n");
    }
    return out.toUtf8();
}

QByteArray writeRecord(const Table &t, Format format)
{
    const QList<Cell> row = t.rows.value(0);
    QString out;
    if (format == Format::Text) {
        for (int i = 0; i < t.fields.size(); ++i) {
            if (t.fields[i].inText && !(row[i].text.isEmpty() && t.fields[i].optional))
                out += t.fields[i].heading + QStringLiteral(" = ") + textOf(row[i]) + QLatin1Char('\n');
        }
    } else if (format == Format::Csv) {
        const QList<int> cols = dataFields(t);
        out = csvHeader(t, cols) + csvRow(row, cols);
    } else {
        out = jsonObject(t, row, dataFields(t), QString()) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

} // namespace vkp2::cli

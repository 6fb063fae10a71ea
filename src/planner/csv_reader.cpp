#include "planner/csv_reader.h"

namespace vkp2::planner {

QList<QStringList> csvRows(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        // One field, then what ends it: a comma, a line break or the end of the text.
        QString field;
        if (text.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                const qsizetype quote = text.indexOf(QLatin1Char('"'), i);
                if (quote < 0) { // unterminated: the rest is the field
                    field += QStringView(text).sliced(i);
                    i = n;
                    break;
                }
                field += QStringView(text).sliced(i, quote - i);
                i = quote + 1;
                if (i < n && text.at(i) == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                } else {
                    break;
                }
            }
        }
        qsizetype end = i;
        while (end < n && text.at(end) != QLatin1Char(',') && text.at(end) != QLatin1Char('\n')
               && !(text.at(end) == QLatin1Char('\r') && end + 1 < n && text.at(end + 1) == QLatin1Char('\n')))
            ++end;
        field += QStringView(text).sliced(i, end - i);
        row << field;
        i = end;
        if (i < n && text.at(i) == QLatin1Char(',')) {
            ++i;
            if (i == n) // a comma at the very end leaves one empty field
                row << QString();
            continue;
        }
        i += i < n && text.at(i) == QLatin1Char('\r') ? 2 : 1; // past the CRLF or LF
        rows << row;
        row.clear();
    }
    if (!row.isEmpty())
        rows << row;
    return rows;
}

} // namespace vkp2::planner

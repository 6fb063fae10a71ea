#pragma once
// CSV text read back into rows of fields, the counterpart of csv_field.h. Qt Core only.

#include <QList>
#include <QString>
#include <QStringList>

namespace vkp2::planner {

// The rows of RFC 4180 text: fields split at commas; a quoted field may hold commas, line
// breaks and quotes doubled. Lines end in LF or CRLF; a last line break adds no empty row.
QList<QStringList> csvRows(const QString &text);

} // namespace vkp2::planner

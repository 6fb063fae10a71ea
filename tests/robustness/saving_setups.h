#pragma once
// The two setups the save loop alternates between, and the exact bytes each must leave on disk.

#include <QByteArray>
#include <QStringList>

namespace vkp2::test {

// What a first start saves.
inline QStringList firstSetup()
{
    return {"DR-106", "WS 5mm", "None or Film", "530", "106", "5", "55", "", "", "", ""};
}

// A user's own telescope and camera, with a long pasted text so that a write takes a while.
inline QStringList secondSetup()
{
    return {"User-Defined", "PT 18mm", "User-Defined", "1200", "152", "12.5", "80",
            "7.4", "7.4", QString(30000, QLatin1Char('6')), "494"};
}

// Each text followed by CR LF: the file as it must be, written independently of the writer.
inline QByteArray fileBytes(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

} // namespace vkp2::test

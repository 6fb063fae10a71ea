#pragma once
// Running vkp2plan for the command-line suites: in-process through cli::run (most cases), or
// as the built program for exit statuses and streams. Both run in a fresh folder with its own
// home, so no user's setup is ever read.

#include "cli/commands.h"
#include "planner/setup.h"
#include "storage/kit_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>

#include <utility>

namespace cli_runs {

// A temporary home, data folder and current folder for the whole suite.
class Sandbox {
public:
    Sandbox()
    {
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_DATA_HOME", home_.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral("config")).toUtf8());
        QDir::setCurrent(home_.path());
        // The calculator reads and writes its boxes in the default locale, as the program's
        // does in a C locale.
        QLocale::setDefault(QLocale::c());
    }
    bool isValid() const { return home_.isValid(); }
    QString filePath(const QString &name) const { return home_.filePath(name); }
    QString path() const { return home_.path(); }

private:
    QTemporaryDir home_;
};

inline vkp2::cli::Result run(const QStringList &args, const QLocale &locale = QLocale::c())
{
    return vkp2::cli::run(args, locale);
}

// The kit the commands read and write: the sandbox's own, never the user's.
inline QString kitPath() { return vkp2::storage::kitFilePath(); }
inline void removeKit() { QFile::remove(kitPath()); }
inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QString out(const vkp2::cli::Result &r) { return QString::fromUtf8(r.out); }
inline QString err(const vkp2::cli::Result &r) { return QString::fromUtf8(r.err); }

inline QJsonObject showJson(const QStringList &args)
{
    return QJsonDocument::fromJson(run(QStringList{"show", "--format", "json"} + args).out).object();
}

inline QJsonArray tableJson(const QStringList &args)
{
    return QJsonDocument::fromJson(run(args + QStringList{"--format", "json"}).out).array();
}

// RFC 4180 fields, enough for what the program writes.
inline QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            rows << (row << field);
            row.clear();
            field.clear();
        } else {
            field += c;
        }
    }
    return rows;
}

// A setup as the window saves it: presets take their values, the rest is as given.
inline vkp2::planner::Setup setupOf(const QString &telescope, const QString &ocular,
                                    const QString &tl, const QString &d, const QString &camera,
                                    const QString &binning)
{
    vkp2::planner::Setup s;
    s.chooseTelescope(telescope);
    s.ocular = ocular;
    s.tl = tl;
    s.d = d;
    s.chooseCamera(camera);
    s.binning = binning;
    return s;
}

// The calculator's result boxes and the keys vkp2plan prints them under, written out here
// rather than taken from the registry, so a changed key fails the suites.
inline constexpr std::pair<vkp2::Box, const char *> kResultBoxes[] = {
    {vkp2::Box::efl, "efl_mm"},
    {vkp2::Box::efr, "efr"},
    {vkp2::Box::Fov_width, "fov_width_arcmin"},
    {vkp2::Box::Fov_height, "fov_height_arcmin"},
    {vkp2::Box::Pixelscale_width, "scale_width_arcsec_per_px"},
    {vkp2::Box::Pixelscale_height, "scale_height_arcsec_per_px"},
};

} // namespace cli_runs

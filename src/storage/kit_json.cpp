#include "storage/kit_json.h"

#include "storage/kit_checks.h"
#include "storage/kit_file.h"
#include "storage/words.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <optional>

namespace vkp2::storage::kit_json {

namespace {

// "line 4, column 12": counted in characters, from 1, up to the byte Qt stopped at.
QString placeOf(const QByteArray &json, qsizetype offset)
{
    const QByteArray before = json.left(offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    return Words::tr("line %1, column %2")
        .arg(before.count('\n') + 1)
        .arg(QString::fromUtf8(before.mid(lineStart)).size() + 1);
}

// One entry's values; the first that is missing or of the wrong type is kept as `problem`.
class Fields {
public:
    explicit Fields(const QJsonObject &object) : object_(object) {}

    QString text(const char *key) { return typed(key, &QJsonValue::isString, QT_TRANSLATE_NOOP("Storage", "is not a text")).toString(); }
    double number(const char *key) { return typed(key, &QJsonValue::isDouble, QT_TRANSLATE_NOOP("Storage", "is not a number")).toDouble(); }
    std::optional<double> optionalNumber(const char *key)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return std::nullopt;
        return number(key);
    }
    int whole(const char *key)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        return wholeOf(key, v, v.isUndefined() ? QT_TRANSLATE_NOOP("Storage", "is missing") : QT_TRANSLATE_NOOP("Storage", "is not a whole number"));
    }
    Colour colour()
    {
        const QJsonValue v = object_.value(QLatin1String("colour"));
        if (v.isUndefined())
            return Colour::Unknown;
        const std::optional<Colour> colour = colourNamed(v.toString());
        if (!colour)
            fault("colour", QT_TRANSLATE_NOOP("Storage", "is not \"colour\", \"mono\" or \"unknown\""));
        return colour.value_or(Colour::Unknown);
    }
    QList<int> binning()
    {
        const QJsonValue v = object_.value(QLatin1String("binning"));
        if (v.isUndefined())
            return {1};
        if (!v.isArray()) {
            fault("binning", QT_TRANSLATE_NOOP("Storage", "is not a list"));
            return {};
        }
        QList<int> modes;
        for (const QJsonValue &mode : v.toArray())
            modes << wholeOf("binning", mode, QT_TRANSLATE_NOOP("Storage", "holds something other than whole numbers"));
        return modes;
    }
    const QString &problem() const { return problem_; }

private:
    QJsonValue typed(const char *key, bool (QJsonValue::*is)() const, const char *wrongType)
    {
        const QJsonValue v = object_.value(QLatin1String(key));
        if (!(v.*is)())
            fault(key, v.isUndefined() ? QT_TRANSLATE_NOOP("Storage", "is missing") : wrongType);
        return v;
    }
    int wholeOf(const char *key, const QJsonValue &v, const char *why)
    {
        const double d = v.toDouble(std::nan(""));
        // Past the int range is out of every limit anyway; saturate rather than overflow.
        if (!v.isDouble() || d != std::floor(d)) {
            fault(key, why);
            return 0;
        }
        return int(std::clamp(d, -2e9, 2e9));
    }
    void fault(const char *key, const char *why)
    {
        if (problem_.isEmpty())
            problem_ = Words::tr("\"%1\" %2").arg(QLatin1String(key), Words::tr(why));
    }

    QJsonObject object_;
    QString problem_;
};

KitTelescope telescopeOf(Fields &f)
{
    KitTelescope t;
    t.name = f.text("name");
    t.focalLength = f.number("focal_length_mm");
    t.aperture = f.number("aperture_mm");
    return t;
}

KitCamera cameraOf(Fields &f)
{
    KitCamera c;
    c.name = f.text("name");
    c.pixelWidth = f.number("pixel_width_um");
    c.pixelHeight = f.number("pixel_height_um");
    c.width = f.whole("width_px");
    c.height = f.whole("height_px");
    c.colour = f.colour();
    c.binning = f.binning();
    return c;
}

KitLens lensOf(Fields &f)
{
    KitLens l;
    l.name = f.text("name");
    l.factor = f.number("factor");
    l.focalLength = f.optionalNumber("focal_length_mm");
    l.designSpacing = f.optionalNumber("design_spacing_mm");
    return l;
}

KitEyepiece eyepieceOf(Fields &f)
{
    KitEyepiece e;
    e.name = f.text("name");
    e.focalLength = f.number("focal_length_mm");
    e.apparentField = f.optionalNumber("apparent_field_deg");
    e.fieldStop = f.optionalNumber("field_stop_mm");
    return e;
}

template <typename Entry>
QString readList(const QJsonObject &top, const char *key, Entry (*entryOf)(Fields &),
                 const std::function<void(const Entry &, const QString &)> &take,
                 const Entries &entries)
{
    const QJsonValue v = top.value(QLatin1String(key));
    if (v.isUndefined())
        return {};
    if (!v.isArray())
        return Words::tr("\"%1\" is not a list").arg(QLatin1String(key));
    const QJsonArray list = v.toArray();
    if (list.size() > kit_limits::kMaxEntriesPerKind)
        return tooManyEntriesProblem();
    for (qsizetype i = 0; i < list.size(); ++i) {
        QString where = QStringLiteral("%1[%2]").arg(QLatin1String(key)).arg(i);
        if (!list[i].isObject()) {
            entries.unreadable(where, Words::tr("not an object"));
            continue;
        }
        const QJsonObject object = list[i].toObject();
        if (object.value(QLatin1String("name")).isString())
            where += QStringLiteral(" \"%1\"").arg(object.value(QLatin1String("name")).toString());
        Fields fields(object);
        const Entry entry = entryOf(fields);
        if (fields.problem().isEmpty())
            take(entry, where);
        else
            entries.unreadable(where, fields.problem());
    }
    return {};
}

QString versionProblem(const QJsonValue &v)
{
    const double version = v.toDouble(std::nan(""));
    if (!v.isDouble() || version != std::floor(version))
        return Words::tr("\"version\" is missing or not a whole number");
    if (version > kKitFileVersion)
        return Words::tr("version %1 is newer than this program reads").arg(version);
    if (version < 1)
        return Words::tr("version %1 is not a kit file version").arg(version);
    return {};
}

} // namespace

QString colourWord(Colour colour)
{
    switch (colour) {
    case Colour::Colour:
        return QStringLiteral("colour");
    case Colour::Mono:
        return QStringLiteral("mono");
    case Colour::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

std::optional<Colour> colourNamed(const QString &word)
{
    for (const Colour colour : {Colour::Colour, Colour::Mono, Colour::Unknown})
        if (word == colourWord(colour))
            return colour;
    return std::nullopt;
}

QString read(const QByteArray &json, const Entries &entries)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return placeOf(json, error.offset) + QStringLiteral(": ") + error.errorString();
    if (!document.isObject())
        return Words::tr("the file holds no JSON object");
    const QJsonObject top = document.object();
    if (top.value(QLatin1String("format")).toString() != kFormatTag)
        return Words::tr("\"format\" is not \"%1\": not a kit file").arg(kFormatTag);
    if (const QString problem = versionProblem(top.value(QLatin1String("version"))); !problem.isEmpty())
        return problem;
    QString problem = readList(top, "telescopes", telescopeOf, entries.telescope, entries);
    if (problem.isEmpty())
        problem = readList(top, "cameras", cameraOf, entries.camera, entries);
    if (problem.isEmpty())
        problem = readList(top, "lenses", lensOf, entries.lens, entries);
    if (problem.isEmpty())
        problem = readList(top, "eyepieces", eyepieceOf, entries.eyepiece, entries);
    return problem;
}

} // namespace vkp2::storage::kit_json

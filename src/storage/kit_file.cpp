#include "storage/kit_file.h"

#include "storage/atomic_write.h"
#include "storage/bounded_read.h"
#include "storage/kit_checks.h"
#include "storage/kit_json.h"
#include "storage/words.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>

namespace vkp2::storage {

QString kitFilePath(FolderCreation creation)
{
    // The same path however it is asked for, so what is written is what is read. No fallback to
    // the current folder as for the setup: a kit would then follow wherever the program started.
    if (creation == FolderCreation::Create)
        dataFolderPath(FolderCreation::Create);
    const QString folder = dataFolderPath(FolderCreation::ReadOnly);
    return folder.isEmpty() ? QString() : QDir(folder).absoluteFilePath(kKitFileName);
}

namespace {

// A value as JSON writes it, so text is escaped and numbers keep every digit they need.
QByteArray json(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// Written by hand rather than through QJsonObject, which sorts keys: the name comes first and
// each entry stays on one line, as a person reading or editing the file expects.
class Writer {
public:
    void field(const char *key, const QJsonValue &value)
    {
        line_ += (line_.isEmpty() ? "{ \"" : ", \"") + QByteArray(key) + "\": " + json(value);
    }
    void optionalField(const char *key, const std::optional<double> &value)
    {
        if (value)
            field(key, QJsonValue(*value));
    }
    QByteArray take()
    {
        const QByteArray done = line_ + " }";
        line_.clear();
        return done;
    }

private:
    QByteArray line_;
};

QByteArray entryOf(const KitTelescope &t)
{
    Writer w;
    w.field("name", t.name);
    w.field("focal_length_mm", t.focalLength);
    w.field("aperture_mm", t.aperture);
    return w.take();
}

QByteArray entryOf(const KitCamera &c)
{
    Writer w;
    w.field("name", c.name);
    w.field("pixel_width_um", c.pixelWidth);
    w.field("pixel_height_um", c.pixelHeight);
    w.field("width_px", c.width);
    w.field("height_px", c.height);
    w.field("colour", kit_json::colourWord(c.colour));
    QJsonArray binning;
    for (const int mode : c.binning)
        binning << mode;
    w.field("binning", binning);
    return w.take();
}

QByteArray entryOf(const KitLens &l)
{
    Writer w;
    w.field("name", l.name);
    w.field("factor", l.factor);
    w.optionalField("focal_length_mm", l.focalLength);
    w.optionalField("design_spacing_mm", l.designSpacing);
    return w.take();
}

QByteArray entryOf(const KitEyepiece &e)
{
    Writer w;
    w.field("name", e.name);
    w.field("focal_length_mm", e.focalLength);
    w.optionalField("apparent_field_deg", e.apparentField);
    w.optionalField("field_stop_mm", e.fieldStop);
    return w.take();
}

template <typename Entry>
QByteArray listOf(const char *key, const QList<Entry> &list, bool last)
{
    QByteArray text = "    \"" + QByteArray(key) + "\": [";
    for (qsizetype i = 0; i < list.size(); ++i)
        text += "\n        " + entryOf(list[i]) + (i + 1 < list.size() ? "," : "");
    text += list.isEmpty() ? "]" : "\n    ]";
    return text + (last ? "\n" : ",\n");
}

template <typename Entry>
QString firstProblem(const char *key, const QList<Entry> &list)
{
    for (qsizetype i = 0; i < list.size(); ++i)
        if (const QString problem = problemOf(list[i]); !problem.isEmpty())
            return QStringLiteral("%1[%2] \"%3\": %4").arg(QLatin1String(key)).arg(i).arg(list[i].name, problem);
    return {};
}

} // namespace

QByteArray kitToJson(const Kit &kit)
{
    return "{\n    \"format\": " + json(kit_json::kFormatTag) + ",\n    \"version\": "
         + QByteArray::number(kKitFileVersion) + ",\n" + listOf("telescopes", kit.telescopes, false)
         + listOf("cameras", kit.cameras, false) + listOf("lenses", kit.lenses, false)
         + listOf("eyepieces", kit.eyepieces, true) + "}\n";
}

KitParse kitFromJson(const QByteArray &text)
{
    Kit kit;
    QString problem;
    const auto note = [&problem](const QString &where, const QString &why) {
        if (problem.isEmpty())
            problem = where + QStringLiteral(": ") + why;
    };
    const auto keepIn = [&note](auto &list) {
        return [&note, &list](const auto &entry, const QString &where) {
            if (const QString why = problemOf(entry); !why.isEmpty())
                note(where, why);
            else
                list << entry;
        };
    };
    const QString fileProblem = kit_json::read(
        text, {keepIn(kit.telescopes), keepIn(kit.cameras), keepIn(kit.lenses), keepIn(kit.eyepieces), note});
    if (!fileProblem.isEmpty())
        return {std::nullopt, fileProblem};
    if (!problem.isEmpty())
        return {std::nullopt, problem};
    return {kit, {}};
}

KitFile readKitFile(const QString &path)
{
    KitFile result;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return result;
    result.exists = true;
    const auto fail = [&](const QString &why) {
        result.problem = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
        return result;
    };
    if (info.isDir())
        return fail(Words::tr("a folder, not a kit file"));
    const BoundedRead read = readBounded(path, Words::tr("a kit file"));
    if (!read.problem.isEmpty())
        return fail(read.problem);
    const QByteArray &bytes = read.bytes;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0'))
        return fail(Words::tr("not UTF-8 text, so no kit file"));
    const KitParse parse = kitFromJson(bytes);
    if (!parse.kit)
        return fail(parse.problem);
    result.kit = *parse.kit;
    return result;
}

bool writeKitFile(const QString &path, const Kit &kit, QString *problem)
{
    const auto refuse = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return false;
    };
    // What is there may be the only copy of a kit typed by hand; a slip in it is for the user to
    // mend, not for this write to wipe.
    const KitFile there = readKitFile(path);
    if (!there.problem.isEmpty())
        return refuse(there.problem + Words::tr("; left as it is"));
    for (const QString &why : {firstProblem("telescopes", kit.telescopes), firstProblem("cameras", kit.cameras),
                               firstProblem("lenses", kit.lenses), firstProblem("eyepieces", kit.eyepieces)})
        if (!why.isEmpty())
            return refuse(why);
    // The reader refuses a kind over the cap, so such a file could never be opened again.
    for (const qsizetype n : {kit.telescopes.size(), kit.cameras.size(), kit.lenses.size(), kit.eyepieces.size()})
        if (n > kit_limits::kMaxEntriesPerKind)
            return refuse(tooManyEntriesProblem());
    if (path.isEmpty())
        return refuse(Words::tr("the data folder cannot be made: the system names none"));
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return refuse(Words::tr("the data folder %1 cannot be made").arg(QDir::toNativeSeparators(folder)));
    return writeAtomically(path, kitToJson(kit), problem);
}

} // namespace vkp2::storage

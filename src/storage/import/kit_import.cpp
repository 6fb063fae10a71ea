#include "storage/kit_import.h"

#include "storage/atomic_write.h"
#include "storage/bounded_read.h"
#include "storage/import/format_marks.h"
#include "storage/import/import_collector.h"
#include "storage/kit_checks.h"
#include "storage/kit_file.h"
#include "storage/kit_json.h"
#include "storage/words.h"

#include <QDir>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <array>
#include <utility>

namespace vkp2::storage {

namespace {

const std::array<std::pair<KitFormat, const char *>, 5> kFormatNames{{
    {KitFormat::Json, "json"},
    {KitFormat::OcularIni, "ocular-ini"},
    {KitFormat::Oal, "oal"},
    {KitFormat::KStars, "kstars"},
    {KitFormat::Nina, "nina"},
}};

KitImport problemFor(const QString &path, const QString &why)
{
    KitImport result;
    result.problem = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
    return result;
}

// The root element of an XML file, or nothing when the text is no XML.
struct Root {
    QString localName;
    QString namespaceUri;
};
std::optional<Root> xmlRootOf(const QByteArray &bytes)
{
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return Root{xml.name().toString(), xml.namespaceUri().toString()};
    }
    return std::nullopt;
}

// The first character past white space and a byte order mark.
char firstSignificant(const QByteArray &bytes)
{
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && QByteArrayView(" \t\r\n").contains(bytes[i]))
        ++i;
    return i < bytes.size() ? bytes[i] : '\0';
}

bool hasOcularSection(const QByteArray &bytes)
{
    for (const QByteArray &raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw.trimmed()).toLower();
        if (!line.startsWith(QLatin1Char('[')) || !line.endsWith(QLatin1Char(']')))
            continue;
        const QString section = line.mid(1, line.size() - 2);
        if (section == kOcularTelescope || section == kOcularCcd || section == kOcularLens || section == kOcularEyepiece)
            return true;
    }
    return false;
}

} // namespace

QString formatName(KitFormat format)
{
    for (const auto &[f, name] : kFormatNames)
        if (f == format)
            return QLatin1String(name);
    return {};
}

std::optional<KitFormat> formatNamed(const QString &name)
{
    for (const auto &[f, known] : kFormatNames)
        if (name == QLatin1String(known))
            return f;
    return std::nullopt;
}

bool canExport(KitFormat format)
{
    return format == KitFormat::Json || format == KitFormat::OcularIni || format == KitFormat::Oal;
}

KitImport importKitFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return problemFor(path, Words::tr("no such file"));
    if (info.isDir())
        return problemFor(path, Words::tr("a folder, not an equipment file"));
    const BoundedRead read = readBounded(path, Words::tr("an equipment file"));
    if (!read.problem.isEmpty())
        return problemFor(path, read.problem);
    const QByteArray &bytes = read.bytes;
    if (bytes.trimmed().isEmpty())
        return problemFor(path, Words::tr("the file is empty"));

    if (bytes.startsWith(kSqliteHeader))
        return importKStars(path);
    const char first = firstSignificant(bytes);
    if (first == '<') {
        if (const std::optional<Root> root = xmlRootOf(bytes)) {
            if (root->localName == kOalRoot && root->namespaceUri == kOalNamespace)
                return importOal(bytes);
            if (root->localName == kNinaRoot && root->namespaceUri.contains(QLatin1String("NINA")))
                return importNina(bytes);
        }
    } else if (first == '{') {
        return importKitJson(bytes);
    } else if (hasOcularSection(bytes)) {
        return importOcularIni(bytes);
    }
    return problemFor(path, Words::tr("not an equipment file this program reads (ocular.ini, OAL, "
                                           "KStars, N.I.N.A. or kit.json)"));
}

KitImport importKitJson(const QByteArray &json)
{
    ImportCollector collector(KitFormat::Json);
    const QString problem = kit_json::read(
        json, {[&](const KitTelescope &t, const QString &where) { collector.add(t, where); },
               [&](const KitCamera &c, const QString &where) { collector.add(c, where); },
               [&](const KitLens &l, const QString &where) { collector.add(l, where); },
               [&](const KitEyepiece &e, const QString &where) { collector.add(e, where); },
               [&](const QString &where, const QString &why) { collector.error(where, why); }});
    if (!problem.isEmpty())
        collector.fail(problem);
    return collector.result();
}

QByteArray exportKit(const Kit &kit, KitFormat format)
{
    switch (format) {
    case KitFormat::Json:
        return kitToJson(kit);
    case KitFormat::OcularIni:
        return detail::ocularIniOf(kit);
    case KitFormat::Oal:
        return detail::oalOf(kit);
    case KitFormat::KStars:
    case KitFormat::Nina:
        break;
    }
    return {};
}

namespace {

// The path with its links and "..", as far as the file or else its folder exists.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

} // namespace

bool writeExport(const QString &path, const Kit &kit, KitFormat format, QString *problem)
{
    const auto refuse = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return false;
    };
    if (!canExport(format))
        return refuse(Words::tr("a kit cannot be exported as %1").arg(formatName(format)));
    // Another format in the kit's place would leave a kit file no start can read.
    const QString kitPath = kitFilePath();
    if (!kitPath.isEmpty() && resolved(path) == resolved(kitPath))
        return refuse(Words::tr("%1: the kit file itself; export to another file")
                          .arg(QDir::toNativeSeparators(path)));
    const QByteArray content = exportKit(kit, format);
    if (content.isEmpty())
        return refuse(Words::tr("%1: the %2 text could not be made; the file is left as it is")
                          .arg(QDir::toNativeSeparators(path), formatName(format)));
    return writeAtomically(path, content, problem);
}

} // namespace vkp2::storage

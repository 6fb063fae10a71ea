// A N.I.N.A. profile: .NET DataContract XML, one profile per file. It names one telescope and
// one camera; the camera's pixel count is the framing assistant's.

#include "storage/bounded_read.h"
#include "storage/import/format_marks.h"
#include "storage/import/import_collector.h"
#include "storage/import/import_fields.h"
#include "storage/words.h"

#include <QHash>
#include <QXmlStreamReader>

namespace vkp2::storage {

namespace {

const QString kTelescopeSettings = QStringLiteral("TelescopeSettings");
const QString kCameraSettings = QStringLiteral("CameraSettings");
const QString kFramingSettings = QStringLiteral("FramingAssistantSettings");
QString noDocumentType() { return Words::tr("a N.I.N.A. profile declares no document type"); }

// The texts wanted, by "Section/Element" (or "Element" for the profile's own), first one kept.
class ProfileValues {
public:
    explicit ProfileValues(QHash<QString, QString> values) : values_(std::move(values)) {}

    std::optional<QString> text(const QString &section, const QString &element) const
    {
        const auto it = values_.constFind(section.isEmpty() ? element : section + QLatin1Char('/') + element);
        return it == values_.cend() ? std::nullopt : std::optional<QString>(*it);
    }
    // An element's text, or `fallback` where the file gives none.
    QString name(const QString &section, const QString &element, const QString &fallback) const
    {
        const QString given = text(section, element).value_or(QString());
        return given.isEmpty() ? fallback : given;
    }

private:
    QHash<QString, QString> values_;
};

// An entry's numbers; the first problem is the entry's.
class Numbers : public FirstProblem {
public:
    explicit Numbers(const ProfileValues &values) : values_(values) {}
    double number(const QString &section, const QString &element)
    {
        return use(readNumber(element, values_.text(section, element)));
    }
    int whole(const QString &section, const QString &element)
    {
        return int(use(readWholeNumber(element, values_.text(section, element))));
    }

private:
    const ProfileValues &values_;
};

bool wanted(const QStringList &path)
{
    if (path.size() == 2)
        return path[1] == QLatin1String("Name");
    if (path.size() != 3)
        return false;
    return path[1] == kTelescopeSettings || path[1] == kCameraSettings || path[1] == kFramingSettings;
}

} // namespace

KitImport importNina(const QByteArray &xml)
{
    ImportCollector collector(KitFormat::Nina);
    if (const QString tooLarge = fileSizeProblem(xml.size(), Words::tr("an equipment file")); !tooLarge.isEmpty()) {
        collector.fail(tooLarge);
        return collector.result();
    }
    // A profile has no document type; one could declare entities, so none is read at all.
    if (xml.contains("<!DOCTYPE")) {
        collector.fail(noDocumentType());
        return collector.result();
    }

    QXmlStreamReader reader(xml);
    QStringList path; // local names from the root down
    QHash<QString, QString> values;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD) {
            collector.fail(noDocumentType());
            return collector.result();
        }
        if (token == QXmlStreamReader::EndElement) {
            path.removeLast();
        } else if (token == QXmlStreamReader::StartElement) {
            if (path.isEmpty() && reader.name() != kNinaRoot) {
                collector.fail(Words::tr("not a N.I.N.A. profile: the document is <%1>, not <%2>").arg(reader.name().left(40), kNinaRoot));
                return collector.result();
            }
            path << reader.name().toString();
            if (!wanted(path))
                continue;
            const QString key = path.mid(1).join(QLatin1Char('/'));
            const QString text = reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            path.removeLast(); // readElementText read its end too
            if (!values.contains(key))
                values.insert(key, text);
        }
    }
    if (reader.hasError()) {
        collector.fail(Words::tr("not XML: %1 (line %2)").arg(reader.errorString()).arg(reader.lineNumber()));
        return collector.result();
    }

    const ProfileValues profile(values);
    const QString profileName = profile.name({}, QStringLiteral("Name"), QString());

    KitTelescope t;
    t.name = profile.name(kTelescopeSettings, QStringLiteral("Name"), profileName);
    Numbers scope(profile);
    t.focalLength = scope.number(kTelescopeSettings, QStringLiteral("FocalLength"));
    const double focalRatio = scope.number(kTelescopeSettings, QStringLiteral("FocalRatio"));
    t.aperture = focalRatio > 0 ? t.focalLength / focalRatio : 0;
    collector.add(t, QStringLiteral("telescope \"%1\"").arg(t.name.left(60)), scope.problem());

    KitCamera c;
    QString id = profile.name(kCameraSettings, QStringLiteral("Id"), QString());
    if (id == QLatin1String("No_Device")) // N.I.N.A.'s "no camera chosen"
        id.clear();
    c.name = id.isEmpty() ? (profileName + QStringLiteral(" camera")).trimmed() : id;
    Numbers camera(profile);
    c.pixelWidth = c.pixelHeight = camera.number(kCameraSettings, QStringLiteral("PixelSize"));
    c.width = camera.whole(kFramingSettings, QStringLiteral("CameraWidth"));
    c.height = camera.whole(kFramingSettings, QStringLiteral("CameraHeight"));
    collector.add(c, QStringLiteral("camera \"%1\"").arg(c.name.left(60)), camera.problem());
    return collector.result();
}

} // namespace vkp2::storage

// OAL 2.x observation logs: the scopes, eyepieces, lenses and cameras of their equipment lists.
// The log's observations, sessions and targets are passed over.

#include "storage/bounded_read.h"
#include "storage/import/format_marks.h"
#include "storage/import/import_collector.h"
#include "storage/import/import_fields.h"
#include "storage/words.h"

#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <numbers>

namespace vkp2::storage {

namespace {

const QString kXsiNamespace = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");
const QString kScopes = QStringLiteral("scopes"), kScope = QStringLiteral("scope");
const QString kEyepieces = QStringLiteral("eyepieces"), kEyepiece = QStringLiteral("eyepiece");
const QString kLenses = QStringLiteral("lenses"), kLens = QStringLiteral("lens");
const QString kImagers = QStringLiteral("imagers"), kImager = QStringLiteral("imager");
const QString kModel = QStringLiteral("model"), kVendor = QStringLiteral("vendor");
const QString kFocalLength = QStringLiteral("focalLength"), kAperture = QStringLiteral("aperture");
const QString kApparentFov = QStringLiteral("apparentFOV"), kFactor = QStringLiteral("factor");
const QString kPixelsX = QStringLiteral("pixelsX"), kPixelsY = QStringLiteral("pixelsY");
const QString kPixelXSize = QStringLiteral("pixelXSize"), kPixelYSize = QStringLiteral("pixelYSize");
const QString kBinning = QStringLiteral("binning");
const QString kScopeType = QStringLiteral("scopeType");
const QString kBinocularsType = QStringLiteral("fixedMagnificationOpticsType");
const QString kCcdCameraType = QStringLiteral("ccdCameraType");

// The fields of one entry as written; the unit of its apparentFOV beside them.
struct Fields {
    QHash<QString, QString> text;
    QString fovUnit;
    QString twice; // the first field given more than once
};

// An entry's name in messages: its id (or place in the file) and its name.
QString whereOf(const QString &kind, const QString &id, int number, const QString &name)
{
    QString where = id.isEmpty() ? QStringLiteral("%1 %2").arg(kind).arg(number)
                                 : QStringLiteral("%1 \"%2\"").arg(kind, id);
    if (!name.isEmpty())
        where += QStringLiteral(" \"%1\"").arg(name);
    return where;
}

QString nameOf(const Fields &f)
{
    const QString vendor = f.text.value(kVendor).simplified();
    const QString model = f.text.value(kModel).simplified();
    return vendor.isEmpty() ? model : model.isEmpty() ? vendor : vendor + QLatin1Char(' ') + model;
}

// The element's local part of an xsi:type ("oal:scopeType" -> "scopeType").
QString typeOf(const QXmlStreamReader &xml)
{
    const QString type = xml.attributes().value(kXsiNamespace, QStringLiteral("type")).toString();
    return type.mid(type.indexOf(QLatin1Char(':')) + 1);
}

bool isOal(const QXmlStreamReader &xml)
{
    // The schema leaves the elements below the root unqualified; a log written with them in the
    // OAL namespace is read as well.
    return xml.namespaceUri().isEmpty() || xml.namespaceUri() == kOalNamespace;
}

// Reads an entry's child elements up to its end tag.
Fields readFields(QXmlStreamReader &xml)
{
    Fields f;
    while (xml.readNextStartElement()) {
        if (!isOal(xml)) {
            xml.skipCurrentElement();
            continue;
        }
        const QString name = xml.name().toString();
        if (name == kApparentFov)
            f.fovUnit = xml.attributes().value(QStringLiteral("unit")).toString();
        const QString value = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        if (f.text.contains(name) && f.twice.isEmpty())
            f.twice = name;
        f.text.insert(name, value);
    }
    return f;
}

// One entry's numbers, read in order; the first problem is the entry's.
class FieldReader : public FirstProblem {
public:
    explicit FieldReader(const Fields &f) : f_(f) {}

    double number(const QString &field) { return use(readNumber(field, text(field))); }

    std::optional<double> optionalNumber(const QString &field)
    {
        if (!f_.text.contains(field))
            return std::nullopt;
        return number(field);
    }

    int count(const QString &field) { return int(use(readWholeNumber(field, text(field)))); }

private:
    std::optional<QString> text(const QString &field) const
    {
        const auto it = f_.text.constFind(field);
        return it == f_.text.cend() ? std::nullopt : std::optional<QString>(*it);
    }

    const Fields &f_;
};

std::optional<double> degreesPer(const QString &unit)
{
    if (unit == QLatin1String("deg"))
        return 1.0;
    if (unit == QLatin1String("arcmin"))
        return 1.0 / 60;
    if (unit == QLatin1String("arcsec"))
        return 1.0 / 3600;
    if (unit == QLatin1String("rad"))
        return 180 / std::numbers::pi;
    return std::nullopt;
}

class OalReader {
public:
    explicit OalReader(const QByteArray &bytes) : xml_(bytes) {}

    KitImport read()
    {
        if (!readRoot())
            return in_.result();
        while (xml_.readNextStartElement()) {
            if (!isOal(xml_)) {
                xml_.skipCurrentElement();
                continue;
            }
            const auto name = xml_.name();
            if (name == kScopes)
                readList(kScope, &OalReader::scope);
            else if (name == kEyepieces)
                readList(kEyepiece, &OalReader::eyepiece);
            else if (name == kLenses)
                readList(kLens, &OalReader::lens);
            else if (name == kImagers)
                readList(kImager, &OalReader::imager);
            else
                xml_.skipCurrentElement();
        }
        if (xml_.hasError())
            broken();
        return in_.result();
    }

private:
    bool readRoot()
    {
        while (!xml_.atEnd()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::DTD) {
                in_.fail(Words::tr("the file declares a DOCTYPE; an observation log has none"));
                return false;
            }
            if (token == QXmlStreamReader::StartElement) {
                if (xml_.namespaceUri() != kOalNamespace || xml_.name() != kOalRoot) {
                    in_.fail(Words::tr("not an OAL observation log (it starts with <%1>)")
                                 .arg(xml_.qualifiedName().toString().left(60)));
                    return false;
                }
                const QString version = xml_.attributes().value(QStringLiteral("version")).toString();
                if (!version.isEmpty() && !version.startsWith(QLatin1String("2."))) {
                    in_.fail(Words::tr("OAL version %1; only 2.x logs are read").arg(version.left(20)));
                    return false;
                }
                return true;
            }
        }
        in_.fail(Words::tr("not an OAL observation log"));
        return false;
    }

    void broken()
    {
        if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError)
            in_.fail(Words::tr("the observation log breaks off at line %1").arg(xml_.lineNumber()));
        else
            in_.fail(Words::tr("the observation log is not well-formed XML at line %1: %2")
                         .arg(xml_.lineNumber())
                         .arg(xml_.errorString()));
    }

    void readList(const QString &item, void (OalReader::*take)(const QString &where, const Fields &))
    {
        int number = 0;
        while (xml_.readNextStartElement()) {
            if (!isOal(xml_) || xml_.name() != item) {
                xml_.skipCurrentElement();
                continue;
            }
            ++number;
            const QString id = xml_.attributes().value(QStringLiteral("id")).toString().left(60);
            type_ = typeOf(xml_);
            const Fields f = readFields(xml_);
            if (xml_.hasError())
                return;
            const QString where = whereOf(item, id, number, nameOf(f));
            if (!f.twice.isEmpty())
                in_.error(where, Words::tr("%1 is given twice").arg(f.twice));
            else if (!f.text.contains(kModel))
                in_.error(where, Words::tr("no model"));
            else
                (this->*take)(where, f);
        }
    }

    void scope(const QString &where, const Fields &f)
    {
        if (type_ == kBinocularsType) {
            in_.skip(where, Words::tr("binoculars (a fixed magnification, no focal length)"));
            return;
        }
        FieldReader r(f);
        KitTelescope t{nameOf(f), r.number(kFocalLength), r.number(kAperture)};
        in_.add(t, where, r.problem());
    }

    void eyepiece(const QString &where, const Fields &f)
    {
        FieldReader r(f);
        // A zoom eyepiece is taken at its shortest focal length, the one with the field given.
        KitEyepiece e{nameOf(f), r.number(kFocalLength), r.optionalNumber(kApparentFov), {}};
        if (e.apparentField) {
            const auto perUnit = degreesPer(f.fovUnit);
            if (!perUnit)
                r.note(Words::tr("apparentFOV unit \"%1\" is none of deg, arcmin, arcsec, rad")
                           .arg(f.fovUnit.left(20)));
            else
                *e.apparentField *= *perUnit;
        }
        in_.add(e, where, r.problem());
    }

    void lens(const QString &where, const Fields &f)
    {
        FieldReader r(f);
        KitLens l{nameOf(f), r.number(kFactor), {}, {}};
        in_.add(l, where, r.problem());
    }

    void imager(const QString &where, const Fields &f)
    {
        const bool sized = f.text.contains(kPixelsX) && f.text.contains(kPixelsY)
                           && f.text.contains(kPixelXSize) && f.text.contains(kPixelYSize);
        if (type_ != kCcdCameraType || !sized) {
            in_.skip(where, Words::tr("no pixel counts and sizes to work with"));
            return;
        }
        FieldReader r(f);
        KitCamera c;
        c.name = nameOf(f);
        c.width = r.count(kPixelsX);
        c.height = r.count(kPixelsY);
        c.pixelWidth = r.number(kPixelXSize);
        c.pixelHeight = r.number(kPixelYSize);
        // The log gives the highest binning; every mode up to it is offered.
        const int binning = f.text.contains(kBinning) ? r.count(kBinning) : 1;
        if (r.problem().isEmpty()) {
            const BinningModes modes = binningUpTo(binning);
            r.note(modes.problem);
            c.binning = modes.modes;
        }
        in_.add(c, where, r.problem());
    }

    QXmlStreamReader xml_;
    ImportCollector in_{KitFormat::Oal};
    QString type_; // the xsi:type of the entry being read
};

} // namespace

KitImport importOal(const QByteArray &xml)
{
    if (const QString tooLarge = fileSizeProblem(xml.size(), Words::tr("an observation log")); !tooLarge.isEmpty()) {
        ImportCollector in(KitFormat::Oal);
        in.fail(tooLarge);
        return in.result();
    }
    return OalReader(xml).read();
}

namespace detail {

namespace {

// An entry's element with its id and, where the schema asks for one, its xsi:type.
void startEntry(QXmlStreamWriter &out, const QString &element, const QString &id, int number,
                const QString &type, const QString &name)
{
    out.writeStartElement(element);
    out.writeAttribute(QStringLiteral("id"), id + QString::number(number));
    if (!type.isEmpty())
        out.writeAttribute(kXsiNamespace, QStringLiteral("type"), QStringLiteral("oal:") + type);
    // The whole name is the model: the vendor cannot be told from it reliably.
    out.writeTextElement(kModel, name);
}

} // namespace

QByteArray oalOf(const Kit &kit)
{
    QByteArray bytes;
    QXmlStreamWriter out(&bytes);
    out.setAutoFormatting(true);
    out.setAutoFormattingIndent(2);
    out.writeStartDocument();
    out.writeNamespace(kOalNamespace, QStringLiteral("oal"));
    out.writeNamespace(kXsiNamespace, QStringLiteral("xsi"));
    out.writeStartElement(kOalNamespace, kOalRoot);
    out.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    out.writeAttribute(kXsiNamespace, QStringLiteral("schemaLocation"),
                       kOalNamespace + QStringLiteral(" http://observation.sourceforge.net/oal21.xsd"));
    // The schema wants every list up to the filters, in this order, even when empty.
    for (const char *empty : {"observers", "sites", "sessions", "targets"})
        out.writeEmptyElement(QLatin1String(empty));

    out.writeStartElement(kScopes);
    for (int i = 0; i < kit.telescopes.size(); ++i) {
        const KitTelescope &t = kit.telescopes[i];
        startEntry(out, kScope, QStringLiteral("scope_"), i + 1, kScopeType, t.name);
        out.writeTextElement(kAperture, numberText(t.aperture));
        out.writeTextElement(kFocalLength, numberText(t.focalLength));
        out.writeEndElement();
    }
    out.writeEndElement();

    out.writeStartElement(kEyepieces);
    for (int i = 0; i < kit.eyepieces.size(); ++i) {
        const KitEyepiece &e = kit.eyepieces[i];
        startEntry(out, kEyepiece, QStringLiteral("eyepiece_"), i + 1, {}, e.name);
        out.writeTextElement(kFocalLength, numberText(e.focalLength));
        if (e.apparentField) {
            out.writeStartElement(kApparentFov);
            out.writeAttribute(QStringLiteral("unit"), QStringLiteral("deg"));
            out.writeCharacters(numberText(*e.apparentField));
            out.writeEndElement();
        }
        out.writeEndElement();
    }
    out.writeEndElement();

    out.writeStartElement(kLenses);
    for (int i = 0; i < kit.lenses.size(); ++i) {
        const KitLens &l = kit.lenses[i];
        startEntry(out, kLens, QStringLiteral("lens_"), i + 1, {}, l.name);
        out.writeTextElement(kFactor, numberText(l.factor));
        out.writeEndElement();
    }
    out.writeEndElement();

    out.writeEmptyElement(QStringLiteral("filters"));

    out.writeStartElement(kImagers);
    for (int i = 0; i < kit.cameras.size(); ++i) {
        const KitCamera &c = kit.cameras[i];
        startEntry(out, kImager, QStringLiteral("imager_"), i + 1, kCcdCameraType, c.name);
        out.writeTextElement(kPixelsX, QString::number(c.width));
        out.writeTextElement(kPixelsY, QString::number(c.height));
        out.writeTextElement(kPixelXSize, numberText(c.pixelWidth));
        out.writeTextElement(kPixelYSize, numberText(c.pixelHeight));
        out.writeTextElement(kBinning, QString::number(highestBinning(c)));
        out.writeEndElement();
    }
    out.writeEndElement();

    out.writeEndElement();
    out.writeEndDocument();
    return bytes;
}

} // namespace detail

} // namespace vkp2::storage

// Stellarium's Oculars plugin keeps its equipment in ocular.ini, a QSettings INI file with one
// array per kind. Qt reads and writes it here, so quoting, escapes and %U codes are Qt's own.

#include "storage/bounded_read.h"
#include "storage/import/format_marks.h"
#include "storage/import/import_collector.h"
#include "storage/import/import_fields.h"
#include "storage/kit_checks.h"
#include "storage/words.h"

#include <QFile>
#include <QHash>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <algorithm>

namespace vkp2::storage {

namespace {

// [General]'s count of a section's entries.
QString countKey(const QString &section) { return section + QStringLiteral("_count"); }

// Key names compared in lower case: files differ in case ("fieldStop", "fieldstop").
using Fields = QHash<QString, QString>;

struct Section {
    std::optional<QString> size;
    QMap<int, Fields> entries; // by the number before the backslash
};

// A value as text. Qt reads an unquoted value with commas as a list; a name may hold commas.
QString textOf(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

Section readSection(QSettings &settings)
{
    Section section;
    for (const QString &key : settings.allKeys()) {
        const QString lower = key.toLower();
        if (lower == QLatin1String("size")) {
            section.size = textOf(settings.value(key));
            continue;
        }
        const qsizetype slash = lower.indexOf(QLatin1Char('/'));
        bool ok = false;
        const int index = lower.left(slash).toInt(&ok);
        if (slash < 0 || !ok || index < 0 || lower.indexOf(QLatin1Char('/'), slash + 1) >= 0)
            continue; // not an entry's field
        Fields &fields = section.entries[index];
        const QString field = lower.mid(slash + 1);
        if (!fields.contains(field))
            fields.insert(field, textOf(settings.value(key)));
    }
    return section;
}

// One entry's fields, read in turn; the first that cannot be used is the entry's problem.
class EntryFields : public FirstProblem {
public:
    explicit EntryFields(const Fields &fields) : fields_(fields) {}

    bool has(const QString &key) const { return fields_.contains(key.toLower()); }
    std::optional<QString> text(const QString &key) const
    {
        const auto it = fields_.constFind(key.toLower());
        return it == fields_.cend() ? std::nullopt : std::optional<QString>(*it);
    }
    QString name() const { return text(QStringLiteral("name")).value_or(QString()).trimmed(); }

    double number(const QString &key) { return use(readNumber(key, text(key))); }
    int whole(const QString &key) { return int(use(readWholeNumber(key, text(key)))); }
    std::optional<double> optionalNumber(const QString &key)
    {
        if (!has(key))
            return std::nullopt;
        return number(key);
    }

private:
    const Fields &fields_;
};

void readTelescope(ImportCollector &collector, EntryFields fields, const QString &where)
{
    KitTelescope t;
    t.name = fields.name();
    t.focalLength = fields.number(QStringLiteral("focalLength"));
    t.aperture = fields.number(QStringLiteral("diameter"));
    collector.add(t, where, fields.problem());
}

// A pixel size as given, or worked out from the chip's size and its pixel count.
double pixelSize(EntryFields &fields, const QString &pixelKey, const QString &chipKey, int pixels)
{
    if (fields.has(pixelKey) || !fields.has(chipKey))
        return fields.number(pixelKey);
    const double chip = fields.number(chipKey);
    return pixels > 0 ? chip * 1000 / pixels : 0;
}

void readCamera(ImportCollector &collector, EntryFields fields, const QString &where)
{
    KitCamera c;
    c.name = fields.name();
    c.width = fields.whole(QStringLiteral("resolutionX"));
    c.height = fields.whole(QStringLiteral("resolutionY"));
    c.pixelWidth = pixelSize(fields, QStringLiteral("pixel_width"), QStringLiteral("chip_width"), c.width);
    // Older files spell it so.
    const QString pixelHeight = fields.has(QStringLiteral("pixel_height")) || !fields.has(QStringLiteral("pixel_heght"))
                                    ? QStringLiteral("pixel_height")
                                    : QStringLiteral("pixel_heght");
    c.pixelHeight = pixelSize(fields, pixelHeight, QStringLiteral("chip_height"), c.height);
    // Binning N in both directions: the camera offers 1x1 up to NxN. One given stands for both.
    const QString binX = QStringLiteral("binningX"), binY = QStringLiteral("binningY");
    const int x = fields.has(binX) ? fields.whole(binX) : 0;
    const int y = fields.has(binY) ? fields.whole(binY) : 0;
    const int highest = !fields.has(binX) ? (fields.has(binY) ? y : 1) : !fields.has(binY) ? x : std::min(x, y);
    const BinningModes binning = binningUpTo(highest);
    fields.note(binning.problem);
    c.binning = binning.modes;
    collector.add(c, where, fields.problem());
}

void readLens(ImportCollector &collector, EntryFields fields, const QString &where)
{
    KitLens l;
    l.name = fields.name();
    // Stellarium spells it "multipler"; a hand-written file may not.
    l.factor = fields.number(fields.has(QStringLiteral("multiplier")) && !fields.has(QStringLiteral("multipler"))
                                 ? QStringLiteral("multiplier")
                                 : QStringLiteral("multipler"));
    collector.add(l, where, fields.problem());
}

void readOcular(ImportCollector &collector, EntryFields fields, const QString &where)
{
    const QString binoculars = fields.text(QStringLiteral("binoculars")).value_or(QString()).trimmed();
    if (binoculars.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || binoculars == QLatin1String("1")) {
        collector.skip(where, Words::tr("binoculars, not an eyepiece"));
        return;
    }
    KitEyepiece e;
    e.name = fields.name();
    e.focalLength = fields.number(QStringLiteral("efl"));
    e.apparentField = fields.optionalNumber(QStringLiteral("afov"));
    e.fieldStop = fields.optionalNumber(QStringLiteral("fieldStop"));
    if (e.fieldStop == 0.0) // Stellarium's "not known"
        e.fieldStop.reset();
    collector.add(e, where, fields.problem());
}

using EntryReader = void (*)(ImportCollector &, EntryFields, const QString &);

// The entries of one section: as many as its size (or the [General] count) says, from the
// first number the file uses; every numbered entry where neither is given.
void readEntries(ImportCollector &collector, const QString &sectionName, const Section &section,
                 const std::optional<QString> &generalCount, EntryReader reader)
{
    QList<int> indices;
    const std::optional<QString> countText = section.size ? section.size : generalCount;
    if (countText) {
        const QString field = section.size ? QStringLiteral("size") : countKey(sectionName);
        const FieldNumber count = readWholeNumber(field, countText);
        if (!count.ok()) {
            collector.fail(QStringLiteral("[%1] %2").arg(sectionName, count.problem));
            return;
        }
        if (count.value < 0 || count.value > kit_limits::kMaxEntriesPerKind) {
            collector.fail(Words::tr("[%1] %2 %3 is no count of entries a kit may hold").arg(sectionName, field, countText->trimmed().left(40)));
            return;
        }
        const int first = section.entries.contains(0) ? 0 : 1;
        for (int i = 0; i < int(count.value); ++i)
            indices << first + i;
    } else {
        indices = section.entries.keys();
        if (indices.size() > kit_limits::kMaxEntriesPerKind) {
            collector.fail(Words::tr("[%1] holds more entries than any kit").arg(sectionName));
            return;
        }
    }
    static const Fields none;
    for (const int index : indices) {
        const auto it = section.entries.constFind(index);
        const EntryFields fields(it == section.entries.cend() ? none : *it);
        QString where = Words::tr("[%1] entry %2").arg(sectionName).arg(index);
        if (!fields.name().isEmpty())
            where += QStringLiteral(" \"%1\"").arg(fields.name().left(60));
        if (fields.name().isEmpty())
            collector.error(where, missingField(QStringLiteral("name")));
        else
            reader(collector, fields, where);
        if (collector.failed())
            return;
    }
}

} // namespace

KitImport importOcularIni(const QByteArray &ini)
{
    ImportCollector collector(KitFormat::OcularIni);
    if (const QString tooLarge = fileSizeProblem(ini.size(), Words::tr("an equipment file")); !tooLarge.isEmpty()) {
        collector.fail(tooLarge);
        return collector.result();
    }
    QTemporaryFile copy;
    if (!copy.open() || copy.write(ini) != ini.size() || !copy.flush()) {
        collector.fail(Words::tr("no room for a temporary copy to read it from"));
        return collector.result();
    }
    QSettings settings(copy.fileName(), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        collector.fail(Words::tr("not an INI file"));
        return collector.result();
    }

    QHash<QString, QString> general; // the [General] counts, by lower-case key
    for (const QString &key : settings.childKeys())
        general.insert(key.toLower(), textOf(settings.value(key)));
    QHash<QString, Section> sections;
    for (const QString &group : settings.childGroups()) {
        const QString lower = group.toLower();
        if (sections.contains(lower) || !QStringList{kOcularTelescope, kOcularCcd, kOcularLens, kOcularEyepiece}.contains(lower))
            continue;
        settings.beginGroup(group);
        sections.insert(lower, readSection(settings));
        settings.endGroup();
    }
    if (sections.isEmpty()) {
        collector.fail(Words::tr("not a Stellarium ocular.ini: no [telescope], [ccd], [lens] or [ocular] section"));
        return collector.result();
    }

    const QList<std::pair<QString, EntryReader>> readers{
        {kOcularTelescope, readTelescope}, {kOcularCcd, readCamera}, {kOcularLens, readLens}, {kOcularEyepiece, readOcular}};
    for (const auto &[name, reader] : readers) {
        const auto it = sections.constFind(name);
        if (it == sections.cend())
            continue;
        const QString key = countKey(name);
        const std::optional<QString> count = general.contains(key) ? std::optional<QString>(general.value(key)) : std::nullopt;
        readEntries(collector, name, *it, count, reader);
        if (collector.failed())
            break;
    }
    return collector.result();
}

namespace detail {

QByteArray ocularIniOf(const Kit &kit)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return {};
    const QString path = dir.filePath(QStringLiteral("ocular.ini"));
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setAtomicSyncRequired(false); // a private folder, read back at once: no need to sync to disk
        settings.setValue(countKey(kOcularTelescope), int(kit.telescopes.size()));
        settings.setValue(countKey(kOcularCcd), int(kit.cameras.size()));
        settings.setValue(countKey(kOcularLens), int(kit.lenses.size()));
        settings.setValue(countKey(kOcularEyepiece), int(kit.eyepieces.size()));

        settings.beginWriteArray(kOcularTelescope, int(kit.telescopes.size()));
        for (int i = 0; i < kit.telescopes.size(); ++i) {
            const KitTelescope &t = kit.telescopes[i];
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("name"), t.name);
            settings.setValue(QStringLiteral("focalLength"), numberText(t.focalLength));
            settings.setValue(QStringLiteral("diameter"), numberText(t.aperture));
        }
        settings.endArray();

        settings.beginWriteArray(kOcularCcd, int(kit.cameras.size()));
        for (int i = 0; i < kit.cameras.size(); ++i) {
            const KitCamera &c = kit.cameras[i];
            const int binning = highestBinning(c);
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("name"), c.name);
            settings.setValue(QStringLiteral("resolutionX"), c.width);
            settings.setValue(QStringLiteral("resolutionY"), c.height);
            settings.setValue(QStringLiteral("chip_width"), numberText(c.width * c.pixelWidth / 1000));
            settings.setValue(QStringLiteral("chip_height"), numberText(c.height * c.pixelHeight / 1000));
            settings.setValue(QStringLiteral("pixel_width"), numberText(c.pixelWidth));
            settings.setValue(QStringLiteral("pixel_height"), numberText(c.pixelHeight));
            settings.setValue(QStringLiteral("binningX"), binning);
            settings.setValue(QStringLiteral("binningY"), binning);
        }
        settings.endArray();

        settings.beginWriteArray(kOcularLens, int(kit.lenses.size()));
        for (int i = 0; i < kit.lenses.size(); ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("name"), kit.lenses[i].name);
            settings.setValue(QStringLiteral("multipler"), numberText(kit.lenses[i].factor));
        }
        settings.endArray();

        settings.beginWriteArray(kOcularEyepiece, int(kit.eyepieces.size()));
        for (int i = 0; i < kit.eyepieces.size(); ++i) {
            const KitEyepiece &e = kit.eyepieces[i];
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("name"), e.name);
            settings.setValue(QStringLiteral("efl"), numberText(e.focalLength));
            if (e.apparentField)
                settings.setValue(QStringLiteral("afov"), numberText(*e.apparentField));
            settings.setValue(QStringLiteral("fieldStop"), numberText(e.fieldStop.value_or(0)));
        }
        settings.endArray();

        settings.sync();
        if (settings.status() != QSettings::NoError)
            return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace detail

} // namespace vkp2::storage

#include "planner/equipment_database.h"

#include "planner/csv_reader.h"
#include "planner/name_pick.h"
#include "storage/kit_checks.h"
#include "storage/kit_json.h"

#include <QFile>
#include <QHash>

#include <algorithm>

namespace vkp2::planner {

namespace {

struct KindWords {
    EquipmentKind kind;
    QLatin1StringView singular;
    QLatin1StringView plural;
};
constexpr KindWords kKindWords[] = {
    {EquipmentKind::Telescope, QLatin1StringView("telescope"), QLatin1StringView("telescopes")},
    {EquipmentKind::Camera, QLatin1StringView("camera"), QLatin1StringView("cameras")},
    {EquipmentKind::Eyepiece, QLatin1StringView("eyepiece"), QLatin1StringView("eyepieces")},
    {EquipmentKind::Barlow, QLatin1StringView("barlow"), QLatin1StringView("barlows")},
};

// One curated file from the resource, its fields found by the header's column names. A row of
// the wrong length, or a number that does not read, leaves the row out.
class Table {
public:
    explicit Table(const QString &file)
    {
        QFile in(QStringLiteral(":/equipment/") + file);
        if (in.open(QIODevice::ReadOnly))
            rows_ = csvRows(QString::fromUtf8(in.readAll()));
        if (rows_.isEmpty())
            return;
        const QStringList header = rows_.takeFirst();
        for (qsizetype i = 0; i < header.size(); ++i)
            columns_.insert(header.at(i), i);
        rows_.removeIf([&](const QStringList &row) { return row.size() != header.size(); });
    }
    const QList<QStringList> &rows() const { return rows_; }
    QString text(const QStringList &row, const char *column) const
    {
        const qsizetype i = columns_.value(QLatin1String(column), -1);
        return i < 0 ? QString() : row.at(i);
    }
    QString name(const QStringList &row) const { return text(row, "maker") + QLatin1Char(' ') + text(row, "model"); }
    // Nothing for an empty field; a field that is not a number makes `ok` false.
    std::optional<double> number(const QStringList &row, const char *column, bool &ok) const
    {
        const QString field = text(row, column);
        if (field.isEmpty())
            return std::nullopt;
        bool read = false;
        const double value = field.toDouble(&read);
        ok = ok && read;
        return value;
    }
    double required(const QStringList &row, const char *column, bool &ok) const
    {
        const std::optional<double> value = number(row, column, ok);
        ok = ok && value.has_value();
        return value.value_or(0);
    }

private:
    QList<QStringList> rows_;
    QHash<QString, qsizetype> columns_;
};

storage::Kit readDatabase()
{
    storage::Kit kit;
    const Table telescopes(QStringLiteral("telescopes.csv"));
    for (const QStringList &row : telescopes.rows()) {
        bool ok = true;
        storage::KitTelescope t{telescopes.name(row), telescopes.required(row, "focal_length_mm", ok),
                                telescopes.required(row, "aperture_mm", ok)};
        if (ok)
            kit.telescopes << t;
    }
    const Table cameras(QStringLiteral("cameras.csv"));
    for (const QStringList &row : cameras.rows()) {
        bool ok = true;
        storage::KitCamera c;
        c.name = cameras.name(row);
        c.pixelWidth = cameras.required(row, "pixel_width_um", ok);
        c.pixelHeight = cameras.required(row, "pixel_height_um", ok);
        c.width = qRound(cameras.required(row, "width_px", ok));
        c.height = qRound(cameras.required(row, "height_px", ok));
        // The curated files use kit.json's colour words; an empty field is not known.
        c.colour = storage::kit_json::colourNamed(cameras.text(row, "colour")).value_or(storage::Colour::Unknown);
        if (ok)
            kit.cameras << c;
    }
    const Table barlows(QStringLiteral("barlows.csv"));
    for (const QStringList &row : barlows.rows()) {
        bool ok = true;
        storage::KitLens l{barlows.name(row), barlows.required(row, "factor", ok), {}, {}};
        if (ok)
            kit.lenses << l;
    }
    const Table eyepieces(QStringLiteral("eyepieces.csv"));
    for (const QStringList &row : eyepieces.rows()) {
        bool ok = true;
        storage::KitEyepiece e{eyepieces.name(row), eyepieces.required(row, "focal_length_mm", ok),
                               eyepieces.number(row, "apparent_fov_deg", ok),
                               eyepieces.number(row, "field_stop_mm", ok)};
        if (ok)
            kit.eyepieces << e;
    }
    return kit;
}

} // namespace

std::optional<EquipmentKind> equipmentKindNamed(const QString &word)
{
    for (const KindWords &k : kKindWords)
        if (word.compare(k.singular, Qt::CaseInsensitive) == 0 || word.compare(k.plural, Qt::CaseInsensitive) == 0)
            return k.kind;
    return std::nullopt;
}

QString equipmentKindWord(EquipmentKind kind, bool plural)
{
    for (const KindWords &k : kKindWords)
        if (k.kind == kind)
            return plural ? QString(k.plural) : QString(k.singular);
    return {};
}

const storage::Kit &equipmentDatabase()
{
    // Read on first use: a planner that never searches never pays for it.
    static const storage::Kit database = readDatabase();
    return database;
}

QStringList equipmentNames(const storage::Kit &kit, EquipmentKind kind)
{
    switch (kind) {
    case EquipmentKind::Telescope:
        return namesOf(kit.telescopes);
    case EquipmentKind::Camera:
        return namesOf(kit.cameras);
    case EquipmentKind::Eyepiece:
        return namesOf(kit.eyepieces);
    case EquipmentKind::Barlow:
        return namesOf(kit.lenses); // a kit's reducers are listed with its Barlows
    }
    return {};
}

bool nameMatches(const QString &name, const QString &text)
{
    const QString key = storage::nameKey(name);
    bool anyWord = false;
    for (const QString &word : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString wordKey = storage::nameKey(word);
        if (wordKey.isEmpty())
            continue; // a word of punctuation only asks for nothing
        if (!key.contains(wordKey))
            return false;
        anyWord = true;
    }
    return anyWord;
}

QList<qsizetype> rankMatches(const QStringList &names, const QString &text)
{
    struct Ranked {
        int tier; // 0 the whole name, 1 a name starting with the text, 2 any other match
        qsizetype length;
        qsizetype index;
    };
    const QString textKey = storage::nameKey(text);
    QList<Ranked> ranked;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!nameMatches(names.at(i), text))
            continue;
        const QString key = storage::nameKey(names.at(i));
        const int tier = key == textKey ? 0 : key.startsWith(textKey) ? 1 : 2;
        ranked << Ranked{tier, key.size(), i};
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked &a, const Ranked &b) {
        return a.tier != b.tier ? a.tier < b.tier : a.length < b.length;
    });
    QList<qsizetype> order;
    order.reserve(ranked.size());
    for (const Ranked &r : ranked)
        order << r.index;
    return order;
}

} // namespace vkp2::planner

#include "widgets/planner_window/kit_entry.h"

#include "calculator/core/numbers.h"
#include "storage/kit_checks.h"

#include <QCoreApplication>

namespace vkp2::planner_window {

using storage::KitKind;

namespace {

struct KitEntryWords {
    Q_DECLARE_TR_FUNCTIONS(KitEntry)
};

QString number(double v) { return numbers::format(v); }
QString number(const std::optional<double> &v) { return v ? number(*v) : QStringLiteral("–"); }
QString pair(const QString &a, const QString &b) { return a + QStringLiteral(" × ") + b; }

QString colourWord(storage::Colour c)
{
    switch (c) {
    case storage::Colour::Colour:
        return KitEntryWords::tr("Colour");
    case storage::Colour::Mono:
        return KitEntryWords::tr("Mono");
    case storage::Colour::Unknown:
        break;
    }
    return KitEntryWords::tr("Unknown");
}

template <typename List>
KitEntry at(const List &list, qsizetype i)
{
    return list.at(i);
}

} // namespace

KitKind kindOf(const KitEntry &entry) { return kKitKinds[entry.index()]; }

QString nameOf(const KitEntry &entry)
{
    return std::visit([](const auto &e) { return e.name; }, entry);
}

QString problemOf(const KitEntry &entry)
{
    return std::visit([](const auto &e) { return storage::problemOf(e); }, entry);
}

KitEntry emptyEntry(KitKind kind)
{
    switch (kind) {
    case KitKind::Camera:
        return storage::KitCamera{};
    case KitKind::Lens:
        return storage::KitLens{};
    case KitKind::Eyepiece:
        return storage::KitEyepiece{};
    case KitKind::Telescope:
        break;
    }
    return storage::KitTelescope{};
}

QString kindTitle(KitKind kind)
{
    switch (kind) {
    case KitKind::Camera:
        return KitEntryWords::tr("&Cameras");
    case KitKind::Lens:
        return KitEntryWords::tr("&Barlows and reducers");
    case KitKind::Eyepiece:
        return KitEntryWords::tr("E&yepieces");
    case KitKind::Telescope:
        break;
    }
    return KitEntryWords::tr("&Telescopes");
}

planner::EquipmentKind databaseKind(KitKind kind)
{
    switch (kind) {
    case KitKind::Camera:
        return planner::EquipmentKind::Camera;
    case KitKind::Lens:
        return planner::EquipmentKind::Barlow;
    case KitKind::Eyepiece:
        return planner::EquipmentKind::Eyepiece;
    case KitKind::Telescope:
        break;
    }
    return planner::EquipmentKind::Telescope;
}

QStringList columnTitles(KitKind kind)
{
    switch (kind) {
    case KitKind::Camera:
        return {KitEntryWords::tr("Name"), KitEntryWords::tr("Pixel (µm)"), KitEntryWords::tr("Sensor (px)"), KitEntryWords::tr("Colour"), KitEntryWords::tr("Binning")};
    case KitKind::Lens:
        return {KitEntryWords::tr("Name"), KitEntryWords::tr("Factor"), KitEntryWords::tr("Focal length (mm)"), KitEntryWords::tr("Design spacing (mm)")};
    case KitKind::Eyepiece:
        return {KitEntryWords::tr("Name"), KitEntryWords::tr("Focal length (mm)"), KitEntryWords::tr("Apparent field (°)"), KitEntryWords::tr("Field stop (mm)")};
    case KitKind::Telescope:
        break;
    }
    return {KitEntryWords::tr("Name"), KitEntryWords::tr("Focal length (mm)"), KitEntryWords::tr("Aperture (mm)")};
}

QString binningMode(int n) { return QStringLiteral("%1x%1").arg(n); }

QStringList cellsOf(const KitEntry &entry)
{
    struct Cells {
        QStringList operator()(const storage::KitTelescope &t) const
        {
            return {t.name, number(t.focalLength), number(t.aperture)};
        }
        QStringList operator()(const storage::KitCamera &c) const
        {
            QStringList modes;
            for (const int n : c.binning)
                modes << binningMode(n);
            return {c.name, pair(number(c.pixelWidth), number(c.pixelHeight)),
                    pair(QString::number(c.width), QString::number(c.height)), colourWord(c.colour),
                    modes.join(QStringLiteral(", "))};
        }
        QStringList operator()(const storage::KitLens &l) const
        {
            return {l.name, number(l.factor) + QStringLiteral("×"), number(l.focalLength), number(l.designSpacing)};
        }
        QStringList operator()(const storage::KitEyepiece &e) const
        {
            return {e.name, number(e.focalLength), number(e.apparentField), number(e.fieldStop)};
        }
    };
    return std::visit(Cells{}, entry);
}

qsizetype countOf(const storage::Kit &kit, KitKind kind)
{
    switch (kind) {
    case KitKind::Camera:
        return kit.cameras.size();
    case KitKind::Lens:
        return kit.lenses.size();
    case KitKind::Eyepiece:
        return kit.eyepieces.size();
    case KitKind::Telescope:
        break;
    }
    return kit.telescopes.size();
}

KitEntry entryAt(const storage::Kit &kit, KitKind kind, qsizetype index)
{
    switch (kind) {
    case KitKind::Camera:
        return at(kit.cameras, index);
    case KitKind::Lens:
        return at(kit.lenses, index);
    case KitKind::Eyepiece:
        return at(kit.eyepieces, index);
    case KitKind::Telescope:
        break;
    }
    return at(kit.telescopes, index);
}

void replaceAt(storage::Kit &kit, qsizetype index, const KitEntry &entry)
{
    struct Replace {
        storage::Kit &kit;
        qsizetype i;
        void operator()(const storage::KitTelescope &t) const { kit.telescopes[i] = t; }
        void operator()(const storage::KitCamera &c) const { kit.cameras[i] = c; }
        void operator()(const storage::KitLens &l) const { kit.lenses[i] = l; }
        void operator()(const storage::KitEyepiece &e) const { kit.eyepieces[i] = e; }
    };
    std::visit(Replace{kit, index}, entry);
}

void removeAt(storage::Kit &kit, KitKind kind, qsizetype index)
{
    switch (kind) {
    case KitKind::Camera:
        kit.cameras.removeAt(index);
        return;
    case KitKind::Lens:
        kit.lenses.removeAt(index);
        return;
    case KitKind::Eyepiece:
        kit.eyepieces.removeAt(index);
        return;
    case KitKind::Telescope:
        kit.telescopes.removeAt(index);
        return;
    }
}

storage::Kit kitOf(const KitEntry &entry)
{
    struct Single {
        storage::Kit operator()(const storage::KitTelescope &t) const { return {{t}, {}, {}, {}}; }
        storage::Kit operator()(const storage::KitCamera &c) const { return {{}, {c}, {}, {}}; }
        storage::Kit operator()(const storage::KitLens &l) const { return {{}, {}, {l}, {}}; }
        storage::Kit operator()(const storage::KitEyepiece &e) const { return {{}, {}, {}, {e}}; }
    };
    return std::visit(Single{}, entry);
}

} // namespace vkp2::planner_window

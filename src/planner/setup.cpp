#include "planner/setup.h"

#include "calculator/catalog/binning_table.h"
#include "calculator/catalog/camera_table.h"
#include "calculator/catalog/lookup.h"
#include "calculator/catalog/ocular_table.h"
#include "calculator/catalog/telescope_table.h"
#include "calculator/core/numbers.h"
#include "storage/setup_location.h"
#include "storage/user_equipment_file.h"

#include <QFileInfo>

namespace vkp2::planner {

namespace {

template <typename Rows>
QStringList entriesOf(std::initializer_list<QString> specials, const Rows &rows)
{
    QStringList out(specials);
    for (const auto &row : rows)
        out << QLatin1String(row.name);
    return out;
}

Shown shownBy(const HeadlessCalculator &calc)
{
    return {calc.boxTexts(),   calc[List::Telescope].text(), calc[List::Ocular].text(),
            calc[List::Ccd].text(),   calc[List::Binning].text(),   calc.messages()};
}

} // namespace

bool Setup::chooseTelescope(const QString &name)
{
    if (name == entries::UserDefined) {
        telescope = name;
        return true;
    }
    const auto *row = catalog::findByName(catalog::kTelescopes, name);
    if (!row)
        return false;
    telescope = name;
    focalLength = numbers::format(row->focalLength);
    aperture = numbers::format(row->aperture);
    return true;
}

bool Setup::chooseOcular(const QString &name)
{
    if (name == entries::NoVkp2) {
        ocular = name;
        tl = d = QStringLiteral("0");
        return true;
    }
    if (!catalog::findByName(catalog::kOculars, name))
        return false;
    ocular = name;
    return true;
}

bool Setup::chooseCamera(const QString &name)
{
    if (name == entries::UserDefined) {
        camera = name;
        return true;
    }
    if (name == entries::NoneOrFilm) {
        camera = name;
        pixelWidth = pixelHeight = chipWidth = chipHeight = QString();
        return true;
    }
    const auto *row = catalog::findByName(catalog::kCameras, name);
    if (!row)
        return false;
    camera = name;
    pixelWidth = numbers::format(row->pixelWidth);
    pixelHeight = numbers::format(row->pixelHeight);
    chipWidth = numbers::format(row->chipWidth);
    chipHeight = numbers::format(row->chipHeight);
    return true;
}

void Setup::typeTelescope(const QString &focal, const QString &apertureText)
{
    telescope = entries::UserDefined;
    focalLength = focal;
    aperture = apertureText;
}

void Setup::typeCamera(const QString &pw, const QString &ph, const QString &cw, const QString &ch)
{
    camera = entries::UserDefined;
    pixelWidth = pw;
    pixelHeight = ph;
    chipWidth = cw;
    chipHeight = ch;
}

Setup Setup::fromUserData(const UserData &u)
{
    // Empty name slots stand for the lists' defaults, whose texts the window would keep.
    Setup s;
    if (!u[1].isEmpty()) {
        s.telescope = u[1];
        s.focalLength = u[4];
        s.aperture = u[5];
    }
    if (!u[2].isEmpty()) {
        s.ocular = u[2];
        s.tl = u[6];
        s.d = u[7];
    }
    if (!u[3].isEmpty()) {
        s.camera = u[3];
        s.pixelWidth = u[8];
        s.pixelHeight = u[9];
        s.chipWidth = u[10];
        s.chipHeight = u[11];
    }
    return s;
}

UserData Setup::toUserData() const
{
    return {QString(), telescope,   ocular,      camera,    focalLength, aperture, tl,
            d,         pixelWidth, pixelHeight, chipWidth, chipHeight,  QString()};
}

Setup lastSetup()
{
    return setupFromFile(storage::userEquipmentFilePath(storage::FolderCreation::ReadOnly))
        .value_or(Setup());
}

std::optional<Setup> setupFromFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    return Setup::fromUserData(storage::readUserEquipmentFile(path));
}

QStringList telescopeEntries() { return entriesOf({entries::UserDefined}, catalog::kTelescopes); }
QStringList ocularEntries() { return entriesOf({entries::NoVkp2}, catalog::kOculars); }
QStringList cameraEntries()
{
    return entriesOf({entries::NoneOrFilm, entries::UserDefined}, catalog::kCameras);
}

QStringList binningModes()
{
    QStringList out;
    for (const char *mode : catalog::kBinningModes)
        out << QLatin1String(mode);
    return out;
}

bool cameraHasBinning(const QString &camera)
{
    const auto *row = catalog::findByName(catalog::kCameras, camera);
    return row && row->binning;
}

QString Shown::box(std::string_view name) const
{
    const auto id = boxNamed(name);
    return id ? box(*id) : QString();
}

std::optional<double> Shown::number(std::string_view name) const
{
    return numbers::parse(box(name));
}

std::optional<double> Shown::number(Box id) const { return numbers::parse(box(id)); }

Shown show(const Setup &setup)
{
    HeadlessCalculator calc;
    calc.start(setup.toUserData());
    if (calc[List::Binning].isEnabled() && calc[List::Binning].text() != setup.binning)
        calc[List::Binning].setText(setup.binning);
    return shownBy(calc);
}

KitWalk::KitWalk(const Setup &start) { calc_.start(start.toUserData()); }

void KitWalk::chooseTelescope(const QString &name) { calc_[List::Telescope].setText(name); }

void KitWalk::chooseOcular(const QString &name, const QString &tl, const QString &d)
{
    calc_[List::Ocular].setText(name);
    if (calc_[Box::Distance_tl].isEnabled()) {
        calc_[Box::Distance_tl].setText(tl);
        calc_[Box::Distance_d].setText(d);
    }
}

void KitWalk::chooseCamera(const QString &name) { calc_[List::Ccd].setText(name); }

void KitWalk::chooseBinning(const QString &mode)
{
    if (calc_[List::Binning].isEnabled() && calc_[List::Binning].text() != mode)
        calc_[List::Binning].setText(mode);
}

Shown KitWalk::shown() const { return shownBy(calc_); }

} // namespace vkp2::planner

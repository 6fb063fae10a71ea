#include "planner/setup.h"

#include "planner/setup_fields.h"
#include "planner/train_setup.h"
#include "planner/words.h"

#include "calculator/catalog/binning_table.h"
#include "calculator/catalog/camera_table.h"
#include "calculator/catalog/lookup.h"
#include "calculator/catalog/ocular_table.h"
#include "calculator/catalog/telescope_table.h"
#include "calculator/core/numbers.h"
#include "calculator/core/optics.h"
#include "storage/setup_location.h"
#include "storage/user_equipment_file.h"

#include <QFile>
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

// The magnification the last calculation used, from the calculator's own working values.
std::optional<double> magnificationOf(const HeadlessCalculator &calc)
{
    // The headless calculator hands out its state only through the non-const accessor;
    // reading it changes nothing.
    const CalculatorState &state = const_cast<HeadlessCalculator &>(calc).calculator().state;
    const auto ocularFocal = state.OcularFocalLength.number();
    const auto projection = state.ProjectionDistance.number();
    if (!ocularFocal || *ocularFocal == 0 || !projection || !numbers::isNumber(calc[Box::efl].text()))
        return std::nullopt;
    return optics::magnification(*projection, *ocularFocal);
}

Shown shownBy(const HeadlessCalculator &calc)
{
    return {calc.boxTexts(),   calc[List::Telescope].text(), calc[List::Ocular].text(),
            calc[List::Ccd].text(),   calc[List::Binning].text(),   calc.messages(),
            magnificationOf(calc), std::nullopt};
}

} // namespace

bool Setup::chooseTelescope(const QString &name)
{
    telescopeLabel.clear();
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
    cameraLabel.clear();
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
    telescopeLabel.clear();
    focalLength = focal;
    aperture = apertureText;
}

void Setup::typeCamera(const QString &pw, const QString &ph, const QString &cw, const QString &ch)
{
    camera = entries::UserDefined;
    cameraLabel.clear();
    pixelWidth = pw;
    pixelHeight = ph;
    chipWidth = cw;
    chipHeight = ch;
}

void Setup::takeTelescope(const storage::KitTelescope &t)
{
    typeTelescope(numbers::format(t.focalLength), numbers::format(t.aperture));
    telescopeLabel = t.name;
}

void Setup::takeCamera(const storage::KitCamera &c, int bin)
{
    const int n = bin < 1 ? 1 : bin;
    typeCamera(numbers::format(c.pixelWidth * n), numbers::format(c.pixelHeight * n),
               numbers::format(double(c.width / n)), numbers::format(double(c.height / n)));
    binning = binningModes().value(0);
    cameraLabel = n == 1 ? c.name : QStringLiteral("%1 (%2x%2)").arg(c.name).arg(n);
}

Setup Setup::fromUserData(const UserData &u)
{
    // Empty name slots stand for the lists' defaults, whose texts the window would keep.
    Setup s;
    // Each name comes with the numbers it governs.
    const auto takeGroup = [&](SetupField name, std::initializer_list<SetupField> numbersOf) {
        if (u[std::size_t(setupField(name).fileLine)].isEmpty())
            return;
        const auto take = [&](SetupField id) {
            s.*setupField(id).member = u[std::size_t(setupField(id).fileLine)];
        };
        take(name);
        for (const SetupField id : numbersOf)
            take(id);
    };
    takeGroup(SetupField::Telescope, {SetupField::FocalLength, SetupField::Aperture});
    takeGroup(SetupField::Ocular, {SetupField::Tl, SetupField::D});
    takeGroup(SetupField::Camera, {SetupField::PixelWidth, SetupField::PixelHeight,
                                   SetupField::ChipWidth, SetupField::ChipHeight});
    return s;
}

UserData Setup::toUserData() const
{
    UserData out;
    for (const SetupFieldInfo &f : kSetupFields) {
        if (f.fileLine > 0)
            out[std::size_t(f.fileLine)] = this->*f.member;
    }
    return out;
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

CheckedSetupFile checkSetupFile(const QString &path)
{
    CheckedSetupFile out;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        out.problem = Words::tr("cannot read \"%1\"").arg(path);
        return out;
    }
    const QByteArray bytes = file.read(storage::kMaxReadBytes);
    if (bytes.trimmed().isEmpty()) {
        out.problem = Words::tr("\"%1\" is empty").arg(path);
        return out;
    }
    if (bytes.contains('\0')) {
        out.problem = Words::tr("\"%1\" holds NUL bytes; it is no setup file").arg(path);
        return out;
    }
    // A setup file is a few lines of names and numbers; control bytes mean something else.
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\r' && c != '\n' && c != '\t') || u == 0x7f) {
            out.problem = Words::tr("\"%1\" is a binary file, no setup file").arg(path);
            return out;
        }
    }
    const Setup s = Setup::fromUserData(storage::readUserEquipmentFile(path));
    if (!telescopeEntries().contains(s.telescope)) {
        out.problem = Words::tr("\"%1\" names no telescope of the list (\"%2\")")
                          .arg(path, s.telescope);
        return out;
    }
    if (!ocularEntries().contains(s.ocular))
        out.warnings << Words::tr("\"%1\" names no ocular of the list (\"%2\"); the "
                                       "calculator takes its own instead").arg(path, s.ocular);
    if (!cameraEntries().contains(s.camera))
        out.warnings << Words::tr("\"%1\" names no camera of the list (\"%2\"); the "
                                       "calculator takes its own instead").arg(path, s.camera);
    out.setup = s;
    return out;
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

std::optional<double> Shown::number(Box id) const { return numbers::parse(box(id)); }

Shown show(const Setup &setup)
{
    HeadlessCalculator calc;
    calc.start(calculatorSetupOf(setup).toUserData());
    if (calc[List::Binning].isEnabled() && calc[List::Binning].text() != setup.binning)
        calc[List::Binning].setText(setup.binning);
    return withTrain(shownBy(calc), setup.train);
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

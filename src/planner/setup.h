#pragma once
// One setup of the kit, and what the calculator window would show for it. The setup is run
// through the headless calculator exactly as the window starts from a saved setup (then the
// binning mode is chosen), so every digit and every message is the window's own.

#include "calculator/core/limits.h"
#include "calculator/procedures/headless_calculator.h"
#include "planner/optical_train.h"
#include "storage/kit.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace vkp2::planner {

// The texts a user equipment file keeps, plus the binning mode. Numbers are held as the texts
// the boxes would show, in the user's locale, as the window holds them.
struct Setup {
    QString telescope = QStringLiteral("DR-106");
    QString focalLength = QStringLiteral("530");
    QString aperture = QStringLiteral("106");
    QString ocular = QStringLiteral("WS 5mm");
    QString tl = QString::number(limits::kDistanceTlDefault);
    QString d = QString::number(limits::kDistanceDDefault);
    QString camera = QStringLiteral("None or Film");
    QString pixelWidth, pixelHeight, chipWidth, chipHeight;
    QString binning = QStringLiteral("1x1");
    // The kit or database entry the typed telescope or camera values came from, for display;
    // empty for a preset or values typed by hand. Not part of the calculator's file.
    QString telescopeLabel, cameraLabel;
    // A Barlow, reducer, eyepiece projection or afocal camera beside (or instead of) the VKP-2
    // ocular. Not part of the calculator's file either: the calculator runs the VKP-2 part.
    Train train;

    // Choosing a preset also takes its values into the texts, as the window shows them.
    // Each returns false (and changes nothing) for a name that is no entry of its list.
    bool chooseTelescope(const QString &name);
    bool chooseCamera(const QString &name);
    // The ocular; "No-VKP2" also sets both distances to 0, as the window does when it is
    // chosen (and so saves them). Returns false for a name that is no entry of the list.
    bool chooseOcular(const QString &name);
    // "User-Defined" with typed values.
    void typeTelescope(const QString &focal, const QString &apertureText);
    void typeCamera(const QString &pw, const QString &ph, const QString &cw, const QString &ch);
    // A kit or database entry: "User-Defined" with its values and its name as the label. A
    // camera binned NxN is typed as N times the pixel and the chip divided by N (whole pixels),
    // which is what the binned frame is; the binning list stays at its first mode.
    void takeTelescope(const storage::KitTelescope &t);
    void takeCamera(const storage::KitCamera &c, int bin = 1);

    static Setup fromUserData(const UserData &userData);
    UserData toUserData() const;
};

// The calculator's last setup (the same file the window would read); defaults when none.
Setup lastSetup();
// A user equipment file; nothing when it cannot be read.
std::optional<Setup> setupFromFile(const QString &path);

// A user equipment file checked before use. `problem` says what makes it no setup at all
// (missing, empty, binary, an unknown telescope); then `setup` is empty. `warnings` name the
// entries the calculator will not find in its lists and so replaces, as its window would.
struct CheckedSetupFile {
    std::optional<Setup> setup;
    QString problem;
    QStringList warnings;
};
CheckedSetupFile checkSetupFile(const QString &path);

// The list entries, in list order, as the window offers them.
QStringList telescopeEntries();
QStringList ocularEntries();
QStringList cameraEntries();
QStringList binningModes();
// Whether a camera has binning modes (the binning list is offered for it).
bool cameraHasBinning(const QString &camera);

struct Shown {
    BoxTexts boxes;
    QString telescope, ocular, camera, binning;
    QList<Message> messages;
    // The magnification of the projection the calculator worked the EFL from; nothing at
    // prime focus or when the EFL box is empty.
    std::optional<double> magnification;
    // What the train beside the VKP-2 did; nothing for the VKP-2 alone, whose boxes are the
    // calculator's own. With a train the result boxes (EFL, focal ratio, field, scale) are
    // the train's, worked with the calculator's formulas and rounding.
    std::optional<TrainEffect> train;
    QString box(Box id) const { return boxes[indexOf(id)]; }
    // A box read as a number, in the user's locale; nothing when it shows none.
    std::optional<double> number(Box id) const;
};

// What the window shows for the setup after starting from it and choosing its binning mode,
// with the setup's train applied: when its rear is no VKP-2 ocular the calculator runs at
// "No-VKP2". A train with a problem (problemOf) leaves the result boxes empty.
Shown show(const Setup &setup);

// Runs many setups on one headless calculator by choosing entries as a user would, which is
// far cheaper than a start for every row. What it shows after each step is what the window
// would show after the same choices.
class KitWalk {
public:
    explicit KitWalk(const Setup &start);
    // Each choice runs the list's handler. The distances are written whenever their boxes are
    // enabled (not after "No-VKP2"); writing the text a box already holds runs nothing.
    void chooseTelescope(const QString &name);
    void chooseOcular(const QString &name, const QString &tl, const QString &d);
    void chooseCamera(const QString &name);
    void chooseBinning(const QString &mode);
    Shown shown() const;
    HeadlessCalculator &calculator() { return calc_; }

private:
    HeadlessCalculator calc_;
};

} // namespace vkp2::planner

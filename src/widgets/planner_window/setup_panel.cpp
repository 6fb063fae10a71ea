#include "widgets/planner_window/setup_panel.h"

#include "calculator/core/numbers.h"
#include "planner/setup_fields.h"
#include "planner/targets.h"
#include "planner/train_setup.h"
#include "planner/words.h"
#include "widgets/planner_window/checked_setup.h"
#include "widgets/planner_window/element_panel.h"
#include "widgets/planner_window/field_mark.h"
#include "widgets/planner_window/kit_choices.h"
#include "widgets/planner_window/kit_entry.h"
#include "widgets/planner_window/night_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace vkp2::planner_window {

using planner::SetupField;

namespace {

// How the panel offers each setup field: a list with its entries or a typed box, and where its
// label's mnemonic goes (before the first match of `mnemonicAt`; unique in the window).
struct FieldLook {
    SetupField field;
    const char *mnemonicAt;
    QStringList (*entries)(); // a list's entries; none for a typed box
    // Said apart from `entries`: a function's address is no constant to every compiler mode
    // (the sanitizer build), and the check below must hold at compile time.
    bool typed = false;
};

// The letters before which the mnemonic goes are translated with the label, in their own context.
constexpr FieldLook kLooks[] = {
    {SetupField::Telescope, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "Telescope"), &planner::telescopeEntries, false},
    {SetupField::FocalLength, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "ngth"), nullptr, true},
    {SetupField::Aperture, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "Aperture"), nullptr, true},
    {SetupField::Ocular, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "Ocular"), &planner::ocularEntries, false},
    {SetupField::Tl, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "L"), nullptr, true},
    {SetupField::D, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "D"), nullptr, true},
    {SetupField::Camera, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "mera"), &planner::cameraEntries, false},
    {SetupField::PixelWidth, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "width"), nullptr, true},
    {SetupField::PixelHeight, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "xel"), nullptr, true},
    {SetupField::ChipWidth, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "idth"), nullptr, true},
    {SetupField::ChipHeight, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "eight"), nullptr, true},
    {SetupField::Binning, QT_TRANSLATE_NOOP("SetupPanelMnemonic", "Binning"), &planner::binningModes, false},
};
static_assert(std::size(kLooks) == planner::kSetupFields.size());
static_assert([] {
    for (std::size_t i = 0; i < std::size(kLooks); ++i) {
        // In the registry's order, and every typed box feeds a calculator box.
        if (kLooks[i].field != planner::kSetupFields[i].id || (kLooks[i].typed && !boxOf(kLooks[i].field)))
            return false;
    }
    return true;
}());

constexpr std::size_t fieldIndex(SetupField field) { return static_cast<std::size_t>(field); }

// The box's name for people, in their language; its object name stays the English label.
QString labelOf(SetupField field) { return planner::Words::tr(planner::setupField(field).label); }

// "Focal le&ngth (mm):"
QString mnemonicLabel(SetupField field)
{
    QString text = labelOf(field);
    const qsizetype at = text.indexOf(QCoreApplication::translate("SetupPanelMnemonic", kLooks[fieldIndex(field)].mnemonicAt));
    if (at >= 0)
        text.insert(at, QLatin1Char('&'));
    return text + QLatin1Char(':');
}

QLineEdit *numberEdit(const QString &objectName, const QString &accessibleName)
{
    auto *e = new QLineEdit;
    e->setAccessibleName(accessibleName);
    e->setObjectName(objectName);
    return e;
}

QComboBox *list(const QString &objectName, const QString &accessibleName, const QStringList &entries)
{
    auto *c = new QComboBox;
    c->addItems(entries);
    c->setAccessibleName(accessibleName);
    c->setObjectName(objectName);
    return c;
}

void setText(QLineEdit *e, const QString &text)
{
    if (e->text() != text)
        e->setText(text);
}

} // namespace

SetupPanel::SetupPanel(QWidget *parent) : QWidget(parent)
{
    build();
    showInputs();
}

bool SetupPanel::isMarkedInvalid(const QLineEdit *edit) { return planner_window::isMarkedInvalid(edit); }

void SetupPanel::build()
{
    for (const FieldLook &look : kLooks) {
        const QString object = QLatin1String(planner::setupField(look.field).label);
        const QString name = labelOf(look.field);
        kit_[fieldIndex(look.field)] = look.entries ? static_cast<QWidget *>(list(object, name, look.entries()))
                                                 : numberEdit(object, name);
    }
    const auto listOf = [this](SetupField f) { return static_cast<QComboBox *>(kit_[fieldIndex(f)]); };
    w_.telescope = listOf(SetupField::Telescope);
    w_.ocular = listOf(SetupField::Ocular);
    w_.camera = listOf(SetupField::Camera);
    w_.binning = listOf(SetupField::Binning);
    w_.focalLength = kitEdit(SetupField::FocalLength);
    w_.aperture = kitEdit(SetupField::Aperture);
    w_.tl = kitEdit(SetupField::Tl);
    w_.d = kitEdit(SetupField::D);
    w_.pixelWidth = kitEdit(SetupField::PixelWidth);
    w_.pixelHeight = kitEdit(SetupField::PixelHeight);
    w_.chipWidth = kitEdit(SetupField::ChipWidth);
    w_.chipHeight = kitEdit(SetupField::ChipHeight);
    w_.seeing = new QDoubleSpinBox;
    w_.seeing->setRange(0.1, 20);
    w_.seeing->setDecimals(1);
    w_.seeing->setSingleStep(0.1);
    w_.seeing->setSuffix(QStringLiteral(" ″"));
    w_.seeing->setAccessibleName(tr("Seeing (arcsec)"));
    w_.seeing->setObjectName(QStringLiteral("Seeing"));
    // Shown in the user's language; the item's data is the English name the inputs keep.
    w_.target = list(QStringLiteral("Target"), tr("Target"), {});
    for (const planner::Target &t : planner::targets())
        w_.target->addItem(planner::shownName(t), QLatin1String(t.name));
    w_.target->addItem(tr("Typed size"), kTypedTarget);
    w_.targetSize = numberEdit(QStringLiteral("Target size (arcsec)"), tr("Target size (arcsec)"));
    w_.colourSensor = new QCheckBox(tr("Colo&ur sensor (Bayer matrix)"));
    w_.colourSensor->setAccessibleName(tr("Colour sensor"));
    w_.colourSensor->setObjectName(QStringLiteral("ColourSensor"));
    w_.night = new NightPanel;
    w_.problems = problemLabel(QStringLiteral("Problems"), tr("Input problems"));
    w_.kitProblem = problemLabel(QStringLiteral("KitProblem"), tr("Kit problem"));
    w_.element = new ElementPanel;

    auto group = [](const QString &title, std::initializer_list<std::pair<QString, QWidget *>> rows) {
        auto *box = new QGroupBox(title);
        auto *form = new QFormLayout(box);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        for (const auto &[label, widget] : rows) {
            if (label.isEmpty()) {
                form->addRow(widget);
            } else {
                auto *l = new QLabel(label);
                l->setBuddy(widget);
                form->addRow(l, widget);
            }
        }
        return box;
    };
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto kit = [this](SetupField f) { return std::pair{mnemonicLabel(f), kit_[fieldIndex(f)]}; };
    layout->addWidget(group(tr("Telescope"), {kit(SetupField::Telescope), kit(SetupField::FocalLength),
                                              kit(SetupField::Aperture)}));
    layout->addWidget(group(tr("Projection"), {kit(SetupField::Ocular), kit(SetupField::Tl), kit(SetupField::D)}));
    layout->addWidget(w_.element);
    layout->addWidget(group(tr("Camera"), {kit(SetupField::Camera), kit(SetupField::Binning),
                                           kit(SetupField::PixelWidth), kit(SetupField::PixelHeight),
                                           kit(SetupField::ChipWidth), kit(SetupField::ChipHeight)}));
    layout->addWidget(group(tr("Sky and target"), {{tr("&Seeing:"), w_.seeing},
                                                   {tr("Ta&rget:"), w_.target},
                                                   {tr("Target si&ze (″):"), w_.targetSize},
                                                   {QString(), w_.colourSensor}}));
    layout->addWidget(w_.night);
    layout->addWidget(w_.kitProblem);
    layout->addWidget(w_.problems);
    layout->addStretch(1);

    connect(w_.telescope, &QComboBox::activated, this, &SetupPanel::telescopeChosen);
    connect(w_.camera, &QComboBox::activated, this, &SetupPanel::cameraChosen);
    connect(w_.binning, &QComboBox::activated, this, &SetupPanel::binningChosen);
    for (QComboBox *c : {w_.ocular, w_.target})
        connect(c, &QComboBox::activated, this, &SetupPanel::readBack);
    for (QLineEdit *e : typedBoxes())
        connect(e, &QLineEdit::textEdited, this, &SetupPanel::readBack);
    connect(w_.seeing, &QDoubleSpinBox::valueChanged, this, &SetupPanel::readBack);
    connect(w_.night, &NightPanel::changed, this, &SetupPanel::readBack);
    connect(w_.colourSensor, &QCheckBox::toggled, this, &SetupPanel::readBack);
    connect(w_.element, &ElementPanel::changed, this, &SetupPanel::readBack);
}

bool SetupPanel::trainHasProblem() const { return w_.element->hasProblem(); }

void SetupPanel::setInputs(const PlannerInputs &inputs)
{
    inputs_ = inputs;
    takeKitValues();
    showInputs();
    // A setup from a file is checked as a typed one; when a box holds no number the pictures
    // show what the calculator makes of the setup as it is, and the problems line says why.
    if (!readBack())
        emit inputsChanged();
}

void SetupPanel::setKit(const storage::Kit &kit, const QString &problem)
{
    ownKit_ = kit;
    QStringList scopes, cameras;
    for (const storage::KitTelescope &t : kit.telescopes)
        scopes << t.name;
    for (const storage::KitCamera &c : kit.cameras)
        cameras << c.name;
    fillList(w_.telescope, scopes, planner::telescopeEntries());
    fillList(w_.camera, cameras, planner::cameraEntries());
    showProblemText(w_.kitProblem,
                    problem.isEmpty() ? QString() : tr("Your kit is not offered: %1").arg(problem));
    takeKitValues();
    updating_ = true;
    w_.element->setKit(kit);
    updating_ = false;
    showInputs();
    readBack();
}

void SetupPanel::takeKitValues()
{
    planner::Setup &s = inputs_.setup;
    if (const int t = kitTelescopeOf(ownKit_, s); t >= 0)
        s.takeTelescope(ownKit_.telescopes.at(t));
    if (const auto [c, bin] = kitCameraOf(ownKit_, s); c >= 0)
        s.takeCamera(ownKit_.cameras.at(c), bin);
}

int SetupPanel::kitTelescope() const { return kitPositionOf(w_.telescope); }
int SetupPanel::kitCamera() const { return kitPositionOf(w_.camera); }
int SetupPanel::kitBinning() const { return std::max(1, w_.binning->currentData(kKitRole).toInt()); }

void SetupPanel::showBinningModes(const storage::KitCamera *kitCamera)
{
    const QSignalBlocker quiet(w_.binning);
    w_.binning->clear();
    if (!kitCamera) {
        w_.binning->addItems(planner::binningModes());
        return;
    }
    for (const int n : kitCamera->binning)
        w_.binning->addItem(binningMode(n), n);
}

void SetupPanel::pick(const QString &ocular, const QString &d)
{
    if (w_.ocular->findText(ocular) < 0)
        return;
    setChoice(w_.ocular, ocular);
    setText(w_.d, d);
    updating_ = true;
    w_.element->setTrain(planner::Train());
    updating_ = false;
    readBack();
}

void SetupPanel::pickSetup(const planner::Setup &s)
{
    if (w_.ocular->findText(s.ocular) < 0)
        return;
    setChoice(w_.ocular, s.ocular);
    if (planner::hasVkp2Ocular(s))
        setText(w_.d, s.d);
    updating_ = true;
    w_.element->setTrain(s.train);
    updating_ = false;
    readBack();
}

void SetupPanel::showInputs()
{
    updating_ = true;
    const planner::Setup &s = inputs_.setup;
    const auto [camera, bin] = kitCameraOf(ownKit_, s);
    showBinningModes(camera >= 0 ? &ownKit_.cameras.at(camera) : nullptr);
    for (const planner::SetupFieldInfo &f : planner::kSetupFields) {
        if (auto *c = qobject_cast<QComboBox *>(kit_[fieldIndex(f.id)]))
            setChoice(c, s.*f.member);
        else
            setText(kitEdit(f.id), s.*f.member);
    }
    if (const int scope = kitTelescopeOf(ownKit_, s); scope >= 0)
        setKitChoice(w_.telescope, scope);
    if (camera >= 0) {
        setKitChoice(w_.camera, camera);
        setKitChoice(w_.binning, bin);
    }
    w_.seeing->setValue(inputs_.seeingArcsec);
    if (const int i = w_.target->findData(inputs_.target); i >= 0)
        w_.target->setCurrentIndex(i);
    setText(w_.targetSize, numbers::format(inputs_.typedTargetArcsec));
    w_.colourSensor->setChecked(inputs_.colourSensor);
    w_.night->show(inputs_);
    w_.element->setTrain(s.train);
    updating_ = false;
    updateEnabled();
}

void SetupPanel::updateEnabled()
{
    // A kit entry's values are the kit's, changed in the Kit dialog.
    const bool userScope = kitTelescope() < 0 && w_.telescope->currentText() == entries::UserDefined;
    w_.focalLength->setReadOnly(!userScope);
    w_.aperture->setReadOnly(!userScope);
    const bool userCamera = kitCamera() < 0 && w_.camera->currentText() == entries::UserDefined;
    for (QLineEdit *e : {w_.pixelWidth, w_.pixelHeight, w_.chipWidth, w_.chipHeight})
        e->setReadOnly(!userCamera);
    w_.binning->setEnabled(kitCamera() >= 0 ? w_.binning->count() > 1
                                            : planner::cameraHasBinning(w_.camera->currentText()));
    const bool prime = w_.ocular->currentText() == entries::NoVkp2;
    // An eyepiece in projection or an afocal camera takes the VKP-2's place.
    const ElementPanel::Kind element = w_.element->kind();
    const bool vkp2 = element != ElementPanel::Kind::Projection && element != ElementPanel::Kind::Afocal;
    w_.ocular->setEnabled(vkp2);
    w_.tl->setEnabled(!prime && vkp2);
    w_.d->setEnabled(!prime && vkp2);
    w_.element->setOcular(w_.ocular->currentText());
    w_.targetSize->setEnabled(w_.target->currentData().toString() == kTypedTarget);
    PlannerInputs shown = inputs_;
    shown.target = w_.target->currentData().toString();
    w_.night->setEnabledFor(shown.targetInfo(), w_.colourSensor->isChecked());
}

void SetupPanel::telescopeChosen()
{
    planner::Setup s = inputs_.setup;
    if (const int k = kitTelescope(); k >= 0)
        s.takeTelescope(ownKit_.telescopes.at(k));
    else
        s.chooseTelescope(w_.telescope->currentText());
    showTelescopeValues(s);
    readBack();
}

void SetupPanel::cameraChosen()
{
    planner::Setup s = inputs_.setup;
    const int k = kitCamera();
    showBinningModes(k >= 0 ? &ownKit_.cameras.at(k) : nullptr);
    if (k >= 0)
        s.takeCamera(ownKit_.cameras.at(k));
    else
        s.chooseCamera(w_.camera->currentText());
    w_.binning->setCurrentIndex(0);
    showCameraValues(s);
    readBack();
}

void SetupPanel::binningChosen()
{
    // A kit camera binned is typed as the binned frame.
    if (const int k = kitCamera(); k >= 0) {
        planner::Setup s = inputs_.setup;
        s.takeCamera(ownKit_.cameras.at(k), kitBinning());
        showCameraValues(s);
    }
    readBack();
}

void SetupPanel::showTelescopeValues(const planner::Setup &s)
{
    updating_ = true;
    setText(w_.focalLength, s.focalLength);
    setText(w_.aperture, s.aperture);
    updating_ = false;
}

void SetupPanel::showCameraValues(const planner::Setup &s)
{
    updating_ = true;
    setText(w_.pixelWidth, s.pixelWidth);
    setText(w_.pixelHeight, s.pixelHeight);
    setText(w_.chipWidth, s.chipWidth);
    setText(w_.chipHeight, s.chipHeight);
    updating_ = false;
}

bool SetupPanel::readBack()
{
    if (updating_)
        return false;
    updateEnabled();
    // Boxes that take part and hold no number; empty camera boxes are "None or Film".
    QStringList problems;
    const bool noCamera = w_.camera->currentText() == entries::NoneOrFilm;
    const bool prime = w_.ocular->currentText() == entries::NoVkp2;
    const bool typedTarget = w_.target->currentData().toString() == kTypedTarget;
    for (QLineEdit *e : typedBoxes()) {
        bool counts = true;
        if (noCamera && (e == w_.pixelWidth || e == w_.pixelHeight || e == w_.chipWidth
                         || e == w_.chipHeight))
            counts = false;
        if (prime && (e == w_.tl || e == w_.d))
            counts = false;
        if (!typedTarget && e == w_.targetSize)
            counts = false;
        const bool bad = counts && !numbers::isNumber(e->text());
        markField(e, bad ? tr("Not a number") : QString());
        if (bad)
            problems << tr("%1: “%2” is not a number.").arg(e->accessibleName(), e->text());
    }
    // The night's values are checked apart: their line says what is wrong there.
    const bool nightReads = w_.night->check();
    if (!problems.isEmpty() || !nightReads) {
        showProblems(problems);
        return false;
    }

    PlannerInputs in = inputs_;
    planner::Setup &s = in.setup;
    for (const planner::SetupFieldInfo &f : planner::kSetupFields) {
        const QWidget *widget = kit_[fieldIndex(f.id)];
        const auto *c = qobject_cast<const QComboBox *>(widget);
        s.*f.member = c ? c->currentText() : static_cast<const QLineEdit *>(widget)->text();
    }
    s.chooseOcular(s.ocular); // "No-VKP2" fixes both distances at 0
    if (const int k = kitTelescope(); k >= 0)
        s.takeTelescope(ownKit_.telescopes.at(k));
    else
        s.telescopeLabel.clear();
    if (const int k = kitCamera(); k >= 0)
        s.takeCamera(ownKit_.cameras.at(k), kitBinning());
    else
        s.cameraLabel.clear();
    in.seeingArcsec = w_.seeing->value();
    in.target = w_.target->currentData().toString();
    if (typedTarget)
        in.typedTargetArcsec = numbers::parse(w_.targetSize->text()).value_or(in.typedTargetArcsec);
    in.colourSensor = w_.colourSensor->isChecked();
    w_.night->readInto(in);
    // A train with a problem leaves the last sound one in use.
    if (const auto train = w_.element->train())
        s.train = *train;
    // The calculator's own checks: what it replaces is marked on the box and the pictures use
    // the calculator's value.
    const CheckedSetup checked = checkSetup(s);
    for (const Replaced &r : checked.replaced)
        markField(kitEdit(r.field), tr("The calculator uses %1 instead of %2").arg(r.used, r.typed));
    in.setup = checked.used;
    showProblems(checked.messages);
    inputs_ = in;
    emit inputsChanged();
    return true;
}

QLineEdit *SetupPanel::kitEdit(SetupField field) const
{
    return qobject_cast<QLineEdit *>(kit_[fieldIndex(field)]);
}

QList<QLineEdit *> SetupPanel::typedBoxes() const
{
    QList<QLineEdit *> out;
    for (const planner::SetupFieldInfo &f : planner::kSetupFields) {
        if (QLineEdit *e = kitEdit(f.id))
            out << e;
    }
    return out << w_.targetSize;
}

void SetupPanel::showProblems(const QStringList &problems)
{
    showProblemText(w_.problems, problems.join(QLatin1Char('\n')));
}

} // namespace vkp2::planner_window

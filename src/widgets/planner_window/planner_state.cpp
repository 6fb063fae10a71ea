#include "widgets/planner_window/planner_state.h"

#include "calculator/core/numbers.h"
#include "planner/filters.h"
#include "planner/mosaic.h"

#include <QLocale>
#include <QSettings>

#include <utility>

namespace vkp2::planner_window {

namespace {

// Marks states whose numbers are written with a dot.
const QString kNumberForm = QStringLiteral("NumberForm");
const QString kDot = QStringLiteral("dot");

QSettings plannerSettings() { return QSettings(QStringLiteral("VKP2"), kSettingsApplication); }

using planner::SetupField;

// The key each setup field is kept under, in the registry's order; states written before keep
// the same keys.
constexpr std::pair<SetupField, const char *> kStateKeys[] = {
    {SetupField::Telescope, "Telescope"},     {SetupField::FocalLength, "FocalLength"},
    {SetupField::Aperture, "Aperture"},       {SetupField::Ocular, "Ocular"},
    {SetupField::Tl, "TL"},                   {SetupField::D, "D"},
    {SetupField::Camera, "Camera"},           {SetupField::PixelWidth, "PixelWidth"},
    {SetupField::PixelHeight, "PixelHeight"}, {SetupField::ChipWidth, "ChipWidth"},
    {SetupField::ChipHeight, "ChipHeight"},   {SetupField::Binning, "Binning"},
};
static_assert(std::size(kStateKeys) == planner::kSetupFields.size());
static_assert([] {
    for (std::size_t i = 0; i < std::size(kStateKeys); ++i) {
        if (kStateKeys[i].first != planner::kSetupFields[i].id)
            return false;
    }
    return true;
}());

QString stateKey(SetupField field) { return QLatin1String(kStateKeys[static_cast<std::size_t>(field)].second); }

// The typed fields hold numbers; the lists hold entry names.
bool holdsNumber(SetupField field) { return boxOf(field).has_value(); }

std::optional<double> dotNumber(const QString &text)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = c.toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

// A box text written with a dot, as the box shows it in this locale. A text that is no number
// is kept as it is, so the panel can say so.
QString fromDotForm(const QString &text)
{
    const auto v = dotNumber(text);
    return v ? numbers::format(*v) : text;
}

// States from before the dot form hold the box text of whatever locale wrote them.
QString fromOldForm(const QString &text)
{
    if (numbers::isNumber(text))
        return text;
    const auto v = dotNumber(QString(text).replace(QLatin1Char(','), QLatin1Char('.')));
    return v ? numbers::format(*v) : text;
}

QString toDotForm(const QString &text)
{
    const auto v = numbers::parse(text);
    // The shortest text that reads back to the same number, never with an exponent.
    return v ? QString::number(*v, 'f', QLocale::FloatingPointShortest) : text;
}

// The train beside the VKP-2, under "Train": its rear, its lens (when it has one) and the
// numbers each needs; numbers with a dot, as QSettings writes doubles.
void writeTrain(QSettings &settings, const planner::Train &t)
{
    settings.remove(QStringLiteral("Train"));
    settings.beginGroup(QStringLiteral("Train"));
    settings.setValue(QStringLiteral("Rear"), int(t.rear));
    settings.setValue(QStringLiteral("EyepieceName"), t.eyepieceName);
    settings.setValue(QStringLiteral("Eyepiece"), t.eyepieceMm);
    settings.setValue(QStringLiteral("ProjectionDistance"), t.projectionDistanceMm);
    settings.setValue(QStringLiteral("CameraLens"), t.cameraLensMm);
    if (t.lens) {
        settings.setValue(QStringLiteral("LensKind"), int(t.lens->kind));
        settings.setValue(QStringLiteral("LensName"), t.lens->name);
        settings.setValue(QStringLiteral("Factor"), t.lens->factor);
        const auto optional = [&](const char *key, const std::optional<double> &v) {
            if (v)
                settings.setValue(QLatin1String(key), *v);
        };
        optional("DesignSpacing", t.lens->designSpacingMm);
        optional("FocalLength", t.lens->focalMm);
        optional("Spacing", t.lens->spacingMm);
    }
    settings.endGroup();
}

planner::Train readTrain(QSettings &settings)
{
    planner::Train t;
    settings.beginGroup(QStringLiteral("Train"));
    const auto number = [&](const char *key) -> std::optional<double> {
        bool ok = false;
        const double v = settings.value(QLatin1String(key)).toString().toDouble(&ok);
        return ok ? std::optional(v) : std::nullopt;
    };
    const int rear = settings.value(QStringLiteral("Rear"), 0).toInt();
    if (rear >= int(planner::Rear::Vkp2) && rear <= int(planner::Rear::Afocal))
        t.rear = planner::Rear(rear);
    t.eyepieceName = settings.value(QStringLiteral("EyepieceName")).toString();
    t.eyepieceMm = number("Eyepiece").value_or(0);
    t.projectionDistanceMm = number("ProjectionDistance").value_or(0);
    t.cameraLensMm = number("CameraLens").value_or(0);
    if (settings.contains(QStringLiteral("LensKind"))) {
        planner::Lens l;
        l.kind = settings.value(QStringLiteral("LensKind")).toInt() == int(planner::LensKind::Reducer)
                     ? planner::LensKind::Reducer
                     : planner::LensKind::Barlow;
        l.name = settings.value(QStringLiteral("LensName")).toString();
        l.factor = number("Factor").value_or(0);
        l.designSpacingMm = number("DesignSpacing");
        l.focalMm = number("FocalLength");
        l.spacingMm = number("Spacing");
        t.lens = l;
    }
    settings.endGroup();
    return t;
}

} // namespace

PlannerState readPlannerState()
{
    QSettings settings = plannerSettings();
    settings.beginGroup(QStringLiteral("Planner"));
    PlannerState st;
    PlannerInputs &in = st.inputs;
    const bool dotForm = settings.value(kNumberForm).toString() == kDot;
    st.hasOwnSetup = settings.contains(stateKey(SetupField::Telescope));
    if (st.hasOwnSetup) {
        for (const planner::SetupFieldInfo &f : planner::kSetupFields) {
            QString &text = in.setup.*f.member;
            const QString saved = settings.value(stateKey(f.id), text).toString();
            text = !holdsNumber(f.id) ? saved : dotForm ? fromDotForm(saved) : fromOldForm(saved);
        }
        // The kit entries the telescope and camera values came from.
        in.setup.telescopeLabel = settings.value(QStringLiteral("TelescopeLabel")).toString();
        in.setup.cameraLabel = settings.value(QStringLiteral("CameraLabel")).toString();
        in.setup.train = readTrain(settings);
    } else {
        in.setup.binning = settings.value(stateKey(SetupField::Binning), in.setup.binning).toString();
    }
    // QSettings writes doubles with a dot in every locale.
    const auto number = [&](const char *key, double fallback) {
        bool ok = false;
        const double v = settings.value(QLatin1String(key)).toString().toDouble(&ok);
        return ok ? v : fallback;
    };
    in.seeingArcsec = number("Seeing", in.seeingArcsec);
    in.target = settings.value(QStringLiteral("Target"), in.target).toString();
    in.typedTargetArcsec = number("TargetSize", in.typedTargetArcsec);
    in.colourSensor = settings.value(QStringLiteral("ColourSensor"), in.colourSensor).toBool();
    in.wavelengthNm = number("Wavelength", in.wavelengthNm);
    in.dateText = settings.value(QStringLiteral("Date")).toString();
    if (settings.contains(QStringLiteral("Filter"))) {
        in.filter = settings.value(QStringLiteral("Filter")).toString();
    } else {
        // Saved before filters were offered: the preset of that wavelength, if one has it.
        in.filter.clear();
        for (const planner::FilterPreset &f : planner::filterPresets()) {
            if (f.wavelengthNm == in.wavelengthNm)
                in.filter = QLatin1String(f.name);
        }
    }
    if (const auto rule = planner::findSamplingRule(settings.value(QStringLiteral("SamplingRule")).toString()))
        in.rule = *rule;
    if (const double f = number("ColourFactor", in.colourFactor); planner::isColourFactor(f))
        in.colourFactor = f;
    const int blur = settings.value(QStringLiteral("BlurKind"), 0).toInt();
    if (blur >= int(planner::Blur::Kind::Pixel) && blur <= int(planner::Blur::Kind::Arcsec))
        in.blur.kind = planner::Blur::Kind(blur);
    // What the engine refuses (edited by hand, or from an older build) falls back to the
    // default, so a start never opens on a night that cannot be planned.
    const auto accepted = [&](const char *key, double fallback, bool (*inRange)(double)) {
        const double v = number(key, fallback);
        return inRange(v) ? v : fallback;
    };
    in.blur.arcsec = accepted("BlurArcsec", planner::derotation_limits::kTypedBlurDefaultArcsec, planner::blurInRange);
    in.mosaic = settings.value(QStringLiteral("Mosaic"), in.mosaic).toBool();
    in.overlapPercent = accepted("Overlap", in.overlapPercent, planner::overlapInRange);
    in.rotationDeg = accepted("Rotation", in.rotationDeg, planner::rotationInRange);
    st.savedAt = QDateTime::fromString(settings.value(QStringLiteral("SavedAt")).toString(), Qt::ISODateWithMs);
    st.chartView = settings.value(QStringLiteral("ChartView"), 0).toInt() == 1 ? 1 : 0;
    st.goalKind = settings.value(QStringLiteral("GoalKind"), 0).toInt() == 1 ? 1 : 0;
    if (settings.contains(QStringLiteral("GoalValue")))
        st.goalValue = number("GoalValue", 0);
    st.geometry = settings.value(QStringLiteral("Geometry")).toByteArray();
    return st;
}

void writePlannerState(const PlannerState &st)
{
    QSettings settings = plannerSettings();
    settings.beginGroup(QStringLiteral("Planner"));
    const PlannerInputs &in = st.inputs;
    settings.setValue(kNumberForm, kDot);
    for (const planner::SetupFieldInfo &f : planner::kSetupFields) {
        const QString &text = in.setup.*f.member;
        settings.setValue(stateKey(f.id), holdsNumber(f.id) ? toDotForm(text) : text);
    }
    settings.setValue(QStringLiteral("TelescopeLabel"), in.setup.telescopeLabel);
    settings.setValue(QStringLiteral("CameraLabel"), in.setup.cameraLabel);
    writeTrain(settings, in.setup.train);
    settings.setValue(QStringLiteral("Target"), in.target);
    settings.setValue(QStringLiteral("Seeing"), in.seeingArcsec);
    settings.setValue(QStringLiteral("TargetSize"), in.typedTargetArcsec);
    settings.setValue(QStringLiteral("ColourSensor"), in.colourSensor);
    settings.setValue(QStringLiteral("Wavelength"), in.wavelengthNm);
    // An empty date is "now": each start plans for the moment it starts.
    settings.setValue(QStringLiteral("Date"), in.dateText);
    settings.setValue(QStringLiteral("Filter"), in.filter);
    settings.setValue(QStringLiteral("SamplingRule"), QLatin1String(planner::samplingRuleInfo(in.rule).key));
    settings.setValue(QStringLiteral("ColourFactor"), in.colourFactor);
    settings.setValue(QStringLiteral("BlurKind"), int(in.blur.kind));
    settings.setValue(QStringLiteral("BlurArcsec"), in.blur.arcsec);
    settings.setValue(QStringLiteral("Mosaic"), in.mosaic);
    settings.setValue(QStringLiteral("Overlap"), in.overlapPercent);
    settings.setValue(QStringLiteral("Rotation"), in.rotationDeg);
    settings.setValue(QStringLiteral("SavedAt"), st.savedAt.toUTC().toString(Qt::ISODateWithMs));
    settings.setValue(QStringLiteral("ChartView"), st.chartView);
    settings.setValue(QStringLiteral("GoalKind"), st.goalKind);
    if (st.goalValue)
        settings.setValue(QStringLiteral("GoalValue"), *st.goalValue);
    settings.setValue(QStringLiteral("Geometry"), st.geometry);
}

PlannerInputs withCalculatorSetup(PlannerInputs inputs, const planner::Setup &calculator)
{
    const QString binning = inputs.setup.binning;
    const planner::Train train = inputs.setup.train;
    inputs.setup = calculator;
    inputs.setup.binning = binning;
    inputs.setup.train = train;
    return inputs;
}

PlannerInputs startingInputs(const PlannerState &own, const std::optional<planner::Setup> &calculator,
                             const QDateTime &calculatorSavedAt)
{
    if (!calculator)
        return own.inputs;
    // A state saved before the time was kept cannot be compared; the calculator's setup led then.
    const bool ownNewer = own.hasOwnSetup && own.savedAt.isValid() && calculatorSavedAt.isValid()
                          && own.savedAt > calculatorSavedAt;
    return ownNewer ? own.inputs : withCalculatorSetup(own.inputs, *calculator);
}

} // namespace vkp2::planner_window

#include "widgets/planner_window/night_panel.h"

#include "calculator/core/numbers.h"
#include "planner/ephemeris.h"
#include "planner/filters.h"
#include "planner/mosaic.h"
#include "planner/mosaic_targets.h"
#include "planner/words.h"
#include "widgets/planner_window/field_mark.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace vkp2::planner_window {

namespace {

// The blur list's entries, in Blur::Kind's order.
constexpr planner::Blur::Kind kBlurKinds[] = {planner::Blur::Kind::Pixel, planner::Blur::Kind::Dawes,
                                              planner::Blur::Kind::Arcsec};

QLineEdit *edit(const QString &name)
{
    auto *e = new QLineEdit;
    e->setAccessibleName(name);
    e->setObjectName(name);
    return e;
}

QComboBox *list(const QString &name)
{
    auto *c = new QComboBox;
    // Long entries (the sampling rules) must not widen the whole panel.
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(14);
    c->setAccessibleName(name);
    c->setObjectName(name);
    return c;
}

std::optional<planner::FilterPreset> presetNamed(const QString &name)
{
    for (const planner::FilterPreset &f : planner::filterPresets()) {
        if (name == QLatin1String(f.name))
            return f;
    }
    return std::nullopt;
}

std::optional<double> numberIn(const QLineEdit *e) { return numbers::parse(e->text()); }

void setText(QLineEdit *e, const QString &text)
{
    if (e->text() != text)
        e->setText(text);
}

} // namespace

NightPanel::NightPanel(QWidget *parent) : QWidget(parent), now_(QDateTime::currentDateTimeUtc())
{
    build();
}

void NightPanel::build()
{
    w_.date = edit(tr("Date"));
    w_.date->setToolTip(tr("The night planned for, in UTC unless an offset is given: 2027-01-10T22:00Z, "
                           "2027-01-10T23:00+01:00, 2027-01-10 22:00 or 2027-01-10; %1.")
                            .arg(planner::ephemerisYearsText()));
    w_.date->setMinimumWidth(w_.date->fontMetrics().horizontalAdvance(QStringLiteral("2027-01-10T22:00:00Z")) + 12);
    w_.now = new QPushButton(tr("Now"));
    w_.now->setObjectName(QStringLiteral("Now"));
    w_.now->setAccessibleName(tr("Date: now"));
    w_.filter = list(tr("Filter"));
    for (const planner::FilterPreset &f : planner::filterPresets())
        w_.filter->addItem(tr("%1 (%2 nm)").arg(planner::Words::tr(f.name), numbers::format(f.wavelengthNm)),
                           QLatin1String(f.name));
    w_.filter->addItem(tr("Typed"), QString());
    w_.wavelength = edit(tr("Wavelength (nm)"));
    w_.rule = list(tr("Sampling rule"));
    for (const planner::SamplingRuleInfo &r : planner::samplingRules()) {
        w_.rule->addItem(planner::Words::tr(r.name), int(r.id));
        w_.rule->setItemData(w_.rule->count() - 1, planner::Words::tr(r.source), Qt::ToolTipRole);
    }
    w_.colourFactor = list(tr("Colour factor"));
    for (const double f : planner::colour_factors::kChoices)
        w_.colourFactor->addItem(QStringLiteral("× %1").arg(numbers::format(f)), f);
    w_.blur = list(tr("Blur for derotation"));
    w_.blur->addItems({tr("One pixel"), tr("Dawes limit"), tr("Typed (″)")});
    w_.blurArcsec = edit(tr("Blur (arcsec)"));
    w_.mosaic = new QCheckBox(tr("Full-disc mosaic"));
    w_.mosaic->setObjectName(QStringLiteral("Mosaic"));
    w_.mosaic->setAccessibleName(tr("Full-disc mosaic"));
    w_.overlap = edit(tr("Overlap (%)"));
    w_.rotation = edit(tr("Rotation (°)"));
    w_.problems = problemLabel(QStringLiteral("NightProblems"), tr("Night problems"));

    auto *box = new QGroupBox(tr("Night, filter and mosaic"));
    auto *form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(w_.date, 1);
    dateRow->addWidget(w_.now);
    form->addRow(tr("Date:"), dateRow);
    form->addRow(tr("Filter:"), w_.filter);
    auto *wavelengthLabel = new QLabel(tr("Wa&velength (nm):"));
    wavelengthLabel->setBuddy(w_.wavelength);
    form->addRow(wavelengthLabel, w_.wavelength);
    form->addRow(tr("Sampling rule:"), w_.rule);
    form->addRow(tr("Colour factor:"), w_.colourFactor);
    form->addRow(tr("Blur for derotation:"), w_.blur);
    form->addRow(tr("Blur (″):"), w_.blurArcsec);
    form->addRow(w_.mosaic);
    form->addRow(tr("Overlap (%):"), w_.overlap);
    form->addRow(tr("Rotation (°):"), w_.rotation);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);
    layout->addWidget(w_.problems);

    for (QLineEdit *e : {w_.date, w_.wavelength, w_.blurArcsec, w_.overlap, w_.rotation})
        connect(e, &QLineEdit::textEdited, this, &NightPanel::changed);
    connect(w_.date, &QLineEdit::textEdited, this, [this] { dateIsNow_ = false; });
    for (QComboBox *c : {w_.filter, w_.rule, w_.colourFactor, w_.blur})
        connect(c, &QComboBox::activated, this, [this] {
            updateEnabled();
            emit changed();
        });
    connect(w_.filter, &QComboBox::activated, this, [this] {
        // A preset shows its wavelength; Typed keeps it to start from.
        if (const auto preset = presetNamed(w_.filter->currentData().toString()))
            setText(w_.wavelength, numbers::format(preset->wavelengthNm));
    });
    connect(w_.mosaic, &QCheckBox::toggled, this, [this] {
        updateEnabled();
        emit changed();
    });
    connect(w_.now, &QPushButton::clicked, this, &NightPanel::nowPressed);
}

void NightPanel::nowPressed()
{
    now_ = QDateTime::currentDateTimeUtc();
    dateIsNow_ = true;
    setText(w_.date, planner::momentIsoText(now_));
    emit changed();
}

void NightPanel::show(const PlannerInputs &in)
{
    const QSignalBlocker quiet(this);
    if (in.now.isValid())
        now_ = in.now;
    dateIsNow_ = in.dateText.trimmed().isEmpty();
    setText(w_.date, dateIsNow_ ? planner::momentIsoText(now_) : in.dateText);
    // The wavelength is what counts: a preset that does not have it is none.
    const auto preset = presetNamed(in.filter);
    const int filter = preset && preset->wavelengthNm == in.wavelengthNm ? w_.filter->findData(in.filter) : -1;
    w_.filter->setCurrentIndex(filter >= 0 ? filter : w_.filter->count() - 1);
    setText(w_.wavelength, numbers::format(in.wavelengthNm));
    w_.rule->setCurrentIndex(std::max(0, w_.rule->findData(int(in.rule))));
    w_.colourFactor->setCurrentIndex(std::max(0, w_.colourFactor->findData(in.colourFactor)));
    w_.blur->setCurrentIndex(int(in.blur.kind));
    setText(w_.blurArcsec, numbers::format(planner::blurInRange(in.blur.arcsec)
                                               ? in.blur.arcsec
                                               : planner::derotation_limits::kTypedBlurDefaultArcsec));
    {
        const QSignalBlocker mosaicQuiet(w_.mosaic);
        w_.mosaic->setChecked(in.mosaic);
    }
    setText(w_.overlap, numbers::format(in.overlapPercent));
    setText(w_.rotation, numbers::format(in.rotationDeg));
    updateEnabled();
}

void NightPanel::setEnabledFor(const planner::Target &target, bool colourSensor)
{
    mosaicAllowed_ = planner::takesMosaic(target);
    colourAllowed_ = colourSensor;
    updateEnabled();
}

void NightPanel::updateEnabled()
{
    w_.wavelength->setEnabled(w_.filter->currentData().toString().isEmpty());
    w_.colourFactor->setEnabled(colourAllowed_);
    w_.blurArcsec->setEnabled(w_.blur->currentIndex() == int(planner::Blur::Kind::Arcsec));
    w_.mosaic->setEnabled(mosaicAllowed_);
    const bool mosaic = mosaicAllowed_ && w_.mosaic->isChecked();
    w_.overlap->setEnabled(mosaic);
    w_.rotation->setEnabled(mosaic);
}

bool NightPanel::check()
{
    using namespace planner;
    QStringList problems;
    const auto mark = [&](QLineEdit *e, const QString &why) {
        // A box that takes no part is never marked.
        const QString reason = e->isEnabled() ? why : QString();
        markField(e, reason);
        if (!reason.isEmpty())
            problems << QStringLiteral("%1: %2").arg(e->accessibleName(), reason);
    };
    QString dateWhy;
    if (!dateIsNow_) {
        const auto moment = parseMoment(w_.date->text());
        if (!moment)
            dateWhy = tr("“%1” is not a date; e.g. 2027-01-10T22:00Z.").arg(w_.date->text());
        else if (!inEphemerisYears(*moment))
            dateWhy = tr("%1 is outside the ephemeris: %2.").arg(w_.date->text().trimmed(), ephemerisYearsText());
    }
    mark(w_.date, dateWhy);
    const auto nm = numberIn(w_.wavelength);
    mark(w_.wavelength, nm && wavelengthInRange(*nm)
                            ? QString()
                            : tr("“%1” is not a wavelength from %2 to %3 nm.")
                                  .arg(w_.wavelength->text(), numbers::format(filter_limits::kWavelengthLowestNm),
                                       numbers::format(filter_limits::kWavelengthHighestNm)));
    const auto blur = numberIn(w_.blurArcsec);
    mark(w_.blurArcsec,
         blur && blurInRange(*blur) ? QString() : tr("“%1” is no blur above 0″.").arg(w_.blurArcsec->text()));
    const auto overlap = numberIn(w_.overlap);
    mark(w_.overlap, overlap && overlapInRange(*overlap)
                         ? QString()
                         : tr("“%1” is not an overlap from %2 to %3 %.")
                               .arg(w_.overlap->text(), numbers::format(mosaic_limits::kOverlapLowestPercent),
                                    numbers::format(mosaic_limits::kOverlapHighestPercent)));
    const auto rotation = numberIn(w_.rotation);
    mark(w_.rotation, rotation && rotationInRange(*rotation) ? QString()
                                                             : tr("“%1” is not an angle.").arg(w_.rotation->text()));
    showProblemText(w_.problems, problems.join(QLatin1Char('\n')));
    return problems.isEmpty();
}

void NightPanel::readInto(PlannerInputs &in) const
{
    in.now = now_;
    in.dateText = dateIsNow_ ? QString() : w_.date->text().trimmed();
    in.filter = w_.filter->currentData().toString();
    if (const auto preset = presetNamed(in.filter))
        in.wavelengthNm = preset->wavelengthNm;
    else if (const auto nm = numberIn(w_.wavelength))
        in.wavelengthNm = *nm;
    in.rule = planner::SamplingRule(w_.rule->currentData().toInt());
    in.colourFactor = w_.colourFactor->currentData().toDouble();
    in.blur.kind = kBlurKinds[std::clamp(w_.blur->currentIndex(), 0, 2)];
    if (const auto blur = numberIn(w_.blurArcsec); blur && planner::blurInRange(*blur))
        in.blur.arcsec = *blur;
    in.mosaic = w_.mosaic->isChecked();
    if (const auto v = numberIn(w_.overlap); v && planner::overlapInRange(*v) && w_.overlap->isEnabled())
        in.overlapPercent = *v;
    if (const auto v = numberIn(w_.rotation); v && planner::rotationInRange(*v) && w_.rotation->isEnabled())
        in.rotationDeg = *v;
}

} // namespace vkp2::planner_window

#include "widgets/planner_window/element_panel.h"

#include "calculator/core/numbers.h"
#include "planner/train_setup.h"
#include "planner/words.h"
#include "widgets/planner_window/field_mark.h"
#include "widgets/planner_window/kit_choices.h"
#include "widgets/planner_window/train_choices.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <array>

namespace vkp2::planner_window {

using planner::TrainField;

namespace {

// What a kind starts with when the kit has none of it: a common Barlow and reducer, a common
// eyepiece, and a camera's standard lens.
constexpr double kStartBarlow = 2, kStartReducer = 0.63, kStartDesignSpacing = 100;
constexpr double kStartEyepiece = 10, kStartAfocalEyepiece = 25, kStartCameraLens = 50;

QLineEdit *numberBox(TrainField field)
{
    auto *e = new QLineEdit;
    const QString name = planner::Words::tr(planner::trainField(field).label);
    e->setAccessibleName(name);
    e->setObjectName(QLatin1String(planner::trainField(field).key));
    return e;
}

void setText(QLineEdit *e, const QString &text)
{
    if (e->text() != text)
        e->setText(text);
}

QString number(const std::optional<double> &v) { return v ? numbers::format(numbers::round2(*v)) : QString(); }

} // namespace

ElementPanel::ElementPanel(QWidget *parent) : QGroupBox(tr("Element"), parent)
{
    setObjectName(QStringLiteral("Element"));
    w_.kind = new QComboBox;
    w_.kind->addItems({tr("VKP-2 only"), tr("Barlow"), tr("Reducer"), tr("Eyepiece projection"), tr("Afocal")});
    w_.kind->setAccessibleName(tr("Element type"));
    w_.kind->setObjectName(QStringLiteral("ElementType"));
    w_.entry = new QComboBox;
    w_.entry->setAccessibleName(tr("Element from the kit"));
    w_.entry->setObjectName(QStringLiteral("ElementEntry"));
    w_.factor = numberBox(TrainField::Factor);
    w_.designSpacing = numberBox(TrainField::DesignSpacing);
    w_.spacing = numberBox(TrainField::Spacing);
    w_.eyepiece = numberBox(TrainField::ProjectionEyepiece);
    w_.distance = numberBox(TrainField::ProjectionDistance);
    w_.cameraLens = numberBox(TrainField::AfocalLens);
    w_.spacing->setPlaceholderText(tr("at the design spacing"));
    w_.where = new QLabel;
    w_.where->setObjectName(QStringLiteral("ElementWhere"));
    w_.where->setAccessibleName(tr("Where the element sits"));
    w_.where->setWordWrap(true);
    w_.problem = problemLabel(QStringLiteral("ElementProblem"), tr("Element problem"));

    form_ = new QFormLayout(this);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const auto row = [this](const QString &label, QWidget *field) {
        auto *l = new QLabel(label);
        l->setBuddy(field);
        form_->addRow(l, field);
    };
    row(tr("Element t&ype:"), w_.kind);
    row(tr("&Pick from the kit:"), w_.entry);
    for (QLineEdit *e : {w_.factor, w_.designSpacing, w_.spacing, w_.eyepiece, w_.distance, w_.cameraLens})
        row(e->accessibleName(), e);
    form_->addRow(w_.where);
    form_->addRow(w_.problem);
    updateRows();

    connect(w_.kind, &QComboBox::activated, this, &ElementPanel::kindChosen);
    connect(w_.entry, &QComboBox::activated, this, &ElementPanel::entryChosen);
    for (QLineEdit *e : {w_.factor, w_.designSpacing, w_.spacing, w_.eyepiece, w_.distance, w_.cameraLens})
        connect(e, &QLineEdit::textEdited, this, &ElementPanel::read);
}

ElementPanel::Kind ElementPanel::kind() const { return static_cast<Kind>(w_.kind->currentIndex()); }

QLineEdit *ElementPanel::boxOf(TrainField field) const
{
    switch (field) {
    case TrainField::Factor: return w_.factor;
    case TrainField::DesignSpacing: return w_.designSpacing;
    case TrainField::Spacing: return w_.spacing;
    case TrainField::ProjectionEyepiece:
    case TrainField::AfocalEyepiece: return w_.eyepiece;
    case TrainField::ProjectionDistance: return w_.distance;
    case TrainField::AfocalLens: return w_.cameraLens;
    }
    return nullptr;
}

const storage::KitLens *ElementPanel::kitLens() const
{
    const int k = kitPositionOf(w_.entry);
    return (kind() == Kind::Barlow || kind() == Kind::Reducer) && k >= 0 && k < kit_.lenses.size() ? &kit_.lenses.at(k)
                                                                                                   : nullptr;
}

const storage::KitEyepiece *ElementPanel::kitEyepiece() const
{
    const int k = kitPositionOf(w_.entry);
    return (kind() == Kind::Projection || kind() == Kind::Afocal) && k >= 0 && k < kit_.eyepieces.size()
               ? &kit_.eyepieces.at(k)
               : nullptr;
}

void ElementPanel::setKit(const storage::Kit &kit)
{
    kit_ = kit;
    if (train_)
        setTrain(*train_);
    else
        fillEntries();
}

void ElementPanel::fillEntries()
{
    const QSignalBlocker quiet(w_.entry);
    w_.entry->clear();
    const Kind k = kind();
    if (k == Kind::Barlow || k == Kind::Reducer) {
        for (int i = 0; i < kit_.lenses.size(); ++i) {
            if (kit_.lenses.at(i).isBarlow() == (k == Kind::Barlow))
                w_.entry->addItem(kit_.lenses.at(i).name, i);
        }
    } else {
        for (int i = 0; i < kit_.eyepieces.size(); ++i)
            w_.entry->addItem(kit_.eyepieces.at(i).name, i);
    }
    w_.entry->addItem(tr("Typed values"));
}

void ElementPanel::setTrain(const planner::Train &t)
{
    updating_ = true;
    Kind k = Kind::Vkp2Only;
    if (t.rear == planner::Rear::Projection)
        k = Kind::Projection;
    else if (t.rear == planner::Rear::Afocal)
        k = Kind::Afocal;
    else if (t.lens)
        k = t.lens->kind == planner::LensKind::Barlow ? Kind::Barlow : Kind::Reducer;
    w_.kind->setCurrentIndex(int(k));
    shownKind_ = k;
    fillEntries();
    // A kit entry by its name; one the kit no longer holds is shown as typed values.
    const QString name = t.lens ? t.lens->name : t.eyepieceName;
    int found = -1;
    for (int i = 0; i < w_.entry->count(); ++i) {
        if (w_.entry->itemData(i, kKitRole).isValid() && w_.entry->itemText(i) == name)
            found = i;
    }
    w_.entry->setCurrentIndex(found >= 0 ? found : w_.entry->count() - 1);
    if (t.lens) {
        setText(w_.factor, numbers::format(t.lens->factor));
        setText(w_.designSpacing, number(planner::designSpacingOf(*t.lens)));
        setText(w_.spacing, number(t.lens->spacingMm));
    }
    if (t.rear != planner::Rear::Vkp2)
        setText(w_.eyepiece, numbers::format(t.eyepieceMm));
    if (t.rear == planner::Rear::Projection)
        setText(w_.distance, numbers::format(t.projectionDistanceMm));
    if (t.rear == planner::Rear::Afocal)
        setText(w_.cameraLens, numbers::format(t.cameraLensMm));
    showEntryValues();
    updating_ = false;
    updateRows();
    read();
}

void ElementPanel::kindChosen()
{
    // Choosing the kind shown again keeps what is typed.
    if (kind() == shownKind_)
        return;
    shownKind_ = kind();
    updating_ = true;
    fillEntries();
    w_.entry->setCurrentIndex(0); // the kit's first of that kind, else typed values
    const Kind k = kind();
    if (!kitLens() && !kitEyepiece()) {
        // Typed values start from a common element of the kind.
        if (k == Kind::Barlow || k == Kind::Reducer) {
            setText(w_.factor, numbers::format(k == Kind::Barlow ? kStartBarlow : kStartReducer));
            setText(w_.designSpacing, numbers::format(kStartDesignSpacing));
        }
        if (k == Kind::Projection || k == Kind::Afocal)
            setText(w_.eyepiece, numbers::format(k == Kind::Projection ? kStartEyepiece : kStartAfocalEyepiece));
    }
    showEntryValues();
    if (k == Kind::Barlow || k == Kind::Reducer)
        w_.spacing->clear();
    if (k == Kind::Projection)
        setText(w_.distance, numbers::format(startingProjectionDistance(
                                 numbers::parse(w_.eyepiece->text()).value_or(kStartEyepiece))));
    if (k == Kind::Afocal && w_.cameraLens->text().isEmpty())
        setText(w_.cameraLens, numbers::format(kStartCameraLens));
    updating_ = false;
    updateRows();
    read();
}

void ElementPanel::entryChosen()
{
    updating_ = true;
    showEntryValues();
    updating_ = false;
    updateRows();
    read();
}

void ElementPanel::showEntryValues()
{
    // A kit entry's own values are the kit's, changed in the Kit dialog.
    if (const storage::KitLens *l = kitLens()) {
        const planner::Lens lens = planner::lensOf(*l);
        setText(w_.factor, numbers::format(lens.factor));
        setText(w_.designSpacing, number(planner::designSpacingOf(lens)));
    }
    if (const storage::KitEyepiece *e = kitEyepiece())
        setText(w_.eyepiece, numbers::format(e->focalLength));
    const bool typed = w_.entry->currentIndex() == w_.entry->count() - 1;
    for (QLineEdit *e : {w_.factor, w_.designSpacing, w_.eyepiece})
        e->setReadOnly(!typed);
}

void ElementPanel::setOcular(const QString &ocular)
{
    ocular_ = ocular;
    updateRows();
}

void ElementPanel::updateRows()
{
    const Kind k = kind();
    const bool lens = k == Kind::Barlow || k == Kind::Reducer;
    const std::array<std::pair<QWidget *, bool>, 7> rows{{
        {w_.entry, k != Kind::Vkp2Only},
        {w_.factor, lens},
        {w_.designSpacing, lens},
        {w_.spacing, lens},
        {w_.eyepiece, k == Kind::Projection || k == Kind::Afocal},
        {w_.distance, k == Kind::Projection},
        {w_.cameraLens, k == Kind::Afocal},
    }};
    // The shown number boxes take Alt+1, Alt+2, ... in order; hidden ones take none.
    int digit = 1;
    for (const auto &[field, shown] : rows) {
        form_->setRowVisible(field, shown);
        auto *label = qobject_cast<QLabel *>(form_->labelForField(field));
        if (!label || field == w_.entry)
            continue;
        const QString name = field->accessibleName() + QLatin1Char(':');
        label->setText(shown ? QStringLiteral("&%1 %2").arg(digit++).arg(name) : name);
    }
    QString where;
    if (lens)
        where = ocular_ == entries::NoVkp2
                    ? tr("The lens alone at prime focus (ocular %1).").arg(entries::NoVkp2)
                    : tr("The lens in front of the VKP-2 ocular %1; choose the ocular %2 for the lens alone.")
                          .arg(ocular_, entries::NoVkp2);
    else if (k != Kind::Vkp2Only)
        where = tr("In the VKP-2's place: its ocular and distances are not used.");
    w_.where->setText(where);
    form_->setRowVisible(w_.where, !where.isEmpty());
}

void ElementPanel::read()
{
    if (updating_)
        return;
    for (QLineEdit *e : {w_.factor, w_.designSpacing, w_.spacing, w_.eyepiece, w_.distance, w_.cameraLens})
        markField(e, QString());
    QString problem;
    QLineEdit *bad = nullptr;
    // A box that must hold a number, or may be empty when `optional`.
    const auto read = [&](QLineEdit *e, bool optional = false) -> std::optional<double> {
        const QString text = e->text().trimmed();
        if (optional && text.isEmpty())
            return std::nullopt;
        const auto v = numbers::parse(text);
        if (!v && !bad) {
            bad = e;
            problem = tr("%1: “%2” is not a number.").arg(e->accessibleName(), e->text());
        }
        return v;
    };
    planner::Train t;
    const Kind k = kind();
    if (k == Kind::Barlow || k == Kind::Reducer) {
        planner::Lens lens;
        if (const storage::KitLens *kitLens = this->kitLens()) {
            lens = planner::lensOf(*kitLens);
        } else {
            lens.kind = k == Kind::Barlow ? planner::LensKind::Barlow : planner::LensKind::Reducer;
            lens.factor = read(w_.factor).value_or(0);
            lens.designSpacingMm = read(w_.designSpacing, true);
        }
        lens.spacingMm = read(w_.spacing, true);
        t.lens = lens;
    } else if (k == Kind::Projection || k == Kind::Afocal) {
        t.rear = k == Kind::Projection ? planner::Rear::Projection : planner::Rear::Afocal;
        if (const storage::KitEyepiece *e = kitEyepiece()) {
            t.eyepieceName = e->name;
            t.eyepieceMm = e->focalLength;
        } else {
            t.eyepieceMm = read(w_.eyepiece).value_or(0);
        }
        if (k == Kind::Projection)
            t.projectionDistanceMm = read(w_.distance).value_or(0);
        else
            t.cameraLensMm = read(w_.cameraLens).value_or(0);
    }
    if (!bad) {
        if (const auto p = planner::problemOf(t)) {
            bad = boxOf(p->field);
            problem = p->what;
        }
    }
    if (bad)
        markField(bad, problem);
    showProblemText(w_.problem, problem);
    train_ = bad ? std::nullopt : std::optional(t);
    emit changed();
}

} // namespace vkp2::planner_window

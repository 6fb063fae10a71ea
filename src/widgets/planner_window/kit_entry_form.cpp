#include "widgets/planner_window/kit_entry_form.h"

#include "calculator/core/numbers.h"
#include "widgets/planner_window/field_mark.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <cmath>

namespace vkp2::planner_window {

using storage::KitKind;

namespace {

enum class FieldType { Text, Number, OptionalNumber, Count, Colour, Binning };

struct EntryBox {
    const char *id;    // the box's object name
    const char *label; // with its mnemonic
    FieldType type;
};

const QList<EntryBox> &boxesOf(KitKind kind)
{
    static const QList<EntryBox> telescope{{"Name", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "&Name:"), FieldType::Text},
                                            {"FocalLength", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "&Focal length (mm):"), FieldType::Number},
                                            {"Aperture", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "&Aperture (mm):"), FieldType::Number}};
    static const QList<EntryBox> camera{{"Name", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "&Name:"), FieldType::Text},
                                         {"PixelWidth", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "Pixel &width (µm):"), FieldType::Number},
                                         {"PixelHeight", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "Pixel &height (µm):"), FieldType::Number},
                                         {"Width", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "Pixels &across:"), FieldType::Count},
                                         {"Height", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "Pixels &down:"), FieldType::Count},
                                         {"Colour", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "&Sensor:"), FieldType::Colour},
                                         {"Binning", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "&Binning (N of NxN, e.g. 1, 2, 4):"), FieldType::Binning}};
    static const QList<EntryBox> lens{{"Name", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "&Name:"), FieldType::Text},
                                       {"Factor", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "&Factor (above 1 a Barlow, below 1 a reducer):"), FieldType::Number},
                                       {"FocalLength", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "F&ocal length (mm, optional):"), FieldType::OptionalNumber},
                                       {"DesignSpacing", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "Design &spacing (mm, optional):"), FieldType::OptionalNumber}};
    static const QList<EntryBox> eyepiece{{"Name", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "&Name:"), FieldType::Text},
                                           {"FocalLength", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "&Focal length (mm):"), FieldType::Number},
                                           {"ApparentField", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "&Apparent field (°, optional):"), FieldType::OptionalNumber},
                                           {"FieldStop", QT_TRANSLATE_NOOP("vkp2::planner_window::KitEntryForm", "Field s&top (mm, optional):"), FieldType::OptionalNumber}};
    switch (kind) {
    case KitKind::Camera:
        return camera;
    case KitKind::Lens:
        return lens;
    case KitKind::Eyepiece:
        return eyepiece;
    case KitKind::Telescope:
        break;
    }
    return telescope;
}

// Entries that are surely kept, to tell which box an entry's problem is about.
KitEntry sampleEntry(KitKind kind)
{
    switch (kind) {
    case KitKind::Camera:
        return storage::KitCamera{QStringLiteral("Camera"), 3.75, 3.75, 1280, 960, storage::Colour::Unknown, {1}};
    case KitKind::Lens:
        return storage::KitLens{QStringLiteral("Barlow"), 2, std::nullopt, std::nullopt};
    case KitKind::Eyepiece:
        return storage::KitEyepiece{QStringLiteral("Eyepiece"), 10, std::nullopt, std::nullopt};
    case KitKind::Telescope:
        break;
    }
    return storage::KitTelescope{QStringLiteral("Telescope"), 1000, 100};
}

QString number(double v) { return v == 0 ? QString() : numbers::format(v); }
QString number(const std::optional<double> &v) { return v ? numbers::format(*v) : QString(); }
QString count(int n) { return n == 0 ? QString() : QString::number(n); }

// An entry's values as the boxes hold them, in form order.
QStringList textsOf(const KitEntry &entry)
{
    struct Texts {
        QStringList operator()(const storage::KitTelescope &t) const
        {
            return {t.name, number(t.focalLength), number(t.aperture)};
        }
        QStringList operator()(const storage::KitCamera &c) const
        {
            QStringList bins;
            for (const int n : c.binning)
                bins << QString::number(n);
            return {c.name, number(c.pixelWidth), number(c.pixelHeight), count(c.width), count(c.height),
                    QString::number(int(c.colour)), bins.join(QStringLiteral(", "))};
        }
        QStringList operator()(const storage::KitLens &l) const
        {
            return {l.name, number(l.factor), number(l.focalLength), number(l.designSpacing)};
        }
        QStringList operator()(const storage::KitEyepiece &e) const
        {
            return {e.name, number(e.focalLength), number(e.apparentField), number(e.fieldStop)};
        }
    };
    return std::visit(Texts{}, entry);
}

// Reads the boxes' texts; the positions of those that hold no value of their type go to `bad`.
class Reader {
public:
    Reader(const QStringList &texts, QList<int> &bad) : t_(texts), bad_(bad) {}
    QString text(int i) const { return t_.value(i).trimmed(); }
    double num(int i) const { return opt(i, false).value_or(0); }
    std::optional<double> opt(int i, bool optional = true) const
    {
        if (optional && text(i).isEmpty())
            return std::nullopt;
        const auto v = numbers::parse(text(i));
        if (!v)
            bad_ << i;
        return v;
    }
    int whole(int i) const
    {
        bool ok = false;
        const int n = QLocale().toInt(text(i), &ok);
        if (!ok)
            bad_ << i;
        return n;
    }
    QList<int> bins(int i) const
    {
        QList<int> out;
        const QStringList parts = text(i).split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts);
        for (const QString &p : parts) {
            bool ok = false;
            out << p.toInt(&ok);
            if (!ok) {
                bad_ << i;
                return {1};
            }
        }
        return out.isEmpty() ? QList<int>{1} : out;
    }

private:
    const QStringList &t_;
    QList<int> &bad_;
};

KitEntry entryOf(KitKind kind, const QStringList &t, QList<int> &bad)
{
    const Reader r(t, bad);
    switch (kind) {
    case KitKind::Camera:
        return storage::KitCamera{r.text(0), r.num(1), r.num(2), r.whole(3), r.whole(4),
                                  storage::Colour(t.value(5).toInt()), r.bins(6)};
    case KitKind::Lens:
        return storage::KitLens{r.text(0), r.num(1), r.opt(2), r.opt(3)};
    case KitKind::Eyepiece:
        return storage::KitEyepiece{r.text(0), r.num(1), r.opt(2), r.opt(3)};
    case KitKind::Telescope:
        break;
    }
    return storage::KitTelescope{r.text(0), r.num(1), r.num(2)};
}

// The entry's problem when it reads, else empty; `read` says whether it did.
QString problemWith(KitKind kind, const QStringList &texts, bool *read = nullptr)
{
    QList<int> bad;
    const KitEntry e = entryOf(kind, texts, bad);
    if (read)
        *read = bad.isEmpty();
    return bad.isEmpty() ? problemOf(e) : QString();
}

} // namespace

KitEntryForm::KitEntryForm(const KitEntry &entry, const QString &title, QWidget *parent)
    : QDialog(parent), kind_(kindOf(entry))
{
    setWindowTitle(title);
    const bool given = !nameOf(entry).isEmpty();
    setObjectName(QStringLiteral("KitEntryForm"));
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const QStringList start = textsOf(entry);
    const QList<EntryBox> &boxes = boxesOf(kind_);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const QString label = tr(boxes[i].label);
        const QString name = QString(label).remove(QLatin1Char('&')).chopped(1);
        QWidget *field = nullptr;
        if (boxes[i].type == FieldType::Colour) {
            auto *list = new QComboBox;
            // In the order of storage::Colour.
            list->addItems({tr("Not known"), tr("Colour (Bayer matrix)"), tr("Mono")});
            list->setCurrentIndex(start.value(i).toInt());
            connect(list, &QComboBox::currentIndexChanged, this, [this, list] { edited(list); });
            field = list;
        } else {
            auto *edit = new QLineEdit(start.value(i));
            connect(edit, &QLineEdit::textEdited, this, [this, edit] { edited(edit); });
            field = edit;
        }
        field->setObjectName(QLatin1String(boxes[i].id));
        field->setAccessibleName(name);
        auto *l = new QLabel(label);
        l->setBuddy(field);
        form->addRow(l, field);
        fields_ << field;
        if (given)
            touched_.insert(field);
    }
    problem_ = problemLabel(QStringLiteral("EntryProblem"), tr("Entry problem"));
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons_);
    check();
}

QPushButton *KitEntryForm::okButton() const { return buttons_->button(QDialogButtonBox::Ok); }

QStringList KitEntryForm::texts() const
{
    QStringList out;
    for (QWidget *f : fields_) {
        if (auto *list = qobject_cast<QComboBox *>(f))
            out << QString::number(list->currentIndex());
        else
            out << static_cast<QLineEdit *>(f)->text();
    }
    return out;
}

void KitEntryForm::edited(QWidget *field)
{
    touched_.insert(field);
    check();
}

void KitEntryForm::check()
{
    const QStringList typed = texts();
    QList<int> bad;
    const KitEntry e = entryOf(kind_, typed, bad);
    const QString problem = bad.isEmpty() ? problemOf(e) : QString();
    const QStringList sample = textsOf(sampleEntry(kind_));
    const QList<EntryBox> &boxes = boxesOf(kind_);
    QStringList lines;
    for (int i = 0; i < int(fields_.size()); ++i) {
        QString why;
        // A new entry's empty boxes are not wrong until the user has been there.
        if (!touched_.contains(fields_[i]) && typed[i].trimmed().isEmpty()) {
            markField(fields_[i], QString());
            continue;
        }
        if (bad.contains(i)) {
            why = boxes[i].type == FieldType::Count ? tr("Not a whole number") : tr("Not a number");
            lines << tr("%1: “%2” is not a number.").arg(fields_[i]->accessibleName(), typed[i]);
        } else if (!problem.isEmpty()) {
            // The box at fault: alone among sure values it is refused, or a sure value in its
            // place makes the entry one the kit keeps.
            QStringList alone = sample;
            alone[i] = typed[i];
            QStringList fixed = typed;
            fixed[i] = sample[i];
            bool fixedReads = false;
            const QString fixedProblem = problemWith(kind_, fixed, &fixedReads);
            if (!problemWith(kind_, alone).isEmpty() || (fixedReads && fixedProblem.isEmpty()))
                why = problem;
        }
        markField(fields_[i], why);
    }
    if (!problem.isEmpty() && !touched_.isEmpty())
        lines << problem;
    showProblemText(problem_, lines.join(QLatin1Char('\n')));
    entry_ = bad.isEmpty() && problem.isEmpty() ? std::optional<KitEntry>(e) : std::nullopt;
    okButton()->setEnabled(entry_.has_value());
}

} // namespace vkp2::planner_window

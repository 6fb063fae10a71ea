#include "widgets/planner_window/solve_table.h"

#include "calculator/core/numbers.h"
#include "planner/csv_field.h"
#include "planner/setup_fields.h"
#include "planner/solve_setup.h"
#include "planner/train_setup.h"
#include "widgets/planner_window/train_choices.h"
#include "widgets/planner_window/advice_words.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <vector>

namespace vkp2::planner_window {

using planner::csvField;

namespace {

// Shown texts are in the user's locale; the CSV wants dots.
QString csvNumber(const QString &shown)
{
    const auto v = numbers::parse(shown);
    return v ? QString::number(*v, 'g', 15) : QString();
}

} // namespace

SolveTable::SolveTable(QWidget *parent) : QWidget(parent)
{
    kind_ = new QComboBox;
    kind_->addItems({tr("Focal ratio"), tr("Pixel scale (″/px)")});
    kind_->setAccessibleName(tr("Goal kind"));
    kind_->setObjectName(QStringLiteral("GoalKind"));
    value_ = new QDoubleSpinBox;
    value_->setAccessibleName(tr("Goal value"));
    value_->setObjectName(QStringLiteral("GoalValue"));
    table_ = new QTableWidget(0, ColumnCount);
    table_->setObjectName(QStringLiteral("SolveTable"));
    table_->setAccessibleName(tr("Distances that reach the goal"));
    table_->setHorizontalHeaderLabels({tr("Ocular or element"), tr("D or distance (mm)"), tr("EFL (mm)"), tr("Focal ratio"),
                                       tr("Field (′)"), tr("Scale (″/px)"), tr("Sampling of the seeing"),
                                       tr("Sampling by focal ratio")});
    // Tab moves on to the next control; the arrows move inside the table.
    table_->setTabKeyNavigation(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    table_->installEventFilter(this);

    auto *goalLabel = new QLabel(tr("&Goal:"));
    goalLabel->setBuddy(kind_);
    auto *top = new QHBoxLayout;
    top->addWidget(goalLabel);
    top->addWidget(kind_);
    top->addWidget(value_);
    top->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(table_);

    kindChanged();
    connect(kind_, &QComboBox::currentIndexChanged, this, &SolveTable::kindChanged);
    connect(value_, &QDoubleSpinBox::valueChanged, this, &SolveTable::refill);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { pickRow(row); });
}

SolveTable::GoalKind SolveTable::goalKind() const
{
    return kind_->currentIndex() == 1 ? GoalKind::PixelScale : GoalKind::FocalRatio;
}

double SolveTable::goalValue() const { return value_->value(); }

void SolveTable::kindChanged()
{
    const QSignalBlocker block(value_);
    if (goalKind() == GoalKind::FocalRatio) {
        value_->setRange(1, 1000);
        value_->setDecimals(1);
        value_->setSingleStep(1);
        value_->setValue(25);
    } else {
        value_->setRange(0.01, 20);
        value_->setDecimals(2);
        value_->setSingleStep(0.05);
        value_->setValue(0.25);
    }
    refill();
}

void SolveTable::setGoal(GoalKind kind, double value)
{
    kind_->setCurrentIndex(kind == GoalKind::PixelScale ? 1 : 0);
    value_->setValue(value);
}

void SolveTable::setInputs(const PlannerInputs &inputs, const storage::Kit &kit, bool ownTrainSound)
{
    inputs_ = inputs;
    kit_ = kit;
    ownTrainSound_ = ownTrainSound;
    // For the Moon, Sun and planets lucky imaging beats the seeing: its verdict is the
    // long-exposure view.
    const bool longOnly = planner::seeingLongExposureOnlyFor(inputs.targetInfo());
    table_->horizontalHeaderItem(SeeingVerdict)
        ->setText(longOnly ? tr("Sampling of the seeing (long exposures)") : tr("Sampling of the seeing"));
    refill();
}

void SolveTable::addTrainRows(planner::Goal::Kind kind)
{
    for (const TrainChoice &choice : trainChoices(inputs_.setup, kit_, ownTrainSound_)) {
        const planner::SolvedTrain solved = planner::solveTrain(choice.setup, kind, goalValue());
        Row row;
        row.train = true;
        const QString word = planner::variableWord(solved.variable);
        row.ocular = word.isEmpty() ? choice.name : tr("%1 (%2)").arg(choice.name, word);
        row.solved = solved.solution.ok();
        row.reason = planner::reasonText(solved, QLocale());
        row.csvReason = planner::reasonText(solved, QLocale::c());
        row.d = solved.valueText;
        row.shown = solved.shown;
        row.setup = row.solved ? planner::withVariable(choice.setup, solved.solution.distanceMm) : choice.setup;
        if (row.solved) {
            const planner::Advice advice = planner::adviseOn(row.shown, adviceOptions(inputs_));
            row.seeingVerdict = seeingVerdictText(advice);
            row.ratioVerdict = focalRatioVerdictText(advice);
            row.csvSeeingVerdict = seeingVerdictText(advice, planner::Wording::Data);
            row.csvRatioVerdict = focalRatioVerdictText(advice, planner::Wording::Data);
        }
        rows_ << row;
    }
}

void SolveTable::refill()
{
    const auto kind = goalKind() == GoalKind::PixelScale ? planner::Goal::Kind::PixelScale
                                                         : planner::Goal::Kind::FocalRatio;
    rows_.clear();
    for (const auto &solved : planner::solveEveryOcular(inputs_.setup, kind, goalValue())) {
        Row row;
        row.ocular = solved.ocular;
        row.solved = solved.solution.ok();
        row.reason = planner::reasonText(solved.solution, QLocale());
        row.csvReason = solved.solution.reason; // the CSV keeps the dot
        row.d = solved.dText;
        row.shown = solved.shown;
        if (row.solved) {
            const planner::Advice advice = planner::adviseOn(row.shown, adviceOptions(inputs_));
            row.seeingVerdict = seeingVerdictText(advice);
            row.ratioVerdict = focalRatioVerdictText(advice);
            row.csvSeeingVerdict = seeingVerdictText(advice, planner::Wording::Data);
            row.csvRatioVerdict = focalRatioVerdictText(advice, planner::Wording::Data);
        } else if (solved.solution.status == planner::SolveStatus::OutOfRange) {
            row.neededD = solved.solution.distanceMm;
        }
        rows_ << row;
    }
    addTrainRows(kind);

    table_->clearSpans();
    table_->setRowCount(int(rows_.size()));
    for (int r = 0; r < rows_.size(); ++r) {
        const Row &row = rows_.at(r);
        auto set = [&](int column, const QString &text) {
            auto *item = new QTableWidgetItem(text);
            if (column != Ocular && column != SeeingVerdict && column != RatioVerdict)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, column, item);
        };
        set(Ocular, row.ocular);
        if (!row.solved) {
            for (int c = Distance; c < ColumnCount; ++c)
                table_->setItem(r, c, nullptr);
            set(Distance, row.reason);
            table_->item(r, Distance)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            table_->item(r, Distance)->setToolTip(row.reason); // whole, where the view cuts it
            table_->setSpan(r, Distance, 1, ColumnCount - Distance);
            continue;
        }
        const planner::Shown &s = row.shown;
        set(Distance, row.d);
        set(Efl, s.box(Box::efl));
        set(Efr, s.box(Box::efr));
        const bool camera = s.camera != entries::NoneOrFilm && !s.box(Box::Fov_width).isEmpty();
        set(Field, camera ? QStringLiteral("%1 × %2").arg(s.box(Box::Fov_width), s.box(Box::Fov_height)) : QString());
        set(Scale, camera ? QStringLiteral("%1 × %2").arg(s.box(Box::Pixelscale_width), s.box(Box::Pixelscale_height))
                          : QString());
        set(SeeingVerdict, row.seeingVerdict);
        set(RatioVerdict, row.ratioVerdict);
    }
    table_->resizeColumnsToContents();
}

void SolveTable::pickRow(int row)
{
    if (row < 0 || row >= rows_.size() || !rows_.at(row).solved)
        return;
    if (rows_.at(row).train)
        emit pickedTrain(rows_.at(row).setup);
    else
        emit picked(rows_.at(row).ocular, rows_.at(row).d);
}

bool SolveTable::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            pickRow(table_->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QByteArray SolveTable::csv() const
{
    // One column per entry, so a name and its cells cannot drift apart. The names are those of
    // `vkp2plan solve --format csv`, followed by its keys for the two verdicts.
    using Cell = std::function<QString(const Row &, const PlannerInputs &)>;
    struct CsvColumn {
        QString name;
        Cell cell;
    };
    const auto named = [](std::string_view key, Cell cell) {
        return CsvColumn{QLatin1String(key.data(), qsizetype(key.size())), std::move(cell)};
    };
    // Boxes and setup fields go by their keys, as the command line's columns do.
    const auto box = [&named](Box id) {
        return named(infoOf(id).key, [id](const Row &r, const PlannerInputs &) { return csvNumber(r.shown.box(id)); });
    };
    std::vector<CsvColumn> columns = {
        named(planner::setupField(planner::SetupField::Ocular).key,
              [](const Row &r, const PlannerInputs &) { return csvField(r.ocular); }),
        named(infoOf(Box::Distance_tl).key, [](const Row &r, const PlannerInputs &in) {
            return csvNumber(r.solved ? r.shown.box(Box::Distance_tl) : in.setup.tl);
        }),
        named(infoOf(Box::Distance_d).key, [](const Row &r, const PlannerInputs &) {
            const bool d = !r.train || planner::variableOf(r.setup) == planner::TrainVariable::D;
            return r.solved && d ? csvNumber(r.d) : QString();
        }),
        box(Box::efl),
        box(Box::efr),
        box(Box::Fov_width),
        box(Box::Fov_height),
        box(Box::Pixelscale_width),
        box(Box::Pixelscale_height),
        named("reason", [](const Row &r, const PlannerInputs &) { return csvField(r.csvReason); }),
        named("needed_d_mm", [](const Row &r, const PlannerInputs &) {
            return r.neededD ? QString::number(numbers::round2(*r.neededD), 'g', 15) : QString();
        }),
        named("note", [](const Row &r, const PlannerInputs &) {
            QStringList texts;
            for (const Message &m : r.shown.messages)
                texts << m.text;
            return csvField(texts.join(QStringLiteral("; ")));
        }),
        named("sampling", [](const Row &r, const PlannerInputs &) { return csvField(r.csvSeeingVerdict); }),
        named("focal_ratio_sampling", [](const Row &r, const PlannerInputs &) { return csvField(r.csvRatioVerdict); }),
    };
    // With trains, the distance each is set by under the command line's keys; without, the
    // columns are what they always were.
    const bool trains = std::any_of(rows_.begin(), rows_.end(), [](const Row &r) { return r.train; });
    const auto distanceOf = [&named](std::string_view key, planner::TrainVariable variable) {
        return named(key, [variable](const Row &r, const PlannerInputs &) {
            return r.solved && r.train && planner::variableOf(r.setup) == variable ? csvNumber(r.d)
                                                                                  : QString();
        });
    };
    if (trains) {
        columns.push_back(named("element", [](const Row &r, const PlannerInputs &) {
            return csvField(r.train ? planner::trainText(r.setup.train) : QString());
        }));
        columns.push_back(distanceOf("spacing_mm", planner::TrainVariable::Spacing));
        columns.push_back(distanceOf("projection_distance_mm", planner::TrainVariable::ProjectionDistance));
    }
    QStringList names;
    for (const CsvColumn &c : columns)
        names << c.name;
    QStringList lines{names.join(QLatin1Char(','))};
    for (const Row &row : rows_) {
        QStringList f;
        for (const CsvColumn &c : columns)
            f << c.cell(row, inputs_);
        lines << f.join(QLatin1Char(','));
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

} // namespace vkp2::planner_window

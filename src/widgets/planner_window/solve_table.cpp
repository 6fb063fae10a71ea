#include "widgets/planner_window/solve_table.h"

#include "calculator/core/numbers.h"
#include "planner/csv_field.h"
#include "planner/sampling.h"
#include "planner/solve_setup.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

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
    table_->setHorizontalHeaderLabels({tr("Ocular"), tr("D (mm)"), tr("EFL (mm)"), tr("Focal ratio"),
                                       tr("Field (′)"), tr("Scale (″/px)"), tr("Sampling")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    table_->installEventFilter(this);

    auto *goalLabel = new QLabel(tr("G&oal:"));
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

void SolveTable::setInputs(const PlannerInputs &inputs)
{
    inputs_ = inputs;
    refill();
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
        row.reason = solved.solution.reason;
        row.d = solved.dText;
        row.shown = solved.shown;
        if (row.solved) {
            if (const auto scale = planner::unroundedPixelScale(row.shown))
                if (const auto v = planner::seeingVerdict(*scale, inputs_.seeingArcsec))
                    row.verdict = planner::samplingWord(*v);
        }
        rows_ << row;
    }

    table_->clearSpans();
    table_->setRowCount(int(rows_.size()));
    for (int r = 0; r < rows_.size(); ++r) {
        const Row &row = rows_.at(r);
        auto set = [&](int column, const QString &text) {
            auto *item = new QTableWidgetItem(text);
            if (column != Ocular && column != Verdict)
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
        set(Efl, s.box("efl"));
        set(Efr, s.box("efr"));
        const bool camera = s.camera != entries::NoneOrFilm && !s.box("Fov_width").isEmpty();
        set(Field, camera ? QStringLiteral("%1 × %2").arg(s.box("Fov_width"), s.box("Fov_height")) : QString());
        set(Scale, camera ? QStringLiteral("%1 × %2").arg(s.box("Pixelscale_width"), s.box("Pixelscale_height"))
                          : QString());
        set(Verdict, row.verdict);
    }
    table_->resizeColumnsToContents();
}

void SolveTable::pickRow(int row)
{
    if (row < 0 || row >= rows_.size() || !rows_.at(row).solved)
        return;
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
    QStringList lines{QStringLiteral("ocular,D (mm),EFL (mm),focal ratio,field width (arcmin),"
                                     "field height (arcmin),pixel scale width (arcsec/px),"
                                     "pixel scale height (arcsec/px),sampling,note")};
    for (const Row &row : rows_) {
        const planner::Shown &s = row.shown;
        QStringList f{csvField(row.ocular)};
        if (row.solved) {
            f << csvNumber(row.d) << csvNumber(s.box("efl")) << csvNumber(s.box("efr"))
              << csvNumber(s.box("Fov_width")) << csvNumber(s.box("Fov_height"))
              << csvNumber(s.box("Pixelscale_width")) << csvNumber(s.box("Pixelscale_height"))
              << csvField(row.verdict) << QString();
        } else {
            f << QString() << QString() << QString() << QString() << QString() << QString()
              << QString() << QString() << csvField(row.reason);
        }
        lines << f.join(QLatin1Char(','));
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

} // namespace vkp2::planner_window

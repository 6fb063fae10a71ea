#pragma once
// The solve table: for a goal focal ratio or pixel scale, the D each ocular needs, then the
// distance each of the kit's trains (and the setup's own) needs, and what the calculator shows
// there. Double-click or Enter on a row picks its ocular and D, or its train.

#include "storage/kit.h"
#include "widgets/planner_window/planner_inputs.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QTableWidget;

namespace vkp2::planner_window {

class SolveTable : public QWidget {
    Q_OBJECT
public:
    enum class GoalKind { FocalRatio, PixelScale };
    // Columns of the view; the CSV has the command line's columns instead.
    enum Column { Ocular, Distance, Efl, Efr, Field, Scale, SeeingVerdict, RatioVerdict, ColumnCount };

    explicit SolveTable(QWidget *parent = nullptr);

    // `ownTrainSound`: false while the setup's own train holds a problem; then it has no row.
    void setInputs(const PlannerInputs &inputs, const storage::Kit &kit = {}, bool ownTrainSound = true);
    void setGoal(GoalKind kind, double value);
    GoalKind goalKind() const;
    double goalValue() const;

    QTableWidget *table() const { return table_; }
    QComboBox *kindBox() const { return kind_; }
    QDoubleSpinBox *valueBox() const { return value_; }
    // The table as CSV, with the column names `vkp2plan solve --format csv` uses (dot decimals,
    // units in the names), then both verdicts; one row per ocular.
    QByteArray csv() const;

signals:
    void picked(const QString &ocular, const QString &distance);
    void pickedTrain(const planner::Setup &setup);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row {
        QString ocular;
        bool solved = false;
        QString d;        // typed D, 2 decimals
        planner::Shown shown;
        QString seeingVerdict, ratioVerdict;
        QString csvSeeingVerdict, csvRatioVerdict; // the same in every language
        QString reason, csvReason;
        std::optional<double> neededD; // the D out of the adapter's range it would need
        bool train = false;   // a train's row: `setup` at the solved distance
        planner::Setup setup;
    };
    void addTrainRows(planner::Goal::Kind kind);
    void kindChanged();
    void refill();
    void pickRow(int row);

    PlannerInputs inputs_;
    storage::Kit kit_;
    bool ownTrainSound_ = true;
    QComboBox *kind_ = nullptr;
    QDoubleSpinBox *value_ = nullptr;
    QTableWidget *table_ = nullptr;
    QList<Row> rows_;
};

} // namespace vkp2::planner_window

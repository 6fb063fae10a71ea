#pragma once
// The chart: focal ratio (or pixel scale) on a log axis against the distance each element is
// set by (D for every VKP-2 ocular, the spacing of each kit lens at prime focus, the projection
// distance of each kit eyepiece, and the setup's own train), with the band that samples well
// shaded. An element of fixed factor is a single marker at the axis's left edge. A cursor on
// one curve, moved by mouse or keys, shows what the calculator would show there; a click or
// Enter picks that element and distance.

#include "calculator/core/limits.h"
#include "planner/optical_train.h"
#include "storage/kit.h"
#include "widgets/planner_window/paint_look.h"
#include "widgets/planner_window/planner_inputs.h"

#include <QList>
#include <QPolygonF>
#include <QWidget>

#include <optional>
#include <vector>

namespace vkp2::planner_window {

class FocalChart : public QWidget {
    Q_OBJECT
public:
    enum class View { FocalRatio, PixelScale };

    explicit FocalChart(QWidget *parent = nullptr);

    // `ownTrainSound`: false while the setup's own train holds a problem; then it has no curve.
    void setInputs(const PlannerInputs &inputs, const storage::Kit &kit = {}, bool ownTrainSound = true);
    void setView(View view);
    View view() const { return view_; }

    // The cursor on the curves but the prime-focus reference: the VKP-2 oculars first (curve
    // i + 1 is ocular i of the catalogue), then the trains; its distance in whole mm.
    void setCursorAt(int ocularIndex, int distanceMm);
    void setCursorOn(int curve, int distanceMm);
    int cursorCurve() const { return cursorCurve_; }
    // The ocular under the cursor (catalogue index); -1 on a train's curve.
    int cursorOcular() const;
    int cursorDistance() const { return cursorD_; }
    QString cursorOcularName() const;
    // The curves by their legend names, prime focus first; and what each sets when picked.
    QStringList curveNames() const;
    // Whether a curve is a single marker (a fixed factor) rather than a line.
    bool isFixedCurve(int curve) const;
    // The number of points drawn of a curve (0 for none).
    int pointCount(int curve) const;
    // The x axis's title, e.g. "D (mm)" or "D, spacing or projection distance (mm)".
    QString axisTitle() const { return axisTitle_; }
    const planner::Shown &cursorShown() const { return cursorShown_; }
    // E.g. "WS 12.5mm, D 120 mm: EFL 2650 mm, focal ratio 24.5, field 12.3 × 9.2′, pixel scale
    // 0.23 × 0.23″/px", every number as the calculator shows it.
    QString cursorText() const { return cursorText_; }

    // The band's label, e.g. "well sampled: N = 32.73 to 1.5 N = 49.09", and where it is painted;
    // or, when there is no band, why not.
    QString bandLabel() const { return bandLabel_; }
    QRectF bandLabelRect(const QSizeF &size) const;
    QString noBandNote() const { return noBandNote_; }

    static constexpr double kMaxD = limits::kDistanceDHighest;

    // At night the curves are drawn in reds, told apart by their dashes and markers.
    void setNight(bool on);
    bool isNight() const { return night_; }
    // Paints the whole chart into `size`, for the widget, exports and the benchmark; without a
    // look, in the widget's own.
    void paintChart(QPainter &painter, const QSizeF &size, const PaintLook &look) const;
    void paintChart(QPainter &painter, const QSizeF &size) const { paintChart(painter, size, {palette(), night_}); }

    QSize sizeHint() const override { return {640, 380}; }
    QSize minimumSizeHint() const override { return {360, 240}; }

signals:
    void cursorMoved(const QString &text);
    void picked(const QString &ocular, const QString &distance);
    // A train's curve was picked: the setup it gives at the cursor's distance.
    void pickedTrain(const planner::Setup &setup);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Curve {
        QString name;
        int index = -1;             // ocular catalogue index, -1 for prime focus
        int style = -1;             // chart_style's index
        bool train = false;         // a train's curve, set by `setup`
        planner::Setup setup;       // the train's setup
        planner::TrainVariable variable = planner::TrainVariable::D;
        std::optional<planner::Projection> projection;
        double lowMm = 0, highMm = 0; // where the cursor may go on it
        QList<QPolygonF> pieces;    // (x, value) runs, broken where there is no image
        QList<QPointF> markers;     // (x, value) of its markers
    };
    struct Layout {
        QRectF plot, legend;
        double logLo = 0, logHi = 1;
        double xMax = kMaxD;
        QPointF map(double d, double value) const;
        double distanceAt(double x) const;
    };
    void rebuild();
    void updateCursor();
    void pick();
    Layout layoutFor(const QSizeF &size) const;
    // The value of curve `curve` (an index into curves_) at `mm`.
    std::optional<double> valueAt(int curve, double mm) const;
    std::optional<double> valueOf(const Curve &curve, double mm) const;
    // A distance on a curve: within its range, 0 for a fixed factor.
    int clampTo(int curve, int mm) const;
    // What the cursor's point sets: the ocular at D, or the train at its distance.
    planner::Setup cursorSetup() const;
    void addTrainCurves();
    void sample(Curve &curve, double &lo, double &hi) const;
    static bool hasCamera(const planner::Shown &shown);

    PlannerInputs inputs_;
    storage::Kit kit_;
    bool ownTrainSound_ = true;
    ChartOptics optics_;
    View view_ = View::FocalRatio;
    bool night_ = false;
    std::vector<std::optional<planner::Projection>> projections_; // by ocular list entry
    QList<Curve> curves_; // prime focus first, then the oculars, then the trains
    double xMax_ = kMaxD;
    QString axisTitle_, titleWords_;
    std::optional<double> bandLo_, bandHi_;
    double yMin_ = 1, yMax_ = 1000;
    QString emptyNote_, bandLabel_, noBandNote_;
    planner::Shown shown_;
    int cursorCurve_ = 1;
    int cursorD_ = 100;
    planner::Shown cursorShown_;
    QString cursorText_, cursorHead_;
};

} // namespace vkp2::planner_window

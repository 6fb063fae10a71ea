#pragma once
// The chart: focal ratio (or pixel scale) against D for every ocular, on a log axis, with the
// band that samples well shaded. A cursor on one curve, moved by mouse or keys, shows what the
// calculator would show there; a click or Enter picks that ocular and D.

#include "calculator/core/limits.h"
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

    void setInputs(const PlannerInputs &inputs);
    void setView(View view);
    View view() const { return view_; }

    // The cursor: an ocular (index into the ocular catalogue) and a whole D in mm.
    void setCursorAt(int ocularIndex, int distanceMm);
    int cursorOcular() const { return cursorOcular_; }
    int cursorDistance() const { return cursorD_; }
    QString cursorOcularName() const;
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

    // Paints the whole chart into `size`, for the widget, exports and the benchmark.
    void paintChart(QPainter &painter, const QSizeF &size) const;

    QSize sizeHint() const override { return {640, 380}; }
    QSize minimumSizeHint() const override { return {360, 240}; }

signals:
    void cursorMoved(const QString &text);
    void picked(const QString &ocular, const QString &distance);

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
        QList<QPolygonF> pieces;    // (D, value) runs, broken where there is no image
    };
    struct Layout {
        QRectF plot, legend;
        double logLo = 0, logHi = 1;
        QPointF map(double d, double value) const;
        double distanceAt(double x) const;
    };
    void rebuild();
    void updateCursor();
    void pick();
    Layout layoutFor(const QSizeF &size) const;
    std::optional<double> valueAt(int curve, double distanceMm) const;
    static bool hasCamera(const planner::Shown &shown);

    PlannerInputs inputs_;
    ChartOptics optics_;
    View view_ = View::FocalRatio;
    std::vector<std::optional<planner::Projection>> projections_; // by ocular list entry
    QList<Curve> curves_; // prime focus first, then the oculars
    std::optional<double> bandLo_, bandHi_;
    double yMin_ = 1, yMax_ = 1000;
    QString emptyNote_, bandLabel_, noBandNote_;
    planner::Shown shown_;
    int cursorOcular_ = 0;
    int cursorD_ = 100;
    planner::Shown cursorShown_;
    QString cursorText_;
};

} // namespace vkp2::planner_window

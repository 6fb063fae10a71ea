#include "widgets/planner_window/focal_chart.h"

#include "calculator/core/numbers.h"
#include "planner/train_setup.h"
#include "widgets/planner_window/chart_style.h"
#include "widgets/planner_window/train_choices.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vkp2::planner_window {

namespace {

constexpr double kStepD = 5; // sampling of the curves; the cursor computes its own point

double niceBelow(double v)
{
    const double decade = std::pow(10, std::floor(std::log10(v)));
    for (double m : {5.0, 2.0, 1.0}) {
        if (m * decade <= v * (1 + 1e-12))
            return m * decade;
    }
    return decade;
}

double niceAbove(double v)
{
    const double decade = std::pow(10, std::floor(std::log10(v)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * decade >= v * (1 - 1e-12))
            return m * decade;
    }
    return 10 * decade;
}

} // namespace

bool FocalChart::hasCamera(const planner::Shown &s) { return s.camera != entries::NoneOrFilm; }

QPointF FocalChart::Layout::map(double d, double value) const
{
    const double x = plot.left() + plot.width() * d / xMax;
    const double t = (std::log10(value) - logLo) / (logHi - logLo);
    return {x, plot.bottom() - plot.height() * t};
}

double FocalChart::Layout::distanceAt(double x) const
{
    return std::clamp((x - plot.left()) / plot.width() * xMax, 0.0, xMax);
}

FocalChart::FocalChart(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setObjectName(QStringLiteral("Chart"));
    setAccessibleName(tr("Focal ratio chart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    rebuild();
}

void FocalChart::setInputs(const PlannerInputs &inputs, const storage::Kit &kit, bool ownTrainSound)
{
    inputs_ = inputs;
    kit_ = kit;
    ownTrainSound_ = ownTrainSound;
    shown_ = planner::show(inputs.setup);
    // The oculars' curves are those of the VKP-2 alone, whatever train the setup has.
    optics_ = chartOptics(planner::show(withoutTrain(inputs.setup)));
    rebuild();
    // The cursor follows the setup: its train's curve at its distance, else its ocular at D.
    const planner::Setup &s = inputs.setup;
    const int n = int(planner::ocularEntries().size()) - 1;
    int curve = -1;
    int at = cursorD_;
    if (!s.train.isPlainVkp2()) {
        for (int c = n + 1; c < curves_.size(); ++c) {
            if (planner::trainText(curves_.at(c).setup.train) == planner::trainText(s.train)
                && curves_.at(c).variable == planner::variableOf(s))
                curve = c;
        }
        switch (planner::variableOf(s)) {
        case planner::TrainVariable::Spacing:
            at = int(std::lround(planner::spacingOf(*s.train.lens).value_or(at)));
            break;
        case planner::TrainVariable::ProjectionDistance:
            at = int(std::lround(s.train.projectionDistanceMm));
            break;
        default:
            break;
        }
    }
    if (curve < 0) {
        const int i = planner::ocularEntries().indexOf(s.ocular) - 1; // after "No-VKP2"
        curve = i >= 0 ? i + 1 : std::min(cursorCurve_, n);
    }
    if (curve <= n || planner::variableOf(s) == planner::TrainVariable::D) {
        if (const auto d = numbers::parse(s.d); d && planner::hasVkp2Ocular(s))
            at = int(std::clamp(std::lround(*d), 0L, long(kMaxD)));
    }
    cursorCurve_ = std::clamp(curve, 1, std::max(1, int(curves_.size()) - 1));
    cursorD_ = clampTo(cursorCurve_, at);
    updateCursor();
}

void FocalChart::setView(View view)
{
    if (view == view_)
        return;
    view_ = view;
    setAccessibleName(view == View::FocalRatio ? tr("Focal ratio chart") : tr("Pixel scale chart"));
    rebuild();
    updateCursor();
}

int FocalChart::cursorOcular() const
{
    return cursorCurve_ < curves_.size() && !curves_.at(cursorCurve_).train ? curves_.at(cursorCurve_).index : -1;
}

QString FocalChart::cursorOcularName() const
{
    return cursorCurve_ < curves_.size() ? curves_.at(cursorCurve_).name : QString();
}

QStringList FocalChart::curveNames() const
{
    QStringList out;
    for (const Curve &c : curves_)
        out << c.name;
    return out;
}

bool FocalChart::isFixedCurve(int curve) const
{
    return curve >= 0 && curve < curves_.size() && curves_.at(curve).train
           && curves_.at(curve).variable == planner::TrainVariable::None;
}

int FocalChart::pointCount(int curve) const
{
    if (curve < 0 || curve >= curves_.size())
        return 0;
    int n = 0;
    for (const QPolygonF &piece : curves_.at(curve).pieces)
        n += int(piece.size());
    return n;
}

std::optional<double> FocalChart::valueAt(int curve, double d) const
{
    if (curve < 0 || curve >= curves_.size())
        return std::nullopt;
    return valueOf(curves_.at(curve), d);
}

std::optional<double> FocalChart::valueOf(const Curve &c, double d) const
{
    if (!c.projection)
        return std::nullopt;
    const bool ratio = view_ == View::FocalRatio;
    if (c.train) {
        if (c.variable == planner::TrainVariable::None && d != 0)
            return std::nullopt;
        const planner::Train &t = c.setup.train;
        if (ratio)
            return optics_.apertureMm ? planner::trainFocalRatioAt(*c.projection, t, c.variable, d, *optics_.apertureMm)
                                      : std::nullopt;
        return optics_.pixelUm ? planner::trainPixelScaleAt(*c.projection, t, c.variable, d, *optics_.pixelUm)
                               : std::nullopt;
    }
    if (ratio)
        return optics_.apertureMm ? planner::focalRatioAt(*c.projection, *optics_.apertureMm, d) : std::nullopt;
    return optics_.pixelUm ? planner::pixelScaleAt(*c.projection, *optics_.pixelUm, d) : std::nullopt;
}

void FocalChart::sample(Curve &curve, double &lo, double &hi) const
{
    const auto take = [&](const std::optional<double> &v) {
        const bool good = v && std::isfinite(*v) && *v > 0;
        if (good) {
            lo = std::min(lo, *v);
            hi = std::max(hi, *v);
        }
        return good;
    };
    if (curve.train && curve.variable == planner::TrainVariable::None) {
        if (const auto v = valueOf(curve, 0); take(v))
            curve.markers << QPointF(0, *v);
        return;
    }
    QPolygonF run;
    const auto point = [&](double x) {
        const auto v = valueOf(curve, x);
        if (take(v)) {
            run << QPointF(x, *v);
        } else if (!run.isEmpty()) {
            curve.pieces << run;
            run.clear();
        }
    };
    // Both ends of a train's range, and the steps between.
    const bool ends = curve.train;
    if (ends)
        point(curve.lowMm);
    for (double x = std::ceil(curve.lowMm / kStepD) * kStepD; x <= curve.highMm + 1e-9; x += kStepD) {
        if (!ends || (x > curve.lowMm && x < curve.highMm))
            point(x);
    }
    if (ends)
        point(curve.highMm);
    if (!run.isEmpty())
        curve.pieces << run;
    // Markers staggered along the axis so neighbouring curves do not hide each other's.
    for (double x = 50 + 9 * std::max(0, curve.style); x < xMax_; x += 200) {
        if (x < curve.lowMm || x > curve.highMm)
            continue;
        if (const auto v = valueOf(curve, x); v && std::isfinite(*v) && *v > 0 && curve.style >= 0)
            curve.markers << QPointF(x, *v);
    }
}

void FocalChart::addTrainCurves()
{
    const int first = int(curves_.size());
    for (const TrainChoice &choice : trainChoices(inputs_.setup, kit_, ownTrainSound_)) {
        Curve curve;
        curve.train = true;
        curve.setup = choice.setup;
        curve.name = choice.name;
        curve.style = first - 1 + int(curves_.size() - first);
        curve.variable = planner::variableOf(choice.setup);
        const planner::Setup &s = choice.setup;
        curve.projection = projectionFor(optics_, planner::hasVkp2Ocular(s) && s.train.rear == planner::Rear::Vkp2
                                                      ? s.ocular : entries::NoVkp2);
        if (curve.variable == planner::TrainVariable::None) {
            curve.name = tr("%1 (fixed, at 0 mm)").arg(curve.name);
        } else if (const auto r = planner::variableRange(s)) {
            curve.lowMm = r->lowMm;
            curve.highMm = r->highMm;
            xMax_ = std::max(xMax_, r->highMm);
        }
        curves_ << curve;
    }
}

void FocalChart::rebuild()
{
    curves_.clear();
    emptyNote_.clear();
    bandLo_.reset();
    bandHi_.reset();
    xMax_ = kMaxD;
    const QStringList names = planner::ocularEntries();
    for (int c = -1; c + 1 < names.size(); ++c) {
        Curve curve;
        curve.index = c;
        curve.style = c;
        curve.name = c < 0 ? tr("No-VKP2 (prime focus)") : names.at(c + 1);
        curve.projection = projectionFor(optics_, names.at(c + 1));
        curve.highMm = kMaxD;
        curves_ << curve;
    }
    addTrainCurves();
    double lo = INFINITY, hi = 0;
    QList<planner::TrainVariable> variables{planner::TrainVariable::D};
    for (Curve &curve : curves_) {
        sample(curve, lo, hi);
        if (curve.train && curve.variable != planner::TrainVariable::None && !variables.contains(curve.variable))
            variables << curve.variable;
    }
    QStringList words;
    for (const planner::TrainVariable v : variables)
        words << planner::variableWord(v);
    titleWords_ = words.size() == 1 ? words.first()
                                    : tr("%1 or %2").arg(QStringList(words.mid(0, words.size() - 1)).join(QStringLiteral(", ")),
                                                         words.last());
    axisTitle_ = tr("%1 (mm)").arg(titleWords_);
    const bool ratio = view_ == View::FocalRatio;
    // The engine's band; the seeing's only counts with a pixel to judge by.
    const planner::Advice advice = planner::adviseOn(shown_, adviceOptions(inputs_));
    const std::optional<planner::Band> band = ratio                     ? advice.focalRatioBand
                                              : advice.samplingPitchUm ? planner::seeingBand(inputs_.seeingArcsec)
                                                                        : std::nullopt;
    bandLabel_.clear();
    noBandNote_.clear();
    if (band) {
        bandLo_ = band->low;
        bandHi_ = band->high;
        lo = std::min(lo, band->low);
        hi = std::max(hi, band->high);
        const QString low = numbers::format(numbers::round2(band->low));
        const QString high = numbers::format(numbers::round2(band->high));
        // The band's width is the rule's: 1.5 N by Nyquist, 7/5 N by the 5 × pixel rule.
        const QString width = numbers::format(numbers::round2(band->high / band->low));
        bandLabel_ = ratio ? tr("well sampled: N = %1 to %2 N = %3").arg(low, width, high)
                           : tr("well sampled: seeing/3 = %1 to seeing/2 = %2 ″/px").arg(low, high);
    } else if (!hasCamera(shown_)) {
        noBandNote_ = tr("No sampling band: it needs a camera's pixel size, and “%1” has none.")
                          .arg(entries::NoneOrFilm);
    } else {
        noBandNote_ = tr("No sampling band: the camera's pixel size holds no usable number.");
    }
    if (hi <= 0) {
        emptyNote_ = view_ == View::PixelScale && !optics_.pixelUm
                         ? tr("Choose a camera to see the pixel scale.")
                         : tr("No curve: the telescope or TL holds no usable number.");
        lo = view_ == View::FocalRatio ? 5 : 0.05;
        hi = view_ == View::FocalRatio ? 500 : 5;
    }
    yMin_ = niceBelow(lo);
    yMax_ = niceAbove(hi);
    if (yMax_ <= yMin_)
        yMax_ = yMin_ * 10;
    update();
}

FocalChart::Layout FocalChart::layoutFor(const QSizeF &size) const
{
    const QFontMetricsF fm(font());
    double labelW = 0;
    for (double v : {yMin_, yMax_, yMin_ * 2, yMin_ * 5, yMax_ / 2, yMax_ / 5})
        labelW = std::max(labelW, fm.horizontalAdvance(tickLabel(v)));
    // The cursor's name is set in bold.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetricsF boldFm(bold);
    double nameW = 0;
    for (const Curve &c : curves_)
        nameW = std::max(nameW, boldFm.horizontalAdvance(c.name));
    const double legendW = nameW + 44;
    Layout l;
    const double left = fm.height() + labelW + 14;
    const double top = fm.height() + 12;
    const double bottom = 2 * fm.height() + 14;
    l.plot = QRectF(left, top, std::max(40.0, size.width() - left - legendW - 16),
                    std::max(40.0, size.height() - top - bottom));
    l.legend = QRectF(l.plot.right() + 10, l.plot.top(), legendW, l.plot.height());
    l.logLo = std::log10(yMin_);
    l.logHi = std::log10(yMax_);
    l.xMax = xMax_;
    return l;
}

void FocalChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintChart(painter, size());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

} // namespace vkp2::planner_window

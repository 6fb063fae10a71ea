#include "planner/mosaic.h"

#include "planner/words.h"
#include <cmath>
#include <numbers>
#include <utility>

namespace vkp2::planner {

namespace {

bool positive(double v) { return std::isfinite(v) && v > 0; }

// A disc exactly n steps wide in decimal may come out a hair wider in binary.
constexpr double edgeSlack = 1e-9;

// Frames along one side: the first spans `frame`, each further one adds a step.
double framesAcross(double disc, double frame, double step)
{
    if (disc <= frame * (1 + edgeSlack))
        return 1;
    return 1 + std::ceil((disc - frame) / step - edgeSlack);
}

} // namespace

bool overlapInRange(double percent)
{
    return std::isfinite(percent) && percent >= mosaic_limits::kOverlapLowestPercent
           && percent <= mosaic_limits::kOverlapHighestPercent;
}

bool rotationInRange(double deg) { return std::isfinite(deg); }

double turnRadians(double rotationDeg)
{
    return std::remainder(rotationDeg, 360.0) * std::numbers::pi / 180;
}

bool blurInRange(double arcsec) { return positive(arcsec); }

QString noMosaicText()
{
    return Words::tr("a mosaic needs a camera frame and at most %1 panes")
        .arg(mosaic_limits::kPanesHighest);
}

QByteArray mosaicPanesCsv(const Mosaic &mosaic)
{
    QByteArray out = "pane,column,row,x_arcsec,y_arcsec\n";
    int pane = 0;
    for (const MosaicPane &p : mosaic.panes)
        out += QStringLiteral("%1,%2,%3,%4,%5\n")
                   .arg(++pane)
                   .arg(p.column)
                   .arg(p.row)
                   .arg(QString::number(p.xArcsec, 'g', 15), QString::number(p.yArcsec, 'g', 15))
                   .toLatin1();
    return out;
}

std::optional<Mosaic> planMosaic(double discArcsec, double frameWidthArcsec,
                                 double frameHeightArcsec, double overlapPercent,
                                 double rotationDeg)
{
    using namespace mosaic_limits;
    if (!positive(discArcsec) || !positive(frameWidthArcsec) || !positive(frameHeightArcsec)
        || !rotationInRange(rotationDeg) || !overlapInRange(overlapPercent))
        return std::nullopt;
    const double keep = 1 - overlapPercent / 100;
    const double stepW = frameWidthArcsec * keep, stepH = frameHeightArcsec * keep;
    // Counted in doubles first: a tiny frame on the Sun would overflow an int. At least π/4 of
    // a grid's cells touch the disc (all of a strip's), so a grid of more than twice the limit
    // could never be kept and is not walked.
    const double columns = framesAcross(discArcsec, frameWidthArcsec, stepW);
    const double rows = framesAcross(discArcsec, frameHeightArcsec, stepH);
    if (columns * rows > 2.0 * kPanesHighest)
        return std::nullopt;
    Mosaic m;
    m.columns = int(columns);
    m.rows = int(rows);
    m.frameWidthArcsec = frameWidthArcsec;
    m.frameHeightArcsec = frameHeightArcsec;
    m.overlapPercent = overlapPercent;
    m.rotationDeg = rotationDeg;
    const double radius = discArcsec / 2;
    const double turn = turnRadians(rotationDeg);
    const double c = std::cos(turn), s = std::sin(turn);
    for (int row = 0; row < m.rows; ++row) {
        // Row 0 at the top, y upwards.
        const double v = ((m.rows - 1) / 2.0 - row) * stepH;
        for (int column = 0; column < m.columns; ++column) {
            const double u = (column - (m.columns - 1) / 2.0) * stepW;
            // The pane's nearest point to the disc's centre; a pane that only grazes the rim
            // holds nothing of the disc.
            const double dx = std::max(std::abs(u) - frameWidthArcsec / 2, 0.0);
            const double dy = std::max(std::abs(v) - frameHeightArcsec / 2, 0.0);
            if (dx * dx + dy * dy >= radius * radius)
                continue;
            m.panes.append(MosaicPane{column, row, u * c - v * s, u * s + v * c});
        }
    }
    if (m.panes.size() > kPanesHighest)
        return std::nullopt;
    return m;
}

bool mosaicCovers(const Mosaic &m, double xArcsec, double yArcsec)
{
    const double turn = turnRadians(m.rotationDeg);
    const double c = std::cos(turn), s = std::sin(turn);
    // Into the camera's axes, where every pane is upright.
    const auto toCamera = [c, s](double x, double y) { return std::pair{x * c + y * s, -x * s + y * c}; };
    const auto [u, v] = toCamera(xArcsec, yArcsec);
    const double halfW = m.frameWidthArcsec / 2 * (1 + edgeSlack);
    const double halfH = m.frameHeightArcsec / 2 * (1 + edgeSlack);
    for (const MosaicPane &p : m.panes) {
        const auto [pu, pv] = toCamera(p.xArcsec, p.yArcsec);
        if (std::abs(u - pu) <= halfW && std::abs(v - pv) <= halfH)
            return true;
    }
    return false;
}

std::optional<double> derotationLimitSeconds(double blurArcsec, double rotationHours,
                                             double equatorialArcsec)
{
    if (!positive(blurArcsec) || !positive(rotationHours) || !positive(equatorialArcsec))
        return std::nullopt;
    const double t = blurArcsec * rotationHours * 3600 / (std::numbers::pi * equatorialArcsec);
    if (!std::isfinite(t))
        return std::nullopt;
    return t;
}

} // namespace vkp2::planner

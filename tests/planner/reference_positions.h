#pragma once
// An ephemeris of the test's own, from published formulas, computed here without ERFA:
// - the planets and the Earth-Moon barycentre: E. M. Standish, "Keplerian Elements for
//   Approximate Positions of the Major Planets" (JPL), table 1, valid 1800 to 2050;
// - the Moon's distance: J. Meeus, Astronomical Algorithms, 2nd ed., ch. 47, every distance
//   term of table 47.A. eraMoon98 sums the same series, so for the Moon this checks what the
//   planner does with it (time scale, units, radius), and Meeus's worked example checks both;
// - Saturn's ring opening B: Meeus ch. 45.
// Standish's table is good to about 0.1 % of a giant's distance, so it checks the size from
// the planner's ERFA ephemeris to well under the 0.5 % the tests allow.

#include <QDateTime>

#include <array>
#include <cmath>
#include <numbers>

namespace reference {

using Vec = std::array<double, 3>;

inline constexpr double kKmPerAu = 149597870.7;
inline constexpr double kLightDaysPerAu = 499.004784 / 86400;

inline double radians(double deg) { return deg * std::numbers::pi / 180; }
inline double degrees(double rad) { return rad * 180 / std::numbers::pi; }

// Julian centuries of Terrestrial Time from J2000.0. TT - UTC is 69.184 s from 2017 on; before
// that it is a little less, which moves nothing these tests look at.
inline double centuriesTT(const QDateTime &moment)
{
    const double jdUtc = 2440587.5 + double(moment.toMSecsSinceEpoch()) / 86400000.0;
    return (jdUtc + 69.184 / 86400 - 2451545.0) / 36525;
}

// Standish table 1: each element and its rate per Julian century.
struct Elements {
    double a, aRate;         // au
    double e, eRate;         // 1
    double i, iRate;         // deg
    double l, lRate;         // mean longitude, deg
    double peri, periRate;   // longitude of perihelion, deg
    double node, nodeRate;   // longitude of the ascending node, deg
};

inline constexpr Elements kEarthMoonBarycentre{
    1.00000261, 0.00000562, 0.01671123, -0.00004392, -0.00001531, -0.01294668,
    100.46457166, 35999.37244981, 102.93768193, 0.32327364, 0.0, 0.0};
inline constexpr Elements kMars{
    1.52371034, 0.00001847, 0.09339410, 0.00007882, 1.84969142, -0.00813131,
    -4.55343205, 19140.30268499, -23.94362959, 0.44441088, 49.55953891, -0.29257343};
inline constexpr Elements kJupiter{
    5.20288700, -0.00011607, 0.04838624, -0.00013253, 1.30439695, -0.00183714,
    34.39644051, 3034.74612775, 14.72847983, 0.21252668, 100.47390909, 0.20469106};
inline constexpr Elements kSaturn{
    9.53667594, -0.00125060, 0.05386179, -0.00050991, 2.48599187, 0.00193609,
    49.95424423, 1222.49362201, 92.59887831, -0.41897216, 113.66242448, -0.28867794};

// Heliocentric position in au, ecliptic and equinox of J2000.
inline Vec heliocentric(const Elements &el, double t)
{
    const double a = el.a + el.aRate * t;
    const double e = el.e + el.eRate * t;
    const double inc = radians(el.i + el.iRate * t);
    const double peri = el.peri + el.periRate * t;
    const double node = el.node + el.nodeRate * t;
    const double omega = radians(peri - node);
    const double bigOmega = radians(node);
    const double meanAnomaly = radians(std::remainder(el.l + el.lRate * t - peri, 360.0));
    // Kepler's equation by Newton's method; e < 0.1 converges in a few steps.
    double ecc = meanAnomaly + e * std::sin(meanAnomaly);
    for (int k = 0; k < 30; ++k) {
        const double step = (ecc - e * std::sin(ecc) - meanAnomaly) / (1 - e * std::cos(ecc));
        ecc -= step;
        if (std::abs(step) < 1e-14)
            break;
    }
    const double xp = a * (std::cos(ecc) - e);
    const double yp = a * std::sqrt(1 - e * e) * std::sin(ecc);
    const double cw = std::cos(omega), sw = std::sin(omega);
    const double cn = std::cos(bigOmega), sn = std::sin(bigOmega);
    const double ci = std::cos(inc), si = std::sin(inc);
    return {(cw * cn - sw * sn * ci) * xp + (-sw * cn - cw * sn * ci) * yp,
            (cw * sn + sw * cn * ci) * xp + (-sw * sn + cw * cn * ci) * yp,
            (sw * si) * xp + (cw * si) * yp};
}

inline double length(const Vec &v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// From the Earth (taken at the Earth-Moon barycentre, 4700 km off: 0.003 % of Mars at its
// nearest) to the planet where it was when the light left it, in au, ecliptic of J2000.
inline Vec geocentric(const Elements &planet, double t)
{
    const Vec earth = heliocentric(kEarthMoonBarycentre, t);
    Vec geo{};
    double lightCenturies = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const Vec p = heliocentric(planet, t - lightCenturies);
        geo = {p[0] - earth[0], p[1] - earth[1], p[2] - earth[2]};
        lightCenturies = length(geo) * kLightDaysPerAu / 36525;
    }
    return geo;
}

inline double planetDistanceKm(const Elements &planet, double t)
{
    return length(geocentric(planet, t)) * kKmPerAu;
}

// Meeus ch. 47: the Moon's distance from the Earth's centre, km.
inline double moonDistanceKm(double t)
{
    const double d = radians(297.8501921 + 445267.1114034 * t - 0.0018819 * t * t
                             + t * t * t / 545868 - t * t * t * t / 113065000);
    const double m = radians(357.5291092 + 35999.0502909 * t - 0.0001536 * t * t
                             + t * t * t / 24490000);
    const double mp = radians(134.9633964 + 477198.8675055 * t + 0.0087414 * t * t
                              + t * t * t / 69699 - t * t * t * t / 14712000);
    const double f = radians(93.2720950 + 483202.0175233 * t - 0.0036539 * t * t
                             - t * t * t / 3526000 + t * t * t * t / 863310000);
    const double e = 1 - 0.002516 * t - 0.0000074 * t * t;
    // D, M, M', F and the cosine's coefficient in 0.001 km: the rows of table 47.A with a Σr.
    struct Term { int d, m, mp, f; double r; };
    static constexpr Term terms[] = {
        {0, 0, 1, 0, -20905355}, {2, 0, -1, 0, -3699111}, {2, 0, 0, 0, -2955968},
        {0, 0, 2, 0, -569925},   {0, 1, 0, 0, 48888},     {0, 0, 0, 2, -3149},
        {2, 0, -2, 0, 246158},   {2, -1, -1, 0, -152138}, {2, 0, 1, 0, -170733},
        {2, -1, 0, 0, -204586},  {0, 1, -1, 0, -129620},  {1, 0, 0, 0, 108743},
        {0, 1, 1, 0, 104755},    {2, 0, 0, -2, 10321},    {0, 0, 1, -2, 79661},
        {4, 0, -1, 0, -34782},   {0, 0, 3, 0, -23210},    {4, 0, -2, 0, -21636},
        {2, 1, -1, 0, 24208},    {2, 1, 0, 0, 30824},     {1, 0, -1, 0, -8379},
        {1, 1, 0, 0, -16675},    {2, -1, 1, 0, -12831},   {2, 0, 2, 0, -10445},
        {4, 0, 0, 0, -11650},    {2, 0, -3, 0, 14403},    {0, 1, -2, 0, -7003},
        {2, -1, -2, 0, 10056},   {1, 0, 1, 0, 6322},      {2, -2, 0, 0, -9884},
        {0, 1, 2, 0, 5751},      {2, -2, -1, 0, -4950},   {2, 0, 1, -2, 4130},
        {4, -1, -1, 0, -3958},   {3, 0, -1, 0, 3258},     {2, 1, 1, 0, 2616},
        {4, -1, -2, 0, -1897},   {0, 2, -1, 0, -2117},    {2, 2, -1, 0, 2354},
        {4, 0, 1, 0, -1423},     {0, 0, 4, 0, -1117},     {4, -1, 0, 0, -1571},
        {1, 0, -2, 0, -1739},    {0, 0, 2, -2, -4421},    {0, 2, 1, 0, 1165},
        {2, 0, -1, -2, 8752},
    };
    double sum = 0;
    for (const Term &k : terms) {
        // Terms in the Sun's anomaly M are scaled by E once per unit of |M|.
        const double scale = k.m == 0 ? 1 : std::abs(k.m) == 1 ? e : e * e;
        sum += k.r * scale * std::cos(k.d * d + k.m * m + k.mp * mp + k.f * f);
    }
    return 385000.56 + sum / 1000;
}

// Meeus ch. 45: Saturn's ring opening B in degrees, positive when the rings' northern face is
// seen. The ring plane's i and Ω are referred to the ecliptic and equinox of the date, so the
// J2000 longitude is carried to the date by the general precession in longitude (IAU 1976,
// 5029.0966″ T + 1.11113″ T²); the ecliptic's own tilt, 47″ a century, is left out.
inline double saturnRingOpeningDeg(double t)
{
    const Vec g = geocentric(kSaturn, t);
    const double precession = radians((5029.0966 * t + 1.11113 * t * t) / 3600);
    const double lambda = std::atan2(g[1], g[0]) + precession;
    const double beta = std::asin(g[2] / length(g));
    const double i = radians(28.075216 - 0.012998 * t + 0.000004 * t * t);
    const double node = radians(169.508470 + 1.394681 * t + 0.000412 * t * t);
    return degrees(std::asin(std::sin(i) * std::cos(beta) * std::sin(lambda - node)
                             - std::cos(i) * std::sin(beta)));
}

// The apparent diameter in arcsec of a sphere of `radiusKm` at `distanceKm`.
inline double diameterArcsec(double radiusKm, double distanceKm)
{
    return 2 * std::asin(radiusKm / distanceKm) * 180 / std::numbers::pi * 3600;
}

} // namespace reference

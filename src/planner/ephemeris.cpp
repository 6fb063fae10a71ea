#include "planner/ephemeris.h"

#include "planner/words.h"
#include <erfa.h>
#include <erfam.h>

#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cmath>

namespace vkp2::planner {

namespace {

constexpr double kKmPerAu = ERFA_DAU / 1000;
constexpr double kArcsecPerRadian = ERFA_DR2AS;

using Vec = std::array<double, 3>;

Vec minus(const Vec &a, const Vec &b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double dot(const Vec &a, const Vec &b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double norm(const Vec &a) { return std::sqrt(dot(a, a)); }

// Terrestrial Time as a two-part Julian date; UTC before 1960 has no leap-second table and is
// taken as it comes, which moves a size by nothing worth showing.
bool terrestrialTime(const QDateTime &moment, double &tt1, double &tt2)
{
    const QDateTime utc = moment.toUTC();
    const QDate d = utc.date();
    const QTime t = utc.time();
    double utc1 = 0, utc2 = 0, tai1 = 0, tai2 = 0;
    if (eraDtf2d("UTC", d.year(), d.month(), d.day(), t.hour(), t.minute(),
                 t.second() + t.msec() / 1000.0, &utc1, &utc2) < 0)
        return false;
    if (eraUtctai(utc1, utc2, &tai1, &tai2) < 0)
        return false;
    return eraTaitt(tai1, tai2, &tt1, &tt2) == 0;
}

// ERFA's planet numbers, Mercury = 1 to Neptune = 8 (3 is the Earth-Moon barycentre).
int planetNumber(Body body)
{
    switch (body) {
    case Body::Mercury: return 1;
    case Body::Venus: return 2;
    case Body::Mars: return 4;
    case Body::Jupiter: return 5;
    case Body::Saturn: return 6;
    case Body::Uranus: return 7;
    case Body::Neptune: return 8;
    case Body::Moon:
    case Body::Sun: break;
    }
    return 0;
}

// The body's position from the Earth's centre in au, J2000 equator; for a planet as it was
// when the light now arriving left it (one light-time step is ample at these speeds).
std::optional<Vec> geocentric(Body body, double tt1, double tt2)
{
    double pvh[2][3], pvb[2][3];
    if (eraEpv00(tt1, tt2, pvh, pvb) < 0)
        return std::nullopt;
    const Vec earth{pvh[0][0], pvh[0][1], pvh[0][2]};
    if (body == Body::Sun)
        return Vec{-earth[0], -earth[1], -earth[2]};
    if (body == Body::Moon) {
        double pv[2][3];
        eraMoon98(tt1, tt2, pv);
        return Vec{pv[0][0], pv[0][1], pv[0][2]};
    }
    const int np = planetNumber(body);
    Vec geo{};
    double lightDays = 0;
    for (int pass = 0; pass < 2; ++pass) {
        double pv[2][3];
        if (eraPlan94(tt1, tt2 - lightDays, np, pv) < 0)
            return std::nullopt;
        geo = minus(Vec{pv[0][0], pv[0][1], pv[0][2]}, earth);
        lightDays = norm(geo) * ERFA_AULT / ERFA_DAYSEC;
    }
    return geo;
}

double apparentDiameterArcsec(double radiusKm, double distanceKm)
{
    return 2 * std::asin(std::min(1.0, radiusKm / distanceKm)) * kArcsecPerRadian;
}

} // namespace

double BodyView::widthArcsec() const { return ringMajorArcsec ? *ringMajorArcsec : equatorialArcsec; }

double BodyView::heightArcsec() const
{
    return ringMinorArcsec ? std::max(*ringMinorArcsec, polarArcsec) : polarArcsec;
}

bool inEphemerisYears(const QDateTime &moment)
{
    if (!moment.isValid())
        return false;
    const int year = moment.toUTC().date().year();
    return year >= ephemeris_limits::kFirstYear && year <= ephemeris_limits::kLastYear;
}

QString ephemerisYearsText()
{
    return Words::tr("the ephemeris covers %1 to %2")
        .arg(ephemeris_limits::kFirstYear)
        .arg(ephemeris_limits::kLastYear);
}

namespace {

std::optional<BodyView> computeView(Body body, const QDateTime &moment)
{
    double tt1 = 0, tt2 = 0;
    if (!terrestrialTime(moment, tt1, tt2))
        return std::nullopt;
    const auto geo = geocentric(body, tt1, tt2);
    if (!geo)
        return std::nullopt;
    const BodyFacts &f = factsOf(body);
    BodyView v;
    const double distanceAu = norm(*geo);
    v.distanceKm = distanceAu * kKmPerAu;
    v.equatorialArcsec = apparentDiameterArcsec(f.equatorialRadiusKm, v.distanceKm);
    v.polarArcsec = v.equatorialArcsec;
    if (f.pole) {
        const double t = ((tt1 - ERFA_DJ00) + tt2) / ERFA_DJC;
        const double ra = (f.pole->raDeg + f.pole->raPerCentury * t) * ERFA_DD2R;
        const double dec = (f.pole->decDeg + f.pole->decPerCentury * t) * ERFA_DD2R;
        const Vec pole{std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
        // The Earth as seen from the body: its latitude there is the pole's tilt towards us.
        const double sinLat = std::clamp(-dot(pole, *geo) / distanceAu, -1.0, 1.0);
        const double lat = std::asin(sinLat);
        v.subEarthLatitudeDeg = lat * ERFA_DR2D;
        const double polarTrue = apparentDiameterArcsec(f.polarRadiusKm, v.distanceKm);
        const double c = std::cos(lat);
        v.polarArcsec = std::sqrt(polarTrue * polarTrue * c * c
                                  + v.equatorialArcsec * v.equatorialArcsec * sinLat * sinLat);
        if (f.ringOuterRadiusKm > 0) {
            v.ringMajorArcsec = apparentDiameterArcsec(f.ringOuterRadiusKm, v.distanceKm);
            v.ringMinorArcsec = *v.ringMajorArcsec * std::abs(sinLat);
        }
    }
    return v;
}

} // namespace

std::optional<BodyView> viewAt(Body body, const QDateTime &moment)
{
    if (!inEphemerisYears(moment))
        return std::nullopt;
    // A table advises on every row for the same night: the series run once for it.
    struct Last {
        Body body;
        qint64 msecs;
        std::optional<BodyView> view;
    };
    thread_local std::optional<Last> last;
    const qint64 msecs = moment.toMSecsSinceEpoch();
    if (!last || last->body != body || last->msecs != msecs)
        last = Last{body, msecs, computeView(body, moment)};
    return last->view;
}

std::optional<QDateTime> parseMoment(QStringView text)
{
    const QString s = text.trimmed().toString();
    if (s.compare(QLatin1String("now"), Qt::CaseInsensitive) == 0)
        return QDateTime::currentDateTimeUtc();
    static const QRegularExpression form(QStringLiteral(
        R"(^(\d{4})-(\d{2})-(\d{2})(?:[T ](\d{2}):(\d{2})(?::(\d{2})(?:[.,](\d{1,9}))?)?)"
        R"(\s*(Z|[+-]\d{2}(?::?\d{2})?)?)?$)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(s);
    if (!m.hasMatch())
        return std::nullopt;
    const auto num = [&m](int i) { return m.captured(i).toInt(); };
    const QDate date(num(1), num(2), num(3));
    int msec = 0;
    if (m.hasCaptured(7))
        msec = m.captured(7).left(3).leftJustified(3, QLatin1Char('0')).toInt();
    const QTime time(num(4), num(5), num(6), msec);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    int offsetSeconds = 0;
    const QString zone = m.captured(8);
    if (!zone.isEmpty() && zone.compare(QLatin1String("Z"), Qt::CaseInsensitive) != 0) {
        const QString digits = QString(zone.mid(1)).remove(QLatin1Char(':'));
        const int hours = digits.left(2).toInt();
        const int minutes = digits.size() > 2 ? digits.mid(2).toInt() : 0;
        // UTC-12:00 to UTC+14:00 are the offsets in use.
        if (minutes > 59 || hours * 60 + minutes > 14 * 60)
            return std::nullopt;
        offsetSeconds = (hours * 60 + minutes) * 60 * (zone.startsWith(QLatin1Char('-')) ? -1 : 1);
    }
    return QDateTime(date, time, QTimeZone::utc()).addSecs(-offsetSeconds);
}

QString momentText(const QDateTime &moment)
{
    return moment.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QStringLiteral(" UTC");
}

QString momentIsoText(const QDateTime &moment)
{
    return moment.toUTC().toString(Qt::ISODate);
}

} // namespace vkp2::planner

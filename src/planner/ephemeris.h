#pragma once
// Where the Moon, the Sun and the planets are on a date, and how large they look from the
// Earth's centre. Positions come from ERFA (the IAU SOFA routines): eraEpv00 for the Earth,
// eraPlan94 for the planets, eraMoon98 for the Moon. Widget-free; Qt Core only.

#include "planner/bodies.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace vkp2::planner {

namespace ephemeris_limits {
// The years the Earth's series is fitted over; the Moon's and planets' hold at least as long.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2100;
} // namespace ephemeris_limits

// A body as seen from the Earth's centre at one moment. Diameters are apparent, in arcsec.
struct BodyView {
    double distanceKm = 0;
    double equatorialArcsec = 0;
    // The polar diameter as it appears: between the true one (pole in the sky's plane) and the
    // equatorial one (pole towards the Earth). Equal to the equatorial one for a round body.
    double polarArcsec = 0;
    // The planetocentric latitude of the Earth (for Saturn the ring opening angle B), in
    // degrees, positive when the north pole is tipped towards the Earth; nothing without a pole.
    std::optional<double> subEarthLatitudeDeg;
    // Saturn's rings: the outer edge's ellipse, its minor axis |sin B| times its major one.
    std::optional<double> ringMajorArcsec, ringMinorArcsec;

    // The outline that must fit the frame, the equator along the frame's width: the rings
    // where there are rings (no lower than the globe), the globe otherwise.
    double widthArcsec() const;
    double heightArcsec() const;
};

// Nothing outside the ephemeris years or for an invalid moment.
std::optional<BodyView> viewAt(Body body, const QDateTime &moment);

// Whether the ephemeris holds for the moment; e.g. "the ephemeris covers 1900 to 2100".
bool inEphemerisYears(const QDateTime &moment);
QString ephemerisYearsText();

// An ISO 8601 date and time: "2027-01-10T22:00Z", "2027-01-10T23:00+01:00", "2027-01-10 22:00"
// or "2027-01-10" (without an offset it is UTC). Nothing for text that is none; an accepted
// moment may still lie outside the ephemeris years.
std::optional<QDateTime> parseMoment(QStringView text);
// "2027-01-10 22:00 UTC": the moment in UTC, to the minute.
QString momentText(const QDateTime &moment);
// "2027-01-10T22:00:00Z", for CSV and JSON.
QString momentIsoText(const QDateTime &moment);

} // namespace vkp2::planner

#pragma once
// The Moon, the Sun and the planets as bodies: their radii, rotation and pole, once. The
// ephemeris places them; the targets table names them. Widget-free; Qt Core only.

#include <optional>

namespace vkp2::planner {

enum class Body { Moon, Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune };

// The direction of a body's north pole (ICRF, J2000), linear in Julian centuries T from J2000.
struct Pole {
    double raDeg, raPerCentury;
    double decDeg, decPerCentury;
};

struct BodyFacts {
    Body body;
    double equatorialRadiusKm;
    double polarRadiusKm;
    // Drawn and fitted as an ellipse: the flattening shows at an imaging scale.
    bool oblate;
    // Sidereal rotation period; 0 where no capture is limited by it (a feature at the disc's
    // centre does not move visibly within a capture).
    double rotationHours;
    std::optional<Pole> pole;  // for the oblate planets
    double ringOuterRadiusKm;  // the outer edge of the A ring; 0 without rings
};

const BodyFacts &factsOf(Body body);

} // namespace vkp2::planner

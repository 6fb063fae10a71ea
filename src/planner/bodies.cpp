#include "planner/bodies.h"

#include <array>

namespace vkp2::planner {

namespace {

// Radii, poles and rotation rates: IAU Working Group on Cartographic Coordinates and Rotational
// Elements, report 2015 (Archinal et al. 2018, Celest. Mech. Dyn. Astron. 130:22), tables 1,
// 3 and 5; the periods are 360° over the prime meridian's daily rate W (System III for the
// giants). The Sun: IAU 2015 Resolution B3's nominal solar radius. The Moon: its mean radius
// from the same report. Saturn's A ring ends at 136 775 km (NASA NSSDCA Saturnian rings fact
// sheet). Mercury, Venus, Uranus and Neptune are round at any imaging scale (flattening below
// 2.3 %, on discs of a few arcsec for the last two); Mars' 0.6 % is left out as well.
constexpr std::array<BodyFacts, 9> kFacts{{
    {Body::Moon, 1737.4, 1737.4, false, 0, std::nullopt, 0},
    {Body::Sun, 695700, 695700, false, 0, std::nullopt, 0},
    {Body::Mercury, 2440.53, 2440.53, false, 0, std::nullopt, 0},
    {Body::Venus, 6051.8, 6051.8, false, 0, std::nullopt, 0},
    {Body::Mars, 3396.19, 3396.19, false, 360.0 * 24 / 350.891982443297, std::nullopt, 0},
    {Body::Jupiter, 71492, 66854, true, 360.0 * 24 / 870.5360000,
     Pole{268.056595, -0.006499, 64.495303, 0.002413}, 0},
    {Body::Saturn, 60268, 54364, true, 360.0 * 24 / 810.7939024, Pole{40.589, -0.036, 83.537, -0.004},
     136775},
    {Body::Uranus, 25559, 25559, false, 0, std::nullopt, 0},
    {Body::Neptune, 24764, 24764, false, 0, std::nullopt, 0},
}};

static_assert([] {
    for (std::size_t i = 0; i < kFacts.size(); ++i) {
        if (static_cast<std::size_t>(kFacts[i].body) != i)
            return false;
    }
    return true;
}());

} // namespace

const BodyFacts &factsOf(Body body) { return kFacts[static_cast<std::size_t>(body)]; }

} // namespace vkp2::planner

#pragma once
// The optics of eyepiece projection through the VKP-2 and of the camera at the resulting focal
// length, as plain formulas. All lengths in millimetres, pixel sizes in micrometres. The
// grouping of each expression is part of the result: it decides the last bit, and so the
// rounded digit shown.

namespace vkp2::optics {

inline constexpr double kArcminPerRadian = 3439;   // a whole number, as the calculator has it
inline constexpr double kArcsecPerRadian = 206265;
inline constexpr double kAdapterExtra = 3;         // fixed millimetres in every projection

// Ocular to image: the ocular's length and TL, the fixed 3 mm, then D, less the ocular's offset.
inline double projectionDistance(double ocularLength, double tl, double d, double ocularOffset)
{
    return ((ocularLength + tl) + kAdapterExtra) + d - ocularOffset;
}

inline double magnification(double projection, double ocularFocalLength)
{
    return projection / ocularFocalLength - 1;
}

inline double extendedFocalLength(double magnification, double focalLength)
{
    return magnification * focalLength;
}

inline double chipMillimetres(double pixelMicrons, double pixels)
{
    return (pixelMicrons / 1000) * pixels;
}

inline double fieldOfViewArcmin(double chipMm, double focalLength)
{
    return kArcminPerRadian * (chipMm / focalLength);
}

inline double pixelScaleArcsec(double pixelMicrons, double focalLength)
{
    return kArcsecPerRadian * ((pixelMicrons / 1000) / focalLength);
}

} // namespace vkp2::optics

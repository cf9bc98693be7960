// The bit values of the shape, rotation and zoom selection sets and the
// values of the colour option, which a figure's choices use as they are.
#pragma once

#include <cstdint>

inline constexpr std::uint32_t ShapeCircle = 0x002;
inline constexpr std::uint32_t ShapeSquare = 0x004;
inline constexpr std::uint32_t ShapeTriangle = 0x008;
inline constexpr std::uint32_t ShapeStar4 = 0x010;
inline constexpr std::uint32_t ShapeDiamond = 0x020;
inline constexpr std::uint32_t ShapePyramid = 0x040;
inline constexpr std::uint32_t ShapeStar6 = 0x080;
inline constexpr std::uint32_t ShapeStar8 = 0x100;
inline constexpr std::uint32_t ShapeAll = 0x1FE;

inline constexpr std::uint32_t RotationNone = 0x2;
inline constexpr std::uint32_t RotationClockwise = 0x4;
inline constexpr std::uint32_t RotationAntiClockwise = 0x8;
inline constexpr std::uint32_t RotationAll = 0xE;

inline constexpr std::uint32_t ZoomLow = 0x002;
inline constexpr std::uint32_t ZoomMedium = 0x004;
inline constexpr std::uint32_t ZoomHigh = 0x008;
inline constexpr std::uint32_t ZoomVeryHigh = 0x010;
inline constexpr std::uint32_t ZoomPhase1 = 0x020;
inline constexpr std::uint32_t ZoomPhase2 = 0x040;
inline constexpr std::uint32_t ZoomPhase4 = 0x080;
inline constexpr std::uint32_t ZoomStartSmall = 0x100;
inline constexpr std::uint32_t ZoomStartLarge = 0x200;
inline constexpr std::uint32_t ZoomLevels = 0x01E;
inline constexpr std::uint32_t ZoomAll = 0x3FE;

inline constexpr std::int32_t ColourHigh = 10;
inline constexpr std::int32_t ColourMedium = 30;
inline constexpr std::int32_t ColourLow = 50;

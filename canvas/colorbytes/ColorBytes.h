#pragma once

#include <cmath>
#include <cstdint>

// Colour values are signed 32-bit integers: red + 256 x green + 65536 x blue.
// Their bytes are taken with truncating division and a remainder that keeps
// the sign of the dividend, of which the low 8 bits are returned; so -1 has
// red 255 and green and blue 0.

inline std::uint8_t GetRedByte(std::int32_t srcColor)
{
    return static_cast<std::uint8_t>(srcColor % 256);
}

inline std::uint8_t GetGreenByte(std::int32_t srcColor)
{
    return static_cast<std::uint8_t>((srcColor / 256) % 256);
}

inline std::uint8_t GetBlueByte(std::int32_t srcColor)
{
    return static_cast<std::uint8_t>((srcColor / 65536) % 256);
}

// Limits x to 0..255. Sums are formed in 32 bits, so no offset overflows.
inline std::uint8_t ClampToByte(std::int32_t x)
{
    return static_cast<std::uint8_t>(x < 0 ? 0 : (x > 255 ? 255 : x));
}

// Rounds to the nearest integer, ties to the even neighbour (2.5 gives 2,
// -2.5 gives -2, 3.5 gives 4). Works in the current rounding mode of the
// FPU, which is round-to-nearest-even unless someone changed it.
inline double RoundHalfEven(double x)
{
    return std::nearbyint(x);
}

#pragma once

#include <cmath>

// Sizes of the Cottage in drawing units (page pixels at 150 pixels per
// inch): a house of 3.6 x 2.4 inches with 2 inch walls.
namespace CottageDimensions {
constexpr double Width = 540.0;       // front and back walls
constexpr double Depth = 360.0;       // side walls
constexpr double WallHeight = 300.0;
constexpr double GableHeight = 170.0; // gable rise above the eave line
constexpr double Flap = 34.0;         // usual glue flap depth
constexpr double Overhang = 24.0;     // roof beyond the gables and the eaves
constexpr double FoundationBand = 26.0;
constexpr double FenceHeight = 80.0;
constexpr double FrontFence = 430.0;
constexpr double SideFence = 600.0;

// Length of one roof slope from ridge to eave, overhang included.
inline double roofSlope()
{
    return std::hypot(Depth / 2.0, GableHeight) + Overhang;
}

// Rise of the roof per unit of run.
inline double roofPitch()
{
    return GableHeight / (Depth / 2.0);
}
} // namespace CottageDimensions

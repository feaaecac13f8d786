#pragma once

#include "model/core/ColorRecord.h"

#include <QString>
#include <array>

namespace mdlRKVUtilities {

// The working palette: PaletteCount entries in use (0 to 257), entry i being
// (PaletteColors[i], PaletteNames[i]). Entry 0 is an ordinary colour.
inline constexpr int PaletteCapacity = 257;
inline qint32 PaletteCount = 0;
inline std::array<ColorRecord, PaletteCapacity> PaletteColors{};
inline std::array<QString, PaletteCapacity> PaletteNames{};

// The colour scheme: one entry per region number. Index 0 is the paper and
// lives in the viewer alone; 1 to 255 are the model's colourable regions.
inline constexpr int SchemeSize = 256;
inline std::array<ColorRecord, SchemeSize> SchemeColors{};
inline std::array<QString, SchemeSize> SchemeNames{};

// The default gray scheme: index 0 "Paper Color", 1 to 255 "Default Gray".
void BuildDefaultGrayScheme();

// Back to the state at program start: every record all zero, every name
// empty, PaletteCount 0.
void ClearColorSets();

}  // namespace mdlRKVUtilities

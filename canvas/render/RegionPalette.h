#pragma once

#include "CanvasExport.h"

#include <array>
#include <cstdint>
#include <vector>

// The canvas library's own installed types.
namespace RKV3Canvas {

// Output value before ink for each shading level: [level 0..255][channel],
// channel 0 = red, 1 = green, 2 = blue. The fourth byte pads a row to 32 bits
// so that one level is one aligned word.
using LevelTable = std::array<std::array<std::uint8_t, 4>, 256>;

// The table rule shared by the page renderer and the colour editor's
// material preview: Levels[i][c] = clamp(i + colour_c + offset) to 0..255.
// The sum is formed in 32 bits, so every offset a file can hold (-32768 to
// 32767) gives a defined table.
RKV3CANVAS_EXPORT void BuildLevelTable(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                       std::int16_t offset, LevelTable& levels);

struct RegionPaletteEntry {
    std::uint8_t Red = 127;
    std::uint8_t Green = 127;
    std::uint8_t Blue = 127;
    std::int16_t Offset = -127;
    alignas(4) LevelTable Levels{};
};

// The 256-entry region palette, one entry per region number. Entry 0 (the
// paper) starts white with offset 0; entries 1 to 255 start at gray 127 with
// offset -127. Every entry's table is built at creation, so a page rendered
// before the host sets its colours still renders in a defined way.
class RKV3CANVAS_EXPORT RegionPalette {
public:
    static constexpr int Size = 256;

    RegionPalette();

    // Sets entry index and rebuilds its table. Returns false (and changes
    // nothing) for an index outside 0..255.
    bool UpdatePaletteColor(int index, std::int32_t colorValue, std::int16_t offset);

    const RegionPaletteEntry& entry(int index) const { return entries_[index]; }
    const LevelTable& levels(int region) const { return entries_[region].Levels; }

    // Every entry's table in one block indexed by shade x 256 + region, each
    // word holding the output bytes before ink as 0x00RRGGBB. The index is
    // bits 8 to 23 of a page pixel (0xXXRRGGBB: red shade, green region), so
    // the renderer finds a pixel's word with one shift and one mask.
    const std::uint32_t* outputWords() const { return words_.data(); }

    // The same tables as two saturating steps per region, for a renderer
    // that works out a level instead of looking it up: the level of shade s
    // in channel c is (s + raise_c, held at 255) - lower_c, held at 0, which
    // equals clamp(s + colour_c + offset). Words 0 to 255 are each region's
    // raises, words 256 to 511 its lowerings, both laid out as 0x00RRGGBB.
    const std::uint32_t* levelSteps() const { return steps_.data(); }

private:
    void packEntry(int index);

    std::array<RegionPaletteEntry, Size> entries_;
    std::vector<std::uint32_t> words_;
    std::array<std::uint32_t, 2 * Size> steps_{};
};

}  // namespace RKV3Canvas

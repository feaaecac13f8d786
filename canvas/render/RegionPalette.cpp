#include "render/RegionPalette.h"

#include "colorbytes/ColorBytes.h"

namespace RKV3Canvas {

void BuildLevelTable(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::int16_t offset,
                     LevelTable& levels)
{
    const std::int32_t color[3] = {red, green, blue};
    for (std::int32_t i = 0; i < 256; ++i) {
        for (int c = 0; c < 3; ++c)
            levels[i][c] = ClampToByte(i + color[c] + std::int32_t(offset));
        levels[i][3] = 0;
    }
}

RegionPalette::RegionPalette() : words_(std::size_t(Size) * 256)
{
    for (int i = 1; i < Size; ++i) {
        RegionPaletteEntry& e = entries_[i];
        BuildLevelTable(e.Red, e.Green, e.Blue, e.Offset, e.Levels);
    }
    RegionPaletteEntry& paper = entries_[0];
    paper.Red = paper.Green = paper.Blue = 255;
    paper.Offset = 0;
    BuildLevelTable(paper.Red, paper.Green, paper.Blue, paper.Offset, paper.Levels);
    for (int i = 0; i < Size; ++i) packEntry(i);
}

void RegionPalette::packEntry(int index)
{
    const RegionPaletteEntry& e = entries_[index];
    // colour + offset, for a shade of 0 to 255, gives the same levels held to
    // -255..255: beyond, every shade's level is 0 or 255 either way.
    std::uint32_t raise = 0, lower = 0;
    const std::int32_t color[3] = {e.Red, e.Green, e.Blue};
    for (int c = 0; c < 3; ++c) {
        const std::int32_t step = color[c] + std::int32_t(e.Offset);
        raise |= std::uint32_t(ClampToByte(step)) << (16 - 8 * c);
        lower |= std::uint32_t(ClampToByte(-step)) << (16 - 8 * c);
    }
    steps_[std::size_t(index)] = raise;
    steps_[std::size_t(Size + index)] = lower;
    const LevelTable& levels = e.Levels;
    for (std::size_t shade = 0; shade < 256; ++shade)
        words_[shade * Size + std::size_t(index)] = (std::uint32_t(levels[shade][0]) << 16)
                                                   | (std::uint32_t(levels[shade][1]) << 8)
                                                   | std::uint32_t(levels[shade][2]);
}

bool RegionPalette::UpdatePaletteColor(int index, std::int32_t colorValue, std::int16_t offset)
{
    if (index < 0 || index >= Size) return false;
    RegionPaletteEntry& e = entries_[index];
    e.Red = GetRedByte(colorValue);
    e.Green = GetGreenByte(colorValue);
    e.Blue = GetBlueByte(colorValue);
    e.Offset = offset;
    BuildLevelTable(e.Red, e.Green, e.Blue, e.Offset, e.Levels);
    packEntry(index);
    return true;
}

}  // namespace RKV3Canvas

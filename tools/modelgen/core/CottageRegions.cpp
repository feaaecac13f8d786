#include "modelgen/core/CottageRegions.h"

#include <array>

namespace {

struct RegionEntry {
    const char* regionName;
    SchemeColor color;
};

SchemeColor color(int r, int g, int b, const char* name)
{
    return {r, g, b, -127, QString::fromLatin1(name)};
}

const std::array<RegionEntry, CottageRegion::Count>& table()
{
    static const std::array<RegionEntry, CottageRegion::Count> entries = {{
        {"Walls", color(236, 222, 190, "Warm Cream")},
        {"Timber Framing", color(104, 70, 46, "Walnut Brown")},
        {"Roof Tiles", color(181, 88, 58, "Terracotta")},
        {"Roof Ridge", color(138, 62, 42, "Burnt Sienna")},
        {"Chimney", color(158, 74, 58, "Old Brick")},
        {"Chimney Cap", color(72, 72, 78, "Charcoal")},
        {"Window and Door Trim", color(246, 244, 236, "Cottage White")},
        {"Window Glass", color(146, 184, 204, "Sky Reflection")},
        {"Door", color(48, 96, 66, "Forest Green")},
        {"Shutters", color(128, 158, 122, "Sage Green")},
        {"Foundation", color(142, 136, 128, "Fieldstone")},
        {"Porch Floor", color(172, 132, 88, "Oak Plank")},
        {"Porch Posts", color(238, 232, 212, "Ivory")},
        {"Porch Roof", color(98, 110, 124, "Weathered Slate")},
        {"Lawn", color(112, 162, 78, "Meadow Green")},
        {"Garden Path", color(208, 184, 144, "Sandstone")},
        {"Flower Beds", color(98, 72, 52, "Rich Soil")},
        {"Flowers", color(216, 96, 124, "Rose Pink")},
        {"Fence", color(242, 242, 236, "Picket White")},
        {"Glue Flaps", color(234, 228, 204, "Pale Straw")},
        {"Door Step", color(124, 124, 130, "Granite")},
        {"Gable Boards", color(140, 48, 40, "Barn Red")},
    }};
    return entries;
}

} // namespace

QStringList CottageRegionNames()
{
    QStringList names;
    for (const RegionEntry& e : table()) names << QString::fromLatin1(e.regionName);
    return names;
}

ColorScheme CottageScheme()
{
    ColorScheme scheme;
    for (int r = 1; r <= CottageRegion::Count; ++r) scheme.set(r, table()[std::size_t(r - 1)].color);
    return scheme;
}

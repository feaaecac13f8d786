#include "CottageRegions.h"

#include <array>

namespace {

struct RegionEntry {
    const char* regionName;
    SchemeColor color;
};

SchemeColor colour(int r, int g, int b, const char* name)
{
    return {r, g, b, -127, QString::fromLatin1(name)};
}

const std::array<RegionEntry, CottageRegion::Count>& table()
{
    static const std::array<RegionEntry, CottageRegion::Count> entries = {{
        {"Walls", colour(236, 222, 190, "Warm Cream")},
        {"Timber Framing", colour(104, 70, 46, "Walnut Brown")},
        {"Roof Tiles", colour(181, 88, 58, "Terracotta")},
        {"Roof Ridge", colour(138, 62, 42, "Burnt Sienna")},
        {"Chimney", colour(158, 74, 58, "Old Brick")},
        {"Chimney Cap", colour(72, 72, 78, "Charcoal")},
        {"Window and Door Trim", colour(246, 244, 236, "Cottage White")},
        {"Window Glass", colour(146, 184, 204, "Sky Reflection")},
        {"Door", colour(48, 96, 66, "Forest Green")},
        {"Shutters", colour(128, 158, 122, "Sage Green")},
        {"Foundation", colour(142, 136, 128, "Fieldstone")},
        {"Porch Floor", colour(172, 132, 88, "Oak Plank")},
        {"Porch Posts", colour(238, 232, 212, "Ivory")},
        {"Porch Roof", colour(98, 110, 124, "Weathered Slate")},
        {"Lawn", colour(112, 162, 78, "Meadow Green")},
        {"Garden Path", colour(208, 184, 144, "Sandstone")},
        {"Flower Beds", colour(98, 72, 52, "Rich Soil")},
        {"Flowers", colour(216, 96, 124, "Rose Pink")},
        {"Fence", colour(242, 242, 236, "Picket White")},
        {"Glue Flaps", colour(234, 228, 204, "Pale Straw")},
        {"Door Step", colour(124, 124, 130, "Granite")},
        {"Gable Boards", colour(140, 48, 40, "Barn Red")},
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

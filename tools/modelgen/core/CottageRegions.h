#pragma once

#include "modelgen/core/ColorScheme.h"

#include <QStringList>

// The colourable regions of the Cottage model, by region number.
namespace CottageRegion {
enum : int {
    Paper = 0,
    Walls = 1,
    TimberFraming,
    RoofTiles,
    RoofRidge,
    Chimney,
    ChimneyCap,
    Trim,
    WindowGlass,
    Door,
    Shutters,
    Foundation,
    PorchFloor,
    PorchPosts,
    PorchRoof,
    Lawn,
    GardenPath,
    FlowerBeds,
    Flowers,
    Fence,
    GlueFlaps,
    DoorStep,
    GableBoards,
    Count = GableBoards
};
} // namespace CottageRegion

// Region names in region order (region r at index r - 1).
QStringList CottageRegionNames();

// The Cottage's own colour scheme: a named colour for each of its regions;
// the regions it does not use stay "Default Gray".
ColorScheme CottageScheme();

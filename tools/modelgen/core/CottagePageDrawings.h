#pragma once

#include "modelgen/core/PageSheet.h"

// The pieces of each Cottage sheet, laid out in drawing units on a Letter
// sheet of 1275 x 1650 units.
namespace CottagePageDrawings {
void walls(PageSheet& sheet);
void roof(PageSheet& sheet);
void porch(PageSheet& sheet);
void basePlate(PageSheet& sheet);
} // namespace CottagePageDrawings

#include "Printer.h"

namespace Platform {

double deviceUnitsPerScaleUnit(int scaleMode, double dpi)
{
    switch (scaleMode) {
    case ScaleTwips: return dpi / 1440.0;
    case ScalePoints: return dpi / 72.0;
    case ScalePixels: return 1.0;
    case ScaleInches: return dpi;
    case ScaleMillimeters: return dpi / 25.4;
    case ScaleCentimeters: return dpi / 2.54;
    default: return 0;
    }
}

}  // namespace Platform

#include "modelgen/core/CottagePages.h"

#include "modelgen/core/CottagePageDrawings.h"

#include <cmath>

namespace CottagePages {

QString title(int pageNumber)
{
    switch (pageNumber) {
    case 1: return QStringLiteral("Walls and Window Boxes");
    case 2: return QStringLiteral("Roof, Chimney and Porch Roof");
    case 3: return QStringLiteral("Porch, Step and Fences");
    case 4: return QStringLiteral("Base Plate");
    }
    return {};
}

int sheetWidth(int resolution)
{
    return int(std::lround(8.5 * resolution));
}

int sheetHeight(int resolution)
{
    return int(std::lround(11.0 * resolution));
}

QImage draw(int pageNumber, int resolution)
{
    if (pageNumber < 1 || pageNumber > PageCount || resolution <= 0) return {};
    PageSheet sheet(sheetWidth(resolution), sheetHeight(resolution), resolution / 150.0);
    sheet.addHeading(QStringLiteral("COTTAGE"), pageNumber, PageCount, title(pageNumber));
    switch (pageNumber) {
    case 1: CottagePageDrawings::walls(sheet); break;
    case 2: CottagePageDrawings::roof(sheet); break;
    case 3: CottagePageDrawings::porch(sheet); break;
    case 4: CottagePageDrawings::basePlate(sheet); break;
    }
    sheet.addLegend();
    return sheet.image();
}

} // namespace CottagePages

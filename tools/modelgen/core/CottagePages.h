#pragma once

#include <QImage>
#include <QString>

// The printed sheets of the Cottage: US Letter, drawn at `resolution` pixels
// per inch (1275 x 1650 pixels at 150).
namespace CottagePages {

constexpr int PageCount = 4;

// Title of page 1..PageCount.
QString title(int pageNumber);

// The page pixels of page 1..PageCount.
QImage draw(int pageNumber, int resolution);

// The sheet size in pixels at a resolution.
int sheetWidth(int resolution);
int sheetHeight(int resolution);

} // namespace CottagePages

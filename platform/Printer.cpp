#include "platform/Printer.h"

#include <QMarginsF>
#include <QPrinter>

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

void Printer::PrepareSheets(QPrinter& sheets) const
{
    sheets.setOutputFormat(QPrinter::PdfFormat);
    sheets.setColorMode(QPrinter::Color);
    sheets.setFullPage(true);
    sheets.setPageMargins(QMarginsF(0, 0, 0, 0));
}

}  // namespace Platform

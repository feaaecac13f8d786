// Page printing: the rendered page on paper at its true size.
#include "RKV3CanvasCtl.h"

#include "BusyPointer.h"
#include "MessageBox.h"
#include "PrintPageMode.h"
#include "PrintTiling.h"
#include "PrinterRegistry.h"

#include <optional>

namespace {

using namespace Platform;

const char* const InvalidPrinterText = "Invalid printer selected.";
const char* const PrintErrorText = "There was an error while attempting to print.";

// The pen of the frame, in device pixels.
constexpr int FrameDrawWidth = 4;
constexpr float HeaderPoints = 10.0f;
constexpr float FooterPoints = 8.0f;

// Prints text in the current font centred on the printable width, its top
// edge at y.
bool printCentred(Printer& printer, const QString& text, float printWidth, double y)
{
    const double width = printer.TextWidth(text);
    return printer.setCurrentX(printWidth / 2 - width / 2) && printer.setCurrentY(y)
           && printer.Print(text);
}

}  // namespace

bool RKV3CanvasCtl::PrintImage(int pID, int pResolution, int pQuality, int pCopies,
                               int pPaperSize, int pTileMode, float hOffset, float vOffset,
                               int PageMode)
{
    const bool startsJob = StartsPrintJob(PageMode);
    if (startsJob && !PrinterRegistry::setCurrent(pID)) {
        MessageBox::show(QString::fromLatin1(InvalidPrinterText), MsgButtons::OkOnly, MsgIcon::Critical);
        return false;
    }

    std::optional<BusyPointer> busy(std::in_place);
    const auto fail = [&busy] {
        busy.reset();
        MessageBox::show(QString::fromLatin1(PrintErrorText), MsgButtons::OkOnly, MsgIcon::Critical);
        return false;
    };

    const std::shared_ptr<Printer> current = PrinterRegistry::current();
    const QImage page = Picture();
    if (!current || page.isNull() || pResolution <= 0) return fail();
    Printer& printer = *current;

    // Set-up, only when the job begins: the printer's settings, its
    // printable area and physical offsets, then inch coordinates.
    if (startsJob) {
        if (!printer.setPrintQuality(short(pQuality)) || !printer.setCopies(short(pCopies))
            || !printer.setPaperSize(short(pPaperSize))
            || !printer.setFontName(QStringLiteral("Arial"))
            || !printer.setDrawWidth(FrameDrawWidth) || !printer.setScaleMode(ScalePixels))
            return fail();
        printWidth_ = float(printer.ScaleWidth() * printer.TwipsPerPixelX() / 1440.0);
        printHeight_ = float(printer.ScaleHeight() * printer.TwipsPerPixelY() / 1440.0);
        const int dpiX = printer.GetDeviceCaps(LOGPIXELSX);
        const int dpiY = printer.GetDeviceCaps(LOGPIXELSY);
        if (dpiX <= 0 || dpiY <= 0) return fail();
        minOriginX_ = float(printer.GetDeviceCaps(PHYSICALOFFSETX)) / float(dpiX);
        minOriginY_ = float(printer.GetDeviceCaps(PHYSICALOFFSETY)) / float(dpiY);
        if (!printer.setScaleMode(ScaleInches)) return fail();
    }
    if (!printer.setCurrentX(0) || !printer.setCurrentY(0)) return fail();

    const float pageHeight = float(double(page.height()) / pResolution);
    const float pageWidth = float(double(page.width()) / pResolution);
    const PrintPlacement placement =
        PlacePrintTiles(printWidth_, printHeight_, hOffset, vOffset, pageWidth, pageHeight,
                        pTileMode, minOriginX_, minOriginY_);

    // Copies row by row, left to right; the steps are running sums.
    float dy = 0;
    for (int row = 0; row < placement.tiles.down; ++row) {
        float dx = 0;
        for (int column = 0; column < placement.tiles.across; ++column) {
            if (!printer.PaintPicture(page, placement.originX + dx, placement.originY + dy,
                                      pageWidth, pageHeight))
                return fail();
            dx += placement.cellWidth;
        }
        dy += placement.cellHeight;
    }

    // Header, footer and frame over the copies.
    if (!headerText_.isEmpty()
        && (!printer.setFontSize(HeaderPoints)
            || !printCentred(printer, headerText_, printWidth_, vOffset)))
        return fail();
    if (!footerText_.isEmpty()) {
        if (!printer.setFontSize(FooterPoints)) return fail();
        const double height = printer.TextHeight(footerText_);
        if (!printCentred(printer, footerText_, printWidth_, printHeight_ - vOffset - height))
            return fail();
    }
    if (!printer.Box(hOffset, vOffset, printWidth_ - hOffset, printHeight_ - vOffset, 0))
        return fail();

    if (EndsPrintJob(PageMode) && !printer.EndDoc()) return fail();
    if (StartsNewSheet(PageMode) && !printer.NewPage()) return fail();
    return true;
}

// Page printing: the rendered page on paper at its true size.
#include "view/RKV3CanvasCtl.h"

#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"
#include "platform/PrinterRegistry.h"
#include "render/PrintPageMode.h"
#include "render/PrintTiling.h"
#include "view/PrintSheetDrawing.h"

#include <QCoreApplication>

#include <optional>

namespace {

using namespace Platform;

const char* const InvalidPrinterText = QT_TRANSLATE_NOOP("RKV3CanvasCtl", "Invalid printer selected.");
const char* const PrintErrorText = QT_TRANSLATE_NOOP("RKV3CanvasCtl", "There was an error while attempting to print.");

}  // namespace

bool RKV3CanvasCtl::PrintImage(int pID, int pResolution, int pQuality, int pCopies,
                               int pPaperSize, int pTileMode, float hOffset, float vOffset,
                               int PageMode)
{
    const bool startsJob = StartsPrintJob(PageMode);
    if (startsJob && !PrinterRegistry::setCurrent(pID)) {
        MessageBox::show(QCoreApplication::translate("RKV3CanvasCtl", InvalidPrinterText), MsgButtons::OkOnly, MsgIcon::Critical);
        return false;
    }

    std::optional<BusyPointer> busy(std::in_place);
    const auto fail = [&busy] {
        busy.reset();
        MessageBox::show(QCoreApplication::translate("RKV3CanvasCtl", PrintErrorText), MsgButtons::OkOnly, MsgIcon::Critical);
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
    const PrintArea area = TileArea(printWidth_, printHeight_, hOffset, vOffset);
    SheetTexts texts{headerText_, footerText_, sheetOptions_.scaleBar};

    if (sheetOptions_.split) {
        // One part of the page per sheet, at its true size.
        const SplitPlan plan = PlanSplit(page.width(), page.height(), pResolution, area, sheetOptions_.overlap);
        if (!plan.valid()
            || !PrintSplitPage(printer, page, pResolution, plan, area, texts, printWidth_, printHeight_, hOffset,
                               vOffset))
            return fail();
    } else {
        // Fit to Sheet scales the one centred copy down to the area.
        const float scale = sheetOptions_.fit && pTileMode != 0 ? FitScale(pageWidth, pageHeight, area) : 1.0f;
        if (scale < 1.0f) texts.header = HeaderWithNote(texts.header, FitNote(scale));
        const float copyWidth = pageWidth * scale;
        const float copyHeight = pageHeight * scale;
        const PrintPlacement placement =
            PlacePrintTiles(printWidth_, printHeight_, hOffset, vOffset, copyWidth, copyHeight, pTileMode,
                            minOriginX_, minOriginY_);

        // Copies row by row, left to right; the steps are running sums.
        float dy = 0;
        for (int row = 0; row < placement.tiles.down; ++row) {
            float dx = 0;
            for (int column = 0; column < placement.tiles.across; ++column) {
                if (!printer.PaintPicture(page, placement.originX + dx, placement.originY + dy, copyWidth,
                                          copyHeight))
                    return fail();
                dx += placement.cellWidth;
            }
            dy += placement.cellHeight;
        }
        // Header, footer and frame over the copies.
        if (!DrawSheetTexts(printer, texts, printWidth_, printHeight_, hOffset, vOffset)) return fail();
    }

    if (EndsPrintJob(PageMode) && !printer.EndDoc()) return fail();
    if (StartsNewSheet(PageMode) && !printer.NewPage()) return fail();
    return true;
}

#include "print/PageJob.h"

#include "model/core/ModelState.h"
#include "platform/PrinterRegistry.h"
#include "print/PrintSheetChoices.h"
#include "print/PrintTexts.h"
#include "render/PrintPageMode.h"
#include "view/RKV3CanvasCtl.h"

#include <algorithm>
#include <optional>

namespace util = mdlRKVUtilities;

namespace {

// The canvas's picture on the sheets, under page `page`'s header.
bool printPicture(RKV3CanvasCtl& canvas, const PrintSettings& s, int page, PrintPageMode pageMode)
{
    canvas.setHeaderText(PageHeader(util::Model.Pages.value(page - 1).Title, page, util::Model.PageCount));
    canvas.setFooterText(CopyrightNotice);
    // The split, fit and scale bar hold for this call only.
    canvas.setPrintSheetOptions(SheetOptionsOf(s));
    const bool printed = canvas.PrintImage(s.PrinterIndex, util::Model.Resolution, s.QualityCode, s.CopyCount,
                                           s.PaperCode, s.TileMode, s.HOffset, s.VOffset, pageMode);
    canvas.setPrintSheetOptions({});
    return printed;
}

// Names the job after the model, and after its page when it has one.
void titleJob(const PrintSettings& s, const QList<int>& pages)
{
    const auto printer = Platform::PrinterRegistry::printer(s.PrinterIndex);
    if (!printer || pages.isEmpty()) return;
    const int page = pages.first();
    printer->setDocumentTitle(DocumentTitle(util::Model.ModelFileName, util::Model.Pages.value(page - 1).Title, page,
                                            util::Model.PageCount, pages.size() == 1));
}

}  // namespace

QList<int> PrintedPages::missing() const
{
    QList<int> pages = notLoaded + notPrinted;
    std::sort(pages.begin(), pages.end());
    return pages;
}

bool PrintShownPage(RKV3CanvasCtl& canvas, const PrintSettings& settings, int page)
{
    titleJob(settings, {page});
    return printPicture(canvas, settings, page, SinglePage);
}

PrintedPages PrintModelPages(RKV3CanvasCtl& canvas, const PrintSettings& settings, const QList<int>& pages,
                             const PageLoader& load)
{
    PrintedPages result;
    titleJob(settings, pages);
    // A page goes to the printer once the next page has loaded, so that the
    // page printed last is known to end the job. Its coloured picture is
    // held meanwhile, taken as soon as it is rendered, and handed back to
    // the canvas to print.
    struct Held {
        int page;
        QImage picture;
    };
    std::optional<Held> held;
    const auto printHeld = [&](bool last) {
        const PrintPageMode pageMode = PageModeFor(result.printed.isEmpty(), last);
        if (canvas.Picture().cacheKey() != held->picture.cacheKey()) canvas.setPicture(held->picture);
        (printPicture(canvas, settings, held->page, pageMode) ? result.printed : result.notPrinted)
            .append(held->page);
    };
    for (const int page : pages) {
        if (!load(page)) {
            result.notLoaded.append(page);
            continue;
        }
        const QImage rendered = canvas.Picture();
        if (held) printHeld(false);
        held = Held{page, rendered};
    }
    if (held) printHeld(true);
    return result;
}

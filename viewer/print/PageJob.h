#pragma once

#include "print/PrintLayout.h"

#include <QList>
#include <functional>

class RKV3CanvasCtl;

// Printing pages of the open model through the canvas's PrintImage, the one
// way the print dialog and the exporter print: each page with its own
// header and the copyright footer, at the model's resolution, with the
// printer, quality, copies, paper, tiling and offsets of the settings.

// What became of the pages of a print run, each list in the order printed.
struct PrintedPages {
    QList<int> printed;     // on sheets of their own
    QList<int> notLoaded;   // no page image, or one the canvas could not read
    QList<int> notPrinted;  // loaded, but printing failed (the canvas has said so)

    // Every page that is on no sheet, in page order.
    QList<int> missing() const;
};

// Loads and renders one page (numbered from 1) of the open model on the
// canvas; false when it could not, the canvas then holding another page.
using PageLoader = std::function<bool(int page)>;

// Prints the page on the canvas, as it is rendered now, as a job of its own
// (SinglePage) under the header of page `page`. False when the canvas
// reported a failure.
bool PrintShownPage(RKV3CanvasCtl& canvas, const PrintSettings& settings, int page);

// Prints pages of the open model as one job, in the order given: each page
// is loaded by `load`, and printed at its own size with its own header on
// sheets of its own. A page that does not load is skipped, so no sheet ever
// carries another page's picture, and the last page printed ends the job
// whichever pages fail after it (FirstPage, MiddlePage, ..., LastPage, or
// SinglePage when one page is printed). The canvas is left holding the last page printed.
PrintedPages PrintModelPages(RKV3CanvasCtl& canvas, const PrintSettings& settings, const QList<int>& pages,
                             const PageLoader& load);

#pragma once

#include "render/PrintSheetLayout.h"

#include <QImage>
#include <QString>

namespace Platform {
class Printer;
}

// The drawing steps PrintImage shares between its layouts, on a printer in
// inch coordinates (CanvasPrinting.cpp calls them).

// The pen of the frame, in device pixels; PrintImage sets it up with the
// printer and the thin lines give it back.
constexpr int FrameDrawWidth = 4;

// What one sheet carries besides its pictures.
struct SheetTexts {
    QString header;  // drawn centred under the top inset; nothing when empty
    QString footer;  // drawn centred on the bottom inset; nothing when empty
    bool scaleBar = false;
};

// Header, footer, the scale bar when asked for, and the frame last, over
// whatever the sheet already holds. False when the printer refused a step.
bool DrawSheetTexts(Platform::Printer& printer, const SheetTexts& texts, float printWidth, float printHeight,
                    float hOffset, float vOffset);

// The header of a sheet with a note after it ("Part: row 1 of 2, column 2
// of 3"), or the note alone.
QString HeaderWithNote(const QString& header, const QString& note);
// "Part: row 1 of 2, column 2 of 3".
QString PartNote(const SplitPlan& plan, const PagePart& part);
// "Not at true size: scaled to 71.3%".
QString FitNote(float scale);

// Prints every part of the split page, one part per sheet with its trim
// marks and texts (the header naming the part), a new sheet between parts.
// The last sheet is left open for the job's page mode. False when the
// printer refused a step.
bool PrintSplitPage(Platform::Printer& printer, const QImage& page, int resolution, const SplitPlan& plan,
                    const PrintArea& area, const SheetTexts& texts, float printWidth, float printHeight,
                    float hOffset, float vOffset);

#pragma once

#include "print/PrintLayout.h"
#include "render/PrintSheetLayout.h"

#include <QString>
#include <optional>

// The print choices beyond the tile mode, shared by the print dialog, its
// settings and the exporter: Split Across Sheets with its overlap, Fit to
// Sheet and the scale bar, and the texts that tell about them.

// The tile mode of Split Across Sheets, beside 0 (Tile On Page) and 1
// (Center On Page).
constexpr qint32 SplitTileMode = 2;

// The default overlap of parts: 10 mm on A4, 0.4 in on any other paper.
float DefaultOverlap(qint32 paperCode);

// A length as "10mm" or "0.4in" (a number then the unit, blanks allowed
// between them, any case): inches; nothing for any other text, a negative
// or an absurd length.
std::optional<float> ParseLength(const QString& text);
// The length as the settings keep it, in the paper's unit: "10mm", "0.4in".
QString LengthText(float inches, qint32 paperCode);

// What PrintImage adds to the settings' tile mode. Fit to Sheet applies to
// Center On Page only.
PrintSheetOptions SheetOptionsOf(const PrintSettings& settings);

// The area a page may use on the settings' sheet (PrintTiling's bands).
PrintArea AreaOf(const PrintSettings& settings);
// The parts of a page of these pixels on the settings' sheet.
SplitPlan SplitOf(const PrintSettings& settings, int pageWidth, int pageHeight, int resolution);

// "Sheets: 2 x 2 per page" (across x down).
QString SheetsLabel(const SplitPlan& plan);
// Why the page cannot be split, in the paper's unit ("The overlap (12.00
// mm) must be shorter than a part (8.00 mm)."), or nothing when it can.
std::optional<QString> SplitRefusalText(const SplitPlan& plan, int resolution, qint32 paperCode);

// The warning that a page does not fit its sheet and will be cut off,
// naming the two remedies; nothing when it fits or is split or fitted.
std::optional<QString> CutOffWarning(const PrintSettings& settings, const PageInches& page);

#pragma once

#include "render/PrintTiling.h"

#include <QString>
#include <optional>

namespace Platform {
class Printer;
}

// The print dialog's settings record for one job; it lives as long as the
// dialog. Lengths are inches.
struct PrintSettings {
    qint32 PrinterIndex = 0;
    qint32 CopyCount = 1;
    qint32 QualityCode = -3;
    qint32 PaperCode = 1;
    qint32 TileMode = 0;
    float HOffset = 0;
    float VOffset = 0;
    float PhysicalWidth = 0;
    float PhysicalHeight = 0;
    float PrintWidth = 0;
    float PrintHeight = 0;
    float LeftMargin = 0;
    float TopMargin = 0;
    float RightMargin = 0;
    float BottomMargin = 0;
    // Beyond the tile mode (PrintSheetChoices.h): the overlap of the parts
    // of a page split across sheets (TileMode 2), in inches; one centred
    // copy fitted to the sheet; the scale bar in the footer band.
    float Overlap = 0.4f;
    bool FitToSheet = false;
    bool ScaleBar = false;
};

// The unit lengths are shown in, chosen by the paper code alone: inches for
// US Letter (1), millimetres for ISO A4 (9), none for any other code.
struct LengthUnit {
    bool known = false;
    float factor = 0;  // inches to the unit
    QString suffix;    // " in", " mm" or empty
    QString label;     // "in", "mm" or empty (the labels are then left alone)
};
LengthUnit UnitOfPaper(qint32 paperCode);

// Pushes paper, copies and quality to the printer, in that order, each as a
// 16-bit value; a value the printer refuses is skipped.
void ApplyPrinterSettings(const PrintSettings& settings, Platform::Printer& printer);

// Measures the printer's sheet, printable area and margins into the record
// (the printer is left in device-pixel scale).
void MeasurePrinter(PrintSettings& settings, Platform::Printer& printer);

// A number with exactly two decimals in the user's regional number format.
QString TwoDecimals(double value);
// A length in the paper's unit with its suffix ("8.00 in", "203.20 mm"), or
// empty text for an unknown paper code.
QString FormatLength(float inches, qint32 paperCode);
// The text of an offset box: the offset in the paper's unit with two
// decimals (empty for an unknown paper code).
QString OffsetText(float inches, qint32 paperCode);

// The value of an offset box's text, by the numeric test of an input box (a
// decimal point, or the user's own decimal separator).
std::optional<double> OffsetBoxValue(const QString& text);
// The offset-entry rule: the stored offset (inches, rounded to 0.01 in) for
// a numeric box text, the stored one unchanged for an unknown paper code,
// nothing when the text is not numeric (the box is then reset).
std::optional<float> OffsetFromEntry(const QString& text, qint32 paperCode, float stored);
// Rounds to two decimals by formatting and reading the text back.
float RoundToHundredths(double value);

// The printed size of a page image, inches (pixels over pixels per inch,
// computed in double precision).
struct PageInches {
    float width = 0;
    float height = 0;
};
PageInches PageSizeInches(int widthPixels, int heightPixels, int resolution);

// "H Tiles: 2 / V Tiles: 3".
QString TilingLabel(const PrintTiles& tiles);
// "RKV3Printer (Part Size: 4x3 in)"; "215.9x279.4 mm" on A4; 0x0 with no
// unit for an unknown paper code.
QString PartSizeCaption(const PageInches& page, qint32 paperCode);
// A 32-bit float in the shortest general form, up to seven significant
// digits ("4", "215.9").
QString ShortestGeneral(float value);

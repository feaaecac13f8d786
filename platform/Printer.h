#pragma once

#include <QString>

class QImage;
class QPrinter;

namespace Platform {

// Device capability indices a printer answers (the classic GetDeviceCaps
// indices).
enum DeviceCap {
    LOGPIXELSX = 88,       // device pixels per inch across
    LOGPIXELSY = 90,       // device pixels per inch down
    PHYSICALWIDTH = 110,   // the whole sheet across, device pixels
    PHYSICALHEIGHT = 111,  // the whole sheet down, device pixels
    PHYSICALOFFSETX = 112, // left edge of the printable area from the sheet's edge, device pixels
    PHYSICALOFFSETY = 113, // top edge of the printable area from the sheet's edge, device pixels
};

// Units of the printer's drawing coordinates (ScaleMode).
enum PrinterScale {
    ScaleTwips = 1,
    ScalePoints = 2,
    ScalePixels = 3,   // device pixels
    ScaleInches = 5,
    ScaleMillimeters = 6,
    ScaleCentimeters = 7,
};

// Paper codes and print-quality codes the printers understand.
constexpr int PaperLetter = 1;
constexpr int PaperA4 = 9;
constexpr int QualityDraft = -1;
constexpr int QualityLow = -2;
constexpr int QualityMedium = -3;
constexpr int QualityHigh = -4;

// One printer as the printing code sees it: its settings for the next job,
// its measurements and a drawing surface whose coordinates are in the
// current ScaleMode, measured from the top-left corner of the printable
// area. A job starts with the first drawing and ends with EndDoc; NewPage
// starts a new sheet of the same job.
//
// Every call that can be refused returns false when the printer refuses it
// (a value it cannot take, a device that cannot be opened, a failed
// drawing); nothing throws.
class Printer {
public:
    virtual ~Printer() = default;

    virtual QString DeviceName() const = 0;
    // The title of the next job: a PDF's document title, a print queue's job
    // name. A job already running keeps the title it began with.
    virtual bool setDocumentTitle(const QString& title) { return true; }
    // True for a printer that writes a file and needs its name
    // (setOutputFileName) before a job starts.
    virtual bool WritesFile() const { return false; }
    virtual bool setOutputFileName(const QString& path) { return false; }

    // Settings for the next job (16-bit values as the classic printer takes
    // them). Quality: -1 draft, -2 low, -3 medium, -4 high, or a positive
    // resolution in dots per inch. Paper: 1 US Letter, 9 ISO A4.
    virtual bool setPrintQuality(short value) = 0;
    virtual bool setCopies(short value) = 0;
    virtual bool setPaperSize(short value) = 0;

    virtual bool setFontName(const QString& name) = 0;
    virtual bool setFontSize(float points) = 0;
    // Width of drawn lines, device pixels.
    virtual bool setDrawWidth(int pixels) = 0;
    virtual bool setScaleMode(int mode) = 0;
    virtual int ScaleMode() const = 0;

    // The printable area in the current ScaleMode.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    // Twips (1/1440 in) per device pixel.
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;
    // A DeviceCap value; 0 for an index the printer does not know.
    virtual int GetDeviceCaps(int index) const = 0;

    // The current drawing position, in the current ScaleMode.
    virtual bool setCurrentX(double x) = 0;
    virtual bool setCurrentY(double y) = 0;
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;

    // Size of a text in the current font, in the current ScaleMode.
    virtual double TextWidth(const QString& text) = 0;
    virtual double TextHeight(const QString& text) = 0;

    // Draws the picture scaled into the rectangle, pixel for pixel as it is:
    // no lossy compression, no resampling of its own and no colour
    // conversion where the device keeps images (a PDF).
    virtual bool PaintPicture(const QImage& picture, double x, double y, double width,
                              double height) = 0;
    // Prints text with its top-left corner at the current position; the
    // position then moves to the start of the next line.
    virtual bool Print(const QString& text) = 0;
    // A rectangle outline from (x1, y1) to (x2, y2) in the colour given as
    // red + 256 x green + 65536 x blue, with the current DrawWidth.
    virtual bool Box(double x1, double y1, double x2, double y2, int color) = 0;
    // A straight line from (x1, y1) to (x2, y2) in the colour given as for
    // Box, with the current DrawWidth.
    virtual bool Line(double x1, double y1, double x2, double y2, int color) = 0;

    virtual bool NewPage() = 0;
    // Ends the job: the sheets go to the printer (or the file).
    virtual bool EndDoc() = 0;

    // Sets up a print preview's sheets as this printer's: its device and
    // page layout, so the preview shows what this printer would get. A
    // printer of no device of Qt's has sheets without margins.
    virtual void PrepareSheets(QPrinter& sheets) const;
};

// Device units per unit of a ScaleMode, for a device of `dpi` pixels per
// inch; 0 for a mode that has no fixed size.
double deviceUnitsPerScaleUnit(int scaleMode, double dpi);

}  // namespace Platform
